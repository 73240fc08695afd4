// The overview window driven as a person drives it: opening, sorting, filtering, searching and the
// commands of the right-click pop-up.

#include "Bedienung.h"
#include "Buchung.h"
#include "Meldung.h"
#include "Uebersichtshaushalt.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <gtest/gtest.h>

#include <utility>

namespace velmora::test {
namespace {

using Texte = std::vector<QString>;

// The first opening of a run lists the first of the month to today, newest first; the range then stays
// in the store for the next opening.
TEST(Uebersicht, ErstesOeffnenZeigtDenMonatNeuesteZuerst)
{
    Uebersichtshaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    TestHub hub;
    {
        Uebersichtsfenster fenster(basis, hub);
        QAbstractItemModelTester pruefer(fenster.Tabelle().model(),
                                         QAbstractItemModelTester::FailureReportingMode::Warning);
        EXPECT_EQ(QDate(2024, 3, 1), Element<QDateEdit>(*fenster, Overview::kVon)->date());
        EXPECT_EQ(QDate(2024, 3, 15), Element<QDateEdit>(*fenster, Overview::kBis)->date());
        EXPECT_EQ((Texte{"14. 3.2024", "12. 3.2024", "10. 3.2024", " 5. 3.2024", " 1. 3.2024"}), fenster.Spalte(8));
        EXPECT_EQ(QStringLiteral("5"), TextIn(*fenster, Overview::kZeilen));
        EXPECT_EQ(QStringLiteral("Übersicht Familie Meier"), fenster->windowTitle());
        EXPECT_FALSE(Sichtbar(*fenster, Overview::kGesamt));
        auto* auswahl = Element<QComboBox>(*fenster, Overview::kAuswahl);
        EXPECT_EQ(1, auswahl->currentIndex());
        EXPECT_EQ(QStringLiteral("Bernd"), auswahl->itemText(3));
        Klicke(*fenster, Overview::kAktuellesJahr);
        EXPECT_EQ(6, fenster->Liste().m_nZeilen);
    }
    Uebersichtsfenster zweites(basis, hub);
    EXPECT_EQ(QDate(2024, 1, 1), Element<QDateEdit>(*zweites, Overview::kVon)->date());
    EXPECT_EQ(QStringLiteral("20.2.2024"), zweites.Spalte(8).back().remove(QLatin1Char(' ')));
}

// A header click toggles that column's direction and sorts the whole store; the first click on "Datum"
// after opening puts the oldest first. The icon and comment columns do not sort, and nothing sorts while
// an edit from this window is open.
TEST(Uebersicht, KopfklickSortiertAbwechselnd)
{
    Uebersichtshaushalt haushalt;
    TestHub hub;
    Uebersichtsfenster fenster(haushalt.Basis(), hub);
    const Texte neuesteZuerst = fenster.Spalte(8);
    fenster.KlickeKopf(8);
    EXPECT_EQ(Texte(neuesteZuerst.rbegin(), neuesteZuerst.rend()), fenster.Spalte(8));
    EXPECT_EQ(20240220, haushalt.Basis().m_arrInOut.front()->m_nDatum) << "the month outside the range moves too";
    fenster.KlickeKopf(8);
    EXPECT_EQ(neuesteZuerst, fenster.Spalte(8));
    fenster.KlickeKopf(7);
    EXPECT_EQ((Texte{" 7.25", "12.50", "50.00", "100.00", "2000.00"}), fenster.Spalte(7));
    for (int spalte : {0, 6}) {
        fenster.KlickeKopf(spalte);
        EXPECT_EQ(QStringLiteral(" 7.25"), fenster.Spalte(7).front()) << spalte;
    }
    fenster.wahl = 1;
    fenster.KlickeZelle(0, 1, true);
    fenster.KlickeKopf(7);
    EXPECT_EQ(QStringLiteral(" 7.25"), fenster.Spalte(7).front()) << "an edit is open";
    fenster->Aktualisiere();
    EXPECT_EQ(neuesteZuerst, fenster.Spalte(8));
}

// A click into a cell filters by its text, "Gesamt" lifts the filter; a click beside the cells lifts it
// as well. The filter caption and its key are painted.
TEST(Uebersicht, ZellklickFiltertUndGesamtHebtAuf)
{
    Uebersichtshaushalt haushalt;
    TestHub hub;
    Uebersichtsfenster fenster(haushalt.Basis(), hub);
    fenster.KlickeZelle(0, 4);
    EXPECT_EQ((Texte{"Lebensmittel", "Lebensmittel"}), fenster.Spalte(4));
    EXPECT_TRUE(Sichtbar(*fenster, Overview::kGesamt));
    EXPECT_EQ(0, Element<QComboBox>(*fenster, Overview::kAuswahl)->currentIndex());
    EXPECT_EQ(QStringLiteral("Kategorie"), fenster->GemalteTexte()[2]);
    EXPECT_EQ(QStringLiteral("Lebensmittel"), fenster->GemalteTexte()[3]);

    Klicke(*fenster, Overview::kGesamt);
    EXPECT_EQ(5u, fenster.Spalte(4).size());
    EXPECT_FALSE(Sichtbar(*fenster, Overview::kGesamt));
    EXPECT_EQ(1, Element<QComboBox>(*fenster, Overview::kAuswahl)->currentIndex());
    EXPECT_EQ(QStringLiteral("Gesamt"), fenster->GemalteTexte()[2]);

    // The payer cell of an own account is captioned "Konto"; the standing-order icon cell lists those.
    fenster.KlickeZelle(0, 1);
    EXPECT_EQ(QStringLiteral("Konto"), fenster->GemalteTexte()[2]);
    EXPECT_EQ(2u, fenster.Spalte(1).size());
    Klicke(*fenster, Overview::kGesamt);
    fenster.KlickeZelle(0, 0);
    EXPECT_EQ(Texte{" 7.25"}, fenster.Spalte(7));
    EXPECT_EQ(QStringLiteral("Daueraufträge"), fenster->GemalteTexte()[2]);
    fenster.KlickeNebenZellen();
    EXPECT_EQ(5u, fenster.Spalte(7).size());
}

// A member's list holds what the member pays or receives; a transfer between two of the member's own
// accounts is neither income nor expense, one to another member is.
TEST(Uebersicht, MitgliedFiltertMitDessenSummenregel)
{
    Uebersichtshaushalt haushalt;
    TestHub hub;
    Uebersichtsfenster fenster(haushalt.Basis(), hub);
    auto* auswahl = Element<QComboBox>(*fenster, Overview::kAuswahl);
    auswahl->setCurrentIndex(2);
    emit auswahl->activated(2);
    const OverviewListing& liste = fenster->Liste();
    EXPECT_EQ(9, liste.m_nFilterArt);
    EXPECT_EQ(4, liste.m_nZeilen);
    EXPECT_EQ(2000.0, liste.m_dEinnahmen);
    EXPECT_EQ(62.5, liste.m_dAusgaben);
    EXPECT_EQ(150.0, liste.m_dUmbuchungen);
    EXPECT_EQ(2, auswahl->currentIndex()) << "the member stays chosen";
    const QStringList gemalt = fenster->GemalteTexte();
    EXPECT_EQ((QStringList{"Person", "Anna", "Einnahmen", "2000.00", "Ausgaben", "62.50", "Differenz", "1937.50",
                           "Umbuchungen", "150.00"}),
              gemalt.mid(2));
    auswahl->setCurrentIndex(1);
    emit auswahl->activated(1);
    EXPECT_EQ(0, liste.m_bFilter);
    EXPECT_EQ(150.0, liste.m_dUmbuchungen);
    EXPECT_EQ(19.75, liste.m_dAusgaben);
}

// The overview never filters without saying so: the blank "Zeige" entry is no member filter, an empty
// cell filters for empty cells under its own caption, and a member filter set from another window shows
// its member.
TEST(Uebersicht, ZeigeNenntJedenFilter)
{
    Uebersichtshaushalt haushalt;
    TestHub hub;
    Uebersichtsfenster fenster(haushalt.Basis(), hub);
    auto* auswahl = Element<QComboBox>(*fenster, Overview::kAuswahl);
    for (int eintrag : {0, 2, 0}) {
        auswahl->setCurrentIndex(eintrag);
        emit auswahl->activated(eintrag);
    }
    EXPECT_EQ(0, fenster->Liste().m_bFilter);
    EXPECT_EQ(5u, fenster.Spalte(7).size()) << "the standing order's booking too";
    EXPECT_EQ(1, auswahl->currentIndex());

    fenster.KlickeZelle(4, 6);
    EXPECT_EQ(QStringLiteral("Kommentar"), fenster->GemalteTexte()[2]);
    EXPECT_EQ(QStringLiteral("(leer)"), fenster->GemalteTexte()[3]);
    for (const QString& kommentar : fenster.Spalte(6))
        EXPECT_EQ(QString(), kommentar);
    EXPECT_EQ(0, auswahl->currentIndex());

    fenster->ZeigeMitFilter(10, 20240301, 20240331, "Bernd", "Bernd");
    EXPECT_EQ(QStringLiteral("Bernd"), auswahl->currentText());
}

// Deleting needs a yes and takes the booking off the balances; restoring books it again. The row stays,
// grey while deleted, and the month is marked changed.
TEST(Uebersicht, LoeschenUndWiederherstellenLassenDieStaendeStehen)
{
    Uebersichtshaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    TestHub hub;
    Uebersichtsfenster fenster(basis, hub);
    const double giro = haushalt.Stand("Anna", "Giro");
    const double bernd = haushalt.Stand("Bernd", "Giro");
    const int nIndex = basis.m_arrInOut[static_cast<size_t>(haushalt.Position(50.0))]->m_nIndex;
    const int zeile = 1; // 12 March, Anna to Bernd

    {
        std::vector<QString> gefragt;
        SetzeMeldungsAntwort([&](const QString& text) {
            gefragt.push_back(text);
            return QMessageBox::No;
        });
        fenster.wahl = 2;
        fenster.KlickeZelle(zeile, 3, true);
        SetzeMeldungsAntwort({});
        EXPECT_EQ(std::vector<QString>{"Diesen Eintrag wirklich löschen ?"}, gefragt);
        EXPECT_EQ(1, basis.m_arrInOut[static_cast<size_t>(haushalt.Position(50.0))]->m_nStatus);
        EXPECT_EQ(-1, fenster->Liste().m_nMarkiert);
    }
    {
        MeldungsMitschrift ja;
        fenster.KlickeZelle(zeile, 3, true);
    }
    const CInOut& t = *basis.m_arrInOut[static_cast<size_t>(haushalt.Position(50.0))];
    EXPECT_EQ(-1, t.m_nStatus);
    EXPECT_EQ(giro + 50.0, haushalt.Stand("Anna", "Giro"));
    EXPECT_EQ(bernd - 50.0, haushalt.Stand("Bernd", "Giro"));
    EXPECT_EQ(QColor(192, 192, 192), Zeilenfarbe(&fenster.Tabelle(), zeile));
    EXPECT_EQ(100.0, fenster->Liste().m_dUmbuchungen) << "a deleted transfer is in no total";
    EXPECT_EQ(1, basis.GeladenerMonat(202403)->m_bGeaendert);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{1, nIndex}, {1, nIndex}}), hub.nachrichten);

    fenster.wahl = 3;
    fenster.KlickeZelle(zeile, 3, true);
    EXPECT_EQ((std::vector<bool>{false, false, true}), fenster.angeboten);
    EXPECT_EQ(1, t.m_nStatus);
    EXPECT_EQ(giro, haushalt.Stand("Anna", "Giro"));
    EXPECT_EQ(bernd, haushalt.Stand("Bernd", "Giro"));
    EXPECT_EQ(std::make_pair(1, 0), hub.nachrichten.back());
    EXPECT_EQ(0, basis.GeladenerMonat(202402)->m_bGeaendert);
}

// Deleting for good takes the transaction out of the store: the next save leaves it out of its month.
TEST(Uebersicht, EndgueltigGeloeschtFehltNachDemSpeichern)
{
    Uebersichtshaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    TestHub hub;
    Uebersichtsfenster fenster(basis, hub);
    {
        MeldungsMitschrift ja;
        fenster.wahl = 2;
        fenster.KlickeZelle(3, 1, true);
    }
    fenster.wahl = 4;
    fenster.KlickeZelle(3, 1, true);
    EXPECT_EQ(-1, haushalt.Position(12.5));
    EXPECT_EQ(4, fenster->Liste().m_nZeilen);
    ASSERT_EQ(0, basis.SpeichereMonate());

    CBasis gelesen;
    gelesen.m_arrFamilien.push_back(std::make_unique<CFAMILY>());
    gelesen.m_arrFamilien.front()->m_strName = "Meier";
    gelesen.m_strPfad = haushalt.Ordner();
    ASSERT_EQ(0, gelesen.LadeMonat(20240301));
    EXPECT_EQ(4u, gelesen.m_arrInOut.size());
    for (const auto& t : gelesen.m_arrInOut)
        EXPECT_NE(12.5, t->m_dBetrag);
}

// Edit hands the transaction to the entry window through the hub and keeps the mark until the refresh.
TEST(Uebersicht, BearbeitenGehtUeberDenHub)
{
    Uebersichtshaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    TestHub hub;
    Uebersichtsfenster fenster(basis, hub);
    fenster.wahl = 1;
    fenster.KlickeZelle(3, 6, true);
    const CInOut& t = *basis.m_arrInOut[static_cast<size_t>(haushalt.Position(12.5))];
    EXPECT_EQ(std::make_pair(2, t.m_nIndex), hub.nachrichten.back());
    EXPECT_EQ(t.m_nIndex, basis.m_InOutNeu.m_nIndex);
    EXPECT_EQ(t.m_strKommentar, basis.m_InOutNeu.m_strKommentar);
    EXPECT_EQ(1, basis.GeladenerMonat(202403)->m_bGeaendert);
    EXPECT_EQ(2, fenster->Liste().m_arrZeilen[3].nIcon) << "marked";
    fenster->Aktualisiere();
    EXPECT_EQ(0, fenster->Liste().m_arrZeilen[3].nIcon);
    EXPECT_EQ(0, fenster->Liste().m_bBearbeitung);
}

// The search marks every matching cell red on yellow, umlauts regardless of case, and makes the first
// hit the current cell of a selected row (what a screen reader tells), scrolled into view; an empty
// search marks nothing and goes back to the top.
TEST(Uebersicht, SucheMarkiertUndRollt)
{
    Uebersichtshaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    for (int i = 0; i < 300; ++i) {
        Buchungseingabe e;
        e.strZahler = "Anna, Giro";
        e.strEmpfaenger = i == 299 ? "Kiosk Zentral" : "Supermarkt";
        e.dBetrag = 1.0 + i;
        e.nDatum = 20240302;
        BucheNeu(basis, e);
    }
    TestHub hub;
    Uebersichtsfenster fenster(basis, hub);
    QTableView& liste = fenster.Tabelle();
    Tippe(*fenster, Overview::kSuche, QStringLiteral("BÄCK"));
    const int zeile = 3;
    EXPECT_EQ(QColor(255, 0, 0), liste.model()->index(zeile, 6).data(Qt::ForegroundRole).value<QBrush>().color());
    EXPECT_EQ(QColor(255, 255, 0), liste.model()->index(zeile, 6).data(Qt::BackgroundRole).value<QBrush>().color());
    EXPECT_EQ(QColor(Qt::white), liste.model()->index(zeile, 5).data(Qt::BackgroundRole).value<QBrush>().color());
    // A screen reader hears the hit, and finds every total as an element of its own.
    QAccessibleTableInterface* tabelle = QAccessible::queryAccessibleInterface(&liste)->tableInterface();
    EXPECT_EQ(QStringLiteral("Treffer"), tabelle->cellAt(zeile, 6)->text(QAccessible::Description));
    EXPECT_EQ(QString(), tabelle->cellAt(zeile, 5)->text(QAccessible::Description));
    QAccessibleInterface* summen = QAccessible::queryAccessibleInterface(Element(*fenster, 1117));
    QStringList totale;
    for (int i = 0; i < summen->childCount(); ++i)
        totale << summen->child(i)->text(QAccessible::Name);
    for (const char* text : {"Einnahmen", "Ausgaben", "Differenz"})
        EXPECT_FALSE(totale.filter(QLatin1String(text)).isEmpty()) << text << " in " << totale.join('|').toStdString();

    Tippe(*fenster, Overview::kSuche, QStringLiteral("zentral"));
    const int kiosk = fenster->Liste().ErsteTrefferZeile();
    ASSERT_GT(kiosk, 250);
    EXPECT_TRUE(liste.viewport()->rect().intersects(liste.visualRect(liste.model()->index(kiosk, 2))));
    EXPECT_GT(liste.verticalScrollBar()->value(), 0);
    const QAccessible::State treffer = tabelle->cellAt(kiosk, 2)->state();
    EXPECT_EQ((std::pair{true, true}), (std::pair{bool(treffer.selected), bool(treffer.focused)}));
    EXPECT_EQ((QList<int>{kiosk}), tabelle->selectedRows());
    EXPECT_TRUE(Element(*fenster, Overview::kSuche)->hasFocus());

    Tippe(*fenster, Overview::kSuche, QString());
    EXPECT_EQ(0, liste.verticalScrollBar()->value());
    EXPECT_EQ(QColor(Qt::white), liste.model()->index(kiosk, 2).data(Qt::BackgroundRole).value<QBrush>().color());
}

// Whatever height the window is given, and when the filter's "Gesamt" button changes the layout, the
// list shows whole rows only.
TEST(Uebersicht, ZeigtNurGanzeZeilen)
{
    Uebersichtshaushalt haushalt;
    TestHub hub;
    Uebersichtsfenster fenster(haushalt.Basis(), hub);
    QTableView& liste = fenster.Tabelle();
    const int zeile = liste.verticalHeader()->defaultSectionSize();
    for (int hoehe = 480; hoehe < 480 + 2 * zeile; hoehe += 3) {
        fenster->resize(fenster->width(), hoehe);
        QApplication::processEvents();
        EXPECT_EQ(0, liste.viewport()->height() % zeile) << hoehe;
    }
    fenster.KlickeZelle(0, 4);
    QApplication::processEvents();
    EXPECT_TRUE(Sichtbar(*fenster, Overview::kGesamt));
    EXPECT_EQ(0, liste.viewport()->height() % zeile);
}

} // namespace
} // namespace velmora::test
