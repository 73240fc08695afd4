#include "DauerAuftragsliste.h"
#include "Auftragsentwurf.h"
#include "Hilfen.h"
#include "Text.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

CDauerAuftrag& Auftrag(CBasis& b, const char* zahler, const char* empfaenger, double betrag, int zyklus, int art,
                       std::vector<int> termine = {})
{
    auto& a = *b.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
    a.m_strAuftraggeber = zahler;
    a.m_strEmpfaenger = empfaenger;
    a.m_dBetrag = betrag;
    a.m_nZyklus = zyklus;
    a.m_nArt = art;
    a.m_nStatus = 1;
    a.m_nNr = static_cast<int>(b.m_arrDauerAuftraege.size()) - 1;
    a.m_strZyklus = ZyklusBeschreibung(zyklus, true);
    for (int monatTag : termine)
        a.m_arrTermine.push_back(std::make_unique<CTermin>(CTermin{"", "", 0, "", monatTag}));
    return a;
}

// Family Meier with its orders: 0 salary, 1 rent, 2 a transfer between Anna's accounts, 3 a weekly
// allowance to Bernd, 4 insurance on three dates, 5 an inactive one.
void Auftraege(CBasis& b)
{
    FamilieMeier(b);
    Auftrag(b, "Arbeitgeber", "Anna, Giro", 2000.0, 28, 0).m_strNutzniesser = "Anna";
    Auftrag(b, "Anna, Giro", "Vermieter", 100.0, 1, 1).m_strKategorie = "Wohnen";
    Auftrag(b, "Anna, Giro", "Anna, Spar", 50.0, 15, 2).m_strNutzniesser = "Anna";
    Auftrag(b, "Anna, Giro", "Bernd, Giro", 10.0, 53, 2).m_strNutzniesser = "Bernd";
    Auftrag(b, "Bernd, Giro", "Versicherung", 50.0, 0, 1, {115, 415, 715}).m_strKategorie = "Wohnen";
    Auftrag(b, "Bernd, Giro", "Verein", 5.0, 1, 1).m_nStatus = 0;
}

std::string Summen(const DauerAuftragsListe& l)
{
    return Format("%.2f/%.2f/%.2f", l.m_dEinnahmen, l.m_dAusgaben, l.m_dUmbuchungen);
}

std::vector<int> Nummern(const CBasis& b, const DauerAuftragsListe& l)
{
    std::vector<int> nummern;
    for (int index : l.m_arrZeilen)
        nummern.push_back(b.m_arrDauerAuftraege[static_cast<size_t>(index)]->m_nNr);
    return nummern;
}

// A year holds twelve monthly, 52 weekly and one execution per fixed date; codes that never fall due
// count once.
TEST(DauerAuftragsliste, JahresbetragJeZyklus)
{
    CBasis b;
    const struct
    {
        int zyklus;
        std::vector<int> termine;
        double erwartet;
    } faelle[] = {{1, {}, 1200.0},  {31, {}, 1200.0},      {34, {}, 1200.0}, {51, {}, 5200.0},
                  {57, {}, 5200.0}, {0, {1, 2, 3}, 300.0}, {0, {}, 0.0},     {40, {}, 100.0}};
    for (const auto& fall : faelle) {
        const CDauerAuftrag& a = Auftrag(b, "A", "B", 100.0, fall.zyklus, 1, fall.termine);
        EXPECT_EQ(fall.erwartet, Jahresbetrag(a)) << fall.zyklus;
    }
}

// On opening every order is listed in list order; totals take monthly, weekly and fixed-date orders by
// their yearly amount, a transfer only as a transfer. A deleted or inactive order is listed but counts
// no more; "Zeige Alles" leaves the deleted one out.
TEST(DauerAuftragsliste, OeffnenUndZeigeAlles)
{
    CBasis b;
    Auftraege(b);
    b.m_arrDauerAuftraege[1]->m_n48 = -1;
    DauerAuftragsListe liste(b);
    liste.RichteEin();
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5}), liste.m_arrZeilen);
    EXPECT_EQ("24000.00/150.00/1120.00", Summen(liste));
    EXPECT_TRUE(liste.Geloescht(1));
    EXPECT_EQ(1, liste.Icon(0));
    EXPECT_EQ(0, liste.Icon(5)) << "inactive";

    liste.ZeigeAlles();
    EXPECT_EQ((std::vector<int>{0, 2, 3, 4, 5}), liste.m_arrZeilen);
    EXPECT_EQ("24000.00/150.00/1120.00", Summen(liste));
}

// An order that ended before today stays listed, greyed and without the active mark, and counts no
// more, so that an old and a new rent are not both in the year. The end column names an order without
// an end; a click on it filters like any other cell.
TEST(DauerAuftragsliste, BeendeteAuftraegeZaehlenNicht)
{
    CBasis b;
    Auftraege(b);
    b.m_nHeute = 20090315;
    b.m_arrDauerAuftraege[1]->m_nEnde = 20090314;
    b.m_arrDauerAuftraege[4]->m_nEnde = 20090315;
    b.m_arrDauerAuftraege[0]->m_nEnde = kOffenesEnde;
    DauerAuftragsListe liste(b);
    liste.RichteEin();
    EXPECT_EQ("24000.00/150.00/1120.00", Summen(liste));
    EXPECT_EQ((std::vector<bool>{false, true, false, false, false, false}),
              (std::vector<bool>{liste.Beendet(0), liste.Beendet(1), liste.Beendet(2), liste.Beendet(3),
                                 liste.Beendet(4), liste.Beendet(5)}));
    EXPECT_EQ(0, liste.Icon(1));
    EXPECT_EQ(1, liste.Icon(4));
    EXPECT_EQ("unbefristet", liste.Zelle(0, kSpalteEnde));
    EXPECT_EQ("14. 3.2009", liste.Zelle(1, kSpalteEnde));
    b.m_nSprache = kEnglisch;
    EXPECT_EQ("open-ended", liste.Zelle(0, kSpalteEnde));
    liste.KlickeZelle(0, kSpalteEnde);
    EXPECT_EQ(std::vector<int>{0}, liste.m_arrZeilen);
}

// A click on a cell lists the orders with that entry and sums them by the column's rule: by the paying
// own account a transfer is an expense, by the receiving one income; by a beneficiary a transfer is
// income too. Amount and cycle text filter like the other columns.
TEST(DauerAuftragsliste, FilterNachZelle)
{
    const struct
    {
        int zeile;
        int spalte;
        const char* schluessel;
        std::vector<int> zeilen;
        const char* summen;
        bool konto;
    } faelle[] = {
        {2, kSpalteEmpfaenger, "Anna, Spar", {2}, "600.00/0.00/600.00", true},
        {2, kSpalteAuftraggeber, "Anna, Giro", {0, 1, 2, 3}, "24000.00/2320.00/1120.00", true},
        {3, kSpalteEmpfaenger, "Bernd, Giro", {3, 4, 5}, "520.00/150.00/520.00", true},
        {1, kSpalteEmpfaenger, "Vermieter", {1}, "0.00/1200.00/0.00", false},
        {3, kSpalteNutzniesser, "Bernd", {3}, "520.00/0.00/520.00", false},
        {1, kSpalteKategorie, "Wohnen", {1, 4}, "0.00/1350.00/0.00", false},
        {4, kSpalteBetrag, "50.00", {2, 4}, "0.00/150.00/600.00", false},
        {3, kSpalteAusfuehrung, "jeden Mittwoch", {3}, "0.00/0.00/520.00", false},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.schluessel);
        CBasis b;
        Auftraege(b);
        DauerAuftragsListe liste(b);
        liste.RichteEin();
        EXPECT_TRUE(liste.KlickeZelle(fall.zeile, fall.spalte));
        EXPECT_EQ(fall.schluessel, liste.m_strFilterText);
        EXPECT_EQ(fall.zeilen, liste.m_arrZeilen);
        EXPECT_EQ(fall.summen, Summen(liste));
        EXPECT_EQ(fall.konto, liste.SchluesselIstKonto());
    }
}

// The icon column filters nothing; a click outside the cells ends a filter; while an edit is open the
// filter is taken but the list waits for the refresh that follows the edit.
TEST(DauerAuftragsliste, FilterBeginnenUndBeenden)
{
    CBasis b;
    Auftraege(b);
    DauerAuftragsListe liste(b);
    liste.RichteEin();
    EXPECT_FALSE(liste.KlickeZelle(1, kSpalteKennung));
    EXPECT_EQ(6u, liste.m_arrZeilen.size());
    EXPECT_TRUE(liste.KlickeZelle(1, kSpalteEmpfaenger));
    EXPECT_TRUE(liste.KlickeZelle(0, kSpalteKennung));
    EXPECT_EQ(kSpalteEmpfaenger, liste.m_nFilterArt) << "the icon column leaves the filter as it is";
    EXPECT_FALSE(liste.KlickeZelle(-1, 0));
    EXPECT_EQ(0, liste.m_bFilter);
    EXPECT_EQ("", liste.m_strFilterText);
    EXPECT_EQ(6u, liste.m_arrZeilen.size());

    liste.m_bBearbeitung = 1;
    liste.KlickeZelle(1, kSpalteKategorie);
    EXPECT_EQ(6u, liste.m_arrZeilen.size());
    liste.Aktualisiere();
    EXPECT_EQ(0, liste.m_bBearbeitung);
    EXPECT_EQ((std::vector<int>{1, 4}), liste.m_arrZeilen);
}

// A header click sorts the whole order list, stably, first ascending; it shows every order and ends a
// filter. The comment and the execution columns reorder nothing.
TEST(DauerAuftragsliste, KopfSortiert)
{
    CBasis b;
    Auftraege(b);
    DauerAuftragsListe liste(b);
    liste.RichteEin();
    liste.KlickeZelle(1, kSpalteKategorie);
    liste.KlickeKopf(kSpalteBetrag);
    EXPECT_EQ((std::vector<int>{5, 3, 2, 4, 1, 0}), Nummern(b, liste));
    EXPECT_EQ(0, liste.m_bFilter);
    EXPECT_EQ("24000.00/1350.00/1120.00", Summen(liste));
    liste.KlickeKopf(kSpalteBetrag);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 4, 3, 5}), Nummern(b, liste)) << "equal amounts keep their order";
    liste.KlickeKopf(kSpalteAuftraggeber);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0, 4, 5}), Nummern(b, liste));
    for (int spalte : {kSpalteAusfuehrung, kSpalteKommentar, kSpalteKennung}) {
        liste.KlickeKopf(spalte);
        EXPECT_EQ((std::vector<int>{1, 2, 3, 0, 4, 5}), Nummern(b, liste)) << spalte;
    }
    EXPECT_EQ(0, liste.m_abAbsteigend[kNachDatum]) << "the execution header turns its direction over";
}

// Deleting stamps the order with the next deletion number and keeps it listed in grey, out of the
// totals; restoring brings it back; deleting for good removes it. Each lists anew without the mark.
TEST(DauerAuftragsliste, LoeschenWiederherstellenEntfernen)
{
    CBasis b;
    Auftraege(b);
    b.m_nLoeschNr = -3;
    DauerAuftragsListe liste(b);
    liste.RichteEin();
    liste.m_nMarkiert = 1;
    EXPECT_EQ(3, liste.Icon(1));
    liste.Loesche(1);
    EXPECT_EQ(-4, b.m_arrDauerAuftraege[1]->m_n48);
    EXPECT_EQ(-1, liste.m_nMarkiert);
    EXPECT_TRUE(liste.Geloescht(1));
    EXPECT_EQ("24000.00/150.00/1120.00", Summen(liste));
    liste.StelleWiederHer(1);
    EXPECT_EQ(1, b.m_arrDauerAuftraege[1]->m_n48);
    EXPECT_EQ("24000.00/1350.00/1120.00", Summen(liste));
    liste.LoescheEndgueltig(1);
    EXPECT_EQ((std::vector<int>{0, 2, 3, 4, 5}), Nummern(b, liste));
    liste.LoescheEndgueltig(17);
    EXPECT_EQ(5u, b.m_arrDauerAuftraege.size());
}

// Cells show the number and kind, the texts, the amount and the cycle text; the search marks cells of
// columns 1 to 8 in any letter case, umlauts included.
TEST(DauerAuftragsliste, ZellenUndSuche)
{
    CBasis b;
    Auftraege(b);
    b.m_arrDauerAuftraege[4]->m_strKommentar = "GEB\xDC"
                                               "HR";
    DauerAuftragsListe liste(b);
    liste.RichteEin();
    EXPECT_EQ("4-1", liste.Zelle(4, kSpalteKennung));
    EXPECT_EQ("50.00", liste.Zelle(4, kSpalteBetrag));
    EXPECT_EQ(" 5.00", liste.Zelle(5, kSpalteBetrag));
    EXPECT_EQ("Sondertermine", liste.Zelle(4, kSpalteAusfuehrung));
    EXPECT_EQ("", liste.Zelle(6, kSpalteBetrag));

    liste.SetzeSuche("geb\xFC");
    EXPECT_EQ(4, liste.ErsteTrefferZeile());
    EXPECT_TRUE(liste.ZelleTrifft(4, kSpalteKommentar));
    EXPECT_FALSE(liste.ZelleTrifft(4, kSpalteKategorie));
    liste.SetzeSuche("4-1");
    EXPECT_EQ(-1, liste.ErsteTrefferZeile()) << "column 0 is not searched";
    liste.SetzeSuche("");
    EXPECT_EQ(0, liste.ErsteTrefferZeile());
}

} // namespace
} // namespace velmora::test
