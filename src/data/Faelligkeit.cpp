#include "Faelligkeit.h"

#include "Records.h"

#include <algorithm>

namespace velmora {

bool LaeuftAm(const CDauerAuftrag& auftrag, int datum)
{
    return auftrag.m_nStatus == 1 && auftrag.m_n48 > 0 && datum >= auftrag.m_nBeginn && datum <= auftrag.m_nEnde;
}

// Several fixed dates on the same day fall due once.
bool ZyklusTrifft(const CDauerAuftrag& auftrag, const Tag& tag)
{
    const int zyklus = auftrag.m_nZyklus;
    if (zyklus > 0 && zyklus < 35)
        return zyklus == tag.nTag;
    if (zyklus > 50 && zyklus < 58)
        return zyklus - 50 == tag.nWochentag;
    if (zyklus == 0) {
        const int monatTag = tag.nMonat * 100 + tag.nTag;
        return std::any_of(auftrag.m_arrTermine.begin(), auftrag.m_arrTermine.end(),
                           [monatTag](const auto& termin) { return termin->m_nMonatTag == monatTag; });
    }
    return false;
}

} // namespace velmora
