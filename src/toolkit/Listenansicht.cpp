#include "Listenansicht.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

namespace velmora {

namespace {

class Kontexttasten final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress)
            return false;
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const bool umschaltF10 = taste->key() == Qt::Key_F10 && taste->modifiers() == Qt::ShiftModifier;
        const bool menuetaste = taste->key() == Qt::Key_Menu && QGuiApplication::platformName() != u"xcb";
        if (!umschaltF10 && !menuetaste)
            return false;
        auto* widget = static_cast<QWidget*>(ziel);
        const QPoint mitte = widget->rect().center();
        QContextMenuEvent menue(QContextMenuEvent::Keyboard, mitte, widget->mapToGlobal(mitte), taste->modifiers());
        QCoreApplication::sendEvent(widget, &menue);
        return true;
    }
};

} // namespace

void NimmKontexttastenAn(QWidget& widget)
{
    widget.installEventFilter(new Kontexttasten(&widget));
}

void RichteListenansichtEin(QTableView& liste)
{
    liste.setSelectionMode(QAbstractItemView::SingleSelection);
    liste.setSelectionBehavior(QAbstractItemView::SelectRows);
    liste.setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the next control instead of walking its cells.
    liste.setTabKeyNavigation(false);
    liste.setShowGrid(true);
    liste.setWordWrap(false);
    liste.setIconSize(QSize(16, 16));
    liste.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    liste.verticalHeader()->hide();
    liste.verticalHeader()->setDefaultSectionSize(20);
    liste.horizontalHeader()->setSectionsClickable(true);
    liste.horizontalHeader()->setHighlightSections(false);
    NimmKontexttastenAn(liste);
}

} // namespace velmora
