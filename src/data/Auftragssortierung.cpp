#include "Auftragssortierung.h"

#include "Basis.h"
#include "Sortieren.h"
#include "Text.h"

namespace velmora {

int VergleicheDauerAuftraege(const CDauerAuftrag& a, const CDauerAuftrag& b, int schluessel)
{
    switch (schluessel) {
        case kNachDatum:
            return 0;
        case kNachBetrag:
            return a.m_dBetrag < b.m_dBetrag ? -1 : (b.m_dBetrag < a.m_dBetrag ? 1 : 0);
        default:
            return VergleicheListenText(TextSchluessel(a, schluessel), TextSchluessel(b, schluessel));
    }
}

void SortiereDauerAuftraege(CBasis& basis, int schluessel, bool absteigend)
{
    if (schluessel <= kNachDatum || schluessel > kNachUKategorie)
        return;
    SortiereStabil(basis.m_arrDauerAuftraege, [&](const auto& a, const auto& b) {
        const int v = VergleicheDauerAuftraege(*a, *b, schluessel);
        return absteigend ? v > 0 : v < 0;
    });
}

} // namespace velmora
