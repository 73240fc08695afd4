// From statement lines to bookings: counterparties, duplicates, booking and the memory file.

#include "Importregeln.h"
#include "Auswahllisten.h"
#include "Auszugsbau.h"
#include "Auszugsdatei.h"
#include "Gedaechtnisdatei.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <fstream>

namespace velmora::test {
namespace {

Auszugszeile Posten(int datum, double betrag, const std::string& name, const std::string& iban = {},
                    const std::string& referenz = {})
{
    Auszugszeile z;
    z.nDatum = datum;
    z.dBetrag = betrag;
    z.strName = name;
    z.strIban = iban;
    z.strReferenz = referenz;
    return z;
}

Kontoauszug Auszug(const std::string& iban, std::vector<Auszugszeile> zeilen)
{
    Kontoauszug a;
    a.strIban = iban;
    a.zeilen = std::move(zeilen);
    return a;
}

TEST(Gegenkonto, GemerktVorNamensanfangVorNeuemNamen)
{
    Importhaushalt h;
    CBasis& b = h.Basis();
    Importgedaechtnis& g = h.Gedaechtnis();
    g.gegenkonten[kIbanFirma] = "Arbeitgeber";
    auto zielKonto = std::make_unique<CZIELKONTO>();
    zielKonto->m_strName = "Supermarkt Nord";
    zielKonto->m_bGebucht = 1;
    b.m_arrZielKonten.push_back(std::move(zielKonto));
    auto geloescht = std::make_unique<CZIELKONTO>();
    geloescht->m_strName = "Kiosk Eck";
    geloescht->m_bGebucht = -1;
    b.m_arrZielKonten.push_back(std::move(geloescht));
    for (const auto& [name, iban, erwartet] : std::initializer_list<std::tuple<const char*, const char*, const char*>>{
             {"Ganz Andere Firma GmbH", kIbanFirma, "Arbeitgeber"}, // remembered by IBAN
             {"SUPERMARKT NORD Filiale 3", "", "Supermarkt Nord"},  // longest start, case blind
             {"Supermarkt-Süd", "", "Supermarkt"},
             {"Su", "", "Su"},                  // too short to match "Supermarkt"
             {"KIOSK ECK 12", "", "Kiosk Eck"}, // deleted: spelt as it stands
             {"REWE Markt GmbH Filiale 1234 Sagt Danke", "", "REWE Markt GmbH"}}) {
        EXPECT_EQ(erwartet, Cp1252ZuUtf8(Fremdkonto(b, g, Posten(20240304, -1.0, Utf8ZuCp1252(name), iban)))) << name;
    }
    // A name planned for an earlier line of the same import is used again.
    EXPECT_EQ("REWE Markt GmbH",
              Fremdkonto(b, g, Posten(20240304, -1.0, "REWE Markt GmbH Filiale 99"), {"REWE Markt GmbH"}));
}

// Importing the same file twice books nothing the second time; a transfer that both family accounts'
// statements show is booked once; a booking typed by hand a day off is a duplicate; two equal payments
// of one day are both proposed.
TEST(Duplikate, NieZweimal)
{
    Importhaushalt h;
    CBasis& b = h.Basis();
    Importgedaechtnis& g = h.Gedaechtnis();
    BucheNeu(b, {"Anna, Giro", "Supermarkt", "Anna", "Lebensmittel", "Obst", "von Hand", 7.5, 20240305});

    const Kontoauszug anna =
        Auszug(kIbanAnna, {Posten(20240304, -7.50, "Supermarkt"), Posten(20240306, -3.20, "Supermarkt"),
                           Posten(20240306, -3.20, "Supermarkt"), Posten(20240308, -100.0, "Bernd", kIbanBernd, "T1")});
    const Kontoauszug bernd = Auszug(kIbanBernd, {Posten(20240309, 100.0, "Anna", kIbanAnna, "B1")});

    Importergebnis erst = ErstelleVorschlaege(b, g, {anna, bernd}, {"Anna, Giro", "Bernd, Giro"});
    ASSERT_EQ(5u, erst.vorschlaege.size());
    EXPECT_EQ(
        (std::vector<bool>{true, false, false, false, true}),
        (std::vector<bool>{erst.vorschlaege[0].bDuplikat, erst.vorschlaege[1].bDuplikat, erst.vorschlaege[2].bDuplikat,
                           erst.vorschlaege[3].bDuplikat, erst.vorschlaege[4].bDuplikat}));
    erst.vorschlaege[3].eingabe.strKategorie = "Wohnen";
    erst.vorschlaege[3].bAngehakt = true;
    const size_t vorher = b.m_arrInOut.size();
    const Buchungszeitraum gebucht = BucheVorschlaege(b, g, erst.vorschlaege);
    EXPECT_EQ(3, gebucht.nAnzahl);
    EXPECT_EQ(vorher + 3, b.m_arrInOut.size());
    EXPECT_EQ(20240306, gebucht.nVon);
    EXPECT_EQ(20240308, gebucht.nBis);
    EXPECT_DOUBLE_EQ(1000.0 - 7.5 - 6.4 - 100.0, h.Stand("Anna"));
    EXPECT_DOUBLE_EQ(600.0, h.Stand("Bernd"));
    EXPECT_EQ(2, b.m_arrInOut.back()->m_nArt);

    // The same statements again, one at a time: nothing left to book.
    for (const auto& [auszug, konto] : {std::pair{anna, "Anna, Giro"}, std::pair{bernd, "Bernd, Giro"}}) {
        const Importergebnis wieder = ErstelleVorschlaege(b, g, {auszug}, {konto});
        for (const Importvorschlag& v : wieder.vorschlaege) {
            EXPECT_TRUE(v.bDuplikat) << Zeile(v);
            EXPECT_FALSE(v.bAngehakt) << Zeile(v);
        }
    }
    // A tolerance of 0 days no longer takes the hand booking of the day before.
    EXPECT_FALSE(
        ErstelleVorschlaege(b, g, {Auszug(kIbanAnna, {Posten(20240304, -7.50, "Supermarkt")})}, {"Anna, Giro"}, 0)
            .vorschlaege[0]
            .bDuplikat);
}

TEST(Buchen, LegtFremdkontenAnUndMerktSichGegenkontenUndReferenzen)
{
    Importhaushalt h;
    CBasis& b = h.Basis();
    Importgedaechtnis& g = h.Gedaechtnis();
    g.bGeaendert = false;
    Importergebnis e = ErstelleVorschlaege(
        b, g, {Auszug(kIbanAnna, {Posten(20240304, -42.0, "Stadtwerke Musterstadt GmbH", kIbanFirma, "S1")})},
        {"Anna, Giro"});
    ASSERT_EQ(1u, e.vorschlaege.size());
    EXPECT_FALSE(e.vorschlaege[0].bAngehakt);
    e.vorschlaege[0].eingabe.strKategorie = "Wohnen";
    e.vorschlaege[0].eingabe.strUKategorie = "Strom";
    e.vorschlaege[0].bAngehakt = true;
    BucheVorschlaege(b, g, e.vorschlaege);
    EXPECT_EQ("Stadtwerke Musterstadt GmbH", b.m_arrZielKonten.back()->m_strName);
    EXPECT_EQ(1, b.m_arrZielKonten.back()->m_bGebucht);
    EXPECT_EQ("Stadtwerke Musterstadt GmbH", g.gegenkonten.at(kIbanFirma));
    EXPECT_EQ(1u, g.referenzen.count(std::string(kIbanAnna) + "|S1"));
    EXPECT_TRUE(g.bGeaendert);
    EXPECT_EQ("Wohnen", VorlageFuer(b, "Stadtwerke Musterstadt GmbH")->m_strKategorie);
    // The next statement of that counterparty comes pre-filled.
    const Importergebnis naechstes = ErstelleVorschlaege(
        b, g, {Auszug(kIbanAnna, {Posten(20240404, -42.0, "Stadtwerke", kIbanFirma, "S2")})}, {"Anna, Giro"});
    EXPECT_EQ("20240404|42.00|Anna, Giro|Stadtwerke Musterstadt GmbH|Alle|Wohnen|Strom| ok",
              Zeile(naechstes.vorschlaege[0]));
}

TEST(Gedaechtnisdatei, UeberstehtSpeichernUndLaden)
{
    Importhaushalt h;
    Importgedaechtnis& g = h.Gedaechtnis();
    g.konten["layout:Datum;Wer;Betrag"] = Utf8ZuCp1252("Jürgen, Bar");
    Spaltenzuordnung z;
    z[kRolleDatum] = 0;
    z[kRolleBetrag] = 2;
    z.anWeitereZwecke = {4, 5};
    g.zuordnungen[Utf8ZuCp1252("Datum;Empfänger;Betrag")] = z;
    g.gegenkonten["name:bäcker"] = Utf8ZuCp1252("Bäckerei");
    g.referenzen = {"DE11|R1", "DE11|R2"};
    g.bGeaendert = true;
    ASSERT_EQ(0, SpeichereGedaechtnis(h.Ordner(), g));
    EXPECT_FALSE(g.bGeaendert);

    Importgedaechtnis gelesen;
    ASSERT_EQ(0, LadeGedaechtnis(h.Ordner(), gelesen));
    EXPECT_EQ(g.konten, gelesen.konten);
    EXPECT_EQ(g.gegenkonten, gelesen.gegenkonten);
    EXPECT_EQ(g.referenzen, gelesen.referenzen);
    ASSERT_EQ(1u, gelesen.zuordnungen.size());
    EXPECT_EQ(z.anSpalte, gelesen.zuordnungen.begin()->second.anSpalte);
    EXPECT_EQ(z.anWeitereZwecke, gelesen.zuordnungen.begin()->second.anWeitereZwecke);

    // Damaged or strangely shaped files read as far as they make sense, never crash.
    for (const char* inhalt :
         {"{\"accounts\": {\"DE\": 5}, \"references\": [1, \"X|1\"]", "[1, 2]",
          "{\"columns\": {\"a;b\": {\"date\": 99999999999, \"amount\": \"1\"}}, \"references\": [\"X|1\"]}"}) {
        std::ofstream(GedaechtnisPfad(h.Ordner()), std::ios::binary) << inhalt;
        Importgedaechtnis kaputt;
        LadeGedaechtnis(h.Ordner(), kaputt);
        EXPECT_TRUE(kaputt.konten.empty()) << inhalt;
        EXPECT_TRUE(kaputt.zuordnungen.empty()) << inhalt;
    }
    std::ofstream(GedaechtnisPfad(h.Ordner()), std::ios::binary) << "{kaputt";
    Importgedaechtnis kaputt;
    EXPECT_EQ(-1, LadeGedaechtnis(h.Ordner(), kaputt));
}

} // namespace
} // namespace velmora::test
