#include "Uebersicht.h"
#include "Hilfen.h"
#include "Text.h"
#include "Vergleich.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

CInOut& Mit(CInOut& t, const char* nutzniesser, const char* kategorie, const char* ukategorie = "",
            const char* kommentar = "")
{
    t.m_strNutzniesser = nutzniesser;
    t.m_strKategorie = kategorie;
    t.m_strUKategorie = ukategorie;
    t.m_strKommentar = kommentar;
    return t;
}

// March 2009 of family Meier, seen on 15 March. Positions 5 (finally deleted), 6 and 9 (outside the
// range) are never listed.
void Maerz(CBasis& b)
{
    FamilieMeier(b);
    b.m_nVonDatum = 20090301;
    b.m_nBisDatum = 20090331;
    b.m_nHeute = 20090315;
    Mit(NeueBuchung(b, "Arbeitgeber", "Anna, Giro", 2000.0, 20090301, 0), "Anna", "Gehalt", "", "M\xE4rz");
    Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 12.5, 20090305, 1), "Familie", "Essen", "Obst");
    Mit(NeueBuchung(b, "Anna, Giro", "Anna, Spar", 100.0, 20090310, 2), "Anna", "Sparen");
    Mit(NeueBuchung(b, "Anna, Giro", "Bernd, Giro", 50.0, 20090312, 2), "Bernd", "Taschengeld");
    Mit(NeueBuchung(b, "Bernd, Giro", "Aldi", 30.0, 20090314, 1, -1), "Bernd", "Essen", "Obst");
    Mit(NeueBuchung(b, "Bernd, Giro", "Aldi", 99.0, 20090314, 1, kEndgueltigGeloescht), "Bernd", "Essen", "Obst");
    Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 12.5, 20090401, 1), "Anna", "Essen");
    Mit(NeueBuchung(b, "Bernd, Giro", "Versicherung", 12.5, 20090320, 1), "Bernd", "Versicherung").m_nDauerAuftragNr =
        3;
    Mit(NeueBuchung(b, "Anna, Giro", "Anna, Giro", 5.0, 20090311, 2), "Anna", "Sparen");
    Mit(NeueBuchung(b, "Aldi", "Bernd, Giro", 7.25, 20090228, 0), "Bernd", "Pfand");
    Mit(NeueBuchung(b, "Anna, Giro", "Anna, Spar", 1000.0, 20090313, 2, -2), "Anna", "Sparen");
}

std::vector<int> Zeilen(const OverviewListing& liste)
{
    std::vector<int> zeilen;
    for (const auto& z : liste.m_arrZeilen)
        zeilen.push_back(z.nTransaktion);
    return zeilen;
}

std::string Summen(const OverviewListing& liste)
{
    return Format("%.2f/%.2f/%.2f", liste.m_dEinnahmen, liste.m_dAusgaben, liste.m_dUmbuchungen);
}

// Without a filter a transfer counts only as a transfer; a deleted transaction is listed but not summed.
TEST(Uebersicht, AlleListetDenZeitraum)
{
    CBasis b;
    Maerz(b);
    OverviewListing liste(b);
    liste.m_dEinnahmen = 1.0;
    liste.m_nMarkiert = 7;
    liste.ZeigeAlle();
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 7, 8, 10}), Zeilen(liste));
    EXPECT_EQ(8, liste.m_nZeilen);
    EXPECT_EQ("2000.00/25.00/155.00", Summen(liste));
    std::vector<int> icons;
    for (const auto& z : liste.m_arrZeilen)
        icons.push_back(z.nIcon);
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0, 3, 0, 0}), icons);
}

// The filter kinds with their totals rules: by the paying own account a transfer is an expense, by the
// receiving one income, by a member owning both sides neither.
TEST(Uebersicht, FilterartenUndIhreSummen)
{
    struct Fall
    {
        int nArt;
        const char* szSchluessel;
        std::vector<int> zeilen;
        const char* szSummen;
        int nNurDauerAuftraege = 0;
        int nSprache = kDeutsch;
        const char* szKategorie = "";
    };
    const Fall faelle[] = {
        {0, "", {7}, "0.00/12.50/0.00", 1},
        {0, "", {0, 1, 2, 3, 4, 8, 10}, "2000.00/12.50/155.00"},
        {1, "Anna, Giro", {0, 1, 2, 3, 8, 8, 10}, "2005.00/167.50/160.00"},
        {2, "Anna, Spar", {2, 10}, "100.00/0.00/100.00"},
        {12, "Aldi", {1, 4}, "0.00/12.50/0.00"},
        {1, "Anna", {}, "0.00/0.00/0.00"},
        {3, "Anna", {0, 2, 8, 10}, "2000.00/0.00/105.00"},
        {3, "Bernd", {3, 4, 7}, "50.00/12.50/50.00"},
        {4, "Essen", {1, 4}, "0.00/12.50/0.00"},
        {4, "essen", {}, "0.00/0.00/0.00"},
        {5, "Obst", {1, 4}, "0.00/12.50/0.00"},
        {kFilterUKategorieIn, "Obst", {1, 4}, "0.00/12.50/0.00", 0, kDeutsch, "Essen"},
        {kFilterUKategorieIn, "Obst", {}, "0.00/0.00/0.00", 0, kDeutsch, "Pfand"},
        {6, "M\xE4rz", {0}, "2000.00/0.00/0.00"},
        {7, "12.50", {1, 7}, "0.00/25.00/0.00"},
        {7, " 5.00", {8}, "0.00/0.00/5.00"},
        {7, "5.00", {}, "0.00/0.00/0.00"},
        {8, "14. 3.2009", {4}, "0.00/0.00/0.00"},
        {8, " 3/14/2009", {4}, "0.00/0.00/0.00", 0, kEnglisch},
        {8, " 3/14/2009", {}, "0.00/0.00/0.00"},
        {9, "Anna", {0, 1, 2, 3, 8, 10}, "2000.00/62.50/155.00"},
        {9, "Bernd", {3, 4, 7}, "50.00/12.50/50.00"},
        {10, "Bernd", {3, 4}, "50.00/0.00/50.00"},
        {10, "Familie", {1}, "0.00/12.50/0.00"},
        {11, "Anna", {}, "0.00/0.00/0.00"},
    };
    for (const auto& fall : faelle) {
        CBasis b;
        Maerz(b);
        b.m_nSprache = fall.nSprache;
        OverviewListing liste(b);
        liste.m_bFilter = 1;
        liste.m_nFilterArt = fall.nArt;
        liste.m_strFilterText = fall.szSchluessel;
        liste.m_strFilterKategorie = fall.szKategorie;
        liste.m_bNurDauerAuftraege = fall.nNurDauerAuftraege;
        liste.m_dAusgaben = 99.0;
        liste.ZeigeGefiltert();
        EXPECT_EQ(fall.zeilen, Zeilen(liste)) << "kind " << fall.nArt << " key '" << fall.szSchluessel << "'";
        EXPECT_EQ(static_cast<int>(fall.zeilen.size()), liste.m_nZeilen);
        EXPECT_EQ(fall.szSummen, Summen(liste)) << "kind " << fall.nArt << " key '" << fall.szSchluessel << "'";
    }
}

TEST(Uebersicht, ZellenTexte)
{
    struct Fall
    {
        int nSprache;
        const char* szZeile0;
        const char* szZeile1;
    };
    const Fall faelle[] = {
        {kDeutsch, "5-0|Arbeitgeber|Anna, Giro|Anna|Gehalt||M\xE4rz|2000.00| 1. 3.2009",
         "0-1|Anna, Giro|Aldi|Familie|Essen|Obst||12.50|15.11.2009"},
        {kEnglisch, "5-0|Arbeitgeber|Anna, Giro|Anna|Gehalt||M\xE4rz|2000.00| 3/ 1/2009",
         "0-1|Anna, Giro|Aldi|Familie|Essen|Obst||12.50|11/15/2009"},
    };
    for (const auto& fall : faelle) {
        CBasis b;
        FamilieMeier(b);
        b.m_nSprache = fall.nSprache;
        b.m_nVonDatum = 20090101;
        b.m_nBisDatum = 20091231;
        Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 12.5, 20091115, 1), "Familie", "Essen", "Obst");
        for (int i = 0; i < 4; ++i)
            NeueBuchung(b, "x", "y", 1.0, 20080101, 0);
        Mit(NeueBuchung(b, "Arbeitgeber", "Anna, Giro", 2000.0, 20090301, 0), "Anna", "Gehalt", "", "M\xE4rz");
        OverviewListing liste(b);
        liste.SortiereTransaktionen(kNachBetrag);
        liste.ZeigeAlle();
        ASSERT_EQ(2, liste.m_nZeilen);
        for (int zeile = 0; zeile < 2; ++zeile) {
            std::string text;
            for (int spalte = 0; spalte < kSpalten; ++spalte)
                text += (spalte ? "|" : "") + liste.Zelle(zeile, spalte);
            EXPECT_EQ(zeile == 0 ? fall.szZeile0 : fall.szZeile1, text);
        }
        EXPECT_EQ("", liste.Zelle(2, 1));
    }
}

std::string Kommentare(const CBasis& b)
{
    std::string s;
    for (const auto& t : b.m_arrInOut)
        s += t->m_strKommentar;
    return s;
}

// Sorting reorders the whole collection, also what lies outside the range; equal keys keep their order.
TEST(Uebersicht, SortierenIstStabilUndBetrifftAlles)
{
    struct Fall
    {
        int nSchluessel;
        const char* szAbsteigend;
        const char* szAufsteigend;
    };
    const Fall faelle[] = {
        {kNachDatum, "dacbef", "fbeacd"},        {kNachBetrag, "dacfbe", "ebfacd"},
        {kNachAuftraggeber, "eabdcf", "fcabde"}, {kNachEmpfaenger, "eabdcf", "fcabde"},
        {kNachNutzniesser, "eabdcf", "fcabde"},  {kNachKategorie, "eabdcf", "fcabde"},
        {kNachUKategorie, "eabdcf", "fcabde"},
    };
    const char* texte[] = {"Bank-2", "bank", "Aldi", "Bank", "Zoo", "A B"};
    const int daten[] = {20090305, 20090301, 20090305, 20090401, 20090301, 20090228};
    const double betraege[] = {12.5, 3.0, 12.5, 100.0, 1.0, 7.0};
    for (const auto& fall : faelle) {
        CBasis b;
        b.m_nVonDatum = 20090301;
        b.m_nBisDatum = 20090331;
        for (int i = 0; i < 6; ++i) {
            CInOut& t = NeueBuchung(b, texte[i], texte[i], betraege[i], daten[i], 1);
            Mit(t, texte[i], texte[i], texte[i], std::string(1, static_cast<char>('a' + i)).c_str());
        }
        OverviewListing liste(b);
        liste.SortiereTransaktionen(fall.nSchluessel);
        EXPECT_EQ(fall.szAbsteigend, Kommentare(b)) << "key " << fall.nSchluessel;
        liste.m_abAbsteigend[static_cast<size_t>(fall.nSchluessel)] = 0;
        liste.SortiereTransaktionen(fall.nSchluessel);
        EXPECT_EQ(fall.szAufsteigend, Kommentare(b)) << "key " << fall.nSchluessel;
    }
}

// Many equal keys: a sort that is stable only for short lists would mix the days' transactions.
TEST(Uebersicht, SortierenBehaeltGleicheInIhrerReihenfolge)
{
    CBasis b;
    // Dates from a damaged file may be anything, negative ones included.
    for (int i = 0; i < 200; ++i)
        NeueBuchung(b, "", "", 1.0, i % 40 == 0 ? -i : i % 65 == 0 ? 2147483647 : 20090301 + i * 7 % 5, 0);
    for (int absteigend : {1, 0}) {
        OverviewListing liste(b);
        liste.m_abAbsteigend[kNachDatum] = absteigend;
        liste.SortiereTransaktionen(kNachDatum);
        int fehler = 0;
        for (size_t i = 1; i < b.m_arrInOut.size(); ++i) {
            const CInOut& vorher = *b.m_arrInOut[i - 1];
            const CInOut& t = *b.m_arrInOut[i];
            const bool reihenfolge = absteigend ? vorher.m_nDatum >= t.m_nDatum : vorher.m_nDatum <= t.m_nDatum;
            if (!reihenfolge || (vorher.m_nDatum == t.m_nDatum && vorher.m_nIndex > t.m_nIndex))
                ++fehler;
        }
        EXPECT_EQ(0, fehler) << "descending " << absteigend;
    }
}

TEST(Uebersicht, SucheMarkiertZellenOhneRuecksichtAufGrossschreibung)
{
    struct Fall
    {
        const char* szSuche;
        int nErsteZeile;
        std::vector<std::pair<int, int>> treffer; // (row, column) of rows 0 and 1
    };
    const Fall faelle[] = {
        {"OBST", 1, {{1, 5}}},
        {"m\xC4RZ", 0, {{0, 6}}},
        {"aNNa", 0, {{0, 2}, {0, 3}, {1, 1}}},
        {" 3.2009", 0, {{0, 8}, {1, 8}}},
        {"12.5", 1, {{1, 7}}},
        {"12,50", 1, {{1, 7}}},
        {"anna, giro", 0, {{0, 2}, {1, 1}}},
        {"0-0", -1, {}},
        {"zzz", -1, {}},
        {"", 0, {}},
    };
    for (const auto& fall : faelle) {
        CBasis b;
        Maerz(b);
        OverviewListing liste(b);
        liste.ZeigeAlle();
        liste.SetzeSuche(fall.szSuche);
        EXPECT_EQ(fall.nErsteZeile, liste.ErsteTrefferZeile()) << fall.szSuche;
        std::vector<std::pair<int, int>> treffer;
        for (int zeile = 0; zeile < 2; ++zeile) {
            for (int spalte = 0; spalte < kSpalten; ++spalte) {
                if (liste.ZelleTrifft(zeile, spalte))
                    treffer.emplace_back(zeile, spalte);
            }
        }
        EXPECT_EQ(fall.treffer, treffer) << fall.szSuche;
    }
}

TEST(Uebersicht, LadeZeitraumLaedtDieMonateDesBereichs)
{
    TempOrdner ordner;
    CBasis schreiber;
    FamilieMeier(schreiber);
    schreiber.m_strPfad = ordner.Pfad();
    for (int datum : {20090115, 20090215, 20090315, 20090415}) {
        NeueBuchung(schreiber, "Aldi", "Anna, Giro", 1.0, datum, 0);
        schreiber.MonatGeaendert(datum / 100);
    }
    ASSERT_EQ(0, schreiber.SpeichereMonate());

    CBasis b;
    FamilieMeier(b);
    b.m_strPfad = ordner.Pfad();
    ASSERT_EQ(0, b.LadeMonat(20090301));
    b.m_nVonDatum = 20090215;
    b.m_nBisDatum = 20090310;
    OverviewListing liste(b);
    liste.LadeZeitraum();
    std::vector<int> daten;
    for (const auto& t : b.m_arrInOut)
        daten.push_back(t->m_nDatum);
    EXPECT_EQ((std::vector<int>{20090315, 20090215}), daten);
    liste.ZeigeAlle();
    EXPECT_EQ(std::vector<int>{1}, Zeilen(liste));
}

// A member filter lists the member's own accounts only: not an external account nor another member's
// account whose name contains the member's. An empty key filters for empty cells and names itself.
TEST(Uebersicht, MitgliedGenauUndLeererSchluessel)
{
    CBasis b;
    Maerz(b);
    NeuesKonto(NeuesMitglied(*b.m_arrFamilien[0], "Lena"), "Giro");
    NeuesKonto(*b.m_arrFamilien[0]->m_arrPersonen[0], "Sparbuch Lena");
    NeueBuchung(b, "Lena, Giro", "Aldi", 3.0, 20090302, 1);
    NeueBuchung(b, "Lenas Tante", "Anna, Giro", 4.0, 20090302, 0);
    NeueBuchung(b, "Anna, Giro", "Anna, Sparbuch Lena", 6.0, 20090302, 2);
    OverviewListing liste(b);
    liste.m_bFilter = 1;
    for (int art : {9, 10}) {
        liste.m_nFilterArt = art;
        liste.m_strFilterText = "Lena";
        liste.ZeigeGefiltert();
        EXPECT_EQ(std::vector<int>{11}, Zeilen(liste)) << art;
        EXPECT_EQ("0.00/3.00/0.00", Summen(liste)) << art;
    }
    liste.m_nFilterArt = 6;
    liste.m_strFilterText.clear();
    liste.ZeigeGefiltert();
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 7, 8, 10, 11, 12, 13}), Zeilen(liste));
    EXPECT_EQ("(leer)", liste.Filterschluessel());
    b.m_nSprache = kEnglisch;
    EXPECT_EQ("(empty)", liste.Filterschluessel());
}

// The widest texts of a column by their characters, each once, longest first: the column's width.
TEST(Uebersicht, LaengsteTexteEinerSpalte)
{
    CBasis b;
    Maerz(b);
    OverviewListing liste(b);
    liste.ZeigeAlle();
    EXPECT_EQ((std::vector<std::string>{"Versicherung", "Taschengeld"}), liste.LaengsteTexte(4, 2));
    EXPECT_EQ((std::vector<std::string>{"2000.00", "1000.00", "100.00"}), liste.LaengsteTexte(7, 3));
    EXPECT_EQ(std::vector<std::string>{" 1. 3.2009"}, liste.LaengsteTexte(8, 1));
}

// A row of the analyses under an account, external-account or beneficiary selection lists exactly the
// transactions it sums: the overview's income and expenses equal the row's.
TEST(Uebersicht, KategorieInDerAuswahlWieDieAuswertung)
{
    const struct
    {
        int nAuswahl;
        const char* szName;
    } faelle[] = {{kAuswahlFamilienKonto, "Anna, Giro"},
                  {kAuswahlFamilienKonto, "Bernd, Giro"},
                  {kAuswahlFremdKonto, "Aldi"},
                  {kAuswahlNutzniesser, "Anna"},
                  {kAuswahlNutzniesser, "Bernd"}};
    for (const auto& fall : faelle) {
        TempOrdner ordner;
        CBasis b;
        Maerz(b);
        b.m_strPfad = ordner.Pfad();
        for (const char* kategorie : {"Gehalt", "Essen", "Sparen", "Taschengeld", "Versicherung", "Pfand"})
            NeueKategorie(b, kategorie);
        Vergleich vergleich(b);
        vergleich.Beginne();
        vergleich.SetzePerioden(2009, 3, 2009, 3);
        vergleich.Waehle(fall.nAuswahl, fall.szName);
        OverviewListing liste(b);
        liste.m_bFilter = 1;
        liste.m_nFilterArt = FilterKategorieBei(fall.nAuswahl);
        liste.m_strFilterAuswahl = fall.szName;
        for (const CUKategorie* zeile : vergleich.Monatseintraege()) {
            liste.m_strFilterText = zeile->m_strName;
            liste.ZeigeGefiltert();
            EXPECT_EQ(Format("%.2f/%.2f", zeile->m_dSumme1, zeile->m_dSumme2),
                      Format("%.2f/%.2f", liste.m_dEinnahmen, liste.m_dAusgaben))
                << fall.szName << " " << zeile->m_strName;
        }
        liste.m_strFilterText = "Essen";
        EXPECT_EQ(std::string(fall.szName) + ": Essen", liste.Filterschluessel());
    }
}

} // namespace
} // namespace velmora::test
