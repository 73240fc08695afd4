// Keyboard use, the two languages, balloons, screen readers and refreshed lists of the entry window.

#include "AuswahlAnsicht.h"
#include "Bedienung.h"
#include "CPPToolTip.h"
#include "Datumsfeld.h"
#include "Fenstereingabe.h"
#include "InOut.h"
#include "Testhaushalt.h"

#include <QApplication>
#include <QDateEdit>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(Tastatur, PfeileWaehlenTabGehtDurchDieFelderEnterBucht)
{
    Testhaushalt haushalt;
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    fenster->activateWindow();
    AuswahlAnsicht& zahler = fenster.Liste(InOut::kZahler);
    zahler.setFocus();
    QTest::keyClick(&zahler, Qt::Key_Down);
    EXPECT_EQ("Anna, Bar", fenster.Gewaehlt(InOut::kZahler));
    QTest::keyClick(&zahler, Qt::Key_End);
    EXPECT_EQ("Tankstelle", fenster.Gewaehlt(InOut::kZahler));
    QTest::keyClick(&zahler, Qt::Key_Home);
    EXPECT_EQ("Anna, Giro", fenster.Gewaehlt(InOut::kZahler));

    // The tab order runs through the pickers, then the fields, then the button.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*fenster));
    zahler.setFocus();
    const int reihenfolge[] = {InOut::kEmpfaenger, InOut::kNutzniesser, InOut::kKategorie, InOut::kUKategorie,
                               InOut::kKommentar,  InOut::kBetrag,      InOut::kDatum,     InOut::kUebernehmen};
    fenster.Tippe(QStringLiteral("5"));
    zahler.setFocus();
    for (int id : reihenfolge) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* fokus = QApplication::focusWidget();
        QWidget* erwartet = &fenster.Element(id);
        EXPECT_TRUE(fokus == erwartet || erwartet->isAncestorOf(fokus))
            << "expected c" << id << ", found " << (fokus ? fokus->objectName().toStdString() : "nothing");
    }

    // A payee chosen by key pre-fills like a click.
    fenster.Klicke(InOut::kNutzniesser, "Bernd");
    fenster.Klicke(InOut::kKategorie, "Auto");
    fenster.Buche("Anna, Giro", "Tankstelle", QStringLiteral("1"));
    fenster.Klicke(InOut::kNutzniesser, "Alle");
    fenster.Klicke(InOut::kKategorie, "Gehalt");
    fenster.Buche("Anna, Giro", "Supermarkt", QStringLiteral("1"));
    AuswahlAnsicht& empfaenger = fenster.Liste(InOut::kEmpfaenger);
    empfaenger.setFocus();
    QTest::keyClick(&empfaenger, Qt::Key_Down);
    QTest::keyClick(&empfaenger, Qt::Key_Down);
    EXPECT_EQ("Tankstelle", fenster.Gewaehlt(InOut::kEmpfaenger));
    EXPECT_EQ("Bernd", fenster.Gewaehlt(InOut::kNutzniesser));
    EXPECT_EQ("Auto", fenster.Gewaehlt(InOut::kKategorie));

    // Enter commits only while the button is enabled.
    auto& betrag = static_cast<QLineEdit&>(fenster.Element(InOut::kBetrag));
    const size_t vorher = haushalt.Basis().m_arrInOut.size();
    betrag.setFocus();
    QTest::keyClick(&betrag, Qt::Key_Return);
    EXPECT_EQ(vorher, haushalt.Basis().m_arrInOut.size()) << "amount 0: nothing to commit";
    fenster.Tippe(QStringLiteral("7,25"));
    QTest::keyClick(&betrag, Qt::Key_Return);
    ASSERT_EQ(vorher + 1, haushalt.Basis().m_arrInOut.size());
    EXPECT_EQ(7.25, haushalt.Basis().m_arrInOut.back()->m_dBetrag);
    QTest::keyClick(&empfaenger, Qt::Key_Return);
    EXPECT_EQ(vorher + 1, haushalt.Basis().m_arrInOut.size());
}

// Keys go through the window, as a person's do: Return reaches the date field and then the window.
TEST(Tastatur, GetippteDatenWerdenGebuchtUnmoeglicheAbgewiesen)
{
    const struct
    {
        int sprache;
        const char* text;
    } formen[] = {{kDeutsch, "5.3.2026"}, {kDeutsch, "05.03.2026"}, {kDeutsch, "5.3.26"},
                  {kDeutsch, "05032026"}, {kEnglisch, "3/5/2026"},  {kEnglisch, "03/05/26"}};
    for (const auto& form : formen) {
        SCOPED_TRACE(form.text);
        Testhaushalt haushalt(form.sprache);
        TestHub hub;
        Eingabefenster fenster(haushalt.Basis(), hub);
        MeldungsMitschrift meldungen;
        fenster.Klicke(InOut::kEmpfaenger, "Supermarkt");
        fenster.Tippe(QStringLiteral("4"));
        Fokus(fenster.Element(InOut::kDatum));
        TippeTasten(*fenster, QString::fromLatin1(form.text));
        Taste(*fenster, Qt::Key_Return);
        ASSERT_FALSE(haushalt.Basis().m_arrInOut.empty());
        EXPECT_EQ(20260305, haushalt.Basis().m_arrInOut.back()->m_nDatum);
        EXPECT_TRUE(meldungen.texte.empty());
    }

    Testhaushalt haushalt;
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    // The booking's date and the standing order's first and last date alike.
    EXPECT_EQ(3, fenster->findChildren<Datumsfeld*>().size());
    EXPECT_EQ(3, fenster->findChildren<QDateEdit*>().size());
    MeldungsMitschrift meldungen;
    fenster.Klicke(InOut::kEmpfaenger, "Supermarkt");
    fenster.Tippe(QStringLiteral("4"));
    auto& datum = static_cast<QDateEdit&>(fenster.Element(InOut::kDatum));
    Fokus(datum);
    TippeTasten(*fenster, QStringLiteral("31.02.2026"));
    Taste(*fenster, Qt::Key_Return);
    EXPECT_TRUE(haushalt.Basis().m_arrInOut.empty()) << "an impossible date books nothing";
    ASSERT_EQ(1u, meldungen.texte.size());
    EXPECT_TRUE(meldungen.texte[0].contains(QStringLiteral("31.02.2026"))) << meldungen.texte[0].toStdString();
    EXPECT_EQ(QStringLiteral("31.02.2026"), datum.text()) << "kept for correcting";
    // A click on the button asks the field first: still refused, told once.
    Maus(fenster.Element(InOut::kUebernehmen));
    EXPECT_TRUE(haushalt.Basis().m_arrInOut.empty());
    EXPECT_EQ(1u, meldungen.texte.size());
    EXPECT_EQ(QDate(2024, 3, 15), datum.date());
    Fokus(datum);
    TippeTasten(*fenster, QStringLiteral("28.2.2026"));
    Taste(*fenster, Qt::Key_Tab);
    EXPECT_EQ(QStringLiteral("28.02.2026"), datum.text());
    Maus(fenster.Element(InOut::kUebernehmen));
    ASSERT_EQ(1u, haushalt.Basis().m_arrInOut.size());
    EXPECT_EQ(20260228, haushalt.Basis().m_arrInOut.back()->m_nDatum);
}

// The row found by typing its start is the chosen row: the header and the booking follow it.
TEST(Tastatur, TippenImListenkopfWaehltDieZeile)
{
    Testhaushalt haushalt;
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    fenster.Klicke(InOut::kEmpfaenger, "Supermarkt");
    Fokus(fenster.Liste(InOut::kZahler));
    TippeTasten(*fenster, QStringLiteral("Bernd"));
    EXPECT_EQ("Bernd, Bar", fenster.Gewaehlt(InOut::kZahler));
    EXPECT_EQ(fenster.Liste(InOut::kZahler).currentIndex().row(),
              fenster.Liste(InOut::kZahler).selectionModel()->selectedRows().value(0).row());
    EXPECT_EQ(QStringLiteral("Bernd, Bar = 20.00"), fenster->Kopfzeile());
    fenster.Tippe(QStringLiteral("5"));
    fenster.Uebernimm();
    EXPECT_EQ(15.0, haushalt.Stand("Bernd", "Bar"));
    EXPECT_EQ(100.0, haushalt.Stand("Anna", "Giro"));

    // Shift+F10 on a list asks for its extra actions as a right click does.
    Fokus(fenster.Liste(InOut::kKategorie));
    Taste(*fenster, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_FALSE(hub.nachrichten.empty());
    EXPECT_EQ(kOeffneKategorien, hub.nachrichten.back().first);
}

struct Beschriftung
{
    int id;
    const char* de;
    const char* en;
};

const Beschriftung kBeschriftungen[] = {
    {InOut::kZahler, "Auftraggeber", "Applicant"},
    {InOut::kEmpfaenger, "Empfänger", "Payee"},
    {InOut::kNutzniesser, "Nutznießer", "Beneficiary"},
    {InOut::kKategorie, "Kategorie", "Category"},
    {InOut::kUKategorie, "Unter-Kategorie", "Sub-Categorie"},
    {InOut::kKommentar, "Kommentar", "Comment"},
    {InOut::kBetrag, "Betrag", "Amount"},
    {InOut::kDatum, "Datum", "Date"},
    {InOut::kUebernehmen, "Übernehmen", "Assume"},
};

TEST(Sprache, BeschriftungenUndZugaenglicheNamen)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        const bool deutsch = sprache == kDeutsch;
        SCOPED_TRACE(deutsch ? "de" : "en");
        Testhaushalt haushalt(sprache);
        TestHub hub;
        Eingabefenster fenster(haushalt.Basis(), hub);
        EXPECT_EQ(QString::fromUtf8(deutsch ? "Eingabe aller Einnahmen, Ausgaben, Umbuchungen"
                                            : "Input Income,Expenses,Transfers"),
                  fenster->windowTitle());
        for (const Beschriftung& b : kBeschriftungen) {
            const QString erwartet = QString::fromUtf8(deutsch ? b.de : b.en);
            EXPECT_EQ(erwartet, fenster.Element(b.id).accessibleName()) << b.id;
            if (auto* liste = qobject_cast<AuswahlAnsicht*>(&fenster.Element(b.id))) {
                EXPECT_EQ(erwartet, liste->model()->headerData(0, Qt::Horizontal).toString()) << b.id;
            }
        }
        for (const auto& [label, text] :
             {std::pair{InOut::kKommentarText, InOut::kKommentar}, std::pair{InOut::kBetragText, InOut::kBetrag},
              std::pair{InOut::kDatumText, InOut::kDatum}}) {
            auto& beschriftung = static_cast<QLabel&>(fenster.Element(label));
            EXPECT_EQ(fenster.Element(text).accessibleName(), beschriftung.text());
            EXPECT_EQ(&fenster.Element(text), beschriftung.buddy());
        }
        EXPECT_EQ(deutsch ? "Alle" : "All", fenster.Zeilen(InOut::kNutzniesser).front());
        EXPECT_EQ(deutsch ? QStringLiteral("15.03.2024") : QStringLiteral("03/15/2024"),
                  static_cast<QDateEdit&>(fenster.Element(InOut::kDatum)).text());
        EXPECT_EQ(QStringLiteral("Anna, Giro = 100.00"), fenster->accessibleDescription());
        EXPECT_FALSE(fenster.Element(InOut::kDauerAuftragRahmen).isVisible());
    }
}

TEST(Sprache, BallonsNurAufDeutschUndWennEingeschaltet)
{
    const struct
    {
        int sprache;
        int tooltips;
        int ballons;
    } faelle[] = {{kDeutsch, 1, 18}, {kDeutsch, 0, 0}, {kEnglisch, 1, 0}};
    for (const auto& fall : faelle) {
        Testhaushalt haushalt(fall.sprache);
        haushalt.Basis().m_bTooltips = fall.tooltips;
        TestHub hub;
        Eingabefenster fenster(haushalt.Basis(), hub);
        EXPECT_EQ(fall.ballons, fenster->Ballons().ToolCount()) << fall.sprache << " " << fall.tooltips;
        if (fall.ballons == 0)
            continue;
        const QString betrag = fenster->Ballons().ToolText(&fenster.Element(InOut::kBetrag));
        EXPECT_TRUE(
            betrag.startsWith(QStringLiteral("<center><h1>Betrag</h1></center><br><hr color=blue><br><center>")))
            << betrag.toStdString();
        EXPECT_TRUE(betrag.contains(QStringLiteral("Komma oder Punkt")));
        EXPECT_TRUE(fenster->Ballons()
                        .ToolText(&fenster.Element(InOut::kZahler))
                        .contains(QStringLiteral("Dem Auftraggeber wird der Betrag abgezogen.")));
        EXPECT_TRUE(fenster->Ballons()
                        .ToolText(&fenster.Element(1052))
                        .startsWith(QStringLiteral("<center><h1>Zyklus: wöchentlich</h1>")));
        EXPECT_EQ(1000, fenster->Ballons().DelayTime());
    }
}

TEST(Listen, AuffrischenBehaeltDieWahlWennSieNochDaIst)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    TestHub hub;
    Eingabefenster fenster(basis, hub);
    fenster.Klicke(InOut::kZahler, "Bernd, Bar");
    fenster.Klicke(InOut::kEmpfaenger, "Tankstelle");
    fenster.Klicke(InOut::kKategorie, "Lebensmittel");
    fenster.Klicke(InOut::kUKategorie, "Brot");
    fenster.KlickeKopf(InOut::kEmpfaenger);
    fenster.Klicke(InOut::kEmpfaenger, "Tankstelle");

    basis.m_arrZielKonten.push_back(std::make_unique<CZIELKONTO>(CZIELKONTO{"B\xE4"
                                                                            "cker",
                                                                            0, 1, 0, 3}));
    basis.Familie()->m_arrPersonen[1]->m_arrKonten[0]->m_nStatus = -1;
    fenster->AktualisiereListen(1);
    using Zeilen = std::vector<std::string>;
    EXPECT_EQ((Zeilen{"Anna, Giro", "Anna, Bar", "Supermarkt", "Arbeitgeber", "Tankstelle",
                      "B\xE4"
                      "cker"}),
              fenster.Zeilen(InOut::kZahler));
    EXPECT_EQ(fenster.Zeilen(InOut::kZahler), fenster.Zeilen(InOut::kEmpfaenger))
        << "after a change of accounts the payee list too starts with the family's accounts";
    EXPECT_EQ("Anna, Giro", fenster.Gewaehlt(InOut::kZahler)) << "the deleted account's row is gone";
    EXPECT_EQ("Tankstelle", fenster.Gewaehlt(InOut::kEmpfaenger));
    EXPECT_FALSE(fenster.Liste(InOut::kEmpfaenger).horizontalHeader()->isSortIndicatorShown());

    haushalt.Kategorie("Auto").m_nKat0C = -1;
    fenster->AktualisiereListen(4);
    EXPECT_EQ((Zeilen{"Lebensmittel", "Gehalt"}), fenster.Zeilen(InOut::kKategorie));
    EXPECT_EQ("Lebensmittel", fenster.Gewaehlt(InOut::kKategorie));
    EXPECT_EQ("Brot", fenster.Gewaehlt(InOut::kUKategorie));
    fenster.Klicke(InOut::kKategorie, "Gehalt");
    basis.m_arrKategorien.erase(basis.m_arrKategorien.begin() + 2);
    fenster->AktualisiereListen(5);
    EXPECT_EQ("Lebensmittel", fenster.Gewaehlt(InOut::kKategorie)) << "Gehalt is gone for good";
    EXPECT_EQ("Obst", fenster.Gewaehlt(InOut::kUKategorie));
}

} // namespace
} // namespace velmora::test
