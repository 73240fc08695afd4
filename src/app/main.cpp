#include "CVelmoraApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication anwendung(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    return velmora::CVelmoraApp().Run();
}
