// Measures how long the program takes from process start until its main window is on the screen,
// doing exactly what the program does at start-up, on the data folder given. With --orders it then
// presses the main button "Daueraufträge" and measures until the standing-order list is on the screen.

#include "CVelmoraDlg.h"
#include "Dauerauftrag.h"

#include <QAbstractButton>
#include <QApplication>
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
    if (argc != 2 && !auftraege) {
        std::fprintf(stderr, "usage: velmora-starttime DATA_FOLDER [--orders]\n");
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
    std::printf("}\n");
    return 0;
}
