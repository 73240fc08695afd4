#include "Uebersichtsliste.h"

#include "Listenansicht.h"
#include "Spaltenbreiten.h"
#include "Tabellenzugang.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>

namespace velmora {

Uebersichtsliste::Uebersichtsliste(QWidget* eltern)
    : QTableView(eltern)
{
    RichteListenansichtEin(*this);
    MacheKoepfeBedienbar(*this);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(20);
}

void Uebersichtsliste::mousePressEvent(QMouseEvent* ereignis)
{
    m_bLinksGedrueckt = ereignis->button() == Qt::LeftButton;
    if (ereignis->button() != Qt::RightButton) {
        QTableView::mousePressEvent(ereignis);
        return;
    }
    const QModelIndex zelle = indexAt(ereignis->position().toPoint());
    if (zelle.isValid())
        setCurrentIndex(zelle);
}

// Both buttons are taken on release: the pop-up a right click opens is modal, and a modal loop opened
// while the button is still down would leave the button held for the window system.
void Uebersichtsliste::mouseReleaseEvent(QMouseEvent* ereignis)
{
    if (ereignis->button() == Qt::RightButton) {
        const QModelIndex zelle = indexAt(ereignis->position().toPoint());
        if (zelle.isValid() && zelle == currentIndex())
            emit Rechtsklick(zelle.row(), zelle.column());
        return;
    }
    QTableView::mouseReleaseEvent(ereignis);
    if (ereignis->button() != Qt::LeftButton || !m_bLinksGedrueckt)
        return;
    m_bLinksGedrueckt = false;
    const QModelIndex zelle = indexAt(ereignis->position().toPoint());
    emit Geklickt(zelle.isValid() ? zelle.row() : -1, zelle.isValid() ? zelle.column() : -1);
}

// The layout gives the list the window's height; the list keeps only whole rows of it.
void Uebersichtsliste::resizeEvent(QResizeEvent* ereignis)
{
    QTableView::resizeEvent(ereignis);
    ZeigeGanzeZeilen(*this);
}

// The mouse's right button is handled when pressed; this is the keyboard's way to the pop-up.
void Uebersichtsliste::contextMenuEvent(QContextMenuEvent* ereignis)
{
    const QModelIndex zelle = currentIndex();
    if (ereignis->reason() != QContextMenuEvent::Mouse && zelle.isValid()) {
        setCurrentIndex(zelle);
        emit Rechtsklick(zelle.row(), zelle.column());
    }
    ereignis->accept();
}

} // namespace velmora
