#pragma once

// How the program's report lists look and react: grid lines, whole rows chosen one at a time, no
// editing, no row numbers, 16-pixel icons, a vertical scroll bar always there, clickable headings.

#include <QColor>

class QTableView;

namespace velmora {

// Deleted rows are grey; a search hit is red on yellow.
inline const QColor kGeloeschtFarbe(192, 192, 192);
inline const QColor kTrefferFarbe(255, 0, 0);
inline const QColor kTrefferGrund(255, 255, 0);

void RichteListenansichtEin(QTableView& liste);

} // namespace velmora
