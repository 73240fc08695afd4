#pragma once

// Backups of what "Ende" replaces: before a save replaces files, their previous versions go into
// Sicherungen/YYYYMMDD-HHMMSS/ of the data folder under their own names; the newest 20 are kept. A
// backup is complete or absent: it is copied into YYYYMMDD-HHMMSS.partial, each copy checked against
// the size of its file, and only then renamed to its dated name.

#include "Basis.h"

#include <string>
#include <vector>

namespace velmora {

constexpr const char* kSicherungsOrdner = "Sicherungen";
constexpr size_t kBehalteneSicherungen = 20;

struct Sicherungsergebnis
{
    std::string strName;   // the new backup's folder; empty when none was needed or it failed
    std::string strFehler; // what kept the backup from being made (a path and why); empty otherwise
};

// Keeps the versions of the data folder's files that the save of `dateien` is about to replace. Only a
// save that changes something makes a backup: a file counts as changed when its bytes differ, the
// settings file's date and time of the writing run and its last opened month aside. A backup then holds
// every file the save replaces, the settings file included, so that its balances fit its months. Older
// complete backups beyond the newest 20 are removed, and only after a new one is complete.
Sicherungsergebnis SichereVorigeFassungen(const std::string& datenOrdner, const std::vector<Dateistand>& dateien);

struct Sicherung
{
    std::string strName;              // the folder, YYYYMMDD-HHMMSS
    std::string strZeit;              // "YYYY-MM-DD HH:MM:SS"
    std::vector<std::string> dateien; // names on disk, sorted
    // False for a folder a save left unfinished, and for a dated one with an empty, cut-short or
    // corrupt file (as earlier versions left on a full disk): not a backup to go back to.
    bool bVollstaendig = true;
};

// The backups of a data folder, newest first, incomplete ones among them.
std::vector<Sicherung> ListeSicherungen(const std::string& datenOrdner);

// Removes the oldest complete backups beyond the given number, and the folders saves left unfinished;
// incomplete dated folders and folders of other names are left alone.
void RaeumeSicherungenAuf(const std::string& datenOrdner, size_t behalten);

} // namespace velmora
