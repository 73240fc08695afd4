#include "AuswahlAnsicht.h"

#include "AuswahlModell.h"
#include "Kleindialog.h"
#include "Listenansicht.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace velmora {

namespace {

// The highlight is a light blue under the row's own text colour, so a chosen family account stays blue.
class AuswahlDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->palette.setBrush(QPalette::HighlightedText, option->palette.brush(QPalette::Text));
    }
};

} // namespace

AuswahlAnsicht::AuswahlAnsicht(QWidget* eltern)
    : QTableView(eltern)
{
    setItemDelegate(new AuswahlDelegate(this));
    RichteListenansichtEin(*this);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setStretchLastSection(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &AuswahlAnsicht::KopfGeklickt);

    QPalette farben = palette();
    for (QPalette::ColorGroup gruppe : {QPalette::Active, QPalette::Inactive}) {
        farben.setColor(gruppe, QPalette::Highlight, QColor(204, 228, 255));
        farben.setColor(gruppe, QPalette::Base, Qt::white);
    }
    setPalette(farben);
}

void AuswahlAnsicht::SetzeModell(AuswahlModell* modell)
{
    m_modell = modell;
    setModel(modell);
    connect(modell, &QAbstractItemModel::modelReset, this, &AuswahlAnsicht::ZeigeGewaehlt);
}

void AuswahlAnsicht::ZeigeGewaehlt()
{
    const int zeile = m_modell ? m_modell->Gewaehlt() : -1;
    if (zeile < 0) {
        clearSelection();
        return;
    }
    const QModelIndex zelle = m_modell->index(zeile, 0);
    setCurrentIndex(zelle);
    scrollTo(zelle);
}

void AuswahlAnsicht::ZeigeSortierung(int zustand)
{
    horizontalHeader()->setSortIndicatorShown(zustand == 0 || zustand == 1);
    horizontalHeader()->setSortIndicator(0, zustand == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void AuswahlAnsicht::mousePressEvent(QMouseEvent* ereignis)
{
    setFocus(Qt::MouseFocusReason);
    const QModelIndex zelle = indexAt(ereignis->position().toPoint());
    const int zeile = zelle.isValid() ? zelle.row() : -1;
    if (ereignis->button() == Qt::LeftButton) {
        if (zeile >= 0)
            emit Gewaehlt(zeile);
    } else if (ereignis->button() == Qt::RightButton) {
        const QPoint ort = zeile >= 0 ? ZellenEcke(*this, zelle) : ereignis->globalPosition().toPoint();
        emit Rechtsklick(zeile, ort);
    }
    ereignis->accept();
}

void AuswahlAnsicht::mouseMoveEvent(QMouseEvent* ereignis)
{
    // Dragging with a button held would move the highlight away from the chosen row.
    if (ereignis->buttons() != Qt::NoButton) {
        ereignis->accept();
        return;
    }
    QTableView::mouseMoveEvent(ereignis);
}

// The press before it has chosen the row; a second choice would open a right-click chooser twice.
void AuswahlAnsicht::mouseDoubleClickEvent(QMouseEvent* ereignis)
{
    ereignis->accept();
}

void AuswahlAnsicht::mouseReleaseEvent(QMouseEvent* ereignis)
{
    ereignis->accept();
}

void AuswahlAnsicht::keyPressEvent(QKeyEvent* ereignis)
{
    const int anzahl = m_modell ? m_modell->rowCount() : 0;
    const int vorher = m_modell ? m_modell->Gewaehlt() : -1;
    int zeile = -1;
    switch (ereignis->key()) {
        case Qt::Key_Home:
            zeile = 0;
            break;
        case Qt::Key_End:
            zeile = anzahl - 1;
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (vorher < 0) {
                // Nothing chosen yet: the first key chooses the first row.
                zeile = 0;
                break;
            }
            setCurrentIndex(m_modell->index(vorher, 0));
            QTableView::keyPressEvent(ereignis);
            zeile = currentIndex().row();
            break;
        default: {
            // Type-ahead moves the current row: the row it finds is the one chosen.
            QTableView::keyPressEvent(ereignis);
            const int gefunden = currentIndex().isValid() ? currentIndex().row() : -1;
            if (gefunden >= 0 && gefunden != vorher)
                emit Gewaehlt(gefunden);
            return;
        }
    }
    ereignis->accept();
    if (zeile >= 0 && zeile < anzahl && zeile != vorher)
        emit Gewaehlt(zeile);
}

// The right button is handled when pressed; this is the keyboard's way to the list's extra actions,
// for the chosen row.
void AuswahlAnsicht::contextMenuEvent(QContextMenuEvent* ereignis)
{
    ereignis->accept();
    if (ereignis->reason() == QContextMenuEvent::Mouse)
        return;
    const int zeile = m_modell ? m_modell->Gewaehlt() : -1;
    const QModelIndex zelle = zeile >= 0 ? m_modell->index(zeile, 0) : QModelIndex();
    emit Rechtsklick(zeile, zelle.isValid() ? ZellenEcke(*this, zelle) : mapToGlobal(QPoint(0, 0)));
}

} // namespace velmora
