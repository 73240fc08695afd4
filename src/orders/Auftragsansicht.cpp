#include "Auftragsansicht.h"

#include "Kleindialog.h"
#include "Listenansicht.h"
#include "Tabellenzugang.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>

namespace velmora {

Auftragsansicht::Auftragsansicht(QWidget* eltern)
    : QTableView(eltern)
{
    RichteListenansichtEin(*this);
    MacheKoepfeBedienbar(*this);
    horizontalHeader()->setMinimumSectionSize(16);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &Auftragsansicht::KopfGeklickt);
}

// Clicks are taken on release, after the view has moved its selection, so that the window may rebuild
// the list in answer.
void Auftragsansicht::mouseReleaseEvent(QMouseEvent* ereignis)
{
    QTableView::mouseReleaseEvent(ereignis);
    const QModelIndex zelle = indexAt(ereignis->position().toPoint());
    if (ereignis->button() == Qt::LeftButton)
        emit Geklickt(zelle.isValid() ? zelle.row() : -1, zelle.column());
    else if (ereignis->button() == Qt::RightButton && zelle.isValid())
        emit Rechtsklick(zelle.row(), zelle.column(), ZellenEcke(*this, zelle));
}

// The mouse's right button is handled on release; this is the keyboard's way to the pop-up.
void Auftragsansicht::contextMenuEvent(QContextMenuEvent* ereignis)
{
    const QModelIndex zelle = currentIndex();
    if (ereignis->reason() != QContextMenuEvent::Mouse && zelle.isValid())
        emit Rechtsklick(zelle.row(), zelle.column(), ZellenEcke(*this, zelle));
    ereignis->accept();
}

} // namespace velmora
