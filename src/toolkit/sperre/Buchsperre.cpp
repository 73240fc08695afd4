#include "Buchsperre.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <fcntl.h>
#include <unistd.h>

namespace velmora {

QString Buchsperre::Dateiname()
{
    return QStringLiteral(".velmora.lock");
}

namespace {

// Qt names files by text; a folder name that is not valid UTF-8 would not survive the way there and back.
bool UeberstehtText(const std::string& pfad)
{
    return QFile::encodeName(QFile::decodeName(QByteArray::fromStdString(pfad))).toStdString() == pfad;
}

} // namespace

Buchsperre::Buchsperre(const std::string& datenOrdner)
    : m_strOrdner(QFileInfo(QFile::decodeName(QByteArray::fromStdString(datenOrdner))).absoluteFilePath())
{
    QString ordner = QFile::decodeName(QByteArray::fromStdString(datenOrdner));
    if (!UeberstehtText(datenOrdner)) {
        // Such a folder is reached through its open descriptor, whose name is plain ASCII.
        m_nOrdner = ::open(datenOrdner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ordner = QStringLiteral("/proc/self/fd/%1").arg(m_nOrdner);
    }
    m_strDatei = QDir(ordner).filePath(Dateiname());
    m_sperre = std::make_unique<QLockFile>(m_strDatei);
    // A book stays open for hours: only a lock whose process is gone counts as left behind, never an old one.
    m_sperre->setStaleLockTime(0);
}

Buchsperre::~Buchsperre()
{
    m_sperre.reset();
    if (m_nOrdner >= 0)
        ::close(m_nOrdner);
}

Buchsperre::Zustand Buchsperre::Nimm()
{
    const bool vorhanden = QFileInfo::exists(m_strDatei);
    if (m_sperre->tryLock(0)) {
        m_bUebernommen = vorhanden;
        m_zustand = Zustand::kGenommen;
    } else if (m_sperre->error() != QLockFile::LockFailedError) {
        m_zustand = Zustand::kFehler;
    } else {
        const std::optional<Inhaber> inhaber = Halter();
        const bool fremd =
            inhaber && !inhaber->strRechner.isEmpty() && inhaber->strRechner != QSysInfo::machineHostName();
        m_zustand = !inhaber || fremd ? Zustand::kZweifelhaft : Zustand::kBelegt;
    }
    return m_zustand;
}

Buchsperre::Zustand Buchsperre::NimmTrotzdem()
{
    if (m_zustand != Zustand::kZweifelhaft)
        return m_zustand;
    m_sperre->removeStaleLockFile();
    if (m_sperre->tryLock(0)) {
        m_bUebernommen = true;
        m_zustand = Zustand::kGenommen;
    } else {
        m_zustand = m_sperre->error() == QLockFile::LockFailedError ? Zustand::kBelegt : Zustand::kFehler;
    }
    return m_zustand;
}

std::optional<Buchsperre::Inhaber> Buchsperre::Halter() const
{
    Inhaber inhaber;
    if (!m_sperre->getLockInfo(&inhaber.nProzess, &inhaber.strRechner, &inhaber.strProgramm))
        return std::nullopt;
    inhaber.seit = QFileInfo(m_strDatei).lastModified();
    return inhaber;
}

QString Buchsperre::Meldung(bool deutsch) const
{
    const QString& ordner = m_strOrdner;
    if (m_zustand == Zustand::kFehler) {
        return deutsch ? QStringLiteral("Der Ordner %1 kann nicht gesperrt werden: er fehlt, oder es fehlt das "
                                        "Schreibrecht. Das Haushalts-Buch wird nicht geöffnet.")
                             .arg(ordner)
                       : QStringLiteral("The folder %1 cannot be locked: it is missing or not writable. The "
                                        "household book is not opened.")
                             .arg(ordner);
    }
    const std::optional<Inhaber> inhaber = Halter();
    if (!inhaber) {
        return deutsch ? QStringLiteral("Die Sperrdatei %1 des Haushalts-Buchs in %2 ist beschädigt oder nicht "
                                        "lesbar. Vielleicht hat ein anderes Velmora das Buch geöffnet, auf diesem "
                                        "oder einem anderen Rechner. Nur wenn Sie sicher sind, dass es nirgends "
                                        "geöffnet ist, öffnen Sie es trotzdem.")
                             .arg(Dateiname(), ordner)
                       : QStringLiteral("The lock file %1 of the household book in %2 is damaged or unreadable. "
                                        "Another Velmora may have the book open, on this computer or another. Open "
                                        "it anyway only when you are sure it is not open anywhere.")
                             .arg(Dateiname(), ordner);
    }
    const QString wer = QStringLiteral("%1 (%2)").arg(inhaber->strProgramm).arg(inhaber->nProzess);
    const QString seit = inhaber->seit.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    if (m_zustand == Zustand::kZweifelhaft) {
        return deutsch ? QStringLiteral("Das Haushalts-Buch in %1 ist auf dem Rechner %2 geöffnet, seit %3, von %4. "
                                        "Nur wenn Sie sicher sind, dass es dort nicht mehr benutzt wird, öffnen Sie "
                                        "es trotzdem.")
                             .arg(ordner, inhaber->strRechner, seit, wer)
                       : QStringLiteral("The household book in %1 is open on the computer %2 since %3, by %4. Open "
                                        "it anyway only when you are sure it is no longer in use there.")
                             .arg(ordner, inhaber->strRechner, seit, wer);
    }
    return deutsch ? QStringLiteral("Das Haushalts-Buch in %1 ist bereits geöffnet: von %2 auf dem Rechner %3 seit "
                                    "%4. Bitte dort beenden; dieser Start ändert nichts.")
                         .arg(ordner, wer, inhaber->strRechner, seit)
                   : QStringLiteral("The household book in %1 is already open: by %2 on the computer %3 since %4. "
                                    "Please end it there; this start changes nothing.")
                         .arg(ordner, wer, inhaber->strRechner, seit);
}

} // namespace velmora
