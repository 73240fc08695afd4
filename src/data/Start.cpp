#include "Start.h"

#include "Auftragslauf.h"
#include "Basis.h"
#include "Dateinamen.h"
#include "Kalender.h"
#include "Sicherungen.h"
#include "Speicherstand.h"
#include "Wiederherstellung.h"

#include <algorithm>
#include <memory>

namespace velmora {

int StarteDaten(CBasis& basis, const std::string& datenOrdner, bool wiederherstellen)
{
    basis.MonatsTitel();
    basis.m_aFarben = kStandardFarben;
    basis.m_strPfad = datenOrdner;
    if (wiederherstellen)
        basis.m_strWiederherstellung = WiederherstellungsPfad(datenOrdner);
    basis.LadeEinstellungen();
    basis.m_nFamilie = 0;
    if (wiederherstellen) {
        LadeGeretteteMonate(basis);
        basis.m_strWiederherstellung.clear();
    }
    // Unset, or a first month before 1900 or after today, which only a damaged file holds: today's month.
    if (basis.m_nErsterMonat < kFruehesterMonat || basis.m_nErsterMonat > basis.m_nHeute / 100)
        basis.m_nErsterMonat = basis.m_nHeute / 100;
    if (basis.LadeMonat(basis.m_nHeute) != 0 && !basis.m_arrFamilien.empty()) {
        const int monat = basis.m_nHeute / 100;
        basis.m_arrLoadedFiles.push_back(
            std::make_unique<CLoadedFiles>(CLoadedFiles{MonatsDateiname(basis.DateiPraefix(), monat), monat, 0}));
    }
    if (basis.m_arrFamilien.empty())
        return 0;
    basis.SortiereKategorien();
    basis.SortiereZielKonten();
    return FuehreAlleAus(basis, NachholBeginn(basis));
}

int NachholBeginn(const CBasis& basis)
{
    // The last run executed every order through its own day, so catching up starts the day after it.
    // Starting on that day itself would bring back a booking the user deleted for good since. A book
    // never saved catches up from its first month.
    return std::max(NaechsterTag(basis.m_nLetzterAufruf), basis.ErsterMonatImBuch() * 100 + 1);
}

int SpeichereAlles(CBasis& basis)
{
    basis.m_nichtGeschriebeneDateien.clear();
    if (basis.m_arrFamilien.empty())
        return 0;
    const std::vector<Dateistand> dateien = BaueSpeicherstand(basis);
    SichereVorigeFassungen(basis.m_strPfad, dateien);
    const int ergebnis = SchreibeDateien(dateien, basis.m_strPfad, basis.m_nichtGeschriebeneDateien);
    BenenneAlteMonatsdateienUm(basis.m_strPfad);
    return ergebnis;
}

std::string WaehleDatenOrdner(const std::string& argument, const std::string& pfad, const std::string& aktuell)
{
    if (!argument.empty())
        return argument;
    if (!pfad.empty())
        return pfad;
    return HatEinstellungen(aktuell) ? aktuell : std::string();
}

} // namespace velmora
