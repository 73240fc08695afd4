// The working windows together as a user has them open side by side: the standing-order list, the
// overview and the one entry window they both edit in.

#include "Auftragsentwurf.h"
#include "Bedienung.h"
#include "Buchung.h"
#include "CVelmoraDlg.h"
#include "Dauerauftrag.h"
#include "EintragBearbeiten.h"
#include "Fremdkontenverwaltung.h"
#include "Haushalt.h"
#include "InOut.h"
#include "Overview.h"

#include <QDateEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace velmora::test {
namespace {

// Meier with Anna's Giro account, a monthly rent order of 700 to Vermieter from January, and 42 paid to
// Vermieter by hand on 5 December.
void MeierMitMietauftrag(CBasis& basis)
{
    CFAMILY& familie = *basis.m_arrFamilien.front();
    familie.m_strName = "Meier";
    NeuesMitglied(familie, "Anna", {{"Giro", 1000.0}});
    ErstelleFremdKonto(basis, "Vermieter");
    CDauerAuftrag& miete = *basis.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
    miete.m_strAuftraggeber = "Anna, Giro";
    miete.m_strEmpfaenger = "Vermieter";
    miete.m_strNutzniesser = "Alle";
    miete.m_strKommentar = "Miete";
    miete.m_dBetrag = 700.0;
    miete.m_nArt = 1;
    miete.m_nZyklus = 1;
    miete.m_strZyklus = ZyklusBeschreibung(1, true);
    miete.m_nStatus = 1;
    miete.m_nBeginn = 20260101;
    BucheNeu(basis, {"Anna, Giro", "Vermieter", "Anna", "", "", "Nebenkosten", 42.0, 20261205});
}

// Right-clicks a cell of a list and answers the pop-up with "edit".
void BearbeiteZeile(QTableView* liste, int zeile, int spalte)
{
    EintragBearbeiten::SetzeAntwort([](EintragBearbeiten&) { return EintragBearbeiten::kBearbeiten; });
    const QModelIndex zelle = liste->model()->index(zeile, spalte);
    QTest::mouseClick(liste->viewport(), Qt::RightButton, {}, liste->visualRect(zelle).center());
    EintragBearbeiten::SetzeAntwort({});
}

// The main window with the standing-order list and the overview open side by side.
class Zusammenspiel : public ::testing::Test
{
protected:
    Zusammenspiel()
    {
        haushalt.Schreibe(MeierMitMietauftrag);
        hauptfenster = std::make_unique<CVelmoraDlg>(haushalt.Ordner(),
                                                     Startumgebung{FesteUhr(kHeute, 1230), [] { return kDeutsch; }});
        Klicke(*hauptfenster, CVelmoraDlg::kDauerAuftraege);
        Klicke(*hauptfenster, CVelmoraDlg::kUebersicht);
        auftraege = hauptfenster->findChild<Dauerauftrag*>();
        uebersicht = hauptfenster->Uebersicht();
    }

    Haushalt haushalt;
    std::unique_ptr<CVelmoraDlg> hauptfenster;
    Dauerauftrag* auftraege = nullptr;
    Overview* uebersicht = nullptr;
};

// The entry window holds the entry asked for last. A transaction edited from the overview while the
// window still shows a standing order from the list takes its place wholly: the order's panel closes, the
// list ends its edit, and the commit changes that transaction and leaves the order as it was.
TEST_F(Zusammenspiel, EineTransaktionLoestDenOffenenDauerauftragAb)
{
    ASSERT_TRUE(auftraege && uebersicht);
    CVelmoraDlg& fenster = *hauptfenster;
    CBasis& basis = fenster.Basis();
    const size_t transaktionen = basis.m_arrInOut.size();

    BearbeiteZeile(Element<QTableView>(*auftraege, Dauerauftrag::kListe), 0, 1);
    InOut* eingabe = fenster.findChild<InOut*>();
    ASSERT_NE(nullptr, eingabe);
    ASSERT_EQ(1, eingabe->DauerAuftragsModus());
    const int hoehe = eingabe->height();
    EXPECT_EQ(1, auftraege->Liste().m_bBearbeitung);

    ASSERT_EQ(1, uebersicht->Liste().m_nZeilen);
    const int nebenkosten = uebersicht->Liste().TransaktionDerZeile(0)->m_nIndex;
    BearbeiteZeile(Element<QTableView>(*uebersicht, Overview::kListe), 0, 2);
    EXPECT_EQ(eingabe, fenster.findChild<InOut*>());
    EXPECT_EQ(0, eingabe->DauerAuftragsModus());
    EXPECT_EQ(nebenkosten, eingabe->Bearbeitet());
    EXPECT_EQ("Eintrag bearbeiten", eingabe->Kopfzeile().toStdString());
    EXPECT_FALSE(Sichtbar(*eingabe, InOut::kDauerAuftragRahmen));
    EXPECT_TRUE(Element<QDateEdit>(*eingabe, InOut::kDatum)->isEnabled());
    EXPECT_LT(eingabe->height(), hoehe) << "the window gives the panel's room back";
    EXPECT_EQ(0, auftraege->Liste().m_bBearbeitung) << "the list's edit has ended";

    Tippe(*eingabe, InOut::kBetrag, QStringLiteral("45"));
    Klicke(*eingabe, InOut::kUebernehmen);
    RaeumeAuf();
    EXPECT_EQ(nullptr, fenster.findChild<InOut*>());
    EXPECT_EQ(transaktionen, basis.m_arrInOut.size()) << "no order was stored and run";
    EXPECT_EQ(45.0, uebersicht->Liste().TransaktionDerZeile(0)->m_dBetrag);
    const CDauerAuftrag& miete = *basis.m_arrDauerAuftraege.front();
    EXPECT_EQ("Vermieter", miete.m_strEmpfaenger);
    EXPECT_EQ(700.0, miete.m_dBetrag);
    EXPECT_EQ(20260101, miete.m_nBeginn);
}

// The other way round: a standing order from the list takes the place of a transaction edited from the
// overview, and the overview's edit ends with it, so its clicks sort and filter again.
TEST_F(Zusammenspiel, EinDauerauftragLoestDieOffeneTransaktionAb)
{
    ASSERT_TRUE(auftraege && uebersicht);
    BearbeiteZeile(Element<QTableView>(*uebersicht, Overview::kListe), 0, 2);
    InOut* eingabe = hauptfenster->findChild<InOut*>();
    ASSERT_NE(nullptr, eingabe);
    ASSERT_GE(eingabe->Bearbeitet(), 0);
    EXPECT_EQ(1, uebersicht->Liste().m_bBearbeitung);

    BearbeiteZeile(Element<QTableView>(*auftraege, Dauerauftrag::kListe), 0, 1);
    EXPECT_EQ(1, eingabe->DauerAuftragsModus());
    EXPECT_EQ(-1, eingabe->Bearbeitet());
    EXPECT_EQ(0, uebersicht->Liste().m_bBearbeitung) << "the overview's edit has ended";
}

} // namespace
} // namespace velmora::test
