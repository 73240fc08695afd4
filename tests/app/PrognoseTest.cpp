#include "Prognose.h"
#include "Bedienung.h"
#include "CVelmoraDlg.h"
#include "Haushalt.h"
#include "KontostandModell.h"
#include "PrognoseModell.h"
#include "Start.h"
#include "Verlaufsbild.h"
#include "Vorschau.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// Anna's Giro starts at -12.50: the rent on the 15th, the salary on the 20th, a transfer to her cash on
// the 1st.
void FamilieMitAuftraegen(CBasis& basis)
{
    CFAMILY& familie = *basis.m_arrFamilien.front();
    familie.m_strName = "Meier";
    NeuesMitglied(familie, "Anna", {{"Giro", -12.5}, {"Bar", 100.0}});
    NeuesMitglied(familie, "Bernd", {{"Bar", 7.0}});
    const auto auftrag = [&basis](const char* zahler, const char* empfaenger, double betrag, int tag) {
        auto& a = *basis.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
        a.m_strAuftraggeber = zahler;
        a.m_strEmpfaenger = empfaenger;
        a.m_strKategorie = "Wohnen";
        a.m_dBetrag = betrag;
        a.m_nZyklus = tag;
        a.m_nStatus = 1;
        a.m_nBeginn = kHeute;
        a.m_nNr = static_cast<int>(basis.m_arrDauerAuftraege.size());
    };
    auftrag("Anna, Giro", "Vermieter", 700.0, 15);
    auftrag("Firma", "Anna, Giro", 650.0, 20);
    auftrag("Anna, Giro", "Anna, Bar", 30.0, 1);
}

struct Erwartet
{
    const char* kopf;
    const char* tipp;
};

// The month-end column in both languages: the forecast figures, coloured as the balances, the first day
// below zero in the tooltip, and the amounts whole in their columns.
TEST(Monatsende, SpalteInBeidenSprachen)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        Haushalt haushalt;
        haushalt.Schreibe(FamilieMitAuftraegen, sprache);
        CVelmoraDlg fenster(haushalt.Ordner(), {FesteUhr(kHeute, 1230), [sprache] { return sprache; }});
        fenster.show();
        auto* liste = Element<QTableView>(fenster, CVelmoraDlg::kKontostaende);
        QAbstractItemModel& modell = *liste->model();
        QAbstractItemModelTester pruefer(&modell, QAbstractItemModelTester::FailureReportingMode::Warning);
        const bool deutsch = sprache == kDeutsch;
        EXPECT_EQ(deutsch ? "Monatsende" : "Month end",
                  modell.headerData(KontostandModell::kMonatsende, Qt::Horizontal).toString().toStdString());
        const int farben[] = {fenster.Basis().m_aFarben[0], fenster.Basis().m_aFarben[1]};
        const struct
        {
            const char* betrag;
            bool negativ;
            const char* tipp;
        } zeilen[] = {{"-62.50", true, deutsch ? "Unter null ab 8.12.2026" : "Below zero from 12/ 8/2026"},
                      {"100.00", false, ""},
                      {" 7.00", false, ""}};
        ASSERT_EQ(3, modell.rowCount());
        for (int z = 0; z < 3; ++z) {
            const QModelIndex zelle = modell.index(z, KontostandModell::kMonatsende);
            EXPECT_EQ(zeilen[z].betrag, zelle.data().toString().toStdString()) << z;
            EXPECT_EQ(zeilen[z].tipp, zelle.data(Qt::ToolTipRole).toString().toStdString()) << z;
            EXPECT_EQ(QString::fromLatin1(zeilen[z].betrag).trimmed(), zelle.data(Qt::AccessibleTextRole).toString());
            const QColor farbe = zelle.data(Qt::ForegroundRole).value<QBrush>().color();
            EXPECT_EQ(farben[zeilen[z].negativ ? 1 : 0], farbe.red() | farbe.green() << 8 | farbe.blue() << 16) << z;
            for (int spalte : {KontostandModell::kBetrag, KontostandModell::kMonatsende})
                EXPECT_LE(static_cast<QAbstractItemView*>(liste)->sizeHintForColumn(spalte), liste->columnWidth(spalte))
                    << spalte;
        }
        int breite = 0;
        for (int spalte = 0; spalte < KontostandModell::kAnzahlSpalten; ++spalte)
            breite += liste->columnWidth(spalte);
        EXPECT_LE(breite, liste->viewport()->width());
    }
}

// A double click on Anna's Giro opens the forecast on it: the chart marks the data layer's lowest point
// below every other day, the list is the data layer's bookings, and both follow a change of the book.
TEST(Prognosefenster, ZeigtDieVorschauDerDatenschicht)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMitAuftraegen);
    CVelmoraDlg fenster(haushalt.Ordner(), {FesteUhr(kHeute, 1230), [] { return kDeutsch; }});
    fenster.show();
    auto* liste = Element<QTableView>(fenster, CVelmoraDlg::kKontostaende);
    const QRect zeile = liste->visualRect(liste->model()->index(0, KontostandModell::kName));
    // As a mouse does it: the first click, then the second that makes it a double click.
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    QApplication::processEvents();
    auto* prognose = fenster.findChild<Prognose*>();
    ASSERT_NE(nullptr, prognose);
    EXPECT_EQ("Anna, Giro", prognose->Gezeigt().strName);

    const auto pruefe = [&](const char* fall) {
        const Vorschau erwartet = ErstelleVorschau(fenster.Basis(), VorschauHorizont(kHeute));
        const Verlauf& giro = erwartet.konten[0];
        const Verlaufsbild& bild = prognose->Bild();
        EXPECT_EQ(giro.nTiefstDatum, bild.TiefstDatum()) << fall;
        EXPECT_EQ(giro.dTiefst, bild.Tiefst()) << fall;
        const Tagesstaende& tage = bild.Staende();
        for (size_t i = 0; i < tage.genau.size(); ++i)
            EXPECT_LE(bild.Punkt(static_cast<int>(i), tage.genau[i]).y(), bild.TiefsterPunkt().y()) << fall << i;
        auto* ansicht = Element<QTableView>(*prognose, Prognose::kListe);
        QAbstractItemModel& modell = *ansicht->model();
        ASSERT_EQ(giro.buchungen.size(), static_cast<size_t>(modell.rowCount())) << fall;
        for (int z = 0; z < modell.rowCount(); ++z) {
            const VorschauBuchung& b = giro.buchungen[static_cast<size_t>(z)];
            EXPECT_EQ(QString::number(b.dBetrag, 'f', 2), modell.index(z, PrognoseModell::kBetrag).data().toString());
            EXPECT_EQ(QString::number(b.dStand, 'f', 2),
                      modell.index(z, PrognoseModell::kStand).data().toString().trimmed());
        }
    };
    pruefe("opened");
    QAbstractItemModelTester pruefer(Element<QTableView>(*prognose, Prognose::kListe)->model(),
                                     QAbstractItemModelTester::FailureReportingMode::Warning);

    fenster.Basis().m_arrDauerAuftraege[1]->m_dBetrag = 500.0;
    fenster.Benachrichtige(kDatenGeaendert, 0);
    pruefe("after a change");
    EXPECT_EQ("-212.50", liste->model()->index(0, KontostandModell::kMonatsende).data().toString().toStdString());

    prognose->WaehleKonto(-1);
    EXPECT_EQ("Meier", prognose->Gezeigt().strName);
}

} // namespace
} // namespace velmora::test
