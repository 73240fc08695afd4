// The analyses window as the main window opens and refreshes it, on a data folder written in the real
// file formats.

#include "Bedienung.h"
#include "Buchung.h"
#include "CVelmoraDlg.h"
#include "Fremdkontenverwaltung.h"
#include "Haushalt.h"
#include "Kategorienverwaltung.h"
#include "Overview.h"
#include "Vergleichsliste.h"
#include "grafik.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// Meier with Anna's Giro account and the category Wohnen, which took 30 in December 2025 and 20 in
// December 2026, each in its monthly file.
void MeierMitMiete(CBasis& basis)
{
    CFAMILY& familie = *basis.m_arrFamilien.front();
    familie.m_strName = "Meier";
    NeuesMitglied(familie, "Anna", {{"Giro", 100.0}});
    basis.m_arrKategorien.emplace_back(std::make_unique<CKategorie>())->m_strName = "Wohnen";
    for (const auto& [datum, betrag] : {std::pair{20251203, 30.0}, {20261203, 20.0}}) {
        CInOut& t = basis.NeueTransaktion();
        t = {"Anna, Giro", "Vermieter", "Anna", "Wohnen", "", "", 1, betrag, datum, t.m_nIndex, 1};
        basis.MonatGeaendert(datum / 100);
    }
}

TEST(Auswertung, DasHauptfensterOeffnetSieUndLaesstSieNachJederAenderungNeuRechnen)
{
    Haushalt haushalt;
    haushalt.Schreibe(MeierMitMiete);
    CVelmoraDlg fenster(haushalt.Ordner(), {FesteUhr(kHeute, 1230), [] { return kDeutsch; }});
    auto* knopf = Element<QAbstractButton>(fenster, CVelmoraDlg::kAuswertung);
    ASSERT_TRUE(knopf->isEnabled());
    QTest::mouseClick(knopf, Qt::LeftButton);
    QPointer<grafik> offen = fenster.findChild<grafik*>();
    ASSERT_FALSE(offen.isNull());
    EXPECT_EQ(20.0, offen->Stand().m_aJahrestabelle[kAusgabenA][12]);
    EXPECT_EQ(30.0, offen->Stand().m_aJahrestabelle[kAusgabenB][12]) << "last year's month is read from its file";

    CBasis& basis = fenster.Basis();
    CInOut& t = basis.NeueTransaktion();
    t = {"Anna, Giro", "Vermieter", "Anna", "Wohnen", "", "", 1, 5.0, kHeute, t.m_nIndex, 1};
    basis.BucheTransaktion(t);
    fenster.Benachrichtige(kDatenGeaendert, 0);
    EXPECT_EQ(25.0, offen->Stand().m_aJahrestabelle[kAusgabenA][12]);
    EXPECT_EQ(25.0, basis.m_arrKategorien.front()->m_dSumme2) << "the monthly comparison too";

    QTest::mouseClick(knopf, Qt::LeftButton);
    RaeumeAuf();
    EXPECT_TRUE(offen.isNull()) << "a second press closes it";

    QTest::mouseClick(knopf, Qt::LeftButton);
    offen = fenster.findChild<grafik*>();
    ASSERT_FALSE(offen.isNull());
    QTest::keyClick(offen, Qt::Key_Escape);
    RaeumeAuf();
    EXPECT_TRUE(offen.isNull()) << "Escape closes it";
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_NE(nullptr, fenster.findChild<grafik*>()) << "and the button opens it again";
}

// Meier on 8 December 2026, Anna and Bernd with a Giro account each. Wohnen (Miete, Sonstiges) and Auto
// share the sub-category name Sonstiges; December 2026 holds salary, rent, a refund and one purchase of
// each Sonstiges, December 2025 last year's rent.
void MeierMitZweimalSonstiges(CBasis& basis)
{
    CFAMILY& familie = *basis.m_arrFamilien.front();
    familie.m_strName = "Meier";
    NeuesMitglied(familie, "Anna", {{"Giro", 100.0}});
    NeuesMitglied(familie, "Bernd", {{"Giro", 100.0}});
    for (const char* name : {"Arbeitgeber", "Vermieter", "Baumarkt", "Werkstatt"})
        ErstelleFremdKonto(basis, name);
    for (const char* name : {"Wohnen", "Auto", "Gehalt"})
        ErstelleKategorie(basis, name);
    ErstelleUKategorie(basis, 0, "Miete");
    ErstelleUKategorie(basis, 0, "Sonstiges");
    ErstelleUKategorie(basis, 1, "Sonstiges");
    const Buchungseingabe buchungen[] = {
        {"Arbeitgeber", "Anna, Giro", "Anna", "Gehalt", "", "", 2000.0, 20261201},
        {"Anna, Giro", "Vermieter", "Anna", "Wohnen", "Miete", "", 700.0, 20261201},
        {"Anna, Giro", "Baumarkt", "Anna", "Wohnen", "Sonstiges", "Farbe", 30.0, 20261203},
        {"Bernd, Giro", "Werkstatt", "Bernd", "Auto", "Sonstiges", "", 50.0, 20261204},
        {"Vermieter", "Anna, Giro", "Anna", "Wohnen", "Sonstiges", "Nebenkosten", 12.5, 20261205},
        {"Anna, Giro", "Vermieter", "Anna", "Wohnen", "Miete", "", 650.0, 20251201},
    };
    for (const Buchungseingabe& b : buchungen)
        BucheNeu(basis, b);
}

// The first row of the monthly list that belongs to the named category or sub-category (month B).
int ZeileVon(QTableView* liste, const QString& name)
{
    for (int zeile = 0; zeile < liste->model()->rowCount(); zeile += 2) {
        if (liste->model()->index(zeile, 0).data().toString().trimmed() == name)
            return zeile;
    }
    return -1;
}

// A click on a row of the monthly comparison opens the real overview on that month and that category,
// or that sub-category of the chosen category: the rows, the caption and the totals agree with the row.
TEST(Auswertung, EinZeilenklickZeigtGenauDieZeileInDerUebersicht)
{
    Haushalt haushalt;
    haushalt.Schreibe(MeierMitZweimalSonstiges);
    CVelmoraDlg fenster(haushalt.Ordner(), {FesteUhr(kHeute, 1230), [] { return kDeutsch; }});
    Klicke(fenster, CVelmoraDlg::kAuswertung);
    grafik* auswertung = fenster.findChild<grafik*>();
    ASSERT_NE(nullptr, auswertung);
    auto* monate = Element<QTableView>(*auswertung, grafik::kMonatsListe);

    struct Fall
    {
        QString auswahl; // row of the selection box; empty: everything
        QString eintrag; // the row's category or sub-category
        int periode;     // 1 month A (December 2026), 0 month B (December 2025)
        int von, bis;
        std::vector<double> betraege; // the overview's rows, newest first
        QString titel, schluessel;
    };
    const Fall faelle[] = {
        {{}, "Wohnen", 1, 20261201, 20261231, {12.5, 30.0, 700.0}, "Kategorie", "Wohnen"},
        {{}, "Wohnen", 0, 20251201, 20251231, {650.0}, "Kategorie", "Wohnen"},
        {"Kategorie: Wohnen", "Sonstiges", 1, 20261201, 20261231, {12.5, 30.0}, "Unter-Kategorie", "Wohnen: Sonstiges"},
        {"Kategorie: Auto", "Sonstiges", 1, 20261201, 20261231, {50.0}, "Unter-Kategorie", "Auto: Sonstiges"},
    };
    for (const Fall& f : faelle) {
        auto* auswahl = Element<QComboBox>(*auswertung, grafik::kAuswahl);
        auswahl->setCurrentIndex(f.auswahl.isEmpty() ? 0 : auswahl->findText(f.auswahl));
        const int zeile = ZeileVon(monate, f.eintrag) + f.periode;
        ASSERT_GE(zeile, f.periode) << f.eintrag.toStdString();
        const QModelIndex index = monate->model()->index(zeile, 0);
        const double einnahmen = index.data(Vergleichsliste::kEinnahmenRolle).toDouble();
        const double ausgaben = index.data(Vergleichsliste::kAusgabenRolle).toDouble();
        KlickeZeile(monate, zeile);

        Overview* uebersicht = fenster.Uebersicht();
        ASSERT_NE(nullptr, uebersicht) << f.eintrag.toStdString();
        const std::string fall = f.auswahl.toStdString() + " " + f.eintrag.toStdString();
        EXPECT_EQ(f.von, fenster.Basis().m_nVonDatum) << fall;
        EXPECT_EQ(f.bis, fenster.Basis().m_nBisDatum) << fall;
        const OverviewListing& liste = uebersicht->Liste();
        std::vector<double> betraege;
        for (int z = 0; z < liste.m_nZeilen; ++z)
            betraege.push_back(liste.TransaktionDerZeile(z)->m_dBetrag);
        EXPECT_EQ(f.betraege, betraege) << fall;
        EXPECT_EQ(liste.m_nZeilen, Element<QTableView>(*uebersicht, Overview::kListe)->model()->rowCount()) << fall;
        EXPECT_DOUBLE_EQ(einnahmen, liste.m_dEinnahmen) << fall;
        EXPECT_DOUBLE_EQ(ausgaben, liste.m_dAusgaben) << fall;
        const QStringList gemalt = uebersicht->GemalteTexte();
        EXPECT_EQ(f.titel.toStdString(), gemalt.value(2).toStdString()) << fall;
        EXPECT_EQ(f.schluessel.toStdString(), gemalt.value(3).toStdString()) << fall;
        EXPECT_TRUE(Sichtbar(*uebersicht, Overview::kGesamt)) << fall;
    }
}

} // namespace
} // namespace velmora::test
