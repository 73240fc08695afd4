#include "Haushaltsbuch.h"

#include "Buchhaltung.h"
#include "Familienverwaltung.h"
#include "Fremdkontenverwaltung.h"
#include "Start.h"
#include "Text.h"

#include <algorithm>
#include <vector>

namespace velmora::test {

std::string AlterMuellerName(int monat)
{
    return Format("M\xFClle_%d.vlm", monat);
}

std::string MuellerName(int monat)
{
    return Format("M\xC3\xBClle_%d.vlm", monat);
}

void StarteLauf(CBasis& basis, const std::string& ordner, int heute, bool wiederherstellen)
{
    basis.m_uhr = FesteUhr(heute, 1200);
    StarteDaten(basis, ordner, wiederherstellen);
}

void LegeMuellerAn(const std::string& ordner)
{
    CBasis b;
    StarteLauf(b, ordner, 20090320);
    b.m_nSprache = kDeutsch;
    SetzeFamilienName(b, "", kMueller);
    ErstelleMitglied(b, "Anna");
    ErstelleKonto(b, 0, "Giro", 100.0);
    ErstelleFremdKonto(b, "Stadtwerke");
    CDauerAuftrag& auftrag = NeuerAuftrag(b, {"Strom", "Anna, Giro", "Stadtwerke", 10.0});
    auftrag.m_nStatus = 1;
    auftrag.m_nZyklus = 5;
    auftrag.m_nBeginn = 20090101;
    b.FuehreDauerAuftraegeAus(20090101);
    Buche(b, {"Brot", "Anna, Giro", "Stadtwerke", 2.5, 20090210});
    SpeichereAlles(b);
}

std::string AuftragsTage(const CBasis& basis)
{
    std::vector<int> tage;
    for (const auto& t : basis.m_arrInOut) {
        if (t->m_nDauerAuftragNr >= 0)
            tage.push_back(t->m_nDatum);
    }
    std::sort(tage.begin(), tage.end());
    std::string text;
    for (int tag : tage)
        text += std::to_string(tag) + " ";
    return text + "/ " + std::to_string(basis.m_arrInOut.size());
}

} // namespace velmora::test
