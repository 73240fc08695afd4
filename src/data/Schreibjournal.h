#pragma once

// One save is one transaction over all its files. Every new file is written under a temporary name
// beside its place and made durable; then a small journal in the folder records the renames and the
// removals, and is made durable in its turn; only then are the files renamed into place, the old ones
// removed and the journal deleted. A save cut off before the journal stands leaves the folder as it was;
// one cut off after it is completed by the next start (VollendeSpeicherung) before anything reads the
// book, so the book is always wholly the old or wholly the new one: never months that hold standing
// orders the settings file's balances do not.

#include "Basis.h"

#include <functional>
#include <string>
#include <vector>

namespace velmora {

constexpr const char* kJournalName = ".velmora.journal";

// The steps of a save, for tests that cut it off or fail a write at each of them.
enum class Schreibschritt
{
    kDatei,          // a file is about to be written under its temporary name
    kJournal,        // every file is written; the journal is about to be written
    kJournalSteht,   // the journal is durable, nothing renamed yet
    kVorUmbenennen,  // a file is about to be renamed into place
    kNachUmbenennen, // a file was renamed into place
    kFertig,         // the journal is removed
    kSicherung,      // a file is about to be copied into a backup
};

// Called at each step with the file concerned (its full path); false at kDatei or kSicherung fails that
// write as a full disk would. Without a hook every step goes on.
using Schreibhaken = std::function<bool(Schreibschritt, const std::string& pfad)>;
void SetzeSchreibhaken(Schreibhaken haken);
// Runs the hook for one step; true when the step goes on.
bool MeldeSchritt(Schreibschritt schritt, const std::string& pfad);

// What a save could not do: files that could not be written, and files whose mode forbids writing.
struct Schreibfehler
{
    std::vector<std::string> nichtGeschrieben;
    std::vector<std::string> schreibgeschuetzt;
    bool Leer() const { return nichtGeschrieben.empty() && schreibgeschuetzt.empty(); }
};

// Writes every file (names on disk, bytes) into the folder and removes the files named in `entfernen`,
// all or nothing. A file keeps its mode (for a new one see Schreibmodus); `vorige` names, per file, the
// file it replaces under another name, whose mode it takes, or is empty. When a file is read-only or a
// write fails, nothing in the folder changes and the causes are in fehler. 0 on success, -1 otherwise.
int SchreibeAlleOderKeine(const std::vector<Dateistand>& dateien, const std::vector<std::string>& vorige,
                          const std::vector<std::string>& entfernen, const std::string& ordner, Schreibfehler& fehler);

// Completes a save that was cut off after its journal stood, and removes the temporary files of saves
// cut off before; in the folder and in its recovery copy. Call it holding the book's lock, before
// anything reads the book.
void VollendeSpeicherung(const std::string& ordner);

// Whether a name is a temporary file of a save: a settings file, a monthly file or the journal with
// ".XXXXXX" appended; other files of the folder never are.
bool IstSpeichertemp(const std::string& name);

} // namespace velmora
