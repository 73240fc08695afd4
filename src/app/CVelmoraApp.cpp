#include "CVelmoraApp.h"

#include "Bilder.h"
#include "CVelmoraDlg.h"
#include "QtText.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

namespace velmora {

QString CVelmoraApp::DatenOrdner()
{
    const QSettings einstellungen(QStringLiteral("Velmora"), QStringLiteral("Velmora"));
    const QString pfad = einstellungen.value(QStringLiteral("Velmora/Path"), QStringLiteral("Error")).toString();
    if (pfad == QStringLiteral("Error"))
        return QDir::currentPath();
    return pfad;
}

int CVelmoraApp::Run()
{
    QApplication::setWindowIcon(QIcon(Bild(kProgrammBild)));
    CVelmoraDlg hauptfenster(AlsCp1252(DatenOrdner()));
    hauptfenster.exec();
    return 0;
}

} // namespace velmora
