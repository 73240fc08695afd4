#include "Vergleich.h"
#include "Hilfen.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

constexpr int kHeute = 20090315;

CInOut& Mit(CInOut& t, const char* nutzniesser, const char* kategorie, const char* ukategorie = "")
{
    t.m_strNutzniesser = nutzniesser;
    t.m_strKategorie = kategorie;
    t.m_strUKategorie = ukategorie;
    return t;
}

// Family Meier seen on 15 March 2009 with the categories Gehalt, Essen, Taschengeld, Wohnen (Strom, Miete)
// and Auto (Strom, Benzin), and the external accounts Arbeitgeber and Aldi.
struct Haushalt
{
    Haushalt()
    {
        FamilieMeier(basis);
        basis.m_strPfad = ordner.Pfad();
        basis.m_nHeute = kHeute;
        basis.m_nErsterMonat = 200801;
        NeuesZielKonto(basis, "Arbeitgeber");
        NeuesZielKonto(basis, "Aldi");
        for (const char* name : {"Gehalt", "Essen", "Taschengeld"})
            NeueKategorie(basis, name);
        for (const char* name : {"Wohnen", "Auto"})
            NeueKategorie(basis, name);
        for (const auto& [k, name] : {std::pair{3, "Strom"}, {3, "Miete"}, {4, "Strom"}, {4, "Benzin"}})
            basis.m_arrKategorien[k]->m_arrUKategorien.push_back(std::make_unique<CUKategorie>(CUKategorie{name}));
    }

    // The income and expenses of a month of the annual table for year A or B.
    std::pair<double, double> Monat(Periode p, int monat) const
    {
        const auto& t = vergleich.m_aJahrestabelle;
        return p == kPeriodeA ? std::pair{t[kEinnahmenA][monat], t[kAusgabenA][monat]}
                              : std::pair{t[kEinnahmenB][monat], t[kAusgabenB][monat]};
    }

    const CUKategorie& Eintrag(const std::string& name) const
    {
        for (const CUKategorie* e : vergleich.Monatseintraege()) {
            if (e->m_strName == name)
                return *e;
        }
        static const CUKategorie kFehlt{"<fehlt>"};
        return kFehlt;
    }

    TempOrdner ordner;
    CBasis basis;
    Vergleich vergleich{basis};
};

using Summen = std::array<double, 4>;

Summen SummenVon(const CUKategorie& e)
{
    return {e.m_dSumme1, e.m_dSumme2, e.m_dSumme3, e.m_dSumme4};
}

TEST(Vergleich, EineUmbuchungZaehltJeNachAuswahl)
{
    Haushalt h;
    CBasis& b = h.basis;
    Mit(NeueBuchung(b, "Arbeitgeber", "Anna, Giro", 2000.0, 20090301, 0), "Anna", "Gehalt");
    Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 12.5, 20090305, 1), "Familie", "Essen");
    Mit(NeueBuchung(b, "Anna, Giro", "Bernd, Giro", 50.0, 20090310, 2), "Bernd", "Taschengeld");
    Mit(NeueBuchung(b, "Arbeitgeber", "Bernd, Giro", 700.0, 20080320, 0), "Bernd", "Gehalt");
    h.vergleich.Beginne();

    const struct
    {
        int auswahl;
        const char* name;
        std::pair<double, double> maerzA; // income and expenses of March 2009
        std::pair<double, double> maerzB; // of March 2008
        Summen taschengeld;               // the category's sums of the two months
    } faelle[] = {
        {kAuswahlAlle, "", {2000.0, 12.5}, {700.0, 0.0}, {0, 0, 0, 0}},
        {kAuswahlFamilienKonto, "Anna, Giro", {2000.0, 62.5}, {0.0, 0.0}, {0, 50, 0, 0}},
        {kAuswahlFamilienKonto, "Bernd, Giro", {50.0, 0.0}, {700.0, 0.0}, {50, 0, 0, 0}},
        {kAuswahlFremdKonto, "Aldi", {0.0, 12.5}, {0.0, 0.0}, {0, 0, 0, 0}},
        {kAuswahlFremdKonto, "Arbeitgeber", {2000.0, 0.0}, {700.0, 0.0}, {0, 0, 0, 0}},
        {kAuswahlNutzniesser, "Bernd", {50.0, 0.0}, {700.0, 0.0}, {50, 0, 0, 0}},
        {kAuswahlNutzniesser, "Anna", {2000.0, 0.0}, {0.0, 0.0}, {0, 0, 0, 0}},
        {kAuswahlKategorie + 2, "", {0.0, 0.0}, {0.0, 0.0}, {0, 0, 0, 0}},
        {kAuswahlKategorie + 0, "", {2000.0, 0.0}, {700.0, 0.0}, {0, 0, 0, 0}},
    };
    for (const auto& fall : faelle) {
        h.vergleich.Waehle(fall.auswahl, fall.name);
        const std::string wo = std::to_string(fall.auswahl) + " " + fall.name;
        EXPECT_EQ(fall.maerzA, h.Monat(kPeriodeA, 3)) << wo;
        EXPECT_EQ(fall.maerzB, h.Monat(kPeriodeB, 3)) << wo;
        EXPECT_EQ(fall.maerzA.first - fall.maerzA.second, h.vergleich.m_aJahrestabelle[kDifferenzA][3]) << wo;
        EXPECT_EQ(fall.maerzB.first - fall.maerzB.second, h.vergleich.m_aJahrestabelle[kDifferenzB][3]) << wo;
        EXPECT_EQ(fall.maerzA.first, h.vergleich.Jahressumme(kEinnahmenA)) << wo;
        if (fall.auswahl < kAuswahlKategorie) {
            EXPECT_EQ(fall.taschengeld, SummenVon(h.Eintrag("Taschengeld"))) << wo;
        }
    }

    // Rows of the annual list: year B first, then year A, for each month.
    h.vergleich.Waehle(kAuswahlAlle);
    const Periodensumme b3 = h.vergleich.Jahreszeile(4);
    const Periodensumme a3 = h.vergleich.Jahreszeile(5);
    EXPECT_EQ(kPeriodeB, b3.periode);
    EXPECT_EQ(700.0, b3.dEinnahmen);
    EXPECT_EQ(kPeriodeA, a3.periode);
    EXPECT_EQ(12.5, a3.dAusgaben);

    EXPECT_EQ((std::vector<std::string>{"Anna, Giro", "Anna, Spar", "Bernd, Giro"}),
              Vergleichsnamen(b, kAuswahlFamilienKonto));
    EXPECT_EQ((std::vector<std::string>{"Arbeitgeber", "Aldi"}), Vergleichsnamen(b, kAuswahlFremdKonto));
    EXPECT_EQ((std::vector<std::string>{"Anna", "Bernd"}), Vergleichsnamen(b, kAuswahlNutzniesser));
    EXPECT_TRUE(Vergleichsnamen(b, kAuswahlKategorie).empty());
}

TEST(Vergleich, GeloeschteBuchungenZaehlenNie)
{
    Haushalt h;
    CBasis& b = h.basis;
    for (int status : {0, -1, -7, kEndgueltigGeloescht, kEndgueltigGeloescht - 1}) {
        Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 10.0, 20090305, 1, status), "Anna", "Wohnen", "Strom");
        Mit(NeueBuchung(b, "Arbeitgeber", "Anna, Giro", 10.0, 20080305, 0, status), "Anna", "Wohnen", "Strom");
        Mit(NeueBuchung(b, "Anna, Giro", "Bernd, Giro", 10.0, 20090305, 2, status), "Anna", "Wohnen", "Strom");
    }
    h.vergleich.Beginne();
    for (int auswahl :
         {int{kAuswahlAlle}, int{kAuswahlFamilienKonto}, int{kAuswahlNutzniesser}, kAuswahlKategorie + 3}) {
        h.vergleich.Waehle(auswahl, auswahl == kAuswahlNutzniesser ? "Anna" : "Anna, Giro");
        for (const auto& zeile : h.vergleich.m_aJahrestabelle) {
            for (double wert : zeile)
                EXPECT_EQ(0.0, wert) << auswahl;
        }
        for (const CUKategorie* e : h.vergleich.Monatseintraege())
            EXPECT_EQ((Summen{0, 0, 0, 0}), SummenVon(*e)) << auswahl << " " << e->m_strName;
        EXPECT_EQ(0.0, h.vergleich.Massstab()) << auswahl;
    }
}

TEST(Vergleich, DerMassstabKommtVonDerFamilieUndWaechstNurGegenUeberlauf)
{
    Haushalt h;
    CBasis& b = h.basis;
    Mit(NeueBuchung(b, "Arbeitgeber", "Anna, Giro", 2000.0, 20090301, 0), "Anna", "Gehalt");
    Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 300.0, 20090205, 1), "Anna", "Essen");
    Mit(NeueBuchung(b, "Arbeitgeber", "Anna, Giro", 5000.0, 20081101, 0), "Anna", "Gehalt");
    Mit(NeueBuchung(b, "Anna, Giro", "Anna, Spar", 1500.0, 20090302, 2), "Anna", "Sparen");
    Vergleich& v = h.vergleich;
    v.Beginne();
    EXPECT_EQ(5000.0, v.Massstab()) << "both years count while they differ";

    v.SetzePerioden(2009, 3, 2009, 3);
    EXPECT_EQ(2000.0, v.m_dMaximum) << "with the same year on both sides, year A alone";
    EXPECT_EQ(2000.0, v.Massstab());

    v.Waehle(kAuswahlFremdKonto, "Aldi");
    EXPECT_EQ(2000.0, v.Massstab()) << "another selection keeps the family's scale";
    v.SetzePerioden(2009, 3, 2008, 3);
    EXPECT_EQ(2000.0, v.m_dMaximum) << "and keeps it while the years change";
    EXPECT_EQ(2000.0, v.Massstab());

    // The transfer to the savings account is income of that account only; it would run past its column.
    v.SetzePerioden(2009, 3, 2009, 3);
    v.Waehle(kAuswahlFamilienKonto, "Anna, Spar");
    EXPECT_EQ(1500.0, v.m_aJahrestabelle[kEinnahmenA][3]);
    EXPECT_EQ(2000.0, v.Massstab());
    Mit(NeueBuchung(b, "Anna, Giro", "Anna, Spar", 4000.0, 20090303, 2), "Anna", "Sparen");
    v.BerechneJahre();
    EXPECT_EQ(5500.0, v.Massstab());
    EXPECT_EQ(2000.0, v.m_dMaximum) << "the kept maximum itself stays";
    v.Waehle(kAuswahlAlle);
    EXPECT_EQ(2000.0, v.Massstab()) << "the family leaves transfers out";
}

TEST(Vergleich, MonatssummenNachKategorieUndUnterKategorie)
{
    Haushalt h;
    CBasis& b = h.basis;
    Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 30.0, 20090301, 1), "Anna", "Wohnen", "Strom");
    Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 500.0, 20090331, 1), "Anna", "Wohnen", "Miete");
    Mit(NeueBuchung(b, "Aldi", "Anna, Giro", 10.0, 20090310, 0), "Anna", "Wohnen", "Strom");
    Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 20.0, 20090310, 1), "Anna", "Auto", "Strom");
    Mit(NeueBuchung(b, "Anna, Giro", "Bernd, Giro", 99.0, 20090311, 2), "Bernd", "Wohnen", "Miete");
    Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 25.0, 20080315, 1), "Anna", "Wohnen", "Strom");
    Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 77.0, 20090401, 1), "Anna", "Wohnen", "Strom");
    Mit(NeueBuchung(b, "Anna, Giro", "Aldi", 88.0, 20090228, 1), "Anna", "Wohnen", "Strom");
    Vergleich& v = h.vergleich;
    v.Beginne();

    ASSERT_EQ(5u, v.Monatseintraege().size());
    EXPECT_EQ((Summen{10, 530, 0, 25}), SummenVon(h.Eintrag("Wohnen")));
    EXPECT_EQ((Summen{0, 20, 0, 0}), SummenVon(h.Eintrag("Auto")));
    EXPECT_EQ((Summen{0, 0, 0, 0}), SummenVon(h.Eintrag("Gehalt")));

    v.Waehle(kAuswahlKategorie + 3);
    ASSERT_EQ(2u, v.Monatseintraege().size());
    EXPECT_EQ("Strom", v.Monatseintraege()[0]->m_strName);
    EXPECT_EQ((Summen{10, 30, 0, 25}), SummenVon(h.Eintrag("Strom"))) << "Auto's Strom is not Wohnen's";
    EXPECT_EQ((Summen{0, 500, 0, 0}), SummenVon(h.Eintrag("Miete"))) << "the transfer does not count";
    const Periodensumme b0 = Vergleich::Monatszeile(h.Eintrag("Strom"), 0);
    const Periodensumme a0 = Vergleich::Monatszeile(h.Eintrag("Strom"), 1);
    EXPECT_EQ(kPeriodeB, b0.periode);
    EXPECT_EQ(25.0, b0.dAusgaben);
    EXPECT_EQ(kPeriodeA, a0.periode);
    EXPECT_EQ(10.0, a0.dEinnahmen);

    // The same month on both sides fills both pairs of sums; a step to April shows only April.
    v.SetzePerioden(2009, 3, 2009, 3);
    EXPECT_EQ((Summen{10, 30, 10, 30}), SummenVon(h.Eintrag("Strom")));
    v.MonatZurueck(kPeriodeB);
    EXPECT_EQ((Summen{10, 30, 0, 88}), SummenVon(h.Eintrag("Strom")));

    v.Waehle(kAuswahlKategorie + 0);
    EXPECT_TRUE(v.Monatseintraege().empty()) << "a category without sub-categories has no rows";
}

TEST(Vergleich, DieNavigationHaeltBeimHeutigenMonat)
{
    Haushalt h;
    Mit(NeueBuchung(h.basis, "Arbeitgeber", "Anna, Giro", 100.0, 20080110, 0), "Anna", "Gehalt");
    Mit(NeueBuchung(h.basis, "Arbeitgeber", "Anna, Giro", 200.0, 20090110, 0), "Anna", "Gehalt");
    Mit(NeueBuchung(h.basis, "Arbeitgeber", "Anna, Giro", 400.0, 20071210, 0), "Anna", "Gehalt");
    Vergleich& v = h.vergleich;
    v.Beginne();
    const auto stand = [&v] {
        return std::array<int, 4>{v.m_anJahr[kPeriodeA], v.m_anMonat[kPeriodeA], v.m_anJahr[kPeriodeB],
                                  v.m_anMonat[kPeriodeB]};
    };
    const auto vorwaerts = [&v] {
        return std::array<bool, 5>{v.JahrVorMoeglich(kPeriodeA), v.JahrVorMoeglich(kPeriodeB), v.BeideVorMoeglich(),
                                   v.MonatVorMoeglich(kPeriodeA), v.MonatVorMoeglich(kPeriodeB)};
    };
    EXPECT_EQ((std::array<int, 4>{2009, 3, 2008, 3}), stand());
    EXPECT_EQ((std::array<bool, 5>{false, true, false, false, true}), vorwaerts());

    v.JahrVor(kPeriodeA);
    v.MonatVor(kPeriodeA);
    v.BeideVor();
    EXPECT_EQ((std::array<int, 4>{2009, 3, 2009, 3}), stand()) << "nothing passes March 2009";

    v.BeideZurueck();
    EXPECT_EQ((std::array<int, 4>{2008, 3, 2008, 3}), stand());
    EXPECT_EQ((std::array<bool, 5>{true, true, true, true, true}), vorwaerts());

    for (int i = 0; i < 8; ++i)
        v.MonatVor(kPeriodeA);
    EXPECT_EQ((std::array<int, 4>{2008, 11, 2008, 3}), stand());
    v.JahrVor(kPeriodeA);
    EXPECT_EQ((std::array<int, 4>{2009, 3, 2008, 3}), stand()) << "a later month is held at today's";
    EXPECT_EQ((std::array<bool, 5>{false, true, false, false, true}), vorwaerts());

    // A month step across New Year carries the year, and the annual table shows that year.
    for (int i = 0; i < 3; ++i)
        v.MonatZurueck(kPeriodeA);
    EXPECT_EQ((std::array<int, 4>{2008, 12, 2008, 3}), stand());
    EXPECT_EQ(100.0, v.m_aJahrestabelle[kEinnahmenA][1]);
    EXPECT_TRUE(v.JahrVorMoeglich(kPeriodeA));
    v.MonatVor(kPeriodeA);
    EXPECT_EQ((std::array<int, 4>{2009, 1, 2008, 3}), stand());
    EXPECT_EQ(200.0, v.m_aJahrestabelle[kEinnahmenA][1]);
    v.SetzePerioden(2009, 3, 2008, 1);
    v.MonatZurueck(kPeriodeB);
    EXPECT_EQ((std::array<int, 4>{2009, 3, 2007, 12}), stand());
    EXPECT_EQ(400.0, v.m_aJahrestabelle[kEinnahmenB][12]);

    v.SetzePerioden(2030, 12, 2009, 7);
    EXPECT_EQ((std::array<int, 4>{2009, 3, 2009, 3}), stand());
}

// The comparison reads the months it needs from the data folder: every year of the book at opening, and
// any year it is moved to.
TEST(Vergleich, LaedtDieMonateDerVerglichenenJahre)
{
    Haushalt geschrieben;
    CBasis& alt = geschrieben.basis;
    for (int datum : {20080110, 20050610, 20090305}) {
        Mit(NeueBuchung(alt, "Arbeitgeber", "Anna, Giro", datum % 10000 / 100, datum, 0), "Anna", "Gehalt");
        alt.MonatGeaendert(datum / 100);
    }
    ASSERT_EQ(0, alt.SpeichereMonate());

    CBasis neu;
    FamilieMeier(neu);
    neu.m_strPfad = geschrieben.ordner.Pfad();
    neu.m_nHeute = kHeute;
    neu.m_nErsterMonat = 200801;
    Vergleich v(neu);
    v.Beginne();
    EXPECT_EQ(3.0, v.m_aJahrestabelle[kEinnahmenA][3]);
    EXPECT_EQ(1.0, v.m_aJahrestabelle[kEinnahmenB][1]);
    EXPECT_EQ(2u, neu.m_arrInOut.size()) << "2005 lies before the book's first month";
    for (int i = 0; i < 3; ++i)
        v.JahrZurueck(kPeriodeB);
    EXPECT_EQ(2005, v.m_anJahr[kPeriodeB]);
    EXPECT_EQ(6.0, v.m_aJahrestabelle[kEinnahmenB][6]);
}

} // namespace
} // namespace velmora::test
