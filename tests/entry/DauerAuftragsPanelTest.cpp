// The entry window in standing-order mode, driven as a person uses it: the panel's cycle controls and
// fixed dates, committing, which books what has fallen due, and cancelling.

#include "DauerAuftragsPanel.h"
#include "Bedienung.h"
#include "DauerAuftragsliste.h"
#include "QtText.h"
#include "Testhaushalt.h"
#include "Text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

using P = DauerAuftragsPanel;

// Chooses a row of a closed combo box with the keyboard, as a person does.
void WaehleZeile(Eingabefenster& fenster, int id, int zeile)
{
    auto& liste = static_cast<QComboBox&>(fenster.Element(id));
    liste.setFocus();
    QTest::keyClick(&liste, Qt::Key_Home);
    for (int i = 0; i < zeile; ++i)
        QTest::keyClick(&liste, Qt::Key_Down);
}

void SetzeDatum(Eingabefenster& fenster, int id, int datum)
{
    static_cast<QDateEdit&>(fenster.Element(id)).setDate(QDate(datum / 10000, datum / 100 % 100, datum % 100));
}

// An order of Anna's giro account to the supermarket, as a previous run left it.
CDauerAuftrag& Auftrag(CBasis& basis, int nr, int zyklus, std::vector<std::pair<const char*, int>> termine = {})
{
    auto& a = *basis.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
    a.m_strAuftraggeber = "Anna, Giro";
    a.m_strEmpfaenger = "Supermarkt";
    a.m_strNutzniesser = "Anna";
    a.m_strKategorie = "Lebensmittel";
    a.m_strUKategorie = "Obst";
    a.m_strKommentar = "Markt";
    a.m_dBetrag = 30.0;
    a.m_nArt = 1;
    a.m_nZyklus = zyklus;
    a.m_nStatus = 1;
    a.m_nBeginn = 20240101;
    a.m_nNr = nr;
    a.m_strZyklus = ZyklusBeschreibung(zyklus, true);
    for (const auto& [monat, monatTag] : termine)
        a.m_arrTermine.push_back(std::make_unique<CTermin>(CTermin{TagesText(monatTag % 100), monat, 0, "", monatTag}));
    return a;
}

// Every stored field of an order, its fixed dates included.
std::string Felder(const CDauerAuftrag& a)
{
    std::string s = Format("%s|%s|%s|%s|%s|%s|%s %.2f %d %d %d %d %d %d %d", a.m_strAuftraggeber.c_str(),
                           a.m_strEmpfaenger.c_str(), a.m_strNutzniesser.c_str(), a.m_strKategorie.c_str(),
                           a.m_strUKategorie.c_str(), a.m_strKommentar.c_str(), a.m_strZyklus.c_str(), a.m_dBetrag,
                           a.m_nArt, a.m_nZyklus, a.m_nStatus, a.m_nBeginn, a.m_nEnde, a.m_nNr, a.m_n48);
    for (const auto& t : a.m_arrTermine)
        s += Format(" [%s|%s|%d]", t->m_strTermin1.c_str(), t->m_strTermin2.c_str(), t->m_nMonatTag);
    return s;
}

QStringList Termine(Eingabefenster& fenster)
{
    auto& liste = static_cast<QTableWidget&>(fenster.Element(P::kTermine));
    QStringList zeilen;
    for (int z = 0; z < liste.rowCount(); ++z)
        zeilen << liste.item(z, 0)->text() + QLatin1Char('|') + liste.item(z, 1)->text();
    return zeilen;
}

bool Aktiv(Eingabefenster& fenster, int id)
{
    return fenster.Element(id).isEnabled();
}

// A new order with the cycle chosen by the controls stores the cycle code and its description in the
// language of the book.
TEST(DauerAuftragsPanel, ZyklusWieGewaehlt)
{
    const struct
    {
        int sprache;
        void (*waehle)(Eingabefenster&);
        int zyklus;
        const char* beschreibung;
    } faelle[] = {
        {kDeutsch, [](Eingabefenster&) {}, 1, "monatlich, jeden 1."},
        {kDeutsch, [](Eingabefenster& f) { WaehleZeile(f, P::kWochentag, 2); }, 53, "jeden Mittwoch"},
        {kDeutsch, [](Eingabefenster& f) { Klicke(*f, P::kWoechentlich); }, 55, "jeden Freitag"},
        {kDeutsch, [](Eingabefenster& f) { WaehleZeile(f, P::kMonatsTag, 30); }, 31, "monatlich, jeden 31."},
        {kDeutsch,
         [](Eingabefenster& f) {
             WaehleZeile(f, P::kMonatsTag, 9);
             WaehleZeile(f, P::kWochentag, 0);
             Klicke(*f, P::kMonatlich);
         },
         10, "monatlich, jeden 10."},
        {kDeutsch, [](Eingabefenster& f) { Klicke(*f, P::kAndereTermine); }, 0, "Sondertermine"},
        {kEnglisch, [](Eingabefenster& f) { WaehleZeile(f, P::kWochentag, 2); }, 53, "every Wednesday"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.beschreibung);
        Testhaushalt haushalt(fall.sprache);
        haushalt.Basis().m_nHeute = 20240101;
        TestHub hub;
        Eingabefenster fenster(haushalt.Basis(), hub);
        fenster->LadeEintrag(-1, InOut::kDauerAuftrag);
        fall.waehle(fenster);
        fenster.Klicke(InOut::kZahler, "Anna, Giro");
        fenster.Klicke(InOut::kEmpfaenger, "Supermarkt");
        fenster.Tippe(QStringLiteral("12,5"));
        Klicke(*fenster, P::kUebernehmen);
        ASSERT_EQ(1u, haushalt.Basis().m_arrDauerAuftraege.size());
        const CDauerAuftrag& a = *haushalt.Basis().m_arrDauerAuftraege[0];
        EXPECT_EQ(fall.zyklus, a.m_nZyklus);
        EXPECT_EQ(fall.beschreibung, a.m_strZyklus);
        EXPECT_EQ(12.5, a.m_dBetrag);
        EXPECT_EQ(1, a.m_nArt);
        EXPECT_EQ(1, a.m_nStatus);
        RaeumeAuf();
        EXPECT_FALSE(fenster.Offen()) << "the commit closes the window";
    }
}

// A fixed date is added once: the add button is off while the list holds the chosen day and month.
// A date clicked in the list can be removed; the combos then show it, ready to be added again.
TEST(DauerAuftragsPanel, TermineHinzufuegenUndEntfernen)
{
    Testhaushalt haushalt;
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    fenster->LadeEintrag(-1, InOut::kDauerAuftrag);
    EXPECT_FALSE(Aktiv(fenster, P::kEntfernen));
    WaehleZeile(fenster, P::kTerminMonat, 2);
    EXPECT_TRUE(static_cast<QAbstractButton&>(fenster.Element(P::kAndereTermine)).isChecked());
    Klicke(*fenster, P::kHinzufuegen);
    EXPECT_EQ(QStringList{QStringLiteral(" 1.|März")}, Termine(fenster));
    EXPECT_FALSE(Aktiv(fenster, P::kHinzufuegen)) << "1 March is in the list";
    WaehleZeile(fenster, P::kTerminTag, 14);
    EXPECT_TRUE(Aktiv(fenster, P::kHinzufuegen));
    Klicke(*fenster, P::kHinzufuegen);
    WaehleZeile(fenster, P::kTerminTag, 0);
    EXPECT_FALSE(Aktiv(fenster, P::kHinzufuegen));

    auto& liste = static_cast<QTableWidget&>(fenster.Element(P::kTermine));
    WaehleZeile(fenster, P::kTerminMonat, 5);
    EXPECT_TRUE(Aktiv(fenster, P::kHinzufuegen));
    QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, liste.visualItemRect(liste.item(1, 1)).center());
    EXPECT_TRUE(Aktiv(fenster, P::kEntfernen));
    EXPECT_FALSE(Aktiv(fenster, P::kHinzufuegen)) << "the combos show 15 March, which is in the list";
    Klicke(*fenster, P::kEntfernen);
    EXPECT_EQ(QStringList{QStringLiteral(" 1.|März")}, Termine(fenster));
    EXPECT_FALSE(Aktiv(fenster, P::kEntfernen));
    EXPECT_TRUE(Aktiv(fenster, P::kHinzufuegen));
    EXPECT_EQ(QStringLiteral("15."), static_cast<QComboBox&>(fenster.Element(P::kTerminTag)).currentText());

    fenster.Tippe(QStringLiteral("50"));
    Klicke(*fenster, P::kUebernehmen);
    const CDauerAuftrag& a = *haushalt.Basis().m_arrDauerAuftraege.at(0);
    EXPECT_EQ(0, a.m_nZyklus);
    EXPECT_EQ("Sondertermine", a.m_strZyklus);
    ASSERT_EQ(1u, a.m_arrTermine.size());
    EXPECT_EQ(301, a.m_arrTermine[0]->m_nMonatTag);
    EXPECT_EQ(" 1.", a.m_arrTermine[0]->m_strTermin1);
    EXPECT_EQ("M\xE4rz", a.m_arrTermine[0]->m_strTermin2);
}

// An order that begins a month back books its due day at once through the standing orders, and storing
// it again books no day twice. The window tells the list and the balances, and closes.
TEST(DauerAuftragsPanel, UebernehmenBuchtWasFaelligIst)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    TestHub hub;
    {
        Eingabefenster fenster(basis, hub);
        fenster->LadeEintrag(-1, InOut::kDauerAuftrag);
        fenster.Klicke(InOut::kZahler, "Anna, Giro");
        fenster.Klicke(InOut::kEmpfaenger, "Supermarkt");
        SetzeDatum(fenster, P::kBeginn, 20240215);
        WaehleZeile(fenster, P::kMonatsTag, 19);
        fenster.Tippe(QString());
        Klicke(*fenster, P::kUebernehmen);
        EXPECT_EQ(QStringLiteral("Kein Betrag eingegeben"), fenster->Meldungstext());
        fenster.Tippe(QStringLiteral("0,00"));
        Klicke(*fenster, P::kUebernehmen);
        EXPECT_EQ(QStringLiteral("Der Betrag muss größer als 0 sein"), fenster->Meldungstext());
        ASSERT_TRUE(basis.m_arrDauerAuftraege.empty());
        // A new order runs until the user sets an end.
        EXPECT_TRUE(static_cast<QAbstractButton&>(fenster.Element(P::kUnbefristet)).isChecked());
        EXPECT_FALSE(Aktiv(fenster, P::kEnde));
        fenster.Tippe(QStringLiteral("25"));
        Klicke(*fenster, P::kUebernehmen);
        RaeumeAuf();
        EXPECT_FALSE(fenster.Offen());
    }
    ASSERT_EQ(1u, basis.m_arrDauerAuftraege.size());
    const CDauerAuftrag& a = *basis.m_arrDauerAuftraege[0];
    EXPECT_EQ(20, a.m_nZyklus);
    EXPECT_EQ(20240215, a.m_nBeginn);
    EXPECT_TRUE(Unbefristet(a));
    ASSERT_EQ(1u, basis.m_arrInOut.size());
    EXPECT_EQ(20240220, basis.m_arrInOut[0]->m_nDatum);
    EXPECT_EQ(a.m_nNr, basis.m_arrInOut[0]->m_nDauerAuftragNr);
    EXPECT_EQ(75.0, haushalt.Stand("Anna", "Giro"));
    const std::vector<std::pair<int, int>> gemeldet = {{kAktualisiereDauerAuftraege, 0}, {kDatenGeaendert, 0}};
    EXPECT_EQ(gemeldet, hub.nachrichten);

    Eingabefenster nochmal(basis, hub);
    nochmal->LadeEintrag(a.m_nNr, InOut::kDauerAuftrag);
    Klicke(*nochmal, P::kUebernehmen);
    EXPECT_EQ(1u, basis.m_arrInOut.size());
    EXPECT_EQ(75.0, haushalt.Stand("Anna", "Giro"));
}

// Loading shows the order in the pickers and the panel; the transaction's own commit and date are off.
// The commit writes into the loaded order even when the list was sorted meanwhile.
TEST(DauerAuftragsPanel, LadenZeigtDenAuftrag)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    Auftrag(basis, 4, 1);
    CDauerAuftrag& woechentlich = Auftrag(basis, 9, 56);
    woechentlich.m_strAuftraggeber = "Arbeitgeber";
    woechentlich.m_strEmpfaenger = "Bernd, Bar";
    woechentlich.m_nStatus = 0;
    TestHub hub;
    Eingabefenster fenster(basis, hub);
    const int vorher = fenster->height();
    fenster->LadeEintrag(9, InOut::kDauerAuftrag);
    EXPECT_EQ(1, fenster->DauerAuftragsModus());
    EXPECT_EQ(QStringLiteral("Dauerauftrag bearbeiten"), fenster->Kopfzeile());
    EXPECT_EQ("Arbeitgeber", fenster.Gewaehlt(InOut::kZahler));
    EXPECT_EQ("Bernd, Bar", fenster.Gewaehlt(InOut::kEmpfaenger));
    EXPECT_EQ("Obst", fenster.Gewaehlt(InOut::kUKategorie));
    EXPECT_EQ(QStringLiteral("30.00"), TextIn(*fenster, InOut::kBetrag));
    EXPECT_EQ(QStringLiteral("Markt"), TextIn(*fenster, InOut::kKommentar));
    EXPECT_TRUE(static_cast<QAbstractButton&>(fenster.Element(P::kWoechentlich)).isChecked());
    EXPECT_EQ(5, static_cast<QComboBox&>(fenster.Element(P::kWochentag)).currentIndex());
    EXPECT_FALSE(static_cast<QAbstractButton&>(fenster.Element(P::kAktiv)).isChecked());
    EXPECT_EQ(QDate(2024, 1, 1), static_cast<QDateEdit&>(fenster.Element(P::kBeginn)).date());
    EXPECT_FALSE(Aktiv(fenster, InOut::kUebernehmen));
    EXPECT_FALSE(Aktiv(fenster, InOut::kDatum));
    EXPECT_EQ(&fenster.Element(P::kUebernehmen), fenster->focusWidget());
    fenster.Tippe(QStringLiteral("31"));
    EXPECT_FALSE(Aktiv(fenster, InOut::kUebernehmen)) << "a standing order has its own commit";
    QWidget& rahmen = fenster.Element(InOut::kDauerAuftragRahmen);
    EXPECT_TRUE(rahmen.isVisible());
    EXPECT_GT(fenster->height(), vorher);
    EXPECT_EQ(fenster->height() - 15, rahmen.geometry().bottom() + 1) << "15 pixels below the panel";

    EXPECT_FALSE(static_cast<QAbstractButton&>(fenster.Element(P::kUnbefristet)).isChecked()) << "ends 2030";

    SortiereDauerAuftraege(basis, kNachAuftraggeber, true);
    ASSERT_EQ(9, basis.m_arrDauerAuftraege[0]->m_nNr) << "Arbeitgeber sorts first";
    Klicke(*fenster, P::kAktiv);
    Klicke(*fenster, P::kUnbefristet);
    Klicke(*fenster, P::kUebernehmen);
    EXPECT_EQ(31.0, basis.m_arrDauerAuftraege[0]->m_dBetrag);
    EXPECT_EQ(1, basis.m_arrDauerAuftraege[0]->m_nStatus);
    EXPECT_TRUE(Unbefristet(*basis.m_arrDauerAuftraege[0]));
    EXPECT_EQ(30.0, basis.m_arrDauerAuftraege[1]->m_dBetrag);
}

// Cancel leaves an edited order exactly as it was, its fixed dates included, and leaves no new order.
TEST(DauerAuftragsPanel, AbbrechenLaesstAllesWieEsWar)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    CDauerAuftrag& auftrag = Auftrag(basis, 3, 0, {{"M\xE4rz", 301}, {"Dezember", 1224}});
    const std::string vorher = Felder(auftrag);
    for (const bool ueberEscape : {false, true}) {
        TestHub hub;
        Eingabefenster fenster(basis, hub);
        fenster->LadeEintrag(3, InOut::kDauerAuftrag);
        EXPECT_EQ(QStringList({QStringLiteral(" 1.|März"), QStringLiteral("24.|Dezember")}), Termine(fenster));
        auto& liste = static_cast<QTableWidget&>(fenster.Element(P::kTermine));
        QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, liste.visualItemRect(liste.item(0, 0)).center());
        Klicke(*fenster, P::kEntfernen);
        WaehleZeile(fenster, P::kTerminTag, 4);
        Klicke(*fenster, P::kHinzufuegen);
        WaehleZeile(fenster, P::kWochentag, 1);
        Klicke(*fenster, P::kAktiv);
        fenster.Klicke(InOut::kEmpfaenger, "Tankstelle");
        fenster.Tippe(QStringLiteral("99"));
        if (ueberEscape)
            QTest::keyClick(&*fenster, Qt::Key_Escape);
        else
            Klicke(*fenster, P::kAbbrechen);
        RaeumeAuf();
        EXPECT_FALSE(fenster.Offen());
        EXPECT_EQ(vorher, Felder(auftrag));
    }

    TestHub hub;
    Eingabefenster neu(basis, hub);
    neu->LadeEintrag(-1, InOut::kDauerAuftrag);
    EXPECT_EQ(2, neu->DauerAuftragsModus());
    WaehleZeile(neu, P::kTerminMonat, 3);
    Klicke(*neu, P::kHinzufuegen);
    Klicke(*neu, P::kAbbrechen);
    EXPECT_EQ(1u, basis.m_arrDauerAuftraege.size());
    EXPECT_TRUE(basis.m_arrInOut.empty());
}

// An order deleted in the list while the editor held it is not stored again.
TEST(DauerAuftragsPanel, InzwischenGeloescht)
{
    Testhaushalt haushalt(kEnglisch);
    CBasis& basis = haushalt.Basis();
    Auftrag(basis, 0, 1);
    TestHub hub;
    Eingabefenster fenster(basis, hub);
    fenster->LadeEintrag(0, InOut::kDauerAuftrag);
    DauerAuftragsListe liste(basis);
    liste.Loesche(0);
    fenster.Tippe(QStringLiteral("99"));
    Klicke(*fenster, P::kUebernehmen);
    EXPECT_TRUE(fenster.Offen());
    EXPECT_EQ(QStringLiteral("The standing order has been deleted meanwhile"), fenster->Meldungstext());
    EXPECT_EQ(30.0, basis.m_arrDauerAuftraege[0]->m_dBetrag);
    EXPECT_EQ(-1, basis.m_arrDauerAuftraege[0]->m_n48);
}

// The panel speaks the language of the book, and every control has a name for screen readers.
TEST(DauerAuftragsPanel, SpracheUndZugaenglicheNamen)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        const bool deutsch = sprache == kDeutsch;
        Testhaushalt haushalt(sprache);
        TestHub hub;
        Eingabefenster fenster(haushalt.Basis(), hub);
        fenster->LadeEintrag(-1, InOut::kDauerAuftrag);
        EXPECT_EQ(Sprachtext(deutsch, "Dauerauftrag aktiv", "Standing Order activ"),
                  static_cast<QAbstractButton&>(fenster.Element(P::kAktiv)).text());
        EXPECT_EQ(Sprachtext(deutsch, "Dauerauftrag  übernehmen", "Assume Order"),
                  fenster.Element(P::kUebernehmen).accessibleName());
        EXPECT_EQ(Sprachtext(deutsch, "Freitag", "Friday"),
                  static_cast<QComboBox&>(fenster.Element(P::kWochentag)).currentText());
        EXPECT_EQ(Sprachtext(deutsch, "März", "March"),
                  static_cast<QComboBox&>(fenster.Element(P::kTerminMonat)).itemText(2));
        EXPECT_EQ(Sprachtext(deutsch, "Dauerauftrag bearbeiten", "Edit Standing Orders"), fenster->Kopfzeile());
        for (QWidget* kind : fenster.Element(InOut::kDauerAuftragRahmen).findChildren<QWidget*>()) {
            if (kind->objectName().startsWith(QLatin1Char('c'))) {
                EXPECT_FALSE(kind->accessibleName().isEmpty()) << kind->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace velmora::test
