// Writes the seed corpus of the fuzzers: the files of a small generated household, its settings file in
// every format version from 1 to 5, its months in versions 1 and 2, and a statement of each kind.
//   velmora-fuzz-saat OUT   writes OUT/einstellungen/, OUT/monat/, OUT/csv/, OUT/camt/ and OUT/mt940/

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

// Small statements in the shapes banks write, for the statement readers' fuzzers.
bool SchreibeAuszuege(const std::filesystem::path& aus)
{
    const std::map<std::string, std::string> dateien = {
        {"csv/sparkasse.csv",
         "\"Auftragskonto\";\"Buchungstag\";\"Valutadatum\";\"Buchungstext\";\"Verwendungszweck\";"
         "\"Beguenstigter/Zahlungspflichtiger\";\"Kontonummer/IBAN\";\"Betrag\";\"Waehrung\";\"Info\"\r\n"
         "\"DE11520513735120710131\";\"05.03.24\";\"05.03.24\";\"LASTSCHRIFT\";\"Strom\";\"Stadtwerke\";"
         "\"DE66370400440532013003\";\"-58,00\";\"EUR\";\"Umsatz gebucht\"\r\n"},
        {"csv/dkb.csv",
         "\"Girokonto\";\"DE11 5205 1373 5120 7101 31\"\n\n\"Buchungsdatum\";\"Status\";"
         "\"Zahlungspflichtige*r\";\"Zahlungsempf\xC3\xA4nger*in\";\"Verwendungszweck\";\"Betrag (\xE2\x82\xAC)\"\n"
         "\"12.03.24\";\"Gebucht\";\"Anna\";\"Kiosk\";\"Zeitung\";\"-4,20\"\n"},
        {"camt/053.xml",
         "<?xml version=\"1.0\"?><Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\"><BkToCstmrStmt>"
         "<Stmt><Acct><Id><IBAN>DE11520513735120710131</IBAN></Id></Acct><Ntry><Amt Ccy=\"EUR\">5.00</Amt>"
         "<CdtDbtInd>DBIT</CdtDbtInd><Sts><Cd>BOOK</Cd></Sts><BookgDt><DtTm>2024-03-04T23:00:00Z</DtTm></BookgDt>"
         "<NtryDtls><TxDtls><RltdPties><Cdtr><Pty><Nm>Kiosk</Nm></Pty></Cdtr></RltdPties><RmtInf><Ustrd>Zeitung"
         "</Ustrd></RmtInf></TxDtls></NtryDtls></Ntry></Stmt></BkToCstmrStmt></Document>\n"},
        {"mt940/umsaetze.sta",
         ":20:STARTUMS\r\n:25:52051373/5120710131\r\n:28C:1\r\n:60F:C240301EUR1000,00\r\n"
         ":61:2403040304DR23,45NDDTNONREF//B4C0304\r\n:86:105?00LASTSCHRIFT?20EREF+E2E?21SVWZ+Einkauf?31"
         "DE33370400440532013000?32Supermarkt\r\n:61:240306RD1,00NRTINONREF\r\n:62F:C240315EUR977,55\r\n-\r\n"},
    };
    bool ok = true;
    for (const auto& [name, bytes] : dateien) {
        std::filesystem::create_directories((aus / name).parent_path());
        ok = Schreibe(aus / name, bytes) && ok;
    }
    return ok;
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
    ok = SchreibeAuszuege(aus) && ok;
    return ok ? 0 : 1;
}
