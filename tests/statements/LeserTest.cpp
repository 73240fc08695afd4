// The statement readers: values as banks write them, CAMT.053 and CSV files, and every bad input.

#include "Auszugsbau.h"
#include "Auszugsdatei.h"
#include "Auszugstext.h"
#include "Importregeln.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmora::test {
namespace {

TEST(Auszugswerte, BetraegeDatenUndNamen)
{
    struct Betrag
    {
        const char* text;
        char dezimal;
        bool gueltig;
        double wert;
    };
    for (const Betrag& b : std::initializer_list<Betrag>{{"-1.234,56", ',', true, -1234.56},
                                                         {"1,234.56", '.', true, 1234.56},
                                                         {"12,50-", ',', true, -12.5},
                                                         {"+3.00 EUR", '.', true, 3.0},
                                                         {"1 234,5", ',', true, 1234.5},
                                                         {"12.3.4", '.', false, 0},
                                                         {"1.23,45", ',', false, 0},
                                                         {"abc", ',', false, 0},
                                                         {"", ',', false, 0},
                                                         {"12,", ',', false, 0}}) {
        double wert = 0.0;
        EXPECT_EQ(b.gueltig, LiesAuszugsbetrag(b.text, b.dezimal, wert)) << b.text;
        if (b.gueltig) {
            EXPECT_DOUBLE_EQ(b.wert, wert) << b.text;
        }
    }
    Dezimalzeichen zeichen;
    for (const char* wert : {"1.234", "-12,50", "3,1", "7"})
        zeichen.Zaehle(wert);
    EXPECT_EQ(',', zeichen.Zeichen());

    struct Datum
    {
        const char* text;
        Datumsfehler fehler;
        int wert;
    };
    for (const Datum& d : std::initializer_list<Datum>{{"04.03.2024", Datumsfehler::kKeiner, 20240304},
                                                       {"04.03.24", Datumsfehler::kKeiner, 20240304},
                                                       {"2024-02-29", Datumsfehler::kKeiner, 20240229},
                                                       {"2024-03-04T10:00:00", Datumsfehler::kKeiner, 20240304},
                                                       {"30.02.2024", Datumsfehler::kGibtEsNicht, 0},
                                                       {"2023-02-29", Datumsfehler::kGibtEsNicht, 0},
                                                       {"4.3.2024", Datumsfehler::kKeinDatum, 0},
                                                       {"gestern", Datumsfehler::kKeinDatum, 0}}) {
        int wert = 0;
        EXPECT_EQ(d.fehler, LiesAuszugsdatum(d.text, wert)) << d.text;
        if (d.fehler == Datumsfehler::kKeiner) {
            EXPECT_EQ(d.wert, wert) << d.text;
        }
    }
    EXPECT_EQ(20240301, VerschiebeDatum(20240228, 2));
    EXPECT_EQ(20231230, VerschiebeDatum(20240101, -2));
    EXPECT_EQ(3, Tagnummer(20240302) - Tagnummer(20240228));

    for (const auto& [lang, kurz] : std::initializer_list<std::pair<const char*, const char*>>{
             {"REWE Markt GmbH Filiale 1234 Sagt Danke", "REWE Markt GmbH"},
             {"Stadtwerke Musterstadt", "Stadtwerke Musterstadt"},
             {"Bäckerei Schäfer 0815//Musterstadt", "Bäckerei Schäfer"},
             {"PayPal (Europe) S.a.r.l. et Cie., S.C.A.", "PayPal (Europe) S.a.r.l."},
             {"Kiosk 12345 Eck", "Kiosk"}}) {
        EXPECT_EQ(kurz, Cp1252ZuUtf8(KuerzeName(Utf8ZuCp1252(lang))));
    }
    EXPECT_EQ("Miete März Wohnung 3", Cp1252ZuUtf8(KuerzeKommentar(Utf8ZuCp1252("Miete\tMärz\r\n  Wohnung 3"))));
    EXPECT_EQ(kKommentarLaenge - 4,
              KuerzeKommentar(std::string(40, 'x') + " " + std::string(75, 'y') + " zzzzzzzz").size());
    EXPECT_EQ("DE11520513735120710131", NormaleIban("de11 5205 1373 5120 7101 31"));
    EXPECT_EQ("", NormaleIban("1234567"));
}

// Debit, credit, reversal, a batch of three, a pending entry and a transfer to Bernd's account, in both
// versions: the namespace differs, and so do the status and the party elements.
class CamtVersion : public ::testing::TestWithParam<int>
{
};

TEST_P(CamtVersion, LiefertGenauDieErwartetenVorschlaege)
{
    Importhaushalt h;
    const std::vector<CamtEintrag> eintraege = {
        {"23.45", "DBIT", "BOOK", "2024-03-04", false, "R1", "Supermarkt Nord GmbH Filiale 7", kIbanMarkt, "Einkauf"},
        {"2500.00", "CRDT", "BOOK", "2024-03-01", false, "R2", "Arbeitgeber AG", kIbanFirma, "Gehalt März"},
        {"23.45", "CRDT", "BOOK", "2024-03-06", true, "R3", "Supermarkt Nord GmbH Filiale 7", kIbanMarkt, "Einkauf"},
        {"60.00",
         "DBIT",
         "BOOK",
         "2024-03-07",
         false,
         "R4",
         "",
         "",
         "",
         {{"10.00", "Turnverein e.V. Nord", "DE55370400440532013002", "Beitrag"},
          {"20.00", "Stadtwerke", "DE66370400440532013003", "Strom"},
          {"30.00", "Versicherung AG Köln", "DE77370400440532013004", "Haftpflicht"}}},
        {"99.00", "DBIT", "PDNG", "2024-03-08", false, "R5", "Später", kIbanMarkt, "vorgemerkt"},
        {"100.00", "DBIT", "BOOK", "2024-03-09", false, "R6", "Bernd Meier", kIbanBernd, "Taschengeld"},
    };
    const std::string datei = h.Datei("auszug.xml", Camt(GetParam(), kIbanAnna, eintraege));
    const Leseergebnis gelesen = LiesAuszugsdatei(datei, h.Gedaechtnis());
    ASSERT_TRUE(gelesen.Ok()) << Fehlertext(datei, gelesen.fehler, false);
    ASSERT_EQ(1u, gelesen.auszuege.size());
    EXPECT_EQ(kIbanAnna, gelesen.auszuege[0].strIban);
    EXPECT_EQ("Anna, Giro", BekanntesKonto(h.Basis(), h.Gedaechtnis(), gelesen.auszuege[0]));

    const Importergebnis ergebnis = ErstelleVorschlaege(h.Basis(), h.Gedaechtnis(), gelesen.auszuege, {"Anna, Giro"});
    EXPECT_EQ(1, ergebnis.nVorgemerkt);
    EXPECT_EQ((std::vector<std::string>{
                  "20240304|23.45|Anna, Giro|Supermarkt|Anna|Lebensmittel|Obst|Einkauf ok",
                  "20240301|2500.00|Arbeitgeber|Anna, Giro|Alle|Gehalt||Gehalt März ok",
                  "20240306|23.45|Supermarkt|Anna, Giro|Anna|Lebensmittel|Obst|Storno Einkauf ok",
                  "20240307|10.00|Anna, Giro|Turnverein e.V.|Alle|||Beitrag",
                  "20240307|20.00|Anna, Giro|Stadtwerke|Alle|||Strom",
                  "20240307|30.00|Anna, Giro|Versicherung AG|Alle|||Haftpflicht",
                  "20240309|100.00|Anna, Giro|Bernd, Giro|Alle|||Taschengeld",
              }),
              Zeilen(ergebnis));
    EXPECT_TRUE(ergebnis.vorschlaege[6].bUmbuchung);
    EXPECT_EQ(std::string(kIbanAnna) + "|R4/2", ergebnis.vorschlaege[4].strReferenz);
}

INSTANTIATE_TEST_SUITE_P(Versionen, CamtVersion, ::testing::Values(2, 8));

// Three layouts as banks write them, each with quoted fields holding the separator, two with a line
// break inside a field.
TEST(CsvAuszug, DreiLayoutsLiefernDieErwartetenVorschlaege)
{
    struct Fall
    {
        const char* name;
        std::string bytes;
        std::string iban;
        std::vector<std::string> erwartet;
    };
    const std::vector<Fall> faelle = {
        {"semikolon-cp1252.csv",
         "Umsatzanzeige;Girokonto\r\nIBAN;DE11 5205 1373 5120 7101 31\r\nZeitraum;01.03.2024 - 15.03.2024\r\n\r\n"
         "Buchungstag;Valuta;Auftraggeber/Empf\xe4nger;IBAN;Verwendungszweck;Betrag (EUR)\r\n"
         "04.03.2024;05.03.2024;\"Supermarkt Nord; Filiale 7\";DE33 3704 0044 0532 0130 00;\"Einkauf\r\nKarte "
         "1\";-1.234,56\r\n"
         "01.03.2024;01.03.2024;Arbeitgeber AG;DE44370400440532013001;Gehalt M\xe4rz;2.500,00\r\n"
         "Kontostand am 15.03.2024;;1.265,44\r\n",
         kIbanAnna,
         {"20240304|1234.56|Anna, Giro|Supermarkt|Anna|Lebensmittel|Obst|Einkauf Karte 1 ok",
          "20240301|2500.00|Arbeitgeber|Anna, Giro|Alle|Gehalt||Gehalt März ok"}},
        {"komma-utf8.csv",
         "\xEF\xBB\xBF"
         "Date,Payee,Purpose,Amount\n"
         "2024-03-04,\"Supermarkt, Nord\",\"Groceries, weekly\nsecond line\",-23.45\n"
         "2024-03-05,Bäckerei Müller,Bread,\"-1,234.50\"\n",
         "",
         {"20240304|23.45|Anna, Giro|Supermarkt|Anna|Lebensmittel|Obst|Groceries, weekly second line ok",
          "20240305|1234.50|Anna, Giro|Bäckerei Müller|Alle|||Bread"}},
        {"soll-haben.csv",
         "Buchungsdatum\tName\tVerwendungszweck\tSoll\tHaben\n"
         "04.03.24\t\"Supermarkt\tNord\"\tEinkauf\t23,45\t\n"
         "05.03.24\tArbeitgeber\tGehalt\t\t2500,00\n",
         "",
         {"20240304|23.45|Anna, Giro|Supermarkt|Anna|Lebensmittel|Obst|Einkauf ok",
          "20240305|2500.00|Arbeitgeber|Anna, Giro|Alle|Gehalt||Gehalt ok"}},
    };
    for (const Fall& f : faelle) {
        Importhaushalt h;
        const std::string datei = h.Datei(f.name, f.bytes);
        const Leseergebnis gelesen = LiesAuszugsdatei(datei, h.Gedaechtnis());
        ASSERT_TRUE(gelesen.Ok()) << f.name << ": " << Fehlertext(datei, gelesen.fehler, false);
        ASSERT_EQ(1u, gelesen.auszuege.size()) << f.name;
        EXPECT_EQ(f.iban, gelesen.auszuege[0].strIban) << f.name;
        EXPECT_EQ(f.erwartet, Zeilen(ErstelleVorschlaege(h.Basis(), h.Gedaechtnis(), gelesen.auszuege, {"Anna, Giro"})))
            << f.name;
    }
}

TEST(CsvAuszug, UnbekannteSpaltenWerdenEinmalZugeordnetUndGemerkt)
{
    Importhaushalt h;
    const std::string datei = h.Datei("fremd.csv", "Tag;Wer;Wieviel;Wofuer\n04.03.2024;Supermarkt;-5,00;Obst\n"
                                                   "05.03.2024;Kiosk;-2,00;Zeitung\n");
    Leseergebnis gelesen = LiesAuszugsdatei(datei, h.Gedaechtnis());
    ASSERT_TRUE(gelesen.bZuordnen);
    EXPECT_EQ((std::vector<std::string>{"Tag", "Wer", "Wieviel", "Wofuer"}), gelesen.vorschau.kopf);
    EXPECT_EQ(2u, gelesen.vorschau.ersteZeilen.size());
    Spaltenzuordnung z;
    z[kRolleDatum] = 0;
    z[kRolleName] = 1;
    z[kRolleBetrag] = 2;
    z[kRolleZweck] = 3;
    gelesen = LiesAuszugsdatei(datei, h.Gedaechtnis(), &z);
    ASSERT_TRUE(gelesen.Ok());
    EXPECT_EQ(2u, gelesen.auszuege[0].zeilen.size());
    h.Gedaechtnis()
        .zuordnungen[gelesen.vorschau.strLayout.empty() ? "Tag;Wer;Wieviel;Wofuer" : gelesen.vorschau.strLayout] = z;
    gelesen = LiesAuszugsdatei(datei, h.Gedaechtnis());
    ASSERT_TRUE(gelesen.Ok());
    EXPECT_EQ(-2.0, gelesen.auszuege[0].zeilen[1].dBetrag);
    EXPECT_EQ("layout:Tag;Wer;Wieviel;Wofuer", gelesen.auszuege[0].Kennung());
}

// Every bad input names the file and, where there is one, the line, and yields nothing to book.
TEST(Auszugsdatei, SchlechteEingabenMeldenDateiUndZeile)
{
    Importhaushalt h;
    struct Fall
    {
        const char* name;
        std::string bytes;
        Lesefehler::Art art;
        int zeile;
        const char* meldung;
    };
    const std::string kopf = "Buchungstag;Name;Betrag\n";
    const std::vector<Fall> faelle = {
        {"text.txt", "Liebe Kundin,\nanbei Ihr Auszug.\n", Lesefehler::kUnbekannt, -1,
         "text.txt: The file is no statement Velmora knows. Velmora reads CAMT.052, CAMT.053 and CAMT.054"},
        {"betrag.csv", kopf + "04.03.2024;A;-1,00\n05.03.2024;B;zwölf\n", Lesefehler::kBetrag, 3,
         "betrag.csv, line 3: The amount \"zwölf\" is not a number."},
        {"datum.csv", kopf + "31.02.2024;A;-1,00\n", Lesefehler::kDatumGibtEsNicht, 2,
         "datum.csv, line 2: The date \"31.02.2024\" does not exist."},
        {"kaputt.xml", "<Document>\n<BkToCstmrStmt>\n</Document>\n", Lesefehler::kKeinXml, 3,
         "kaputt.xml, line 3: The XML is not well formed"},
        {"anders.xml",
         "<?xml version=\"1.0\"?>\n<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.001.001.03\"/>\n",
         Lesefehler::kKeinAuszug, 2, "anders.xml, line 2: The XML is not a CAMT statement (052, 053 or 054)"},
        {"zahl.xml", Camt(8, kIbanAnna, {{"12.50"}, {"zwölf", "DBIT"}}), Lesefehler::kBetrag, 0,
         "The amount \"zwölf\" is not a number."},
        {"tag.xml", Camt(2, kIbanAnna, {{"1.00", "DBIT", "BOOK", "2024-02-30"}}), Lesefehler::kDatumGibtEsNicht, 0,
         "The date \"2024-02-30\" does not exist."},
    };
    for (const Fall& f : faelle) {
        const std::string datei = h.Datei(f.name, f.bytes);
        const Leseergebnis gelesen = LiesAuszugsdatei(datei, h.Gedaechtnis());
        EXPECT_EQ(f.art, gelesen.fehler.art) << f.name;
        if (f.zeile != 0) {
            EXPECT_EQ(std::max(f.zeile, 0), gelesen.fehler.nZeile) << f.name;
        } else {
            EXPECT_GT(gelesen.fehler.nZeile, 0) << f.name;
        }
        EXPECT_NE(std::string::npos, Fehlertext(datei, gelesen.fehler, false).find(f.meldung))
            << Fehlertext(datei, gelesen.fehler, false);
        EXPECT_TRUE(gelesen.auszuege.empty()) << f.name;
        EXPECT_FALSE(Fehlertext(datei, gelesen.fehler, true).empty());
    }
    const std::string gross = h.Datei("gross.csv", "");
    std::filesystem::resize_file(gross, kGroessteAuszugsdatei + 1);
    const Leseergebnis zuGross = LiesAuszugsdatei(gross, h.Gedaechtnis());
    EXPECT_EQ(Lesefehler::kZuGross, zuGross.fehler.art);
    EXPECT_EQ(gross + ": The file is larger than 50 MB; no statement is that large.",
              Fehlertext(gross, zuGross.fehler, false));
}

} // namespace
} // namespace velmora::test
