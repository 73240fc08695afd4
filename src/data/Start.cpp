#include "Start.h"

#include "Auftragslauf.h"
#include "Basis.h"
#include "Dateinamen.h"
#include "Kalender.h"
#include "Sicherungen.h"
#include "Speicherstand.h"
#include "Wiederherstellung.h"

#include <algorithm>
#include <filesystem>
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
    basis.m_schreibgeschuetzteDateien.clear();
    basis.m_strSicherungsfehler.clear();
    if (basis.m_arrFamilien.empty())
        return 0;
    const std::vector<Dateistand> dateien = BaueSpeicherstand(basis);
    // The family's work matters more than its backup: a save goes on without one, and says so.
    basis.m_strSicherungsfehler = SichereVorigeFassungen(basis.m_strPfad, dateien).strFehler;
    Schreibfehler fehler;
    const int ergebnis = SchreibeDateien(dateien, basis.m_strPfad, fehler);
    basis.m_nichtGeschriebeneDateien = std::move(fehler.nichtGeschrieben);
    basis.m_schreibgeschuetzteDateien = std::move(fehler.schreibgeschuetzt);
    if (ergebnis == 0)
        BenenneAlteMonatsdateienUm(basis.m_strPfad);
    return ergebnis;
}

std::string AbsoluterOrdner(const std::string& eingabe, const std::string& heim)
{
    std::string rest = eingabe;
    if (rest == "~" || rest.starts_with("~/"))
        rest = rest.size() > 2 ? rest.substr(2) : std::string();
    std::filesystem::path pfad =
        std::filesystem::path(rest).is_absolute() ? std::filesystem::path(rest) : std::filesystem::path(heim) / rest;
    std::string text = pfad.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
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
