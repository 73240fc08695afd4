// The analyses window as the main window opens and refreshes it, on a data folder written in the real
// file formats.

#include "Bedienung.h"
#include "CVelmoraDlg.h"
#include "Haushalt.h"
#include "grafik.h"

#include <QAbstractButton>
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

} // namespace
} // namespace velmora::test
