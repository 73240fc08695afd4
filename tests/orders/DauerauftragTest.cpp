// The standing-order list window driven as a person uses it: yearly totals, filtering by a cell,
// sorting by a header, the right-click commands and the search.

#include "Dauerauftrag.h"
#include "Auftragsentwurf.h"
#include "Basis.h"
#include "Bedienung.h"
#include "CPPToolTip.h"
#include "Datenbau.h"
#include "EintragBearbeiten.h"
#include "Fenstereingabe.h"
#include "Hub.h"
#include "MaleText.h"
#include "Meldung.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace velmora::test {
namespace {

class TestHub final : public Hub
{
public:
    void Benachrichtige(int code, int arg) override { nachrichten.push_back({code, arg}); }
    void ZeigeUebersicht(int, int, int, const std::string&, const std::string&) override {}
    std::vector<std::pair<int, int>> nachrichten;
};

// Family Meier: Anna with Giro and Spar, Bernd with Bar.
struct Haushalt
{
    explicit Haushalt(int sprache = kDeutsch)
    {
        basis.m_nSprache = sprache;
        auto familie = std::make_unique<CFAMILY>();
        familie->m_strName = "Meier";
        NeuesMitglied(*familie, "Anna", {{"Giro", 100.0}, {"Spar", 0.0}});
        NeuesMitglied(*familie, "Bernd", {{"Bar", 20.0}});
        basis.m_arrFamilien.push_back(std::move(familie));
        basis.m_nFamilie = 0;
    }

    CDauerAuftrag& Auftrag(const char* zahler, const char* empfaenger, double betrag, int zyklus, int art,
                           std::vector<int> termine = {})
    {
        auto& a = *basis.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
        a.m_strAuftraggeber = zahler;
        a.m_strEmpfaenger = empfaenger;
        a.m_strKategorie = art == 0 ? "Gehalt" : "Wohnen";
        a.m_dBetrag = betrag;
        a.m_nZyklus = zyklus;
        a.m_nArt = art;
        a.m_nStatus = 1;
        a.m_nNr = static_cast<int>(basis.m_arrDauerAuftraege.size()) - 1;
        a.m_strZyklus = ZyklusBeschreibung(zyklus, basis.Deutsch());
        for (int monatTag : termine)
            a.m_arrTermine.push_back(std::make_unique<CTermin>(CTermin{"", "", 0, "", monatTag}));
        return a;
    }

    CBasis basis;
};

// The window, shown, and deleted at the end of the test unless it closed itself.
class Listenfenster final
{
public:
    Listenfenster(CBasis& basis, Hub& hub)
        : m_fenster(new Dauerauftrag(basis, hub))
    {
        m_fenster->show();
        if (!QTest::qWaitForWindowExposed(m_fenster))
            throw std::runtime_error("the list window was not shown");
    }
    ~Listenfenster() { delete m_fenster.data(); }

    Dauerauftrag* operator->() const { return m_fenster; }
    Dauerauftrag& operator*() const { return *m_fenster; }
    QTableView* Liste() const { return Element<QTableView>(*m_fenster, Dauerauftrag::kListe); }
    QString Zelle(int zeile, int spalte) const { return Liste()->model()->index(zeile, spalte).data().toString(); }
    int Zeilen() const { return Liste()->model()->rowCount(); }

    void Klicke(int zeile, int spalte, Qt::MouseButton knopf = Qt::LeftButton) const
    {
        const QModelIndex zelle = Liste()->model()->index(zeile, spalte);
        Liste()->scrollTo(zelle);
        QTest::mouseClick(Liste()->viewport(), knopf, {}, Liste()->visualRect(zelle).center());
    }
    void KlickeDaneben() const
    {
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, QPoint(10, Liste()->viewport()->height() - 5));
    }
    void KlickeKopf(int spalte) const
    {
        QHeaderView* kopf = Liste()->horizontalHeader();
        QTest::mouseClick(
            kopf->viewport(), Qt::LeftButton, {},
            QPoint(kopf->sectionViewportPosition(spalte) + kopf->sectionSize(spalte) / 2, kopf->height() / 2));
    }
    // Right-clicks a row and answers the pop-up.
    void Befehl(int zeile, int wahl) const
    {
        EintragBearbeiten::SetzeAntwort([wahl](EintragBearbeiten&) { return wahl; });
        Klicke(zeile, kSpalteAuftraggeber, Qt::RightButton);
        EintragBearbeiten::SetzeAntwort({});
    }
    QString Gemalt() const { return m_fenster->GemalteTexte().join(QLatin1Char('|')); }
    bool Offen() const { return m_fenster != nullptr; }

private:
    QPointer<Dauerauftrag> m_fenster;
};

// With a single income order listed, the painted totals are its yearly amount.
TEST(Dauerauftrag, JahressummeJeZyklus)
{
    const struct
    {
        double betrag;
        int zyklus;
        std::vector<int> termine;
        const char* einnahmen;
    } faelle[] = {{100.0, 15, {}, "1200.00"}, {10.0, 53, {}, "520.00"}, {50.0, 0, {115, 415, 715}, "150.00"}};
    for (const auto& fall : faelle) {
        Haushalt h;
        h.Auftrag("Arbeitgeber", "Anna, Giro", fall.betrag, fall.zyklus, 0, fall.termine);
        TestHub hub;
        Listenfenster fenster(h.basis, hub);
        const QString erwartet = QStringLiteral("Gesamt / Jahr|Einnahmen:|%1|Ausgaben:|0.00|Differenz:|%1|"
                                                "Umbuchungen:|0.00")
                                     .arg(QString::fromLatin1(fall.einnahmen));
        EXPECT_EQ(erwartet, fenster.Gemalt());
        EXPECT_EQ(erwartet.split(QLatin1Char('|')).join(QStringLiteral(", ")), fenster->accessibleDescription());
    }
}

// A transfer between two family accounts counts only as a transfer, until the list is filtered by one
// of its accounts: then it is an expense of the paying and income of the receiving account.
TEST(Dauerauftrag, UmbuchungNachKontoGefiltert)
{
    Haushalt h;
    h.Auftrag("Anna, Giro", "Anna, Spar", 50.0, 1, 2);
    h.Auftrag("Anna, Giro", "Vermieter", 100.0, 1, 1);
    TestHub hub;
    Listenfenster fenster(h.basis, hub);
    EXPECT_FALSE(Sichtbar(*fenster, Dauerauftrag::kZeigeAlles));
    EXPECT_EQ(QStringLiteral("Gesamt / Jahr|Einnahmen:|0.00|Ausgaben:|1200.00|Differenz:|-1200.00|Umbuchungen:|600.00"),
              fenster.Gemalt());

    fenster.Klicke(0, kSpalteAuftraggeber);
    EXPECT_EQ(2, fenster.Zeilen());
    EXPECT_TRUE(Sichtbar(*fenster, Dauerauftrag::kZeigeAlles));
    EXPECT_EQ(QStringLiteral("Konto|Anna, Giro / Jahr|Einnahmen:|0.00|Ausgaben:|1800.00|Differenz:|-1800.00|"
                             "Umbuchungen:|600.00"),
              fenster.Gemalt());
    fenster.Klicke(0, kSpalteEmpfaenger);
    EXPECT_EQ(1, fenster.Zeilen());
    EXPECT_EQ(QStringLiteral("Konto|Anna, Spar / Jahr|Einnahmen:|600.00|Ausgaben:|0.00|Differenz:|600.00|"
                             "Umbuchungen:|600.00"),
              fenster.Gemalt());
    fenster.Klicke(0, kSpalteKategorie);
    EXPECT_TRUE(fenster.Gemalt().startsWith(QStringLiteral("Kategorie|Wohnen / Jahr|")));
    fenster.Klicke(0, kSpalteAusfuehrung);
    EXPECT_TRUE(fenster.Gemalt().startsWith(QStringLiteral("Ausführung|monatlich, jeden 1. / Jahr|")));
    fenster.KlickeDaneben();
    EXPECT_EQ(2, fenster.Zeilen());
    EXPECT_FALSE(Sichtbar(*fenster, Dauerauftrag::kZeigeAlles));
    EXPECT_TRUE(fenster.Gemalt().startsWith(QStringLiteral("Gesamt / Jahr|")));
}

// Deleting asks first, then greys the row and takes it out of the totals; "Zeige Alles" no longer lists
// it; restoring gives it back its colour; deleting for good removes it. Each tells the main window.
TEST(Dauerauftrag, LoeschenWiederherstellenEndgueltig)
{
    Haushalt h;
    h.Auftrag("Anna, Giro", "Vermieter", 100.0, 1, 1);
    h.Auftrag("Arbeitgeber", "Anna, Giro", 200.0, 1, 0);
    TestHub hub;
    Listenfenster fenster(h.basis, hub);
    const QColor ausgaben = AlsFarbe(h.basis.m_aFarben[1]);
    EXPECT_EQ(ausgaben, Zeilenfarbe(fenster.Liste(), 0));
    {
        MeldungsMitschrift meldungen;
        fenster.Befehl(0, EintragBearbeiten::kLoeschen);
        EXPECT_EQ(std::vector<QString>{QStringLiteral("Diesen Eintrag wirklich löschen ?")}, meldungen.texte);
    }
    EXPECT_EQ(-1, h.basis.m_arrDauerAuftraege[0]->m_n48);
    EXPECT_EQ(2, fenster.Zeilen());
    EXPECT_EQ(QColor(192, 192, 192), Zeilenfarbe(fenster.Liste(), 0));
    EXPECT_TRUE(fenster.Gemalt().contains(QStringLiteral("Ausgaben:|0.00")));

    fenster.Klicke(1, kSpalteKategorie);
    Klicke(*fenster, Dauerauftrag::kZeigeAlles);
    ASSERT_EQ(1, fenster.Zeilen());
    EXPECT_EQ(QStringLiteral("Arbeitgeber"), fenster.Zelle(0, kSpalteAuftraggeber));
    EXPECT_FALSE(Sichtbar(*fenster, Dauerauftrag::kZeigeAlles));

    fenster->Aktualisiere();
    fenster.Befehl(0, EintragBearbeiten::kWiederherstellen);
    EXPECT_EQ(1, h.basis.m_arrDauerAuftraege[0]->m_n48);
    EXPECT_EQ(ausgaben, Zeilenfarbe(fenster.Liste(), 0));
    EXPECT_TRUE(fenster.Gemalt().contains(QStringLiteral("Ausgaben:|1200.00")));

    fenster.Befehl(1, EintragBearbeiten::kEndgueltigLoeschen);
    ASSERT_EQ(1u, h.basis.m_arrDauerAuftraege.size());
    EXPECT_EQ(1, fenster.Zeilen());
    // Each change reaches the main window, which keeps the recovery copy.
    const std::vector<std::pair<int, int>> erwartet(3, {kAktualisiereDauerAuftraege, 0});
    EXPECT_EQ(erwartet, hub.nachrichten);
}

// Edit and "Neuer Dauer-Auftrag" ask the main window for the entry window; a cancelled pop-up or
// confirmation changes nothing.
TEST(Dauerauftrag, BearbeitenUndNeuUeberDenHub)
{
    Haushalt h;
    h.Auftrag("Anna, Giro", "Vermieter", 100.0, 1, 1);
    h.Auftrag("Arbeitgeber", "Anna, Giro", 200.0, 1, 0).m_nNr = 7;
    TestHub hub;
    Listenfenster fenster(h.basis, hub);
    fenster.Befehl(1, EintragBearbeiten::kBearbeiten);
    Klicke(*fenster, Dauerauftrag::kNeu);
    const std::vector<std::pair<int, int>> erwartet = {{kBearbeiteDauerAuftrag, 7}, {kBearbeiteDauerAuftrag, -1}};
    EXPECT_EQ(erwartet, hub.nachrichten);
    EXPECT_EQ(1, fenster->Liste().m_bBearbeitung);
    EXPECT_EQ(1, fenster->Liste().m_nMarkiert) << "the edited order keeps its arrow until the refresh";
    fenster->Aktualisiere();
    EXPECT_EQ(-1, fenster->Liste().m_nMarkiert);

    fenster.Befehl(0, EintragBearbeiten::kAbbruch);
    SetzeMeldungsAntwort([](const QString&) { return QMessageBox::No; });
    fenster.Befehl(0, EintragBearbeiten::kLoeschen);
    SetzeMeldungsAntwort({});
    EXPECT_EQ(1, h.basis.m_arrDauerAuftraege[0]->m_n48);
    EXPECT_EQ(-1, fenster->Liste().m_nMarkiert);

    QTest::keyClick(&*fenster, Qt::Key_Escape);
    RaeumeAuf();
    EXPECT_FALSE(fenster.Offen()) << "Escape closes the window";
}

// The header "Ausführung" reorders nothing; "Betrag" sorts the orders, first ascending.
TEST(Dauerauftrag, KopfSortiert)
{
    Haushalt h;
    h.Auftrag("Anna, Giro", "Vermieter", 300.0, 1, 1);
    h.Auftrag("Arbeitgeber", "Anna, Giro", 100.0, 53, 0);
    h.Auftrag("Bernd, Bar", "Kiosk", 200.0, 0, 1);
    TestHub hub;
    Listenfenster fenster(h.basis, hub);
    const auto betraege = [&] {
        QStringList spalte;
        for (int z = 0; z < fenster.Zeilen(); ++z)
            spalte << fenster.Zelle(z, kSpalteBetrag);
        return spalte.join(QLatin1Char(' '));
    };
    fenster.KlickeKopf(kSpalteAusfuehrung);
    EXPECT_EQ(QStringLiteral("300.00 100.00 200.00"), betraege());
    fenster.KlickeKopf(kSpalteBetrag);
    EXPECT_EQ(QStringLiteral("100.00 200.00 300.00"), betraege());
    EXPECT_EQ(1, h.basis.m_arrDauerAuftraege[0]->m_nNr);
    fenster.KlickeKopf(kSpalteBetrag);
    EXPECT_EQ(QStringLiteral("300.00 200.00 100.00"), betraege());
}

// The search marks every matching cell red on yellow, in any letter case.
TEST(Dauerauftrag, SucheMarkiertZellen)
{
    Haushalt h;
    h.Auftrag("Anna, Giro", "Vermieter", 300.0, 1, 1);
    h.Auftrag("Arbeitgeber", "Anna, Giro", 100.0, 53, 0);
    TestHub hub;
    Listenfenster fenster(h.basis, hub);
    Tippe(*fenster, Dauerauftrag::kSuche, QStringLiteral("VERM"));
    const QModelIndex treffer = fenster.Liste()->model()->index(0, kSpalteEmpfaenger);
    EXPECT_EQ(QColor(255, 0, 0), treffer.data(Qt::ForegroundRole).value<QBrush>().color());
    EXPECT_EQ(QColor(255, 255, 0), treffer.data(Qt::BackgroundRole).value<QBrush>().color());
    const QModelIndex andere = fenster.Liste()->model()->index(1, kSpalteEmpfaenger);
    EXPECT_EQ(QColor(Qt::white), andere.data(Qt::BackgroundRole).value<QBrush>().color());
}

// Captions in the language of the book, names for screen readers, balloons in German only, and the
// column widths of the list.
TEST(Dauerauftrag, SpracheNamenBallonsUndSpalten)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        const bool deutsch = sprache == kDeutsch;
        Haushalt h(sprache);
        h.Auftrag("Anna, Giro", "Vermieter", 300.0, 1, 1);
        TestHub hub;
        Listenfenster fenster(h.basis, hub);
        QAbstractItemModelTester pruefer(fenster.Liste()->model(),
                                         QAbstractItemModelTester::FailureReportingMode::Fatal);
        EXPECT_EQ(deutsch ? QStringLiteral("Daueraufträge") : QStringLiteral("Standing Orders"),
                  fenster->windowTitle());
        EXPECT_EQ(deutsch ? QStringLiteral("Neuer Dauer-Auftrag") : QStringLiteral("New Standing Order"),
                  Element(*fenster, Dauerauftrag::kNeu)->accessibleName());
        EXPECT_EQ(deutsch ? QStringLiteral("Textsuche") : QStringLiteral("Search Text"),
                  Element(*fenster, Dauerauftrag::kSuche)->accessibleName());
        EXPECT_EQ(deutsch ? QStringLiteral("Ausführung") : QStringLiteral("Execution"),
                  fenster.Liste()->model()->headerData(kSpalteAusfuehrung, Qt::Horizontal).toString());
        EXPECT_EQ(deutsch ? QStringLiteral("monatlich, jeden 1.") : QStringLiteral("monthly, every 1."),
                  fenster.Zelle(0, kSpalteAusfuehrung));
        EXPECT_EQ(QStringLiteral("0-1"), fenster.Liste()->model()->index(0, 0).data(Qt::UserRole).toString());
        for (QWidget* kind : fenster->findChildren<QWidget*>()) {
            if (kind->objectName().size() == 5 && kind->objectName().startsWith(QLatin1Char('c')) &&
                kind->objectName() != QLatin1String("c1031")) {
                EXPECT_FALSE(kind->accessibleName().isEmpty()) << kind->objectName().toStdString();
            }
        }
        EXPECT_EQ(deutsch ? 5 : 0, fenster->Ballons().ToolCount());
        if (deutsch) {
            EXPECT_TRUE(fenster->Ballons()
                            .ToolText(fenster.Liste())
                            .startsWith(QStringLiteral("<center><h1>Übersicht aller Daueraufträge</h1>")));
            EXPECT_TRUE(fenster->Ballons().ToolText(fenster.Liste()).endsWith(QStringLiteral("<bmp idres=197>")));
        }
        int summe = 0;
        for (int spalte = 0; spalte <= kSpalteAusfuehrung; ++spalte)
            summe += fenster.Liste()->columnWidth(spalte);
        EXPECT_EQ(20, fenster.Liste()->columnWidth(0));
        EXPECT_LE(summe, fenster.Liste()->viewport()->width()) << "no horizontal scrolling";
    }
}

// Acts on the next pop-up as soon as it is open.
void BeimPopup(std::function<void(QWidget&)> tun, int versuche = 300)
{
    QTimer::singleShot(10, [tun = std::move(tun), versuche]() mutable {
        if (QWidget* pop = QApplication::activeModalWidget())
            tun(*pop);
        else if (versuche > 0)
            BeimPopup(std::move(tun), versuche - 1);
    });
}

// The pop-up of a row opens with Shift+F10 and the context-menu key on the current row, and is walked
// with the arrows and answered with Return.
TEST(Tastatur, KontextmenueMitTastenUndPfeilen)
{
    Haushalt h;
    h.Auftrag("Anna, Giro", "Vermieter", 100.0, 1, 1);
    h.Auftrag("Arbeitgeber", "Anna, Giro", 200.0, 1, 0);
    TestHub hub;
    Listenfenster fenster(h.basis, hub);
    MeldungsMitschrift meldungen;
    Fokus(*fenster.Liste());
    Taste(*fenster, Qt::Key_Home);

    BeimPopup([](QWidget& pop) {
        Taste(pop, Qt::Key_Down);
        auto* fokus = qobject_cast<QAbstractButton*>(pop.focusWidget());
        EXPECT_EQ(QStringLiteral("Eintrag löschen"), fokus ? fokus->text() : QString());
        Taste(pop, Qt::Key_Return);
    });
    Taste(*fenster, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(1u, meldungen.texte.size());
    EXPECT_EQ(-1, h.basis.m_arrDauerAuftraege[0]->m_n48);

    Fokus(*fenster.Liste());
    Taste(*fenster, Qt::Key_Home);
    BeimPopup([](QWidget& pop) {
        for (int i = 0; i < 6; ++i) {
            auto* fokus = qobject_cast<QAbstractButton*>(pop.focusWidget());
            if (fokus && fokus->text() == QStringLiteral("Wiederherstellen"))
                break;
            Taste(pop, Qt::Key_Down);
        }
        Taste(pop, Qt::Key_Return);
    });
    Taste(*fenster, Qt::Key_Menu);
    EXPECT_EQ(1, h.basis.m_arrDauerAuftraege[0]->m_n48);
}

} // namespace
} // namespace velmora::test
