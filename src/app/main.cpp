#include "CVelmoraApp.h"

#include <QApplication>
#include <clocale>

int main(int argc, char* argv[])
{
    QApplication anwendung(argc, argv);
    // Qt takes over the user's locale; the stored formats ("%5.2f", atof) need the point as decimal sign.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    return velmora::CVelmoraApp().Run();
}
