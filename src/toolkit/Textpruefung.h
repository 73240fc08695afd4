#pragma once

// Whether a window shows every text whole. Each label, push button, check box, radio button, group
// title and painted text must fit the space it is drawn in, lie inside its window and every widget
// around it, and neither overlap another text nor lie under another control. The window tests and the
// screenshot tool check every window this way.

#include <QStringList>

class QWidget;

namespace velmora {

// Renders the shown window once to learn its painted texts, then measures every text. One line per
// fault, naming the text and the control; empty when everything fits.
QStringList PruefeTexte(QWidget& fenster);

} // namespace velmora
