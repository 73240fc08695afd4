#include "Listenansicht.h"

#include <QHeaderView>
#include <QTableView>

namespace velmora {

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
}

} // namespace velmora
