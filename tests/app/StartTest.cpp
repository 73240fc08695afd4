// Where the program finds the book, that only one program holds it, and that a run which ended without
// "Ende" can be restored.

#include "Bedienung.h"
#include "Buchsperre.h"
#include "Buchung.h"
#include "CVelmoraApp.h"
#include "Haushalt.h"
#include "Hub.h"
#include "TempOrdner.h"
#include "Wiederherstellung.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

// Every test keeps the setting "Path" in a scratch folder of its own, never in the user's.
class Start : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QString::fromStdString(m_temp.Unterordner("config")));
    }

    std::string Ordner(const std::string& name) { return m_temp.Unterordner(name); }

    Anwendungsumgebung Umgebung(const std::string& aktuell)
    {
        Anwendungsumgebung u;
        u.strHeim = Ordner("home");
        u.strAktuell = aktuell;
        u.erstwahl = [this](const QString& vorschlag) {
            m_fragen << vorschlag;
            return std::optional<Erstwahl>(Erstwahl{vorschlag, kDeutsch});
        };
        u.wiederherstellen = [this] { return m_bWiederherstellen; };
        u.meldung = [this](const QString& text) { m_meldungen << text; };
        u.trotzdemOeffnen = [this](const QString& text) {
            m_zweifel << text;
            return m_bTrotzdem;
        };
        u.start.uhr = FesteUhr(kHeute, 1200);
        return u;
    }

    static void SchreibeBuch(const std::string& ordner, const std::string& familie)
    {
        CBasis basis;
        basis.m_strPfad = ordner;
        basis.m_nSprache = kDeutsch;
        basis.m_nHeute = kHeute - 1;
        basis.m_arrFamilien.push_back(std::make_unique<CFAMILY>());
        basis.m_arrFamilien[0]->m_strName = familie;
        basis.m_nFamilie = 0;
        NeuesMitglied(*basis.m_arrFamilien[0], "Anna", {{"Giro", 100.0}});
        basis.SpeichereEinstellungen();
    }

    TempOrdner m_temp{"velmora-start"};
    QStringList m_fragen;
    QStringList m_meldungen;
    QStringList m_zweifel;
    bool m_bWiederherstellen = true;
    bool m_bTrotzdem = false;
};

// The entries of a folder, hidden ones too, sorted.
std::string Namen(const std::string& ordner)
{
    std::vector<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(ordner))
        namen.push_back(eintrag.path().filename().string());
    std::sort(namen.begin(), namen.end());
    std::string text;
    for (const std::string& name : namen)
        text += name + " ";
    return text;
}

std::string Lies(const std::string& pfad)
{
    QFile datei(QFile::decodeName(QByteArray::fromStdString(pfad)));
    return datei.open(QIODevice::ReadOnly) ? datei.readAll().toStdString() : std::string();
}

TEST_F(Start, ErsterStartLegtDasBuchInVelmoraAnUndDerZweiteFindetEs)
{
    const std::string heim = Ordner("home");
    {
        CVelmoraApp app(Umgebung(heim));
        const auto fenster = app.Oeffne();
        ASSERT_NE(nullptr, fenster);
        ASSERT_EQ(QStringList{QString::fromStdString(heim) + "/Velmora"}, m_fragen);
        EXPECT_EQ(kDeutsch, fenster->Basis().m_nSprache);
        fenster->Basis().m_arrFamilien.push_back(std::make_unique<CFAMILY>());
        fenster->Basis().m_arrFamilien[0]->m_strName = "Meier";
        Klicke(*fenster, CVelmoraDlg::kEnde);
    }
    EXPECT_EQ("Velmora ", Namen(heim)) << "nothing lands loose in the home folder";
    EXPECT_EQ("Meier_202612.vlm VLMBasic_D.ini ", Namen(heim + "/Velmora"));
    EXPECT_EQ(heim + "/Velmora", CVelmoraApp::GespeicherterPfad());

    CVelmoraApp zweiter(Umgebung(heim));
    const auto fenster = zweiter.Oeffne();
    ASSERT_NE(nullptr, fenster);
    EXPECT_EQ(1, m_fragen.size()) << "the second start asks nothing";
    EXPECT_EQ("Meier", fenster->Basis().Familie()->m_strName);
}

TEST_F(Start, ArgumentVorPfadVorAktuellemOrdner)
{
    const std::string pfad = Ordner("pfad");
    const std::string argument = Ordner("\xD0\xA1\xD0\xB5\xD0\xBC\xD1\x8C\xD1\x8F j\xC3\xBCrgen");
    const std::string aktuell = Ordner("aktuell");
    SchreibeBuch(pfad, "Pfad");
    SchreibeBuch(argument, "Argument");
    SchreibeBuch(aktuell, "Aktuell");
    struct Fall
    {
        bool bPfad;
        bool bArgument;
        const char* szFamilie;
    } const faelle[] = {{true, true, "Argument"}, {true, false, "Pfad"}, {false, false, "Aktuell"}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.szFamilie);
        QSettings einstellungen(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
        if (fall.bPfad)
            einstellungen.setValue(QStringLiteral("Velmora/Path"), QString::fromStdString(pfad));
        else
            einstellungen.remove(QStringLiteral("Velmora/Path"));
        einstellungen.sync();
        Anwendungsumgebung u = Umgebung(aktuell);
        if (fall.bArgument)
            u.argumente = {argument};
        CVelmoraApp app(u);
        const auto fenster = app.Oeffne();
        ASSERT_NE(nullptr, fenster);
        EXPECT_EQ(fall.szFamilie, fenster->Basis().Familie()->m_strName);
        EXPECT_TRUE(m_fragen.isEmpty());
    }
}

TEST_F(Start, EinZweiterStartAufDemselbenBuchEndetMitSeinerMeldung)
{
    const std::string ordner = Ordner("buch");
    SchreibeBuch(ordner, "Meier");
    Anwendungsumgebung u = Umgebung(ordner);
    CVelmoraApp erster(u);
    const auto fenster = erster.Oeffne();
    ASSERT_NE(nullptr, fenster);
    const std::string vorher = Namen(ordner);

    CVelmoraApp zweiter(u);
    EXPECT_EQ(nullptr, zweiter.Oeffne());
    ASSERT_EQ(1, m_meldungen.size());
    EXPECT_TRUE(m_meldungen[0].contains(QString::fromUtf8("bereits geöffnet"))) << m_meldungen[0].toStdString();
    EXPECT_TRUE(m_meldungen[0].contains(QStringLiteral("already open")));
    EXPECT_TRUE(m_meldungen[0].contains(QString::number(QCoreApplication::applicationPid())));
    EXPECT_EQ(vorher, Namen(ordner));
}

// A run that books and then dies: the next start offers its changes back.
TEST_F(Start, EinAbgebrochenerLaufWirdAngeboten)
{
    enum class Antwort
    {
        kJa,
        kNein,
        kOhneSpeichern
    };
    for (Antwort antwort : {Antwort::kJa, Antwort::kNein, Antwort::kOhneSpeichern}) {
        SCOPED_TRACE(static_cast<int>(antwort));
        const std::string ordner = Ordner("abgebrochen" + std::to_string(static_cast<int>(antwort)));
        SchreibeBuch(ordner, "Meier");
        const std::string einstellungen = Lies(ordner + "/VLMBasic_D.ini");
        {
            CVelmoraApp app(Umgebung(ordner));
            const auto fenster = app.Oeffne();
            ASSERT_NE(nullptr, fenster);
            fenster->Basis().m_strPasswort = "geheim";
            BucheNeu(fenster->Basis(), {"Anna, Giro", "Laden", "Anna", {}, {}, "Milch", 2.5, kHeute});
            fenster->Benachrichtige(kDatenGeaendert, 0);
            QTRY_VERIFY_WITH_TIMEOUT(fs::exists(ordner + "/.recovery/VLMBasic_D.ini"), 3000);
            if (antwort == Antwort::kOhneSpeichern) {
                Klicke(*fenster, CVelmoraDlg::kEndeOhneSpeichern);
                EXPECT_FALSE(fs::exists(ordner + "/.recovery"));
                EXPECT_EQ(einstellungen, Lies(ordner + "/VLMBasic_D.ini"));
                continue;
            }
        }
        m_bWiederherstellen = antwort == Antwort::kJa;
        CVelmoraApp app(Umgebung(ordner));
        const auto fenster = app.Oeffne();
        ASSERT_NE(nullptr, fenster);
        const CBasis& b = fenster->Basis();
        if (antwort == Antwort::kNein) {
            EXPECT_TRUE(b.m_arrInOut.empty());
            EXPECT_EQ(einstellungen, Lies(ordner + "/VLMBasic_D.ini"));
            EXPECT_EQ(".recovery-discarded-20261208-1200 .velmora.lock VLMBasic_D.ini ", Namen(ordner));
            continue;
        }
        EXPECT_TRUE(fenster->Gesperrt()) << "the password applies before anything is shown";
        ASSERT_EQ(1u, b.m_arrInOut.size());
        EXPECT_EQ("Milch", b.m_arrInOut[0]->m_strKommentar);
        EXPECT_EQ(97.5, b.Familie()->m_arrPersonen[0]->m_arrKonten[0]->m_dStand);
        Klicke(*fenster, CVelmoraDlg::kEnde);
        EXPECT_FALSE(fs::exists(ordner + "/.recovery"));
        CBasis gespeichert;
        gespeichert.m_strPfad = ordner;
        gespeichert.LadeEinstellungen();
        ASSERT_EQ(0, gespeichert.LadeMonat(kHeute));
        EXPECT_EQ(1u, gespeichert.m_arrInOut.size());
    }
}

// A lock that tells nothing, or names another computer, may still be in use: the user decides.
TEST_F(Start, EineZweifelhafteSperreWirdErfragt)
{
    const std::string ordner = Ordner("zweifel");
    SchreibeBuch(ordner, "Meier");
    const struct
    {
        const char* szInhalt;
        const char* szErwartet;
    } faelle[] = {{"", "ist beschädigt oder nicht lesbar"},
                  {"4711\nvelmora\nkuechenrechner\n", "auf dem Rechner kuechenrechner geöffnet"}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.szInhalt);
        for (bool trotzdem : {false, true}) {
            m_zweifel.clear();
            m_bTrotzdem = trotzdem;
            {
                QFile sperre(QString::fromStdString(ordner + "/.velmora.lock"));
                ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
                sperre.write(fall.szInhalt);
            }
            CVelmoraApp app(Umgebung(ordner));
            const auto fenster = app.Oeffne();
            ASSERT_EQ(1, m_zweifel.size());
            EXPECT_TRUE(m_zweifel[0].contains(QString::fromUtf8(fall.szErwartet))) << m_zweifel[0].toStdString();
            EXPECT_EQ(trotzdem, fenster != nullptr);
            EXPECT_TRUE(m_meldungen.isEmpty()) << "the answer is the only word";
        }
    }
}

// What is typed at the first start lies in the home folder, wherever the program was started from.
TEST_F(Start, EinGetippterOrdnerLiegtImHeimordner)
{
    const std::string heim = Ordner("home");
    const std::string aktuell = Ordner("anderswo");
    const struct
    {
        const char* szGetippt;
        const char* szOrdner;
    } faelle[] = {{"~/Haushalt", "/Haushalt"}, {"Buecher/./Haushalt/", "/Buecher/Haushalt"}, {"~", ""}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.szGetippt);
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).remove(QStringLiteral("Velmora/Path"));
        Anwendungsumgebung u = Umgebung(aktuell);
        u.erstwahl = [&](const QString&) {
            return std::optional<Erstwahl>(Erstwahl{QString::fromUtf8(fall.szGetippt), kDeutsch});
        };
        CVelmoraApp app(u);
        const auto fenster = app.Oeffne();
        ASSERT_NE(nullptr, fenster);
        EXPECT_EQ(heim + fall.szOrdner, fenster->Basis().m_strPfad);
        EXPECT_EQ(heim + fall.szOrdner, CVelmoraApp::GespeicherterPfad());
        EXPECT_EQ("", Namen(aktuell)) << "nothing is made in the current folder";
    }
}

// `make run` names the folder; the next start from the desktop menu, without it, opens the same book. A
// folder name that is not UTF-8 (here Latin-1) comes through as the bytes the system gave.
TEST_F(Start, EinStartMitOrdnerMerktIhnFuerDenStartOhne)
{
    for (const char* name : {"buch", "J\xFCrgens Buch"}) {
        SCOPED_TRACE(name);
        QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")).remove(QStringLiteral("Velmora/Path"));
        const std::string buch = Ordner(name);
        SchreibeBuch(buch, "Meier");
        {
            Anwendungsumgebung u = Umgebung(Ordner("werkstatt"));
            u.argumente = {buch};
            CVelmoraApp app(u);
            const auto fenster = app.Oeffne();
            ASSERT_NE(nullptr, fenster);
            EXPECT_EQ(buch, fenster->Basis().m_strPfad);
        }
        ASSERT_EQ(buch, CVelmoraApp::GespeicherterPfad());
        CVelmoraApp ohne(Umgebung(Ordner("desktop")));
        const auto fenster = ohne.Oeffne();
        ASSERT_NE(nullptr, fenster);
        EXPECT_EQ(buch, fenster->Basis().m_strPfad);
        EXPECT_EQ("Meier", fenster->Basis().Familie()->m_strName);
        EXPECT_TRUE(m_fragen.isEmpty());
    }
}

} // namespace
} // namespace velmora::test
