// The entry window driven as a person uses it: clicks into the pickers, typing, the commit button.

#include "AuswahlAnsicht.h"
#include "AuswahlModell.h"
#include "CPPToolTip.h"
#include "FremdKonten.h"
#include "InOut.h"
#include "Testhaushalt.h"

#include <QAbstractItemModelTester>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

const CInOut& Letzte(CBasis& basis)
{
    return *basis.m_arrInOut.back();
}

QString Text(Eingabefenster& fenster, int id)
{
    return static_cast<QLineEdit&>(fenster.Element(id)).text();
}

// Each kind of booking changes exactly the balances it names.
TEST(Eingabefenster, BuchtAusgabeEinnahmeUndUmbuchung)
{
    const struct
    {
        const char* zahler;
        const char* empfaenger;
        int art;
        double annaGiro;
        double annaBar;
        double berndBar;
    } faelle[] = {
        {"Anna, Giro", "Supermarkt", 1, 87.5, 50.0, 20.0},
        {"Arbeitgeber", "Anna, Bar", 0, 100.0, 62.5, 20.0},
        {"Anna, Bar", "Bernd, Bar", 2, 100.0, 37.5, 32.5},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.zahler);
        Testhaushalt haushalt;
        TestHub hub;
        Eingabefenster fenster(haushalt.Basis(), hub);
        fenster.Buche(fall.zahler, fall.empfaenger, QStringLiteral("12,50"));

        ASSERT_EQ(1u, haushalt.Basis().m_arrInOut.size());
        const CInOut& t = Letzte(haushalt.Basis());
        EXPECT_EQ(fall.art, t.m_nArt);
        EXPECT_EQ(fall.zahler, t.m_strAuftraggeber);
        EXPECT_EQ(fall.empfaenger, t.m_strEmpfaenger);
        EXPECT_EQ(kHeute, t.m_nDatum);
        EXPECT_EQ(1, t.m_nStatus);
        EXPECT_EQ(-1, t.m_nDauerAuftragNr);
        EXPECT_EQ(fall.annaGiro, haushalt.Stand("Anna", "Giro"));
        EXPECT_EQ(fall.annaBar, haushalt.Stand("Anna", "Bar"));
        EXPECT_EQ(fall.berndBar, haushalt.Stand("Bernd", "Bar"));
        EXPECT_EQ(1, haushalt.Basis().GeladenerMonat(202403)->m_bGeaendert);
        ASSERT_FALSE(hub.nachrichten.empty());
        EXPECT_EQ(std::make_pair(int(kDatenGeaendert), 0), hub.nachrichten.back());
        EXPECT_TRUE(fenster.Offen()) << "the window stays open for the next booking";
    }
}

TEST(Eingabefenster, BetragMitKommaOderPunkt)
{
    const struct
    {
        const char* getippt;
        double betrag;
    } faelle[] = {{"12,50", 12.5}, {"12.50", 12.5}, {"1.234,5", 1.234}};
    for (const auto& fall : faelle) {
        Testhaushalt haushalt;
        TestHub hub;
        Eingabefenster fenster(haushalt.Basis(), hub);
        fenster.Buche("Anna, Giro", "Supermarkt", QString::fromLatin1(fall.getippt));
        ASSERT_EQ(1u, haushalt.Basis().m_arrInOut.size()) << fall.getippt;
        EXPECT_EQ(fall.betrag, Letzte(haushalt.Basis()).m_dBetrag) << fall.getippt;
        EXPECT_EQ(100.0 - fall.betrag, haushalt.Stand("Anna", "Giro")) << fall.getippt;
    }
}

TEST(Eingabefenster, UebernehmenNurMitBetragUndVerschiedenenSeiten)
{
    Testhaushalt haushalt;
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    EXPECT_FALSE(fenster.UebernehmenAktiv()) << "disabled when the window opens";

    fenster.Klicke(InOut::kZahler, "Anna, Giro");
    fenster.Klicke(InOut::kEmpfaenger, "Anna, Giro");
    fenster.Tippe(QStringLiteral("5"));
    EXPECT_FALSE(fenster.UebernehmenAktiv()) << "payer and payee are the same row";
    fenster.Klicke(InOut::kEmpfaenger, "Bernd, Bar");
    EXPECT_TRUE(fenster.UebernehmenAktiv());
    fenster.Klicke(InOut::kZahler, "Bernd, Bar");
    EXPECT_FALSE(fenster.UebernehmenAktiv());
    fenster.Klicke(InOut::kZahler, "Anna, Bar");
    EXPECT_TRUE(fenster.UebernehmenAktiv());
    for (const char* betrag : {"", "0"}) {
        fenster.Tippe(QString::fromLatin1(betrag));
        EXPECT_FALSE(fenster.UebernehmenAktiv()) << "amount '" << betrag << "'";
    }
    // Anything else counts as an amount, even text that reads as 0.
    fenster.Tippe(QStringLiteral("00"));
    EXPECT_TRUE(fenster.UebernehmenAktiv());
}

TEST(Eingabefenster, NachDerBuchungBleibenAuswahlUndDatum)
{
    Testhaushalt haushalt;
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    auto& datum = static_cast<QDateEdit&>(fenster.Element(InOut::kDatum));
    EXPECT_EQ(QDate(2024, 3, 15), datum.date()) << "today";
    datum.setDate(QDate(2024, 3, 2));
    fenster.Klicke(InOut::kNutzniesser, "Bernd");
    QTest::keyClicks(&fenster.Element(InOut::kKommentar), QStringLiteral("Wocheneinkauf"));
    fenster.Buche("Anna, Giro", "Supermarkt", QStringLiteral("20"));

    EXPECT_EQ("Wocheneinkauf", Letzte(haushalt.Basis()).m_strKommentar);
    EXPECT_EQ("Bernd", Letzte(haushalt.Basis()).m_strNutzniesser);
    EXPECT_EQ(20240302, Letzte(haushalt.Basis()).m_nDatum);
    EXPECT_EQ(QStringLiteral("0"), Text(fenster, InOut::kBetrag));
    EXPECT_EQ(QString(), Text(fenster, InOut::kKommentar));
    EXPECT_FALSE(fenster.UebernehmenAktiv());
    EXPECT_EQ(QDate(2024, 3, 2), datum.date());
    EXPECT_EQ("Anna, Giro", fenster.Gewaehlt(InOut::kZahler));
    EXPECT_EQ("Supermarkt", fenster.Gewaehlt(InOut::kEmpfaenger));
    EXPECT_EQ("Bernd", fenster.Gewaehlt(InOut::kNutzniesser));
    EXPECT_EQ(QStringLiteral("Anna, Giro = 80.00"), fenster->Kopfzeile());

    fenster.Tippe(QStringLiteral("3"));
    EXPECT_TRUE(fenster.UebernehmenAktiv());
    fenster.Uebernimm();
    EXPECT_EQ(2u, haushalt.Basis().m_arrInOut.size());
    EXPECT_EQ(77.0, haushalt.Stand("Anna", "Giro"));
}

TEST(Eingabefenster, EmpfaengerSchlaegtDenLetztenEintragVorBisManSelbstWaehlt)
{
    Testhaushalt haushalt;
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    fenster.Klicke(InOut::kNutzniesser, "Bernd");
    fenster.Klicke(InOut::kKategorie, "Auto");
    fenster.Klicke(InOut::kUKategorie, "Benzin");
    fenster.Buche("Anna, Giro", "Tankstelle", QStringLiteral("40"));
    fenster.Klicke(InOut::kNutzniesser, "Alle");
    fenster.Klicke(InOut::kKategorie, "Lebensmittel");
    fenster.Buche("Anna, Giro", "Supermarkt", QStringLiteral("10"));

    // The commit cleared the manual choices: the payee fills in the rest.
    fenster.Klicke(InOut::kEmpfaenger, "Tankstelle");
    EXPECT_EQ("Bernd", fenster.Gewaehlt(InOut::kNutzniesser));
    EXPECT_EQ("Auto", fenster.Gewaehlt(InOut::kKategorie));
    EXPECT_EQ((std::vector<std::string>{"Benzin"}), fenster.Zeilen(InOut::kUKategorie));
    EXPECT_EQ("Benzin", fenster.Gewaehlt(InOut::kUKategorie));

    // A choice of one's own turns the pre-fill off until the next commit.
    fenster.Klicke(InOut::kKategorie, "Gehalt");
    fenster.Klicke(InOut::kEmpfaenger, "Supermarkt");
    EXPECT_EQ("Gehalt", fenster.Gewaehlt(InOut::kKategorie));
    EXPECT_EQ("Bernd", fenster.Gewaehlt(InOut::kNutzniesser));
    EXPECT_EQ(std::string(), fenster.Gewaehlt(InOut::kUKategorie)) << "Gehalt has no sub-categories";

    fenster.Tippe(QStringLiteral("1"));
    fenster.Uebernimm();
    EXPECT_EQ("Gehalt", Letzte(haushalt.Basis()).m_strKategorie);
    EXPECT_EQ("", Letzte(haushalt.Basis()).m_strUKategorie);
    fenster.Klicke(InOut::kEmpfaenger, "Tankstelle");
    EXPECT_EQ("Auto", fenster.Gewaehlt(InOut::kKategorie));
    fenster.Klicke(InOut::kEmpfaenger, "Supermarkt");
    EXPECT_EQ("Bernd", fenster.Gewaehlt(InOut::kNutzniesser)) << "remembered from the last booking to it";
    EXPECT_EQ("Gehalt", fenster.Gewaehlt(InOut::kKategorie));
}

TEST(Eingabefenster, KopfSortiertAufAbUndZurueck)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    for (const char* name : {"Bank", "auto", "Auto-Haus", "Auto Haus"}) {
        basis.m_arrZielKonten.push_back(std::make_unique<CZIELKONTO>(CZIELKONTO{name, 0, 1, 0, 0}));
    }
    TestHub hub;
    Eingabefenster fenster(basis, hub);
    using Zeilen = std::vector<std::string>;
    const Zeilen fuellung = {"Anna, Giro", "Anna, Bar", "Bernd, Bar", "Supermarkt", "Arbeitgeber",
                             "Tankstelle", "Bank",      "auto",       "Auto-Haus",  "Auto Haus"};
    const Zeilen auf = {"Anna, Bar", "Anna, Giro", "Arbeitgeber", "auto",       "Auto-Haus",
                        "Auto Haus", "Bank",       "Bernd, Bar",  "Supermarkt", "Tankstelle"};
    // Descending starts from the ascending rows; the exchange sort moves the three equal "auto" rows.
    const Zeilen ab = {"Tankstelle", "Supermarkt", "Bernd, Bar",  "Bank",       "Auto-Haus",
                       "Auto Haus",  "auto",       "Arbeitgeber", "Anna, Giro", "Anna, Bar"};
    EXPECT_EQ(fuellung, fenster.Zeilen(InOut::kZahler));
    fenster.Klicke(InOut::kZahler, "Tankstelle");
    for (const Zeilen& erwartet : {auf, ab, fuellung, auf}) {
        fenster.KlickeKopf(InOut::kZahler);
        EXPECT_EQ(erwartet, fenster.Zeilen(InOut::kZahler));
        EXPECT_EQ(erwartet.front(), fenster.Gewaehlt(InOut::kZahler)) << "the first row becomes the choice";
    }
    EXPECT_EQ(QStringLiteral("Anna, Bar = 50.00"), fenster->Kopfzeile());
    // The rows live in the store's picker collection.
    EXPECT_EQ("Anna, Bar", basis.m_arrTempListen[kZahlerListe].front()->m_strName);
}

TEST(Eingabefenster, KategorieSortierungWaehltUnterkategorienMit)
{
    Testhaushalt haushalt;
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    EXPECT_EQ("Lebensmittel", fenster.Gewaehlt(InOut::kKategorie));
    EXPECT_EQ((std::vector<std::string>{"Obst", "Brot"}), fenster.Zeilen(InOut::kUKategorie));
    fenster.KlickeKopf(InOut::kKategorie);
    EXPECT_EQ("Auto", fenster.Gewaehlt(InOut::kKategorie));
    EXPECT_EQ((std::vector<std::string>{"Benzin"}), fenster.Zeilen(InOut::kUKategorie));
    EXPECT_EQ("Benzin", fenster.Gewaehlt(InOut::kUKategorie));
}

TEST(Eingabefenster, FamilienKontenSindBlau)
{
    Testhaushalt haushalt;
    haushalt.Ziel("Tankstelle").m_strName = "Annas Laden";
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    for (int id : {InOut::kZahler, InOut::kEmpfaenger}) {
        QAbstractItemModel& modell = *fenster.Liste(id).model();
        for (int z = 0; z < modell.rowCount(); ++z) {
            const QString text = modell.index(z, 0).data().toString();
            const bool blau = text.startsWith(QStringLiteral("Anna")) || text.startsWith(QStringLiteral("Bernd"));
            EXPECT_EQ(blau ? QColor(0, 0, 255) : QColor(Qt::black),
                      modell.index(z, 0).data(Qt::ForegroundRole).value<QBrush>().color())
                << text.toStdString();
        }
    }
    QAbstractItemModel& nutzniesser = *fenster.Liste(InOut::kNutzniesser).model();
    EXPECT_EQ(QColor(Qt::black), nutzniesser.index(1, 0).data(Qt::ForegroundRole).value<QBrush>().color());
}

TEST(Eingabefenster, ListenmodellBestehtDenPruefer)
{
    Testhaushalt haushalt;
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    QAbstractItemModelTester pruefer(fenster.Liste(InOut::kZahler).model(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (int klick = 0; klick < 3; ++klick)
        fenster.KlickeKopf(InOut::kZahler);
    fenster.Klicke(InOut::kZahler, "Tankstelle");
    haushalt.Ziel("Supermarkt").m_bGebucht = -1;
    fenster->AktualisiereListen(2);
    EXPECT_EQ(5, fenster.Liste(InOut::kZahler).model()->rowCount());
}

// RAII: the chooser answers through the hook for one test.
class ChooserAntwort final
{
public:
    explicit ChooserAntwort(int antwort)
    {
        FremdKonten::SetzeAntwort([this, antwort](FremdKonten& dialog) {
            orte.push_back(dialog.pos());
            return antwort;
        });
    }
    ~ChooserAntwort() { FremdKonten::SetzeAntwort({}); }
    std::vector<QPoint> orte;
};

TEST(Eingabefenster, RechtsklickOeffnetDieEditoren)
{
    const struct
    {
        int liste;
        const char* zeile;
        int antwort;
        std::vector<std::pair<int, int>> nachrichten;
    } faelle[] = {
        {InOut::kZahler, "Bernd, Bar", FremdKonten::kFremdKonten, {{kOeffneFremdKonten, 0}}},
        {InOut::kEmpfaenger, "Tankstelle", FremdKonten::kFamilienKonten, {{kOeffneFamilienKonten, 0}}},
        {InOut::kEmpfaenger, "Arbeitgeber", FremdKonten::kAbbruch, {}},
        {InOut::kKategorie, "Gehalt", -1, {{kOeffneKategorien, 2}}},
        {InOut::kUKategorie, "Brot", -1, {{kOeffneKategorien, 0}}},
        {InOut::kNutzniesser, "Bernd", -1, {}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.zeile);
        Testhaushalt haushalt;
        TestHub hub;
        Eingabefenster fenster(haushalt.Basis(), hub);
        ChooserAntwort chooser(fall.antwort);
        fenster.Klicke(fall.liste, fall.zeile, true);
        EXPECT_EQ(fall.nachrichten, hub.nachrichten);
        const bool mitChooser = fall.liste == InOut::kZahler || fall.liste == InOut::kEmpfaenger;
        ASSERT_EQ(mitChooser ? 1u : 0u, chooser.orte.size());
        if (mitChooser) {
            AuswahlAnsicht& liste = fenster.Liste(fall.liste);
            const QModelIndex zelle = liste.model()->index(liste.Modell()->Gewaehlt(), 0);
            EXPECT_EQ(liste.viewport()->mapToGlobal(liste.visualRect(zelle).topLeft()) + QPoint(10, 15),
                      chooser.orte.front());
        }
        // The row is chosen (the sub-category list only reports); the beneficiary list ignores the click.
        const bool gewaehlt = fall.liste != InOut::kNutzniesser && fall.liste != InOut::kUKategorie;
        EXPECT_EQ(gewaehlt, fenster.Gewaehlt(fall.liste) == fall.zeile);
    }
}

TEST(Eingabefenster, KategorieEditorFolgtDerNutzungsordnung)
{
    Testhaushalt haushalt;
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    fenster.Klicke(InOut::kKategorie, "Gehalt");
    fenster.Buche("Arbeitgeber", "Anna, Giro", QStringLiteral("1000"));
    ASSERT_EQ("Gehalt", haushalt.Basis().m_arrKategorien.front()->m_strName) << "re-sorted by usage";
    EXPECT_EQ((std::vector<std::string>{"Lebensmittel", "Auto", "Gehalt"}), fenster.Zeilen(InOut::kKategorie))
        << "the list shown keeps its order";
    hub.nachrichten.clear();
    fenster.KlickeLeer(InOut::kUKategorie, true);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{kOeffneKategorien, 0}}), hub.nachrichten);
}

} // namespace
} // namespace velmora::test
