#pragma once

// The application object: finds the data folder, takes the book's lock, offers back the unsaved changes
// of a run that ended unexpectedly, and runs the main window until it ends.

#include "CVelmoraDlg.h"
#include "Sprachwahl.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class Buchsperre;

// What the application object asks of the world; tests replace the parts that would wait for a person.
struct Anwendungsumgebung
{
    // The command line without the program name, as the bytes the system gives: `velmora FOLDER` names the
    // data folder. Folders here and below are file-system paths, which need not be valid UTF-8.
    std::vector<std::string> argumente;
    std::string strHeim;
    std::string strAktuell;
    // The first run's question, with the suggested folder; nullopt when the user cancels.
    std::function<std::optional<Erstwahl>(const QString& vorschlag)> erstwahl;
    // Whether to restore the unsaved changes of the last run.
    std::function<bool()> wiederherstellen;
    // A message after which the run ends (the book is open elsewhere).
    std::function<void(const QString& text)> meldung;
    // Whether to open a book whose lock is in doubt (damaged, or from another computer) anyway.
    std::function<bool(const QString& text)> trotzdemOeffnen;
    Startumgebung start;
};

class CVelmoraApp final
{
public:
    explicit CVelmoraApp(Anwendungsumgebung umgebung = {});
    ~CVelmoraApp();

    // The setting "Path" of section "Velmora" (organisation and application "Velmora"); empty when unset.
    static std::string GespeicherterPfad();

    // Everything up to the main window: the data folder, the lock, the recovery question, the data
    // start-up. Null when the run ends before a window (cancelled, or the book is open elsewhere). The
    // lock is held as long as this object lives.
    std::unique_ptr<CVelmoraDlg> Oeffne();

    int Run();

private:
    std::string DatenOrdner();
    bool NimmSperre(const std::string& pfad);

    Anwendungsumgebung m_umgebung;
    std::unique_ptr<Buchsperre> m_sperre;
};

} // namespace velmora
