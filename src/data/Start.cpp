#include "Start.h"

#include "Basis.h"
#include "Dateinamen.h"

#include <memory>

namespace velmora {

void StarteDaten(CBasis& basis, const std::string& datenOrdner)
{
    basis.MonatsTitel();
    basis.m_aFarben = kStandardFarben;
    basis.m_strPfad = datenOrdner;
    basis.LadeEinstellungen();
    basis.m_nFamilie = 0;
    if (basis.m_nErsterMonat == 0)
        basis.m_nErsterMonat = basis.m_nHeute / 100;
    int start = basis.m_nLetzterAufruf;
    if (basis.LadeMonat(basis.m_nHeute) != 0 && !basis.m_arrFamilien.empty()) {
        const int monat = basis.m_nHeute / 100;
        basis.m_arrLoadedFiles.push_back(
            std::make_unique<CLoadedFiles>(CLoadedFiles{MonatsDateiname(basis.DateiPraefix(), monat), monat, 0}));
        start = monat * 100 + 1;
    }
    if (!basis.m_arrFamilien.empty()) {
        basis.SortiereKategorien();
        basis.SortiereZielKonten();
        basis.FuehreDauerAuftraegeAus(start);
    }
}

int SpeichereAlles(CBasis& basis)
{
    if (basis.m_arrFamilien.empty())
        return 0;
    std::vector<std::string> fehlgeschlagen;
    int ergebnis = basis.SpeichereMonate();
    fehlgeschlagen = basis.m_nichtGeschriebeneDateien;
    if (basis.SpeichereEinstellungen() != 0) {
        ergebnis = -1;
        fehlgeschlagen.push_back(basis.EinstellungsPfad());
    }
    basis.m_nichtGeschriebeneDateien = std::move(fehlgeschlagen);
    return ergebnis;
}

} // namespace velmora
