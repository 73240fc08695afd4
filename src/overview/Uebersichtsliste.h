#pragma once

// The list of the overview: a table that reports left clicks on a cell or beside the cells, and right
// clicks (or the context-menu key) on a cell, with the cell's row and column. It shows whole rows only.

#include <QTableView>

namespace velmora {

class Uebersichtsliste final : public QTableView
{
    Q_OBJECT
public:
    explicit Uebersichtsliste(QWidget* eltern = nullptr);

signals:
    // A left click; row and column are -1 when it fell beside the cells.
    void Geklickt(int zeile, int spalte);
    // A right click on a cell, or the context-menu key on the current cell.
    void Rechtsklick(int zeile, int spalte);

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    bool m_bLinksGedrueckt = false;
};

} // namespace velmora
