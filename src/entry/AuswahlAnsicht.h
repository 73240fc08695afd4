#pragma once

// The view of one picker list: one column with a clickable heading. A left click on a row, moving
// with the arrow keys or typing the start of its text chooses the row; a right click asks for the list's extra actions.
// The highlight always marks the chosen row, and family accounts keep their blue in it.

#include <QTableView>

namespace velmora {

class AuswahlModell;

class AuswahlAnsicht final : public QTableView
{
    Q_OBJECT
public:
    explicit AuswahlAnsicht(QWidget* eltern = nullptr);

    void SetzeModell(AuswahlModell* modell);
    AuswahlModell* Modell() const { return m_modell; }

    // Moves the highlight to the model's chosen row and scrolls it into view.
    void ZeigeGewaehlt();
    // Shows the sort direction in the heading: 0 ascending, 1 descending, anything else none.
    void ZeigeSortierung(int zustand);

signals:
    void Gewaehlt(int zeile);
    // zeile is -1 outside the rows; ort is the global top-left corner of the clicked cell (or the
    // clicked point outside the rows).
    void Rechtsklick(int zeile, QPoint ort);
    void KopfGeklickt();

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;

private:
    AuswahlModell* m_modell = nullptr;
};

} // namespace velmora
