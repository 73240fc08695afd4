#pragma once

// How the program's report lists look and react: grid lines, whole rows chosen one at a time, no
// editing, no row numbers, 16-pixel icons, a vertical scroll bar always there, clickable headings, and
// the keyboard's ways to the right-click pop-up.

#include <QColor>

class QTableView;
class QWidget;

namespace velmora {

// Deleted rows are grey; a search hit is red on yellow.
inline const QColor kGeloeschtFarbe(192, 192, 192);
inline const QColor kTrefferFarbe(255, 0, 0);
inline const QColor kTrefferGrund(255, 255, 0);

void RichteListenansichtEin(QTableView& liste);

// The context-menu key and Shift+F10 reach the widget as a keyboard QContextMenuEvent. X turns the
// context-menu key into that event by itself; Shift+F10 and other platforms need this.
void NimmKontexttastenAn(QWidget& widget);

} // namespace velmora
