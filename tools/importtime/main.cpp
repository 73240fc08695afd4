// Measures how long the import window takes from the user's choice of a statement file until its preview
// is on the screen, in the main window of the data folder given, doing exactly what the program does.

#include "CVelmoraDlg.h"
#include "ImportModell.h"
#include "Kontoimport.h"
#include "QtText.h"

#include <QApplication>
#include <QTest>
#include <clocale>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: velmora-importtime DATA_FOLDER STATEMENT \"MEMBER, ACCOUNT\"\n");
        return 2;
    }
    QApplication anwendung(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    velmora::Startumgebung umgebung;
    umgebung.sprachwahl = [] { return velmora::kDeutsch; };
    velmora::CVelmoraDlg hauptfenster(velmora::AlsCp1252(QString::fromLocal8Bit(argv[1])), umgebung);
    hauptfenster.show();
    if (!QTest::qWaitForWindowExposed(&hauptfenster))
        return 1;
    const QString konto = QString::fromLocal8Bit(argv[3]);
    velmora::Kontoimport::SetzeKontofrage(
        [&konto](const QString&, const QString&, const QStringList&) { return konto; });

    const auto beginn = std::chrono::steady_clock::now();
    hauptfenster.Importiere({QString::fromLocal8Bit(argv[2])});
    auto* import = hauptfenster.findChild<velmora::Kontoimport*>();
    if (!import || !QTest::qWaitForWindowExposed(import))
        return 1;
    QApplication::processEvents();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - beginn).count();
    std::printf("{\"preview_ms\": %.1f, \"lines\": %d, \"ticked\": %d, \"duplicates\": %d}\n", ms,
                import->Modell().rowCount(), import->Modell().Angehakt(), import->Modell().Duplikate());
    return 0;
}
