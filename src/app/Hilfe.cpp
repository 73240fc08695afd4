#include "Hilfe.h"

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>

namespace velmora {

namespace {

// Copies the pages out of the program's resources; a file already there is replaced.
bool SchreibeSeiten(const QString& ziel)
{
    bool ok = true;
    QDirIterator it(QStringLiteral(":/velmora/help"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString quelle = it.next();
        const QString datei = ziel + quelle.mid(QStringLiteral(":/velmora/help").size());
        QDir().mkpath(QFileInfo(datei).absolutePath());
        QFile::remove(datei);
        ok = QFile::copy(quelle, datei) && ok;
        QFile::setPermissions(datei, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return ok;
}

} // namespace

QString HilfeSeite(bool deutsch)
{
    const QString ziel = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help");
    SchreibeSeiten(ziel);
    return ziel + (deutsch ? QStringLiteral("/de/index.html") : QStringLiteral("/en/index.html"));
}

bool OeffneHilfe(bool deutsch)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(HilfeSeite(deutsch)));
}

} // namespace velmora
