#include "Buchsperre.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace velmora {

QString Buchsperre::Dateiname()
{
    return QStringLiteral(".velmora.lock");
}

Buchsperre::Buchsperre(const std::string& datenOrdner)
    : m_strDatei(QDir(QFile::decodeName(QByteArray::fromStdString(datenOrdner))).filePath(Dateiname()))
    , m_sperre(std::make_unique<QLockFile>(m_strDatei))
{
    // A book stays open for hours: only a lock whose process is gone counts as left behind, never an old one.
    m_sperre->setStaleLockTime(0);
}

Buchsperre::~Buchsperre() = default;

Buchsperre::Zustand Buchsperre::Nimm()
{
    const bool vorhanden = QFileInfo::exists(m_strDatei);
    if (m_sperre->tryLock(0)) {
        m_bUebernommen = vorhanden;
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
    const QString ordner = QFileInfo(m_strDatei).absolutePath();
    if (m_zustand == Zustand::kFehler) {
        return deutsch ? QStringLiteral("Der Ordner %1 kann nicht gesperrt werden: er fehlt, oder es fehlt das "
                                        "Schreibrecht. Das Haushalts-Buch wird nicht geöffnet.")
                             .arg(ordner)
                       : QStringLiteral("The folder %1 cannot be locked: it is missing or not writable. The "
                                        "household book is not opened.")
                             .arg(ordner);
    }
    const std::optional<Inhaber> inhaber = Halter();
    const QString wer =
        inhaber ? QStringLiteral("%1 (%2)").arg(inhaber->strProgramm).arg(inhaber->nProzess) : QStringLiteral("?");
    const QString wo = inhaber ? inhaber->strRechner : QStringLiteral("?");
    const QString seit = inhaber ? inhaber->seit.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QStringLiteral("?");
    return deutsch ? QStringLiteral("Das Haushalts-Buch in %1 ist bereits geöffnet: von %2 auf dem Rechner %3 seit "
                                    "%4. Bitte dort beenden; dieser Start ändert nichts.")
                         .arg(ordner, wer, wo, seit)
                   : QStringLiteral("The household book in %1 is already open: by %2 on the computer %3 since %4. "
                                    "Please end it there; this start changes nothing.")
                         .arg(ordner, wer, wo, seit);
}

} // namespace velmora
