// Measures how long the program takes from process start until its main window is on the screen,
// doing exactly what the program does at start-up, on the data folder given. With --orders it then
// presses the main button "Daueraufträge" and measures until the standing-order list is on the screen.
// With --overview it presses "Einzel-Übersicht" with the range set from the first month to today, and
// measures until the overview is on the screen listing every transaction of that range, then times a
// header sort and a search there. With --forecast it asks for the forecast of the first account, as a
// double click on its row does, and measures until the forecast window is on the screen.

#include "CVelmoraDlg.h"
#include "Dauerauftrag.h"
#include "ImportModell.h"
#include "Kontoimport.h"
#include "Overview.h"
#include "Prognose.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <clocale>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// Seconds since boot at which this process was started (/proc/self/stat, field 22).
double ProzessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string inhalt((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name may hold blanks; the fields after it follow its closing parenthesis.
    std::size_t pos = inhalt.rfind(')');
    unsigned long long ticks = 0;
    for (int feld = 3; feld <= 22 && pos != std::string::npos; ++feld) {
        pos = inhalt.find(' ', pos + 1);
        if (feld == 22)
            ticks = std::stoull(inhalt.substr(pos + 1));
    }
    return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double SeitBoot()
{
    timespec jetzt{};
    clock_gettime(CLOCK_BOOTTIME, &jetzt);
    return static_cast<double>(jetzt.tv_sec) + static_cast<double>(jetzt.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    const auto mainBeginn = std::chrono::steady_clock::now();
    const bool auftraege = argc == 3 && std::string(argv[2]) == "--orders";
    const bool import = argc == 5 && std::string(argv[2]) == "--import";
    const bool uebersicht = argc == 3 && std::string(argv[2]) == "--overview";
    const bool vorschau = argc == 3 && std::string(argv[2]) == "--forecast";
    if (argc != 2 && !auftraege && !import && !uebersicht && !vorschau) {
        std::fprintf(stderr,
                     "usage: velmora-starttime DATA_FOLDER [--orders | --overview | --forecast | --import STATEMENT "
                     "\"MEMBER, ACCOUNT\"]\n");
        return 2;
    }
    QApplication anwendung(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    velmora::Startumgebung umgebung;
    umgebung.sprachwahl = [] { return velmora::kDeutsch; };
    velmora::CVelmoraDlg hauptfenster(argv[1], umgebung);
    hauptfenster.show();
    if (!QTest::qWaitForWindowExposed(&hauptfenster))
        return 1;
    const double gesamt = (SeitBoot() - ProzessStart()) * 1000.0;
    const double abMain =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - mainBeginn).count();
    std::printf("{\"process_start_to_shown_ms\": %.0f, \"main_to_shown_ms\": %.1f, \"transactions_loaded\": %zu",
                gesamt, abMain, hauptfenster.Basis().m_arrInOut.size());
    if (auftraege) {
        const auto druck = std::chrono::steady_clock::now();
        hauptfenster.findChild<QAbstractButton*>(QStringLiteral("c1041"))->click();
        auto* liste = hauptfenster.findChild<velmora::Dauerauftrag*>();
        if (!liste || !QTest::qWaitForWindowExposed(liste))
            return 1;
        std::printf(", \"orders_open_ms\": %.1f, \"orders_listed\": %zu",
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - druck).count(),
                    liste->Liste().m_arrZeilen.size());
    }
    if (vorschau) {
        const auto klick = std::chrono::steady_clock::now();
        hauptfenster.Benachrichtige(velmora::kZeigeVorschau, 0);
        auto* fenster = hauptfenster.findChild<velmora::Prognose*>();
        if (!fenster || !QTest::qWaitForWindowExposed(fenster))
            return 1;
        QApplication::processEvents();
        std::printf(", \"forecast_open_ms\": %.1f, \"forecast_bookings\": %zu",
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - klick).count(),
                    fenster->Gezeigt().buchungen.size());
    }
    if (import) {
        // From the user's choice of the statement file to its preview on the screen.
        const QString konto = QString::fromLocal8Bit(argv[4]);
        velmora::Kontoimport::SetzeKontofrage(
            [&konto](const QString&, const QString&, const QStringList&) { return konto; });
        const auto wahl = std::chrono::steady_clock::now();
        hauptfenster.Importiere({QString::fromLocal8Bit(argv[3])});
        auto* vorschau = hauptfenster.findChild<velmora::Kontoimport*>();
        if (!vorschau || !QTest::qWaitForWindowExposed(vorschau))
            return 1;
        QApplication::processEvents();
        std::printf(", \"import_preview_ms\": %.1f, \"import_lines\": %d, \"import_duplicates\": %d",
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wahl).count(),
                    vorschau->Modell().rowCount(), vorschau->Modell().Duplikate());
    }
    if (uebersicht) {
        const auto druck = std::chrono::steady_clock::now();
        velmora::CBasis& basis = hauptfenster.Basis();
        basis.m_nVonDatum = basis.m_nErsterMonat * 100 + 1;
        basis.m_nBisDatum = basis.m_nHeute;
        hauptfenster.findChild<QAbstractButton*>(QStringLiteral("c1003"))->click();
        velmora::Overview* fenster = hauptfenster.Uebersicht();
        if (!fenster || !QTest::qWaitForWindowExposed(fenster))
            return 1;
        std::printf(", \"overview_open_ms\": %.1f, \"process_start_to_overview_ms\": %.0f, \"overview_listed\": %d",
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - druck).count(),
                    (SeitBoot() - ProzessStart()) * 1000.0, fenster->Liste().m_nZeilen);
        // Then a click on the header "Auftraggeber" and a search that finds nothing, each until painted.
        const auto kopf = std::chrono::steady_clock::now();
        auto* liste = fenster->findChild<QTableView*>(QStringLiteral("c1019"));
        emit liste->horizontalHeader()->sectionClicked(1);
        liste->viewport()->repaint();
        const auto suche = std::chrono::steady_clock::now();
        fenster->findChild<QLineEdit*>(QStringLiteral("c1092"))->setText(QStringLiteral("nirgends zu finden"));
        liste->viewport()->repaint();
        const auto ende = std::chrono::steady_clock::now();
        std::printf(", \"overview_sort_ms\": %.1f, \"overview_search_ms\": %.1f",
                    std::chrono::duration<double, std::milli>(suche - kopf).count(),
                    std::chrono::duration<double, std::milli>(ende - suche).count());
    }
    std::printf("}\n");
    return 0;
}
