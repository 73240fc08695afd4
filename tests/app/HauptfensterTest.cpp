#include "Anwendungsdialog.h"
#include "Bedienung.h"
#include "CPPToolTip.h"
#include "CVelmoraDlg.h"
#include "Fenstereingabe.h"
#include "Haushalt.h"
#include "InOut.h"
#include "KontostandModell.h"
#include "Meldung.h"
#include "Prognose.h"
#include "Regeldialog.h"
#include "Regelfenster.h"
#include "Start.h"
#include "Textzeuge.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sys/stat.h>

namespace velmora::test {
namespace {

Startumgebung Umgebung(int sprache = kDeutsch)
{
    return {FesteUhr(kHeute, 1230), [sprache] { return sprache; }};
}

void FamilieMeier(CBasis& basis)
{
    CFAMILY& familie = *basis.m_arrFamilien.front();
    familie.m_strName = "Meier";
    NeuesMitglied(familie, "Anna", {{"Giro", -12.5}, {"Bar", 100.0}, {"Alt", 5.0}});
    NeuesMitglied(familie, "Bernd", {{"Bar", 7.0}});
    NeuesMitglied(familie, "Carla", {{"Bar", 1.0}});
    familie.m_arrPersonen[0]->m_arrKonten[2]->m_nStatus = -1;
    familie.m_arrPersonen[2]->m_nStatus = -2;
}

TEST(Hauptfenster, OhneEinstellungenZeigtEsDenWillkommenszustand)
{
    Haushalt haushalt;
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung(kEnglisch));
    EXPECT_EQ(kEnglisch, fenster.Basis().m_nSprache);
    for (int id : {1006, 1007, 1008, 1043, 1002, 1114, 1101})
        EXPECT_TRUE(Sichtbar(fenster, id)) << id;
    for (int id : {1001, 1003, 1004, 1041, 1019, 1025, 1072, 1095, 1100})
        EXPECT_FALSE(Sichtbar(fenster, id)) << id;
}

TEST(Hauptfenster, MitFamilieZeigtEsDieKontostaende)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMeier);
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    for (int id : {1001, 1003, 1004, 1041, 1002, 1019, 1100})
        EXPECT_TRUE(Sichtbar(fenster, id)) << id;
    for (int id : {1006, 1007, 1008, 1043, 1095, 1114, 1025, 1072, 1101})
        EXPECT_FALSE(Sichtbar(fenster, id)) << id;

    auto* liste = fenster.findChild<QTableView*>(QStringLiteral("c1019"));
    ASSERT_NE(nullptr, liste);
    QAbstractItemModel* modell = liste->model();
    QAbstractItemModelTester pruefer(modell, QAbstractItemModelTester::FailureReportingMode::Warning);

    // The deleted account and the deleted member are left out.
    struct Zeile
    {
        const char* name;
        const char* betrag;
        const char* vorzeichen;
        int farbe;
    };
    const CBasis& basis = fenster.Basis();
    const Zeile erwartet[] = {{"Anna, Giro", "-12.50", "1", basis.m_aFarben[1]},
                              {"Anna, Bar", "100.00", "0", basis.m_aFarben[0]},
                              {"Bernd, Bar", " 7.00", "0", basis.m_aFarben[0]}};
    ASSERT_EQ(3, modell->rowCount());
    for (int z = 0; z < 3; ++z) {
        EXPECT_EQ(QString::fromLatin1(erwartet[z].vorzeichen), modell->index(z, 0).data().toString());
        EXPECT_EQ(QString::fromLatin1(erwartet[z].name), modell->index(z, 1).data().toString());
        EXPECT_EQ(QString::fromLatin1(erwartet[z].betrag), modell->index(z, 2).data().toString());
        const QColor farbe = modell->index(z, 2).data(Qt::ForegroundRole).value<QBrush>().color();
        EXPECT_EQ(erwartet[z].farbe, farbe.red() | farbe.green() << 8 | farbe.blue() << 16) << z;
        EXPECT_EQ(QColor(Qt::black), modell->index(z, 1).data(Qt::ForegroundRole).value<QBrush>().color());
    }
    EXPECT_EQ(QStringLiteral("Konto-Stand"), modell->headerData(2, Qt::Horizontal).toString());
    EXPECT_EQ(1, liste->columnWidth(0));
}

// Last saved a week back: the start-up books the orders due since, and the status line says how many.
TEST(Hauptfenster, DieStatuszeileNenntDieNachgeholtenBuchungen)
{
    Haushalt haushalt;
    haushalt.Schreibe([](CBasis& basis) {
        FamilieMeier(basis);
        basis.m_nHeute = kHeute - 7;
        for (int tag : {2, 5, 8, 9}) {
            auto& auftrag = *basis.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
            auftrag.m_strAuftraggeber = "Anna, Giro";
            auftrag.m_strEmpfaenger = "Markt";
            auftrag.m_dBetrag = 1.0;
            auftrag.m_nZyklus = tag;
            auftrag.m_nStatus = 1;
            auftrag.m_nNr = tag;
        }
    });
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    EXPECT_EQ(QStringLiteral(" Buchungen aus Daueraufträgen seit dem letzten Start: 3"),
              fenster.findChild<QLabel*>(QStringLiteral("statusText"))->text());
}

// From the balance list Tab reaches every button of the main window and comes back, the list's marked
// row left where it was.
TEST(Hauptfenster, TabVerlaesstDieKontostaende)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMeier);
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    auto* liste = Element<QTableView>(fenster, 1019);
    Fokus(*liste);
    Maus(*liste->viewport(), Qt::LeftButton, liste->visualRect(liste->model()->index(1, 1)).center());
    const std::vector<QWidget*> runde = Tabrunde(fenster);
    EXPECT_EQ(liste, QApplication::focusWidget()) << "the round comes back";
    for (QWidget* ziel : TabZiele(fenster)) {
        EXPECT_TRUE(ziel == liste || std::find(runde.begin(), runde.end(), ziel) != runde.end())
            << "not reached: " << ziel->objectName().toStdString();
    }
    EXPECT_EQ(1, liste->currentIndex().row());
}

TEST(Hauptfenster, BenachrichtigungFuelltDieListeUndWechseltDenZustand)
{
    Haushalt haushalt;
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    CBasis& basis = fenster.Basis();
    basis.m_arrFamilien.push_back(std::make_unique<CFAMILY>());
    basis.m_arrFamilien.front()->m_strName = "Meier";
    fenster.Benachrichtige(kDatenGeaendert, 0);
    EXPECT_TRUE(Sichtbar(fenster, 1006)) << "a family without members keeps the welcome state";

    NeuesMitglied(*basis.m_arrFamilien.front(), "Anna", {{"Bar", 3.0}});
    fenster.Benachrichtige(kDatenGeaendert, 0);
    EXPECT_TRUE(Sichtbar(fenster, 1001));
    EXPECT_EQ(1, fenster.findChild<QTableView*>(QStringLiteral("c1019"))->model()->rowCount());

    basis.m_arrFamilien.front()->m_strName.clear();
    fenster.Benachrichtige(kDatenGeaendert, 0);
    EXPECT_TRUE(Sichtbar(fenster, 1006)) << "an empty family name falls back to the welcome state";
}

// A family name too long for the space before today's date is painted shortened; its tooltip and the
// window's description for screen readers carry it whole.
TEST(Hauptfenster, EinLangerFamiliennameBleibtGanzLesbar)
{
    const QString name = QStringLiteral("Wittgenstein-Hohenzollern");
    Haushalt haushalt;
    haushalt.Schreibe([&name](CBasis& basis) {
        basis.m_arrFamilien.front()->m_strName = name.toStdString();
        NeuesMitglied(*basis.m_arrFamilien.front(), "Anna", {{"Bar", 3.0}});
    });
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    fenster.show();
    struct : Textzeuge
    {
        void Gemalt(QWidget&, const QString& text, const QRect&) override { texte << text; }
        QStringList texte;
    } zeuge;
    SetzeTextzeuge(&zeuge);
    fenster.grab();
    SetzeTextzeuge(nullptr);
    ASSERT_FALSE(zeuge.texte.isEmpty());
    EXPECT_EQ(QChar(0x2026), zeuge.texte.front().back()) << zeuge.texte.front().toStdString();
    EXPECT_TRUE(fenster.accessibleDescription().startsWith(name)) << fenster.accessibleDescription().toStdString();

    const QPoint aufDemNamen(60, 20);
    QHelpEvent frage(QEvent::ToolTip, aufDemNamen, fenster.mapToGlobal(aufDemNamen));
    QApplication::sendEvent(&fenster, &frage);
    EXPECT_EQ(name, QToolTip::text());
    QToolTip::hideText();
}

TEST(Passwortsperre, StartetGesperrtUndOeffnetNurBeimGenauenText)
{
    Haushalt haushalt;
    haushalt.Schreibe([](CBasis& basis) {
        FamilieMeier(basis);
        basis.m_strPasswort = "Geheim";
    });
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    EXPECT_TRUE(fenster.Gesperrt());
    EXPECT_TRUE(Sichtbar(fenster, 1072));
    for (int id : {1001, 1003, 1004, 1041, 1002, 1006, 1019, 1025})
        EXPECT_FALSE(Sichtbar(fenster, id)) << id;
    for (int id : {1, 2, 1098, 1099})
        EXPECT_TRUE(Sichtbar(fenster, id)) << id;

    EXPECT_TRUE(fenster.accessibleDescription().contains(QStringLiteral("Bitte Passwort eingeben:")))
        << fenster.accessibleDescription().toStdString();
    auto* feld = fenster.findChild<QLineEdit*>(QStringLiteral("c1072"));
    EXPECT_EQ(QLineEdit::Password, feld->echoMode());
    QTest::keyClicks(feld, QStringLiteral("geheim"));
    EXPECT_TRUE(fenster.Gesperrt()) << "the other case does not unlock";
    feld->clear();
    QTest::keyClicks(feld, QStringLiteral("Gehei"));
    EXPECT_TRUE(fenster.Gesperrt());
    QTest::keyClick(feld, Qt::Key_M);
    EXPECT_FALSE(fenster.Gesperrt()) << "the last character unlocks, no Enter needed";
    EXPECT_TRUE(Sichtbar(fenster, 1025));
    EXPECT_TRUE(Sichtbar(fenster, 1019));
    EXPECT_FALSE(Sichtbar(fenster, 1072));

    QTest::mouseClick(fenster.findChild<QAbstractButton*>(QStringLiteral("c1025")), Qt::LeftButton);
    EXPECT_TRUE(fenster.Gesperrt());
    EXPECT_TRUE(feld->text().isEmpty());
    EXPECT_FALSE(Sichtbar(fenster, 1019));
}

TEST(Passwortsperre, OhnePasswortGibtEsKeineSperre)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMeier);
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    EXPECT_FALSE(fenster.Gesperrt());
    EXPECT_FALSE(Sichtbar(fenster, 1025));
}

void BucheEtwas(CBasis& basis)
{
    CInOut& t = basis.NeueTransaktion();
    t.m_strAuftraggeber = "Anna, Bar";
    t.m_strEmpfaenger = "Markt";
    t.m_dBetrag = 4.5;
    t.m_nDatum = kHeute;
    basis.BucheTransaktion(t);
    basis.MonatGeaendert(kHeute / 100);
}

TEST(Hub, EinZweiterDruckSchliesstDasFenster)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMeier);
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    auto* eingabe = fenster.findChild<QAbstractButton*>(QStringLiteral("c1001"));
    ASSERT_TRUE(eingabe->isEnabled());
    QTest::mouseClick(eingabe, Qt::LeftButton);
    QPointer<InOut> offen = fenster.findChild<InOut*>();
    ASSERT_FALSE(offen.isNull());
    EXPECT_TRUE(offen->isVisible());
    QTest::mouseClick(eingabe, Qt::LeftButton);
    RaeumeAuf();
    EXPECT_TRUE(offen.isNull());
    QTest::mouseClick(eingabe, Qt::LeftButton);
    EXPECT_NE(nullptr, fenster.findChild<InOut*>()) << "and a third opens it again";
}

TEST(Hub, BearbeitenOeffnetDieEingabeMitDerTransaktionUndSperrenSchliesstSie)
{
    Haushalt haushalt;
    haushalt.Schreibe([](CBasis& basis) {
        FamilieMeier(basis);
        basis.m_strPasswort = "x";
    });
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    QTest::keyClicks(fenster.findChild<QLineEdit*>(QStringLiteral("c1072")), QStringLiteral("x"));
    BucheEtwas(fenster.Basis());
    const int nummer = fenster.Basis().m_arrInOut.back()->m_nIndex;
    fenster.Benachrichtige(kBearbeiteTransaktion, nummer);
    QPointer<InOut> offen = fenster.findChild<InOut*>();
    ASSERT_FALSE(offen.isNull());
    EXPECT_EQ(nummer, offen->Bearbeitet());

    fenster.Sperre();
    RaeumeAuf();
    EXPECT_TRUE(offen.isNull()) << "locking closes every working window";
}

struct Dateizeit
{
    bool vorhanden = false;
    timespec zeit{};
};

Dateizeit Zeit(const std::filesystem::path& pfad)
{
    struct stat info
    {
    };
    if (::stat(pfad.c_str(), &info) != 0)
        return {};
    return {true, info.st_mtim};
}

bool Vorher(const timespec& a, const timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec <= b.tv_nsec);
}

TEST(Programmende, EndeSchreibtErstDieMonateDannDieEinstellungen)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMeier);
    std::filesystem::remove(haushalt.Pfad("Meier_202612.vlm"));
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    BucheEtwas(fenster.Basis());
    QTest::mouseClick(fenster.findChild<QAbstractButton*>(QStringLiteral("c1")), Qt::LeftButton);
    EXPECT_EQ(CVelmoraDlg::kEnde, fenster.result());

    const Dateizeit monat = Zeit(haushalt.Pfad("Meier_202612.vlm"));
    const Dateizeit einstellungen = Zeit(haushalt.Pfad("VLMBasic_D.ini"));
    ASSERT_TRUE(monat.vorhanden);
    ASSERT_TRUE(einstellungen.vorhanden);
    EXPECT_TRUE(Vorher(monat.zeit, einstellungen.zeit));

    CBasis gelesen;
    gelesen.m_uhr = FesteUhr(kHeute, 1300);
    StarteDaten(gelesen, haushalt.Ordner());
    EXPECT_EQ(kHeute, gelesen.m_nLetzterAufruf);
    EXPECT_EQ(1230, gelesen.m_nLetzteZeit);
    ASSERT_EQ(1u, gelesen.m_arrInOut.size());
    EXPECT_EQ(95.5, gelesen.m_arrFamilien[0]->m_arrPersonen[0]->m_arrKonten[1]->m_dStand);
}

TEST(Programmende, OhneSpeichernBleibtJedeDateiWieSieWar)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMeier);
    const Dateizeit vorher = Zeit(haushalt.Pfad("VLMBasic_D.ini"));
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    BucheEtwas(fenster.Basis());
    QTest::mouseClick(fenster.findChild<QAbstractButton*>(QStringLiteral("c2")), Qt::LeftButton);
    EXPECT_EQ(CVelmoraDlg::kEndeOhneSpeichern, fenster.result());
    const Dateizeit nachher = Zeit(haushalt.Pfad("VLMBasic_D.ini"));
    EXPECT_EQ(vorher.zeit.tv_nsec, nachher.zeit.tv_nsec);
    EXPECT_EQ(vorher.zeit.tv_sec, nachher.zeit.tv_sec);
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(haushalt.Ordner()), {}))
        << "the settings file and the one month, nothing new";
}

TEST(Programmende, DasSchliessfeldSpeichertWieEnde)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMeier);
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    fenster.show();
    BucheEtwas(fenster.Basis());
    EXPECT_TRUE(fenster.close());
    CBasis gelesen;
    gelesen.m_uhr = FesteUhr(kHeute, 1300);
    StarteDaten(gelesen, haushalt.Ordner());
    EXPECT_EQ(1u, gelesen.m_arrInOut.size());
}

TEST(Programmende, EscapeBeendetNichts)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMeier);
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    fenster.show();
    QTest::keyClick(&fenster, Qt::Key_Escape);
    EXPECT_TRUE(fenster.isVisible());
}

TEST(Programmende, EinFehlschlagNenntDieDateiUndLaesstDasFensterOffen)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMeier);
    // A folder where the month's file belongs: it can neither be read nor replaced.
    std::filesystem::remove(haushalt.Pfad("Meier_202612.vlm"));
    std::filesystem::create_directory(haushalt.Pfad("Meier_202612.vlm"));
    MeldungsMitschrift meldungen;
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    fenster.show();
    BucheEtwas(fenster.Basis());
    QTest::mouseClick(fenster.findChild<QAbstractButton*>(QStringLiteral("c1")), Qt::LeftButton);
    ASSERT_EQ(1, static_cast<int>(meldungen.texte.size()));
    EXPECT_TRUE(meldungen.texte[0].contains(QStringLiteral("Meier_202612.vlm"))) << meldungen.texte[0].toStdString();
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_FALSE(fenster.close());
    EXPECT_EQ(2, static_cast<int>(meldungen.texte.size()));
}

TEST(Programmstart, EineAbgeschnitteneDateiWirdEinmalGemeldet)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMeier);
    const auto pfad = haushalt.Pfad("VLMBasic_D.ini");
    std::filesystem::resize_file(pfad, std::filesystem::file_size(pfad) - 7);
    MeldungsMitschrift meldungen;
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    QTest::qWait(1);
    QCoreApplication::processEvents();
    ASSERT_EQ(1, static_cast<int>(meldungen.texte.size()));
    EXPECT_TRUE(meldungen.texte[0].contains(QStringLiteral("VLMBasic_D.ini")));
    EXPECT_TRUE(Sichtbar(fenster, 1019)) << "the program goes on with what was read";
}

TEST(Ballons, AusgeschaltetGibtEsKeine)
{
    Haushalt haushalt;
    haushalt.Schreibe([](CBasis& basis) {
        FamilieMeier(basis);
        basis.m_bTooltips = 0;
    });
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    EXPECT_EQ(0, fenster.Ballons().ToolCount());

    fenster.Basis().m_bTooltips = 1;
    fenster.ErstelleBallons();
    EXPECT_EQ(11, fenster.Ballons().ToolCount());
    const QString text = fenster.Ballons().ToolText(fenster.findChild<QWidget*>(QStringLiteral("c1098")));
    EXPECT_EQ(QStringLiteral("<center><h1>Info</h1></center><br><hr color=blue><br><center>\nVersion und "
                             "Kontakt.\n</center><br><bmp idres=188>"),
              text);
    EXPECT_FALSE(
        fenster.Ballons().ToolText(fenster.findChild<QWidget*>(QStringLiteral("c2"))).contains(QStringLiteral("<bmp")));
}

TEST(Ballons, ErscheinenErstNachEinerSekundeRuhe)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMeier);
    CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    QWidget* eingabe = fenster.findChild<QWidget*>(QStringLiteral("c1002"));
    QElapsedTimer uhr;
    uhr.start();
    QTest::mouseMove(eingabe, QPoint(30, 20));
    QTest::qWait(600);
    EXPECT_FALSE(fenster.Ballons().BallonSichtbar());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fenster.Ballons().BallonSichtbar(); }, 3000));
    EXPECT_GE(uhr.elapsed(), 1000);
    EXPECT_EQ(eingabe, fenster.Ballons().AngezeigtFuer());
    QTest::mouseMove(&fenster, QPoint(fenster.width() - 5, 5));
}

// Every visible button, field and list can be found and read by assistive technology.
void PruefeZugaenglichkeit(QWidget& fenster)
{
    for (QWidget* w : fenster.findChildren<QWidget*>()) {
        // Headers and scroll bars are parts of their list, announced with it.
        if (!w->isVisibleTo(&fenster) || qobject_cast<QAbstractItemView*>(w->parentWidget()) ||
            (w->parentWidget() && qobject_cast<QAbstractItemView*>(w->parentWidget()->parentWidget())))
            continue;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w))
            EXPECT_FALSE(w->accessibleName().isEmpty())
                << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
}

TEST(Zugaenglichkeit, JedesSteuerelementHatEinenNamenInBeidenSprachen)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        Haushalt haushalt;
        haushalt.Schreibe(
            [](CBasis& basis) {
                FamilieMeier(basis);
                basis.m_strPasswort = "x";
            },
            sprache);
        CVelmoraDlg fenster(haushalt.Ordner(), Umgebung());
        PruefeZugaenglichkeit(fenster);
        QTest::keyClicks(fenster.findChild<QLineEdit*>(QStringLiteral("c1072")), QStringLiteral("x"));
        PruefeZugaenglichkeit(fenster);
        const QString eingabe = fenster.findChild<QWidget*>(QStringLiteral("c1001"))->accessibleName();
        EXPECT_EQ(sprache == kDeutsch ? QStringLiteral("Eingabe") : QStringLiteral("Input"), eingabe);
        fenster.Benachrichtige(kZeigeVorschau, 0);
        PruefeZugaenglichkeit(*fenster.findChild<Prognose*>());
        fenster.Benachrichtige(kOeffneImportregeln, 0);
        PruefeZugaenglichkeit(*fenster.findChild<Regelfenster*>());
        Importgedaechtnis gedaechtnis;
        Regeldialog regel(fenster.Basis(), gedaechtnis, {}, Importregel{});
        PruefeZugaenglichkeit(regel);
        Anwendungsdialog anwenden(fenster.Basis(), fenster, {});
        PruefeZugaenglichkeit(anwenden);
    }
    Haushalt leer;
    CVelmoraDlg willkommen(leer.Ordner(), Umgebung());
    PruefeZugaenglichkeit(willkommen);
}

} // namespace
} // namespace velmora::test
