// The formats besides CSV: MT940 and MT942, camt.052 and camt.054, ZIP archives of daily files, and the
// details of CAMT entries (zones, parties, comments, currencies).

#include "Auszugsbau.h"
#include "Auszugsdatei.h"
#include "Importregeln.h"
#include "Mt940Auszug.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

std::string Ersetze(std::string text, const std::vector<std::pair<std::string, std::string>>& paare)
{
    for (const auto& [alt, neu] : paare) {
        for (size_t p = text.find(alt); p != std::string::npos; p = text.find(alt, p + neu.size()))
            text.replace(p, alt.size(), neu);
    }
    return text;
}

struct Formatfall
{
    const char* name;
    std::string bytes;
    size_t auszuege;
    std::string iban;
    int vorgemerkt;
    std::vector<std::string> zeilen;
};

TEST(Formate, JedesFormatLiefertJedeZeileGenau)
{
    Importhaushalt h;
    const std::vector<CamtEintrag> eintraege = {
        {"23.45", "DBIT", "BOOK", "2024-03-04", false, "R1", "Supermarkt Nord", kIbanMarkt, "Einkauf"},
        {"9.00", "DBIT", "PDNG", "2024-03-05", false, "R2", "Kiosk", "", "Zeitung"},
    };
    const std::string camt053 = Camt(8, kIbanAnna, eintraege);
    const std::vector<std::string> camtZeilen = {"20240304|-23.45|Supermarkt Nord|Einkauf|" + std::string(kIbanMarkt)};
    const std::string zweiterTag = Camt(
        8, kIbanAnna, {{"2500.00", "CRDT", "BOOK", "2024-03-05", false, "R3", "Arbeitgeber AG", kIbanFirma, "Gehalt"}});
    const std::string zip = h.Ordner() + "/camt.zip";
    SchreibeZip(zip, {{"2024-03-04_camt.xml", camt053}, {"__MACOSX/._x", "x"}, {"2024-03-05_camt.xml", zweiterTag}});

    const std::vector<Formatfall> faelle = {
        {"umsaetze.sta",
         ":20:STARTUMS\r\n:25:52051373/5120710131\r\n:28C:00001/001\r\n:60F:C240301EUR1000,00\r\n"
         ":61:2403040304DR23,45NDDTNONREF//B4C0304\r\n"
         ":86:105?00SEPA-BASISLASTSCHRIFT?109310?20EREF+E2E-4711?21MREF+M-123?22CRED+DE98ZZZ09999999999?23SVWZ+Eink"
         "auf Woche 10 Fil\r\n?24iale 7?30COBADEFFXXX?31DE33370400440532013000?32Supermarkt Nord GmbH\r\n"
         ":61:2403010301CR2500,00NTRFNONREF//B4C0301\r\n"
         ":86:166?00GUTSCHRIFT?20SVWZ+Gehalt M\xe4rz?31DE44370400440532013001?32Arbeitgeber AG\r\n"
         ":61:2403060306RD23,45NRTINONREF//B4C0306\r\n:86:109?00RUECKLASTSCHRIFT?20SVWZ+Einkauf Woche 10?32"
         "Supermarkt Nord GmbH\r\n"
         ":61:240307D1,50NCHGNONREF\r\n:86:805?00ENTGELT KONTOFUEHRUNG\r\n:62F:C240315EUR3477,00\r\n-\r\n"
         ":20:STARTUMS\r\n:25:52051373/5120710131\r\n:28C:00002/001\r\n:60F:C231231EUR1000,00\r\n"
         ":61:2401021231D5,00NMSCNONREF\r\n:86:Jahresabschluss ohne Struktur\r\n:62F:C240102EUR995,00\r\n-\r\n",
         1,
         kIbanAnna,
         0,
         {"20240304|-23.45|Supermarkt Nord GmbH|Einkauf Woche 10 Filiale 7|DE33370400440532013000",
          "20240301|2500.00|Arbeitgeber AG|Gehalt März|DE44370400440532013001",
          "20240306|23.45|Supermarkt Nord GmbH|Einkauf Woche 10|||storno",
          "20240307|-1.50|ENTGELT KONTOFUEHRUNG|ENTGELT KONTOFUEHRUNG|",
          "20231231|-5.00||Jahresabschluss ohne Struktur|"}},
        {"vormerkungen.mta",
         ":20:VORMERK\n:25:DE11520513735120710131\n:28C:1\n:34F:EURD0,\n:13D:2403151200+0100\n"
         ":61:240315D2,50NMSCNONREF\n:86:?00KARTENZAHLUNG?32Kiosk\n:90D:1EUR2,50\n:90C:0EUR0,\n-\n",
         1,
         kIbanAnna,
         1,
         {}},
        {"bericht.xml",
         Ersetze(camt053, {{"camt.053", "camt.052"}, {"BkToCstmrStmt", "BkToCstmrAcctRpt"}, {"Stmt>", "Rpt>"}}), 1,
         kIbanAnna, 1, camtZeilen},
        {"mitteilung.xml",
         Ersetze(camt053, {{"camt.053", "camt.054"}, {"BkToCstmrStmt", "BkToCstmrDbtCdtNtfctn"}, {"Stmt>", "Ntfctn>"}}),
         1, kIbanAnna, 1, camtZeilen},
        {"camt.zip",
         {},
         1,
         kIbanAnna,
         1,
         {camtZeilen[0], "20240305|2500.00|Arbeitgeber AG|Gehalt|" + std::string(kIbanFirma)}},
    };
    for (const Formatfall& f : faelle) {
        const std::string datei = f.bytes.empty() ? zip : h.Datei(f.name, f.bytes);
        const Leseergebnis gelesen = LiesAuszugsdatei(datei, h.Gedaechtnis(), nullptr, 20240315);
        ASSERT_TRUE(gelesen.Ok()) << f.name << ": " << Fehlertext(datei, gelesen.fehler, false);
        ASSERT_EQ(f.auszuege, gelesen.auszuege.size()) << f.name;
        EXPECT_EQ(f.iban, gelesen.auszuege[0].strIban) << f.name;
        EXPECT_EQ(f.vorgemerkt, gelesen.auszuege[0].nVorgemerkt) << f.name;
        EXPECT_EQ(f.zeilen, Auszugszeilen(gelesen.auszuege[0])) << f.name;
    }
    EXPECT_EQ("DE89370400440532013000", DeutscheIban("37040044", "532013000"));
    EXPECT_EQ("", DeutscheIban("3704004", "532013000"));
}

// A booking time with a zone counts in Germany; the counterparty falls back to the other party and to the
// additional information, the comment to the additional information; a foreign currency is marked.
TEST(Formate, CamtDetailsWieSieBankenSchreiben)
{
    Importhaushalt h;
    const auto eintrag = [](const std::string& betrag, const std::string& richtung, const std::string& datum,
                            const std::string& rest) {
        return "<Ntry><Amt Ccy=\"" + betrag.substr(0, 3) + "\">" + betrag.substr(4) + "</Amt><CdtDbtInd>" + richtung +
               "</CdtDbtInd>" + (rest.starts_with("<RvslInd>") ? "<RvslInd>true</RvslInd>" : "") +
               "<Sts><Cd>BOOK</Cd></Sts><BookgDt>" + datum + "</BookgDt>" + rest + "</Ntry>\n";
    };
    const std::string xml =
        "<?xml version=\"1.0\"?>\n<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\"><BkToCstmrStmt>"
        "<Stmt><Acct><Id><IBAN>" +
        std::string(kIbanAnna) + "</IBAN></Id></Acct>\n" +
        eintrag("EUR 5.00", "DBIT", "<DtTm>2014-01-04T23:00:00Z</DtTm>",
                "<NtryDtls><TxDtls><RltdPties><Cdtr><Pty><Nm>Kiosk</Nm></Pty></Cdtr></RltdPties><RmtInf><Ustrd>"
                "Zeitung</Ustrd></RmtInf></TxDtls></NtryDtls>") +
        eintrag("EUR 7.00", "DBIT", "<Dt>2024-03-05</Dt>",
                "<RvslInd>true</RvslInd><NtryDtls><TxDtls><Amt Ccy=\"EUR\">3.00</Amt><RltdPties><Cdtr><Pty><Nm>"
                "Verlag GmbH</Nm></Pty></Cdtr></RltdPties><RmtInf><Ustrd>Abo 1</Ustrd></RmtInf></TxDtls><TxDtls>"
                "<Amt Ccy=\"EUR\">4.00</Amt><RltdPties><Cdtr><Pty><Nm>Verlag GmbH</Nm></Pty></Cdtr></RltdPties>"
                "<RmtInf><Ustrd>Abo 2</Ustrd></RmtInf></TxDtls></NtryDtls>") +
        eintrag("EUR 7.00", "DBIT", "<Dt>2024-03-06</Dt>",
                "<NtryDtls><TxDtls><RltdPties><Cdtr><Nm>Versand AG</Nm></Cdtr></RltdPties><AddtlTxInf>Paket 123"
                "</AddtlTxInf></TxDtls></NtryDtls>") +
        eintrag("EUR 1.00", "DBIT", "<Dt>2024-03-07</Dt>", "<AddtlNtryInf>Kontofuehrung</AddtlNtryInf>") +
        eintrag("CHF 50.00", "DBIT", "<Dt>2024-03-08</Dt>",
                "<NtryDtls><TxDtls><RltdPties><Cdtr><Nm>Hotel Alpina</Nm></Cdtr></RltdPties><RmtInf><Ustrd>Zimmer"
                "</Ustrd></RmtInf></TxDtls></NtryDtls>") +
        eintrag("EUR 2.00", "DBIT", "<DtTm>2024-03-04T00:30:00+01:00</DtTm>", "<AddtlNtryInf>Bahn</AddtlNtryInf>") +
        "</Stmt></BkToCstmrStmt></Document>\n";
    const std::string datei = h.Datei("details.xml", xml);
    const Leseergebnis gelesen = LiesAuszugsdatei(datei, h.Gedaechtnis(), nullptr, 20240315);
    ASSERT_TRUE(gelesen.Ok()) << Fehlertext(datei, gelesen.fehler, false);
    EXPECT_EQ(
        (std::vector<std::string>{"20140105|-5.00|Kiosk|Zeitung|", "20240305|-3.00|Verlag GmbH|Abo 1|||storno",
                                  "20240305|-4.00|Verlag GmbH|Abo 2|||storno", "20240306|-7.00|Versand AG|Paket 123|",
                                  "20240307|-1.00|Kontofuehrung|Kontofuehrung|",
                                  "20240308|-50.00|Hotel Alpina|Zimmer||CHF", "20240304|-2.00|Bahn|Bahn|"}),
        Auszugszeilen(gelesen.auszuege[0]));
    // The line in francs is proposed unticked, its currency in the comment.
    const Importergebnis ergebnis = ErstelleVorschlaege(h.Basis(), h.Gedaechtnis(), gelesen.auszuege, {"Anna, Giro"});
    EXPECT_EQ("20240308|50.00|Anna, Giro|Hotel Alpina|Alle|||CHF Zimmer", Zeile(ergebnis.vorschlaege[5]));
}

} // namespace
} // namespace velmora::test
