#pragma once

// The recovery copy: while the program runs, what "Ende" would write is kept in the hidden folder
// .recovery of the data folder, so that a crash, a power cut or a killed session loses nothing. The
// data folder itself still changes only at "Ende".

#include <cstddef>
#include <map>
#include <string>

namespace velmora {

class CBasis;

constexpr const char* kWiederherstellungsOrdner = ".recovery";

std::string WiederherstellungsPfad(const std::string& datenOrdner);

// True when the data folder holds a recovery copy newer than its settings file: the last run ended
// without "Ende" after it had changed something.
bool HatWiederherstellung(const std::string& datenOrdner);

// Moves the recovery copy aside to .recovery-discarded-YYYYMMDD-HHMM (the given date and time), so that
// a wrong answer destroys nothing. Returns the new name, or empty when there was none or it failed.
std::string VerwerfeWiederherstellung(const std::string& datenOrdner, int datum, int zeit);

// Removes the recovery copy: after "Ende" has written everything, or when the user discards the run.
void EntferneWiederherstellung(const std::string& datenOrdner);

// Loads every month the recovery copy in m_strWiederherstellung holds; each counts as changed.
void LadeGeretteteMonate(CBasis& basis);

// Keeps the recovery copy of one run in step with the store.
class Wiederherstellung final
{
public:
    // Takes the store's state after start-up as the state on disk: while the run is back there, no
    // copy is needed. A run that restored a copy passes false: its state is not on disk yet.
    Wiederherstellung(CBasis& basis, bool startIstGespeichert);

    // Makes the copy hold what "Ende" would write now: rewrites the files that differ from the last
    // copy and removes those no longer part of it; with the run back at its start, removes the copy.
    // 0 when the copy is current, -1 when a file could not be written.
    int Schreibe();

private:
    using Fingerabdruecke = std::map<std::string, size_t>;

    CBasis& m_basis;
    bool m_bStartGilt;
    Fingerabdruecke m_start;
    Fingerabdruecke m_geschrieben;
};

} // namespace velmora
