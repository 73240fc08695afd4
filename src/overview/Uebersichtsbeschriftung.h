#pragma once

// The overview's captions in the book's language, its title with the family's name, the places of the
// painted picker labels, and the names a screen reader hears for every control.

class QDialog;

namespace Ui {
class Overview;
}

namespace velmora {

class CBasis;

void BeschrifteUebersicht(Ui::Overview& ui, QDialog& fenster, const CBasis& basis);

} // namespace velmora
