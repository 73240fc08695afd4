#pragma once

// Reading monthly files: one file parsed whole into its transactions, and a store of files read ahead
// on a second thread so that a window that needs decades of months finds them parsed already.

#include "Records.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace velmora {

struct Monatsdatei
{
    bool bGefunden = false;      // the file could be opened and read
    bool bAbgeschnitten = false; // it ended inside a record; the records before are kept
    OwnedList<CInOut> arrTransaktionen;
};

// Reads and parses one monthly file. m_nIndex of the records is left as stored.
Monatsdatei LiesMonatsdatei(const std::string& pfad);

// Parses files on its own thread, in the order given, ahead of their use. A caller that has to wait for
// a file reads files from the far end meanwhile, so both cores work. It touches nothing but the files
// and what it hands out, so the store stays single-threaded.
class Monatsvorrat final
{
public:
    explicit Monatsvorrat(std::vector<std::string> pfade);
    ~Monatsvorrat();
    Monatsvorrat(const Monatsvorrat&) = delete;
    Monatsvorrat& operator=(const Monatsvorrat&) = delete;

    // The file read ahead under that path, waiting while it is being read; nothing when the path is not
    // one of those given or was taken before.
    std::optional<Monatsdatei> Nimm(const std::string& pfad);

private:
    enum class Stand
    {
        kOffen,
        kInArbeit,
        kFertig,
        kGenommen,
    };
    struct Eintrag
    {
        std::string strPfad;
        Stand stand = Stand::kOffen;
        Monatsdatei datei;
    };
    void Lies();
    // Reads one open file, the first or the last not yet begun; false when none is left. Called with the
    // lock held; the lock is let go while reading.
    bool LiesEine(std::unique_lock<std::mutex>& sperre, bool vonHinten);

    std::vector<Eintrag> m_eintraege;
    std::mutex m_sperre;
    std::condition_variable m_fertig;
    bool m_bAufhoeren = false;
    size_t m_nVorne = 0;  // entries before this one are begun
    size_t m_nHinten = 0; // entries from this one on are begun
    size_t m_nNaechster = 0;
    std::thread m_faden;
};

} // namespace velmora
