#include "Json.h"
#include "Basis.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

std::vector<std::string> Schluessel(const Json& objekt)
{
    std::vector<std::string> namen;
    for (const auto& [name, wert] : objekt.items())
        namen.push_back(name);
    return namen;
}

// A small store with one record of every kind, texts with cp1252 characters above 0x7F.
void Fuelle(CBasis& b)
{
    auto familie = std::make_unique<CFAMILY>();
    familie->m_strName = "M\xFCller";
    auto person = std::make_unique<CPerson>();
    person->m_strName = "J\xFCrgen";
    person->m_nAnzahl = 3;
    auto konto = std::make_unique<CKonto>();
    konto->m_strName = "Bar";
    konto->m_dStand = -0.1;
    konto->m_nIndex = 2;
    person->m_arrKonten.push_back(std::move(konto));
    familie->m_arrPersonen.push_back(std::move(person));
    b.m_arrFamilien.push_back(std::move(familie));
    b.m_nFamilie = 0;

    auto kategorie = std::make_unique<CKategorie>();
    kategorie->m_strName = "Lebensmittel";
    kategorie->m_nKat0C = -3;
    auto unter = std::make_unique<CUKategorie>();
    unter->m_strName = "B\xE4"
                       "cker";
    unter->m_dSumme2 = 1.5;
    kategorie->m_arrUKategorien.push_back(std::move(unter));
    b.m_arrKategorien.push_back(std::move(kategorie));

    auto ziel = std::make_unique<CZIELKONTO>();
    ziel->m_strName = "Caf\xE9 \x80";
    ziel->m_bGebucht = 1;
    b.m_arrZielKonten.push_back(std::move(ziel));

    CInOut& t = b.NeueTransaktion();
    t.m_strAuftraggeber = "J\xFCrgen, Bar";
    t.m_strEmpfaenger = "Caf\xE9 \x80";
    t.m_strKommentar = "\x84gut\x93";
    t.m_nArt = 1;
    t.m_dBetrag = 0.1 + 0.2;
    t.m_nDatum = 20261208;
    t.m_nStatus = -2;
    t.m_nDauerAuftragNr = 4;

    auto auftrag = std::make_unique<CDauerAuftrag>();
    auftrag->m_strZyklus = "Sondertermine";
    auftrag->m_nNr = 4;
    auftrag->m_n48 = -1;
    for (int monatTag : {229, 1224}) {
        auto termin = std::make_unique<CTermin>();
        termin->m_strTermin1 = "24.";
        termin->m_strTermin2 = "M\xE4rz";
        termin->m_nMonatTag = monatTag;
        auftrag->m_arrTermine.push_back(std::move(termin));
    }
    b.m_arrDauerAuftraege.push_back(std::move(auftrag));

    b.m_arrLoadedFiles.push_back(std::make_unique<CLoadedFiles>(CLoadedFiles{"M\xFClle_202612.vlm", 202612, 1}));
    auto vorlage = std::make_unique<CInOut>();
    vorlage->m_strEmpfaenger = "Caf\xE9 \x80";
    b.m_arrVorlagen.push_back(std::move(vorlage));
    b.m_strPasswort = "gr\xFCn";
    b.m_strPfad = "/daten";
    b.m_nHeute = 20261208;
    b.m_nLoeschNr = -4;
}

Json Dump(const CBasis& b)
{
    std::ostringstream aus;
    SchreibeJson(aus, b);
    EXPECT_EQ(std::string::npos, aus.str().find('\n'));
    return Json::parse(aus.str());
}

TEST(Json, SchluesselSindDieFeldnamenInIhrerReihenfolge)
{
    CBasis b;
    Fuelle(b);
    const Json j = Dump(b);
    const std::vector<std::string> basis = {"m_arrKategorien",     "m_arrFamilien",    "m_arrZielKonten", "m_arrInOut",
                                            "m_arrDauerAuftraege", "m_arrLoadedFiles", "m_arrVorlagen",   "m_nFamilie",
                                            "m_nVersion",          "m_nSprache",       "m_bTooltips",     "m_nZaehler",
                                            "m_strErsteDatei",     "m_strLetzteDatei", "m_nErsterMonat",  "m_nLoeschNr",
                                            "m_nLetzterAufruf",    "m_nLetzteZeit",    "m_nHeute",        "m_nJetzt",
                                            "m_nVonDatum",         "m_nBisDatum",      "m_strPfad",       "m_aFarben",
                                            "m_dFarbFaktor",       "m_strPasswort"};
    EXPECT_EQ(basis, Schluessel(j));

    const std::vector<std::string> inOut = {
        "m_strAuftraggeber", "m_strEmpfaenger", "m_strNutzniesser", "m_strKategorie",
        "m_strUKategorie",   "m_strKommentar",  "m_nArt",           "m_dBetrag",
        "m_nDatum",          "m_nIndex",        "m_nStatus",        "m_nDauerAuftragNr"};
    const std::vector<std::string> kategorie = {"m_strName", "m_nAnzahl", "m_nKat0C",  "m_bBenutzt",
                                                "m_nKat14",  "m_dSumme1", "m_dSumme2", "m_dSumme3",
                                                "m_dSumme4", "m_dSumme5", "m_dSumme6", "m_nKat48"};
    std::vector<std::string> mitUnter = kategorie;
    mitUnter.push_back("m_arrUKategorien");
    const struct
    {
        const char* was;
        Json objekt;
        std::vector<std::string> schluessel;
    } faelle[] = {
        {"transaction", j["m_arrInOut"][0], inOut},
        {"remembered entry", j["m_arrVorlagen"][0], inOut},
        {"standing order",
         j["m_arrDauerAuftraege"][0],
         {"m_strAuftraggeber", "m_strEmpfaenger", "m_strNutzniesser", "m_strKategorie", "m_strUKategorie",
          "m_strKommentar", "m_strZyklus", "m_dBetrag", "m_nArt", "m_nZyklus", "m_nStatus", "m_nBeginn", "m_nEnde",
          "m_n3C", "m_n40", "m_nNr", "m_n48", "m_arrTermine"}},
        {"fixed date",
         j["m_arrDauerAuftraege"][0]["m_arrTermine"][1],
         {"m_strTermin1", "m_strTermin2", "m_nTermin0C", "m_strTermin3", "m_nMonatTag"}},
        {"category", j["m_arrKategorien"][0], mitUnter},
        {"sub-category", j["m_arrKategorien"][0]["m_arrUKategorien"][0], kategorie},
        {"family", j["m_arrFamilien"][0], {"m_strName", "m_arrPersonen"}},
        {"member",
         j["m_arrFamilien"][0]["m_arrPersonen"][0],
         {"m_arrKonten", "m_strName", "m_nAnzahl", "m_nStatus", "m_nPerson24"}},
        {"account",
         j["m_arrFamilien"][0]["m_arrPersonen"][0]["m_arrKonten"][0],
         {"m_strName", "m_dStand", "m_nAnzahl", "m_nKonto14", "m_nStatus", "m_nIndex"}},
        {"external account",
         j["m_arrZielKonten"][0],
         {"m_strName", "m_nAnzahl", "m_bGebucht", "m_bBenutzt", "m_nZiel14"}},
        {"monthly file", j["m_arrLoadedFiles"][0], {"m_strDatei", "m_nMonat", "m_bGeaendert"}},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(fall.schluessel, Schluessel(fall.objekt)) << fall.was;
}

TEST(Json, WerteSindUtf8ZahlenUndListen)
{
    CBasis b;
    Fuelle(b);
    const Json j = Dump(b);
    const Json& t = j["m_arrInOut"][0];
    EXPECT_EQ("J\u00fcrgen, Bar", t["m_strAuftraggeber"]);
    EXPECT_EQ("Caf\u00e9 \u20ac", t["m_strEmpfaenger"]);
    EXPECT_EQ("\u201egut\u201c", t["m_strKommentar"]);
    ASSERT_TRUE(t["m_dBetrag"].is_number_float());
    EXPECT_EQ(0.1 + 0.2, t["m_dBetrag"].get<double>());
    EXPECT_EQ(-2, t["m_nStatus"]);
    EXPECT_EQ(4, t["m_nDauerAuftragNr"]);
    EXPECT_EQ(0, t["m_nIndex"]);

    EXPECT_EQ("M\u00fcller", j["m_arrFamilien"][0]["m_strName"]);
    const Json& konto = j["m_arrFamilien"][0]["m_arrPersonen"][0]["m_arrKonten"][0];
    EXPECT_EQ(-0.1, konto["m_dStand"].get<double>());
    EXPECT_EQ(2, konto["m_nIndex"]);
    EXPECT_EQ(-3, j["m_arrKategorien"][0]["m_nKat0C"]);
    EXPECT_EQ("B\u00e4cker", j["m_arrKategorien"][0]["m_arrUKategorien"][0]["m_strName"]);
    EXPECT_EQ(1.5, j["m_arrKategorien"][0]["m_arrUKategorien"][0]["m_dSumme2"].get<double>());
    EXPECT_EQ(1224, j["m_arrDauerAuftraege"][0]["m_arrTermine"][1]["m_nMonatTag"]);
    EXPECT_EQ("M\u00e4rz", j["m_arrDauerAuftraege"][0]["m_arrTermine"][0]["m_strTermin2"]);
    EXPECT_EQ(1, j["m_arrLoadedFiles"][0]["m_bGeaendert"]);
    EXPECT_EQ("", j["m_arrVorlagen"][0]["m_strKategorie"]);

    const Json farben = Json::array({0x00A400, 0x0000FF, 0, 0x003C00, 0x000055, 0});
    EXPECT_EQ(farben, j["m_aFarben"]);
    EXPECT_TRUE(j["m_aFarben"][0].is_number_integer());
    EXPECT_EQ(0.77, j["m_dFarbFaktor"].get<double>());
    EXPECT_EQ("gr\u00fcn", j["m_strPasswort"]);
    EXPECT_EQ(-4, j["m_nLoeschNr"]);
    EXPECT_EQ(0, j["m_nFamilie"]);
    EXPECT_EQ(kDeutsch, j["m_nSprache"]);
}

TEST(Json, LeererSpeicherHatLeereListen)
{
    CBasis b;
    const Json j = Dump(b);
    for (const char* liste : {"m_arrKategorien", "m_arrFamilien", "m_arrZielKonten", "m_arrInOut",
                              "m_arrDauerAuftraege", "m_arrLoadedFiles", "m_arrVorlagen"}) {
        ASSERT_TRUE(j[liste].is_array()) << liste;
        EXPECT_TRUE(j[liste].empty()) << liste;
    }
    EXPECT_EQ(-1, j["m_nFamilie"]);
    EXPECT_EQ("", j["m_strPfad"]);
}

} // namespace
} // namespace velmora
