#include "Befehlszeile.h"
#include "CVelmoraApp.h"

#include <QApplication>
#include <clocale>
#include <iostream>

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so that they need no display.
    if (const auto status = velmora::BeantworteBefehlszeile({argv + 1, argv + argc}, std::cout))
        return *status;
    QApplication anwendung(argc, argv);
    // Qt takes over the user's locale; the stored formats ("%5.2f", atof) need the point as decimal sign.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));
    // The folder comes as the system gives it, bytes that need not be UTF-8; Qt has taken its own options out.
    velmora::Anwendungsumgebung umgebung;
    umgebung.argumente.assign(argv + 1, argv + argc);
    return velmora::CVelmoraApp(std::move(umgebung)).Run();
}
