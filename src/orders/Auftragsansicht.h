#pragma once

// The view of the standing-order list: grid lines, whole rows, no editing. It reports left and right
// clicks with their cell (the context-menu key and Shift+F10 count as a right click on the current
// cell), a left click outside the cells as row -1, and clicks on the column headers.

#include <QTableView>

namespace velmora {

class Auftragsansicht final : public QTableView
{
    Q_OBJECT
public:
    explicit Auftragsansicht(QWidget* eltern = nullptr);

signals:
    // zeile -1: outside the cells.
    void Geklickt(int zeile, int spalte);
    // ecke: the global top-left corner of the clicked cell.
    void Rechtsklick(int zeile, int spalte, QPoint ecke);
    void KopfGeklickt(int spalte);

protected:
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
};

} // namespace velmora
