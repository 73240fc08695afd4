#pragma once

// One book, one program: a lock on the data folder for a whole run, so that two runs never hold the same
// book in memory and the later "Ende" never overwrites the other's bookings. The program, velmora-cli and
// every other writer take it before they change the folder.

#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>
#include <string>

class QLockFile;

namespace velmora {

class Buchsperre final
{
public:
    // The folder as a file-system path (the bytes the file system uses, not cp1252).
    explicit Buchsperre(const std::string& datenOrdner);
    ~Buchsperre();
    Buchsperre(const Buchsperre&) = delete;
    Buchsperre& operator=(const Buchsperre&) = delete;

    enum class Zustand
    {
        kGenommen, // this run holds the book
        kBelegt,   // another running program holds it
        kFehler,   // the folder cannot take a lock file (missing, read-only)
        // a lock this run cannot judge: its file is damaged or unreadable, or it names another computer,
        // whose programs this one cannot see; only the user can say it is not in use
        kZweifelhaft,
    };

    // Takes the lock; a lock left by a program that died on this computer is taken over.
    Zustand Nimm();
    // After kZweifelhaft, when the user is sure the book is not in use: removes that lock and takes it.
    Zustand NimmTrotzdem();
    // Whether Nimm took over a lock left behind.
    bool Uebernommen() const { return m_bUebernommen; }

    struct Inhaber
    {
        qint64 nProzess = 0;
        QString strRechner;
        QString strProgramm;
        QDateTime seit;
    };
    // Who holds the lock now, as far as its file tells.
    std::optional<Inhaber> Halter() const;

    // What a second start is told: the book is open already, by which process, on which computer and
    // since when, or that the folder cannot be locked, or why the lock is in doubt.
    QString Meldung(bool deutsch) const;

    static QString Dateiname();

private:
    QString m_strOrdner; // for messages only
    int m_nOrdner = -1;  // the folder, held open while its name cannot pass through a QString
    QString m_strDatei;
    std::unique_ptr<QLockFile> m_sperre;
    Zustand m_zustand = Zustand::kFehler;
    bool m_bUebernommen = false;
};

} // namespace velmora
