#pragma once

// One run of the whole program for a journey: started through its own start path (CVelmoraApp, as main
// does) on a data folder, with today's date fixed; the journey runs inside the program's event loop and
// drives it through the window system only, ending it with "Ende" as a person does.

#include "TempOrdner.h"

#include <QStringList>
#include <functional>
#include <string>
#include <vector>

namespace velmora::test {

constexpr int kReiseHeute = 20250614;

// The journeys' household: two generated years up to kReiseHeute (a family of four with ten accounts,
// sixty external accounts, thirty categories and forty standing orders), in a scratch folder, as a run
// earlier that day left it; so velmora-cli lists on disk what the program shows.
class Reisehaushalt final
{
public:
    Reisehaushalt();
    const std::string& Ordner() const { return m_ordner.Pfad(); }

private:
    TempOrdner m_ordner{"velmora-reise"};
};

class Programmlauf final
{
public:
    Programmlauf(std::string ordner, int heute);

    // Starts the program, runs the journey once its main window is up and returns when the program has
    // ended. A journey that leaves the program running, or takes longer than `grenzeMs`, fails; the
    // program is then ended without saving.
    void Fahre(const std::function<void()>& reise, int grenzeMs = 20000);

    // velmora-cli on the data folder: its output, and a test failure when it fails.
    std::string Cli(std::vector<std::string> argumente) const;
    // The rows of a listing of velmora-cli ("list", "orders"), each row's cells separated by tabs.
    QStringList CliZeilen(std::vector<std::string> argumente) const;

    // The messages the start-up would have shown before the main window (none is expected).
    QStringList meldungen;

private:
    std::string m_strOrdner;
    int m_nHeute;
    TempOrdner m_einstellungen{"velmora-reise-konfig"};
};

} // namespace velmora::test
