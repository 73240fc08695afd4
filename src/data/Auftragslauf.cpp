#include "Auftragslauf.h"

#include "Basis.h"

#include <algorithm>
#include <utility>

namespace velmora {

namespace {

// Every booking of the executor counts one transaction more: the counter tells how many it made.
template<class Lauf>
int ZaehleBuchungen(CBasis& basis, Lauf lauf)
{
    const int vorher = basis.m_nZaehler;
    lauf();
    return basis.m_nZaehler - vorher;
}

} // namespace

int FuehreAlleAus(CBasis& basis, int start)
{
    return ZaehleBuchungen(basis, [&] { basis.FuehreDauerAuftraegeAus(start); });
}

int FuehreAlleinAus(CBasis& basis, CDauerAuftrag& auftrag, int start)
{
    auto& auftraege = basis.m_arrDauerAuftraege;
    const auto stelle =
        std::find_if(auftraege.begin(), auftraege.end(), [&](const auto& a) { return a.get() == &auftrag; });
    if (stelle == auftraege.end())
        return 0;
    // The executor runs every order of the list: the order runs on a list of its own, and the store's
    // list comes back unchanged, its records where they were.
    OwnedList<CDauerAuftrag> allein;
    allein.push_back(std::move(*stelle));
    std::swap(allein, auftraege);
    const int gebucht = ZaehleBuchungen(basis, [&] { basis.FuehreDauerAuftraegeAus(start); });
    std::swap(allein, auftraege);
    *stelle = std::move(allein.front());
    return gebucht;
}

int LetzteAusfuehrung(const CBasis& basis, int nr)
{
    int letzte = 0;
    for (const auto& t : basis.m_arrInOut) {
        if (t->m_nDauerAuftragNr == nr)
            letzte = std::max(letzte, t->m_nDatum);
    }
    return letzte;
}

} // namespace velmora
