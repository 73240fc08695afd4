// The import's rules: which rule fills a line, what a rule refuses, what it matches in a statement and in
// the book, applying it to chosen bookings, and keeping rules in the memory file.

#include "Auswahllisten.h"
#include "Auszugsbau.h"
#include "Gedaechtnisdatei.h"
#include "Importregeln.h"
#include "Regelanwendung.h"
#include "Regeljson.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <fstream>

namespace velmora::test {
namespace {

Auszugszeile Posten(int datum, double betrag, const std::string& name, const std::string& iban = {},
                    const std::string& zweck = {})
{
    Auszugszeile z;
    z.nDatum = datum;
    z.dBetrag = betrag;
    z.strName = name;
    z.strIban = iban;
    z.strZweck = zweck;
    return z;
}

Importregel Regel(const std::string& json)
{
    std::string fehler;
    const std::optional<Importregel> regel = RegelAusJson(nlohmann::ordered_json::parse(json), fehler);
    EXPECT_TRUE(regel) << json << ": " << fehler;
    return regel.value_or(Importregel{});
}

std::vector<Importvorschlag> Vorschlaege(Importhaushalt& h, std::vector<Auszugszeile> zeilen)
{
    Kontoauszug auszug;
    auszug.strIban = kIbanAnna;
    auszug.zeilen = std::move(zeilen);
    return ErstelleVorschlaege(h.Basis(), h.Gedaechtnis(), {auszug}, {"Anna, Giro"}).vorschlaege;
}

TEST(Importregel, IbanVorNameErsteVorZweiterRegelVorLetzterBuchung)
{
    Importhaushalt h;
    std::vector<Importregel>& regeln = h.Gedaechtnis().regeln;
    regeln.push_back(Regel(R"({"name_contains": "markt", "category": "Wohnen"})"));
    regeln.push_back(Regel(R"({"name_starts": "SUPER", "category": "Gehalt"})"));
    regeln.push_back(Regel(std::string(R"({"iban": ")") + kIbanMarkt +
                           R"(", "account": "Stadtwerke", "category": "Wohnen", "subcategory": "Strom"})"));
    const std::vector<Importvorschlag> v =
        Vorschlaege(h, {Posten(20240304, -10.0, "Supermarkt"), Posten(20240305, -20.0, "Supermarkt Nord", kIbanMarkt),
                        Posten(20240306, -30.0, "Arbeitgeber")});
    ASSERT_EQ(3u, v.size());
    // Both name rules match the first line: the first in the list wins, over the last booking's Lebensmittel.
    EXPECT_EQ("20240304|10.00|Anna, Giro|Supermarkt|Anna|Wohnen|Strom| ok", Zeile(v[0]));
    EXPECT_EQ(0, v[0].nRegel);
    // The IBAN rule, last in the list, beats both name rules and names its own external account.
    EXPECT_EQ("20240305|20.00|Anna, Giro|Stadtwerke|Alle|Wohnen|Strom| ok", Zeile(v[1]));
    EXPECT_EQ(2, v[1].nRegel);
    // No rule: the remembered booking fills the line as before.
    EXPECT_EQ(-1, v[2].nRegel);
    EXPECT_EQ("Gehalt", v[2].eingabe.strKategorie);
}

TEST(Importregel, BedingungenUndWasVerweigertWird)
{
    struct Fall
    {
        const char* json;
        const char* fehler; // "" = the rule is kept
    };
    for (const Fall& f :
         std::initializer_list<Fall>{{R"({"name_contains": "a", "category": "X"})", "at least two characters"},
                                     {R"({"purpose_contains": " x ", "category": "X"})", "at least two characters"},
                                     {R"({"name_contains": "   ", "category": "X"})", "no condition"},
                                     {R"({"category": "X"})", "no condition"},
                                     {R"({"sign": "-", "min": 50, "max": 10, "category": "X"})", "not above"},
                                     {R"({"name_equals": "ab"})", "sets nothing"},
                                     {R"({"name_equals": "ab", "subcategory": "Obst"})", "sets nothing"},
                                     {R"({"name_equals": "ab", "category": "X", "colour": 1})", "no \"colour\""},
                                     {R"({"sign": "x", "category": "X"})", "\"sign\""},
                                     {R"({"iban": "de33 3704", "category": "X"})", ""}}) {
        std::string fehler;
        const auto regel = RegelAusJson(nlohmann::ordered_json::parse(f.json), fehler);
        EXPECT_EQ(*f.fehler == 0, regel.has_value()) << f.json;
        EXPECT_NE(std::string::npos, fehler.find(f.fehler)) << f.json << ": " << fehler;
    }

    struct Treffer
    {
        const char* json;
        Auszugszeile zeile;
        bool passt;
    };
    for (const Treffer& t : std::initializer_list<Treffer>{
             {R"({"name_contains": "müller", "category": "X"})", Posten(1, -1, Utf8ZuCp1252("BÄCKEREI MÜLLER")), true},
             {R"({"name_contains": "mueller", "category": "X"})", Posten(1, -1, Utf8ZuCp1252("Müller")), false},
             {R"({"name_equals": "rewe", "category": "X"})", Posten(1, -1, "REWE Markt"), false},
             {R"({"purpose_contains": "miete", "category": "X"})", Posten(1, -1, "", "", "MIETE MAERZ"), true},
             {R"({"purpose_contains": "miete", "category": "X"})", Posten(1, -1, "Miete"), false},
             {R"({"iban": "de33 3704 0044 0532 0130 00", "category": "X"})", Posten(1, -1, "", kIbanMarkt), true},
             {R"({"sign": "+", "category": "X"})", Posten(1, -5, "Lohn"), false},
             {R"({"sign": "-", "min": 10, "max": 20, "category": "X"})", Posten(1, -20, "Laden"), true},
             {R"({"sign": "-", "min": 10, "max": 20, "category": "X"})", Posten(1, -20.02, "Laden"), false}}) {
        EXPECT_EQ(t.passt, Regelpruefer(Regel(t.json)).Passt(GegenstandVon(t.zeile))) << t.json;
    }
}

// The preview's counts, and applying a rule to bookings already made: only the ticked ones change, as an
// edit changes them.
TEST(Importregel, TrefferImAuszugUndImBuchUndAnwendenAufGewaehlte)
{
    Importhaushalt h;
    CBasis& b = h.Basis();
    for (const int tag : {20240302, 20240303, 20240304})
        BucheNeu(b, {"Anna, Giro", "Supermarkt", "Anna", "Lebensmittel", "Obst", "Wocheneinkauf", 10.0, tag});
    BucheNeu(b, {"Anna, Giro", "Bernd, Giro", "Anna", "Wohnen", "", "Supermarkt", 50.0, 20240305});
    const Importregel regel = Regel(R"({"name_contains": "supermarkt", "sign": "-", "account": "Markt Nord",
                                        "category": "Wohnen", "comment": "Haushalt"})");
    Kontoauszug auszug;
    auszug.zeilen = {Posten(1, -3.0, "Supermarkt"), Posten(1, 0.0, "Supermarkt"), Posten(1, 3.0, "Supermarkt")};
    EXPECT_EQ(1u, TreffeZeilen(regel, {auszug}).size());
    // The three expenses and the first booking of the household; the transfer has no counterparty.
    EXPECT_EQ(4u, TreffeBuchungen(b, h.Gedaechtnis(), regel).size());
    const Importregel kommentar = Regel(R"({"purpose_contains": "wochen", "category": "Wohnen"})");
    EXPECT_EQ(3u, TreffeBuchungen(b, h.Gedaechtnis(), kommentar).size());

    std::vector<Regelaenderung> aenderungen = Regelaenderungen(b, h.Gedaechtnis(), regel);
    ASSERT_EQ(4u, aenderungen.size());
    EXPECT_EQ("Lebensmittel", aenderungen[1].alt.strKategorie);
    EXPECT_EQ("Markt Nord", aenderungen[1].neu.strEmpfaenger);
    EXPECT_EQ("Strom", aenderungen[1].neu.strUKategorie);
    const double anna = h.Stand("Anna");
    const int wohnen = b.m_arrKategorien[static_cast<size_t>(KategoriePosition(b, "Wohnen"))]->m_nAnzahl;
    EXPECT_EQ(2, WendeAn(b, {aenderungen[1], aenderungen[3]}));
    EXPECT_DOUBLE_EQ(anna, h.Stand("Anna"));
    EXPECT_EQ(wohnen + 2, b.m_arrKategorien[static_cast<size_t>(KategoriePosition(b, "Wohnen"))]->m_nAnzahl);
    std::vector<std::string> kategorien;
    for (const int tag : {20240302, 20240303, 20240304}) {
        for (const auto& t : b.m_arrInOut) {
            if (t->m_nDatum == tag)
                kategorien.push_back(t->m_strEmpfaenger + "|" + t->m_strKategorie + "|" + t->m_strKommentar);
        }
    }
    EXPECT_EQ((std::vector<std::string>{"Markt Nord|Wohnen|Haushalt", "Supermarkt|Lebensmittel|Wocheneinkauf",
                                        "Markt Nord|Wohnen|Haushalt"}),
              kategorien);
    const auto markt = std::find_if(b.m_arrZielKonten.begin(), b.m_arrZielKonten.end(),
                                    [](const auto& z) { return z->m_strName == "Markt Nord"; });
    ASSERT_NE(b.m_arrZielKonten.end(), markt);
    EXPECT_EQ(1, (*markt)->m_bGebucht);
    // Applied changes are not offered again.
    EXPECT_EQ(2u, Regelaenderungen(b, h.Gedaechtnis(), regel).size());
}

TEST(Importregel, GedaechtnisdateiHaeltRegelnUndLiestDieVorigeFassung)
{
    Importhaushalt h;
    std::ofstream(GedaechtnisPfad(h.Ordner()), std::ios::binary)
        << R"({"version": 1, "accounts": {"DE11": "Anna, Giro"}, "counterparties": {"DE33": "Markt"},
              "references": ["DE11|R1"]})";
    Importgedaechtnis alt;
    ASSERT_EQ(0, LadeGedaechtnis(h.Ordner(), alt));
    EXPECT_EQ("Anna, Giro", alt.konten.at("DE11"));
    EXPECT_EQ("Markt", alt.gegenkonten.at("DE33"));
    EXPECT_TRUE(alt.regeln.empty());

    alt.regeln = {Regel(R"({"name_equals": "Bäcker", "min": 1.5, "beneficiary": "Anna", "category": "Wohnen"})"),
                  Regel(R"({"iban": "DE33", "sign": "+", "account": "Markt", "comment": "Erstattung"})")};
    alt.bGeaendert = true;
    ASSERT_EQ(0, SpeichereGedaechtnis(h.Ordner(), alt));
    Importgedaechtnis neu;
    ASSERT_EQ(0, LadeGedaechtnis(h.Ordner(), neu));
    EXPECT_EQ(alt.regeln, neu.regeln);
    EXPECT_EQ(alt.konten, neu.konten);

    // A rule the file holds that would match every line is left out, the rest is read.
    std::ofstream(GedaechtnisPfad(h.Ordner()), std::ios::binary)
        << R"({"version": 2, "rules": [{"name_contains": " ", "category": "X"}, 5,
              {"name_contains": "ab", "category": "X"}]})";
    Importgedaechtnis fremd;
    ASSERT_EQ(0, LadeGedaechtnis(h.Ordner(), fremd));
    ASSERT_EQ(1u, fremd.regeln.size());
    EXPECT_EQ("ab", fremd.regeln[0].strNameEnthaelt);
}

} // namespace
} // namespace velmora::test
