// Measures the analyses window on the data folder given: from the press of "Auswertung" until the
// window is painted, and each navigation step and change of the selection until the window is painted
// again. Prints the figures in milliseconds as one JSON line.

#include "CVelmoraDlg.h"
#include "QtText.h"
#include "grafik.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTest>

#include <clocale>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace velmora;

struct Dauer
{
    double wand = 0.0; // wall-clock milliseconds
    double cpu = 0.0;  // milliseconds of this process's processor time
};

double CpuMillisekunden()
{
    timespec zeit{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &zeit);
    return static_cast<double>(zeit.tv_sec) * 1e3 + static_cast<double>(zeit.tv_nsec) / 1e6;
}

// Runs a step and paints the window at once, as the screen would show it. On a busy machine the wall
// clock also counts the time others had the processor; the processor time does not.
Dauer Miss(QWidget* fenster, const std::function<void()>& schritt)
{
    QElapsedTimer uhr;
    uhr.start();
    const double cpu = CpuMillisekunden();
    schritt();
    QApplication::processEvents();
    if (fenster)
        fenster->repaint();
    return {static_cast<double>(uhr.nsecsElapsed()) / 1e6, CpuMillisekunden() - cpu};
}

std::string AlsJson(const std::string& name, const Dauer& dauer)
{
    return "\"" + name + "_ms\": " + std::to_string(dauer.wand) + ", \"" + name +
           "_cpu_ms\": " + std::to_string(dauer.cpu);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-analysetime DATA_FOLDER\n");
        return 2;
    }
    QApplication anwendung(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    Startumgebung umgebung;
    umgebung.sprachwahl = [] { return kDeutsch; };
    CVelmoraDlg hauptfenster(AlsCp1252(QString::fromLocal8Bit(argv[1])), umgebung);
    hauptfenster.show();
    if (!QTest::qWaitForWindowExposed(&hauptfenster))
        return 1;

    const auto knopf = [](QWidget* fenster, int id) {
        return fenster->findChild<QAbstractButton*>(QStringLiteral("c%1").arg(id));
    };
    grafik* auswertung = nullptr;
    const Dauer oeffnen = Miss(nullptr, [&] {
        knopf(&hauptfenster, CVelmoraDlg::kAuswertung)->click();
        auswertung = hauptfenster.findChild<grafik*>();
        if (auswertung)
            auswertung->repaint();
    });
    if (!auswertung)
        return 1;

    auto* auswahl = auswertung->findChild<QComboBox*>(QStringLiteral("c1065"));
    auto* zweite = auswertung->findChild<QComboBox*>(QStringLiteral("c1066"));
    const std::vector<std::pair<const char*, std::function<void()>>> schritte = {
        {"year_a_back", [&] { knopf(auswertung, 1025)->click(); }},
        {"year_a_forward", [&] { knopf(auswertung, 1026)->click(); }},
        {"year_b_back", [&] { knopf(auswertung, 1027)->click(); }},
        {"year_b_forward", [&] { knopf(auswertung, 1028)->click(); }},
        {"both_back", [&] { knopf(auswertung, 1067)->click(); }},
        {"both_forward", [&] { knopf(auswertung, 1068)->click(); }},
        {"month_a_back", [&] { knopf(auswertung, 1029)->click(); }},
        {"month_a_forward", [&] { knopf(auswertung, 1030)->click(); }},
        {"month_b_back", [&] { knopf(auswertung, 1031)->click(); }},
        {"month_b_forward", [&] { knopf(auswertung, 1032)->click(); }},
        {"select_account", [&] { auswahl->setCurrentIndex(1); }},
        {"select_second_account", [&] { zweite->setCurrentIndex(1); }},
        {"select_category", [&] { auswahl->setCurrentIndex(4); }},
        {"select_all", [&] { auswahl->setCurrentIndex(0); }},
        {"refresh_after_change", [&] { hauptfenster.Benachrichtige(kDatenGeaendert, 0); }},
    };
    std::string json = "{\"transactions\": " + std::to_string(hauptfenster.Basis().m_arrInOut.size()) + ", " +
                       AlsJson("open", oeffnen);
    Dauer langsamster;
    for (const auto& [name, schritt] : schritte) {
        const Dauer dauer = Miss(auswertung, schritt);
        langsamster = {std::max(langsamster.wand, dauer.wand), std::max(langsamster.cpu, dauer.cpu)};
        json += ", " + AlsJson(name, dauer);
    }
    json += ", " + AlsJson("slowest_step", langsamster) + "}\n";
    std::fputs(json.c_str(), stdout);
    return 0;
}
