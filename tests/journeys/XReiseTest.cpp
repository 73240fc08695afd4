// The real program under a real X server: `velmora` started on a book under Xvfb, clicked and typed into
// with xdotool as the window system delivers a person's input, ended with "Ende" and read back with
// velmora-cli. Where each control lies is measured on a twin: the same windows built in this process on
// the same display from an identical book, found by their accessible names.

#include "Befehle.h"
#include "CVelmoraDlg.h"
#include "Fernbedienung.h"
#include "TempOrdner.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>
#include <clocale>
#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace velmora::test {
namespace {

pid_t s_xvfb = -1;

// Starts Xvfb on a free display and answers its name (":N"); empty when none can be started.
QByteArray StarteXvfb()
{
    int rohr[2];
    if (pipe(rohr) != 0)
        return {};
    s_xvfb = fork();
    if (s_xvfb == 0) {
        close(rohr[0]);
        const std::string fd = std::to_string(rohr[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(rohr[1]);
    QByteArray nummer;
    pollfd warten{rohr[0], POLLIN, 0};
    char zeichen = 0;
    while (s_xvfb > 0 && poll(&warten, 1, 5000) > 0 && read(rohr[0], &zeichen, 1) == 1 && zeichen != '\n')
        nummer += zeichen;
    close(rohr[0]);
    return nummer.isEmpty() ? QByteArray() : ":" + nummer;
}

std::string Cli(const std::vector<std::string>& argumente)
{
    std::ostringstream aus;
    std::ostringstream fehler;
    EXPECT_EQ(cli::kFertig, cli::FuehreAus(argumente, aus, fehler)) << fehler.str();
    return aus.str();
}

// xdotool's answer, trimmed; a test failure when it fails.
QString Xdo(const QStringList& argumente)
{
    QProcess xdo;
    xdo.start(QStringLiteral("xdotool"), argumente);
    const bool fertig = xdo.waitForFinished(15000);
    EXPECT_TRUE(fertig && xdo.exitCode() == 0) << "xdotool " << argumente.join(QLatin1Char(' ')).toStdString() << ": "
                                               << xdo.readAllStandardError().toStdString();
    return QString::fromUtf8(xdo.readAllStandardOutput()).trimmed();
}

QStringList Zahlen(QPoint ort)
{
    return {QString::number(ort.x()), QString::number(ort.y())};
}

// Where a control of a window lies, from the window's top-left corner.
QPoint Ort(QWidget& fenster, const QString& name)
{
    QAccessibleInterface* element = Zugang(fenster, name);
    return element ? element->rect().center() - fenster.mapToGlobal(QPoint(0, 0)) : QPoint();
}

// Places from the top-left corner of the main window and of the overview.
struct Orte
{
    QPoint uebersichtKnopf;
    QPoint ende;
    QPoint ersteZeile;
    QPoint loeschen; // "Eintrag löschen" of the pop-up the right click on the first row opens
};

Orte Vermesse(const std::string& zwilling)
{
    Orte orte;
    CVelmoraDlg haupt(zwilling);
    haupt.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&haupt));
    orte.uebersichtKnopf = Ort(haupt, QStringLiteral("Einzel-Übersicht"));
    orte.ende = Ort(haupt, QStringLiteral("Ende"));
    KlickeAuf(haupt, QStringLiteral("Einzel-Übersicht"));
    QWidget* uebersicht = Fenster(QStringLiteral("Übersicht Familie"));
    if (!uebersicht || !QTest::qWaitForWindowExposed(uebersicht))
        return orte;
    const QPoint ecke = uebersicht->mapToGlobal(QPoint(0, 0));
    QAccessibleInterface* liste = Zugang(*uebersicht, QStringLiteral("Transaktionen"), QAccessible::Table);
    if (!liste || liste->tableInterface()->rowCount() == 0)
        return orte;
    orte.ersteZeile = liste->tableInterface()->cellAt(0, 2)->rect().center() - ecke;
    WennOffen(QStringLiteral("Eintrag"), [&](QWidget& popup) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&popup));
        orte.loeschen = Ort(popup, QStringLiteral("Eintrag löschen")) + popup.mapToGlobal(QPoint(0, 0)) - ecke;
        KlickeAuf(popup, QStringLiteral("Abbruch"));
    });
    KlickeZelle(*uebersicht, QStringLiteral("Transaktionen"), 0, 2, Qt::RightButton);
    return orte;
}

// The transactions of the current month that are deleted, in the files.
int Geloeschte(const std::string& ordner)
{
    int anzahl = 0;
    const QJsonDocument buch = QJsonDocument::fromJson(QByteArray::fromStdString(Cli({"dump", ordner})));
    for (const QJsonValue t : buch[QStringLiteral("m_arrInOut")].toArray())
        anzahl += t[QStringLiteral("m_nStatus")].toInt() < 0 ? 1 : 0;
    return anzahl;
}

// A right click on the overview's newest transaction, "Eintrag löschen" in its pop-up, "Ja" to the
// question by its key, then "Ende": the transaction is deleted in the files.
TEST(ReiseUnterX, UebersichtLoeschtEineTransaktion)
{
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QStringLiteral("xcb"))
        GTEST_SKIP() << "no X server could be started: Xvfb is missing (make deps installs it)";
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "xdotool is missing (make deps installs it)";
    const TempOrdner temp("velmora-x");
    const std::string ordner = temp.Unterordner("buch");
    const std::string zwilling = temp.Unterordner("zwilling");
    for (const std::string& o : {ordner, zwilling})
        Cli({"generate", o, "--years", "1", "--seed", "5"});
    const Orte orte = Vermesse(zwilling);
    ASSERT_FALSE(orte.loeschen.isNull()) << "the twin showed no pop-up";
    const int vorher = Geloeschte(ordner);

    QProcess velmora;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(temp.Unterordner("konfig")));
    velmora.setProcessEnvironment(umgebung);
    velmora.start(QStringLiteral(VELMORA_PROGRAMM), {QString::fromStdString(ordner)});
    ASSERT_TRUE(velmora.waitForStarted());
    const QString haupt = Xdo({"search", "--sync", "--onlyvisible", "--name", "^Velmora$"});
    const auto klicke = [](const QString& fenster, QPoint ort, const char* knopf) {
        Xdo(QStringList{"mousemove", "--sync", "--window", fenster} + Zahlen(ort) +
            QStringList{"click", knopf, "sleep", "1"});
    };
    klicke(haupt, orte.uebersichtKnopf, "1");
    const QString uebersicht = Xdo({"search", "--sync", "--onlyvisible", "--name", "^Übersicht Familie"});
    Xdo({"sleep", "0.5"});
    klicke(uebersicht, orte.ersteZeile, "3");
    klicke(uebersicht, orte.loeschen, "1");
    // "Diesen Eintrag wirklich löschen ?" answered by its key.
    Xdo({"key", "j", "sleep", "0.4"});
    // Without a window manager a window comes to the front only when asked to, as a click on its title
    // bar would bring it.
    Xdo({"windowraise", haupt});
    klicke(haupt, orte.ende, "1");
    EXPECT_TRUE(velmora.waitForFinished(15000)) << "the program did not end with \"Ende\"";
    if (velmora.state() != QProcess::NotRunning) {
        velmora.kill();
        velmora.waitForFinished();
    }
    EXPECT_EQ(vorher + 1, Geloeschte(ordner));
}

} // namespace
} // namespace velmora::test

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const QByteArray anzeige = ::testing::GTEST_FLAG(list_tests) ? QByteArray() : velmora::test::StarteXvfb();
    qputenv("QT_QPA_PLATFORM", anzeige.isEmpty() ? "offscreen" : "xcb");
    if (!anzeige.isEmpty())
        qputenv("DISPLAY", anzeige);
    int ergebnis = 0;
    {
        QApplication anwendung(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        QApplication::setOrganizationName(QStringLiteral("VelmoraTest"));
        QApplication::setApplicationName(QStringLiteral("VelmoraTest"));
        ergebnis = RUN_ALL_TESTS();
    }
    if (velmora::test::s_xvfb > 0) {
        kill(velmora::test::s_xvfb, SIGTERM);
        waitpid(velmora::test::s_xvfb, nullptr, 0);
    }
    return ergebnis;
}
