#include "Suchtreffer.h"

#include "Uebersicht.h"

#include <QTableView>

namespace velmora {

void WaehleErstenTreffer(QTableView& liste, const OverviewListing& uebersicht)
{
    const int zeile = uebersicht.ErsteTrefferZeile();
    if (zeile < 0)
        return;
    int spalte = 1;
    while (spalte + 1 < kSpalten && !uebersicht.ZelleTrifft(zeile, spalte))
        ++spalte;
    const QModelIndex treffer = liste.model()->index(zeile, spalte);
    if (!uebersicht.m_strSuche.empty())
        liste.setCurrentIndex(treffer);
    liste.scrollTo(treffer);
}

} // namespace velmora
