// Writes the seed corpus of the fuzzers: the files of a small generated household, its settings file in
// every format version from 1 to 5, and its months in versions 1 and 2.
//   velmora-fuzz-saat OUT   writes OUT/einstellungen/ and OUT/monat/

#include "Basis.h"
#include "Binaer.h"
#include "Generator.h"
#include "TempOrdner.h"

#include <cstdio>
#include <filesystem>
#include <map>

namespace {

using namespace velmora;

// A month in format version 1: the records lack the standing-order number.
std::string MonatVersion1(const CBasis& basis, int monat)
{
    BinaerSchreiber s;
    int anzahl = 0;
    for (const auto& t : basis.m_arrInOut)
        anzahl += t->m_nDatum / 100 == monat ? 1 : 0;
    s.Int(anzahl);
    s.Int(1);
    s.Nullen(8 * 4 + 8 * 8);
    for (const auto& t : basis.m_arrInOut) {
        if (t->m_nDatum / 100 != monat)
            continue;
        for (const std::string* text : {&t->m_strAuftraggeber, &t->m_strEmpfaenger, &t->m_strNutzniesser,
                                        &t->m_strKategorie, &t->m_strUKategorie, &t->m_strKommentar})
            s.Text(*text);
        s.Int(t->m_nArt);
        s.Double(t->m_dBetrag);
        s.Int(t->m_nDatum);
        s.Int(t->m_nIndex);
        s.Int(t->m_nStatus);
    }
    return s.Bytes();
}

bool Schreibe(const std::filesystem::path& pfad, const std::string& bytes)
{
    return SchreibeDateiSicher(pfad.string(), bytes);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-fuzz-saat OUT\n");
        return 2;
    }
    const std::filesystem::path aus = argv[1];
    std::filesystem::create_directories(aus / "einstellungen");
    std::filesystem::create_directories(aus / "monat");

    velmora::TempOrdner haushalt("velmora-saat");
    Haushaltsparameter parameter;
    parameter.nJahre = 1;
    parameter.nHeute = 20240315;
    parameter.nEingabenProMonat = 12;
    std::string fehler;
    if (ErzeugeHaushalt(haushalt.Pfad(), parameter, fehler) != 0) {
        std::fprintf(stderr, "velmora-fuzz-saat: %s\n", fehler.c_str());
        return 1;
    }
    CBasis basis;
    basis.m_uhr = FesteUhr(parameter.nHeute, parameter.nJetzt);
    basis.MonatsTitel();
    basis.m_strPfad = haushalt.Pfad();
    basis.LadeEinstellungen();
    basis.LadeAlleMonate();

    bool ok = true;
    for (int version = 1; version <= 5; ++version)
        ok = Schreibe(aus / "einstellungen" / ("v" + std::to_string(version) + ".ini"),
                      basis.EinstellungsBytes(version)) &&
             ok;
    for (int monat : {202312, 202403}) {
        std::string bytes;
        basis.MonatGeaendert(monat);
        for (const Dateistand& datei : basis.GeaenderteMonate()) {
            if (datei.strName.find(std::to_string(monat)) != std::string::npos)
                bytes = datei.bytes;
        }
        ok = Schreibe(aus / "monat" / ("v2-" + std::to_string(monat) + ".vlm"), bytes) && ok;
        ok = Schreibe(aus / "monat" / ("v1-" + std::to_string(monat) + ".vlm"), MonatVersion1(basis, monat)) && ok;
    }
    return ok ? 0 : 1;
}
