// The standing orders through the main window: its button opens the list, the list asks the hub for the
// entry window, the stored order reaches the list and, after "Ende", the files.

#include "Auftragsentwurf.h"
#include "Bedienung.h"
#include "Befehle.h"
#include "CVelmoraDlg.h"
#include "Dauerauftrag.h"
#include "Haushalt.h"
#include "InOut.h"
#include "Json.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <sstream>

namespace velmora::test {
namespace {

Startumgebung Umgebung()
{
    return {FesteUhr(kHeute, 1230), [] { return kDeutsch; }};
}

void Familie(CBasis& basis)
{
    basis.m_arrFamilien.front()->m_strName = "Meier";
    NeuesMitglied(*basis.m_arrFamilien.front(), "Anna", {{"Giro", 1000.0}});
    auto vermieter = std::make_unique<CZIELKONTO>();
    vermieter->m_strName = "Vermieter";
    vermieter->m_bGebucht = 1;
    basis.m_arrZielKonten.push_back(std::move(vermieter));
}

void WaehleZeile(QWidget& fenster, int id, int zeile)
{
    auto* liste = Element<QComboBox>(fenster, id);
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_Home);
    for (int i = 0; i < zeile; ++i)
        QTest::keyClick(liste, Qt::Key_Down);
}

TEST(Dauerauftraege, KnopfOeffnetUndSchliesstDieListe)
{
    Haushalt haushalt;
    haushalt.Schreibe(Familie);
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    auto* knopf = Element<QAbstractButton>(fenster, CVelmoraDlg::kDauerAuftraege);
    ASSERT_TRUE(knopf->isEnabled());
    QTest::mouseClick(knopf, Qt::LeftButton);
    QPointer<Dauerauftrag> liste = fenster.findChild<Dauerauftrag*>();
    ASSERT_FALSE(liste.isNull());
    EXPECT_TRUE(liste->isVisible());
    QTest::mouseClick(knopf, Qt::LeftButton);
    RaeumeAuf();
    EXPECT_TRUE(liste.isNull());
}

// "Neuer Dauer-Auftrag" opens the entry window on a new order; its commit books the date that has
// fallen due, the list shows the order at once, and "Ende" writes both, as velmora-cli dump shows.
TEST(Dauerauftraege, VonDerListeBisInDieDateien)
{
    Haushalt haushalt;
    haushalt.Schreibe(Familie);
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    Klicke(fenster, CVelmoraDlg::kDauerAuftraege);
    Dauerauftrag* liste = fenster.findChild<Dauerauftrag*>();
    ASSERT_NE(nullptr, liste);
    EXPECT_EQ(0, Element<QTableView>(*liste, Dauerauftrag::kListe)->model()->rowCount());
    Klicke(*liste, Dauerauftrag::kNeu);
    InOut* eingabe = fenster.findChild<InOut*>();
    ASSERT_NE(nullptr, eingabe);
    EXPECT_EQ(2, eingabe->DauerAuftragsModus());

    ASSERT_TRUE(KlickeZeile(Element<QTableView>(*eingabe, InOut::kZahler), QStringLiteral("Anna, Giro")));
    ASSERT_TRUE(KlickeZeile(Element<QTableView>(*eingabe, InOut::kEmpfaenger), QStringLiteral("Vermieter")));
    Tippe(*eingabe, InOut::kBetrag, QStringLiteral("750"));
    Tippe(*eingabe, InOut::kKommentar, QStringLiteral("Miete"));
    Element<QDateEdit>(*eingabe, 1054)->setDate(QDate(2026, 11, 8));
    WaehleZeile(*eingabe, 1057, 10);
    WaehleZeile(*eingabe, 1058, 14);
    Klicke(*eingabe, 1055);
    WaehleZeile(*eingabe, 1057, 11);
    WaehleZeile(*eingabe, 1058, 23);
    Klicke(*eingabe, 1055);
    Klicke(*eingabe, 3);
    RaeumeAuf();
    EXPECT_EQ(nullptr, fenster.findChild<InOut*>());
    QAbstractItemModel* zeilen = Element<QTableView>(*liste, Dauerauftrag::kListe)->model();
    ASSERT_EQ(1, zeilen->rowCount()) << "the list refreshed when the entry window closed";
    EXPECT_EQ(QStringLiteral("750.00"), zeilen->index(0, 7).data().toString());

    QTest::mouseClick(Element<QAbstractButton>(fenster, CVelmoraDlg::kEnde), Qt::LeftButton);
    std::ostringstream aus, fehler;
    ASSERT_EQ(0, cli::FuehreAus({"dump", haushalt.Ordner(), "--today", "20261208", "--all-months"}, aus, fehler))
        << fehler.str();
    const Json dump = Json::parse(aus.str());
    ASSERT_EQ(1u, dump["m_arrDauerAuftraege"].size());
    const Json termin = {{"m_strTermin1", "15."},
                         {"m_strTermin2", "November"},
                         {"m_nTermin0C", 0},
                         {"m_strTermin3", ""},
                         {"m_nMonatTag", 1115}};
    const Json erwartet = {{"m_strAuftraggeber", "Anna, Giro"},
                           {"m_strEmpfaenger", "Vermieter"},
                           {"m_strNutzniesser", "Alle"},
                           {"m_strKategorie", ""},
                           {"m_strUKategorie", ""},
                           {"m_strKommentar", "Miete"},
                           {"m_strZyklus", "Sondertermine"},
                           {"m_dBetrag", 750.0},
                           {"m_nArt", 1},
                           {"m_nZyklus", 0},
                           {"m_nStatus", 1},
                           {"m_nBeginn", 20261108},
                           {"m_nEnde", kOffenesEnde},
                           {"m_n3C", 1},
                           {"m_n40", 0},
                           {"m_nNr", 0},
                           {"m_n48", 1},
                           {"m_arrTermine", Json::array({termin,
                                                         {{"m_strTermin1", "24."},
                                                          {"m_strTermin2", "Dezember"},
                                                          {"m_nTermin0C", 0},
                                                          {"m_strTermin3", ""},
                                                          {"m_nMonatTag", 1224}}})}};
    EXPECT_EQ(erwartet.dump(1), dump["m_arrDauerAuftraege"][0].dump(1));
    std::vector<std::pair<int, int>> gebucht;
    for (const Json& t : dump["m_arrInOut"]) {
        if (t["m_nDauerAuftragNr"] == 0)
            gebucht.push_back({t["m_nDatum"].get<int>(), static_cast<int>(t["m_dBetrag"].get<double>())});
    }
    EXPECT_EQ((std::vector<std::pair<int, int>>{{20261115, 750}}), gebucht);
    EXPECT_EQ(250.0, dump["m_arrFamilien"][0]["m_arrPersonen"][0]["m_arrKonten"][0]["m_dStand"].get<double>());
}

// A change reported by any window lists the orders anew, so that an order the settings removed along
// with its account is no longer offered for a command.
TEST(Dauerauftraege, DatenGeaendertFrischtDieListeAuf)
{
    Haushalt haushalt;
    haushalt.Schreibe([](CBasis& basis) {
        Familie(basis);
        basis.m_arrDauerAuftraege.push_back(std::make_unique<CDauerAuftrag>());
    });
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    Klicke(fenster, CVelmoraDlg::kDauerAuftraege);
    auto* liste = Element<QTableView>(*fenster.findChild<Dauerauftrag*>(), Dauerauftrag::kListe);
    ASSERT_EQ(1, liste->model()->rowCount());
    fenster.Basis().m_arrDauerAuftraege.clear();
    fenster.Benachrichtige(kDatenGeaendert, 0);
    EXPECT_EQ(0, liste->model()->rowCount());
    fenster.Basis().m_arrDauerAuftraege.push_back(std::make_unique<CDauerAuftrag>());
    fenster.Benachrichtige(kAktualisiereDauerAuftraege, 0);
    EXPECT_EQ(1, liste->model()->rowCount());
}

} // namespace
} // namespace velmora::test
