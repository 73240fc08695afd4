#pragma once

// One run's way to the disk: "Ende" saves the book and the import's memory all or nothing, telling
// what failed; meanwhile every change reaches the recovery copy, at most once a second.

#include "Kontoauszug.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>

class QTimer;
class QWidget;

namespace velmora {

class CBasis;
class Wiederherstellung;

class Speichersitzung final : public QObject
{
    Q_OBJECT
public:
    // A run that restored a recovery copy passes false: its state is not on disk yet.
    Speichersitzung(CBasis& basis, bool startIstGespeichert, QWidget* fenster);
    ~Speichersitzung() override;

    // What the import remembers; written with the other files at "Ende".
    Importgedaechtnis& Gedaechtnis() { return m_gedaechtnis; }

    // Writes what "Ende" writes. False, after telling which files failed, when nothing was saved; a
    // backup that could not be made is told once per run and does not stop the save.
    bool Speichere();

    // Something may have changed: the recovery copy follows.
    void MerkeAenderung();

    bool Beendet() const { return m_bBeendet; }
    // The run ends through an end button: no copy follows, and the one on disk goes.
    void Beende();
    // The window goes without an end button: no copy follows; the one on disk stays for the next start.
    void Verstumme();

private:
    void SchreibeKopie();

    CBasis& m_basis;
    QWidget* m_fenster;
    Importgedaechtnis m_gedaechtnis;
    std::unique_ptr<Wiederherstellung> m_kopie;
    QTimer* m_takt;
    QElapsedTimer m_seitKopie;
    bool m_bBeendet = false;
    bool m_bSicherungsfehlerGemeldet = false;
};

} // namespace velmora
