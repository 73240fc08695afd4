#pragma once

// Backups of what "Ende" replaces: before a save replaces files, their previous versions go into
// Sicherungen/YYYYMMDD-HHMMSS/ of the data folder under their own names; the newest 20 are kept.

#include "Basis.h"

#include <string>
#include <vector>

namespace velmora {

constexpr const char* kSicherungsOrdner = "Sicherungen";
constexpr size_t kBehalteneSicherungen = 20;

// Keeps the versions of the data folder's files that the save of `dateien` is about to replace. Only a
// save that changes something makes a backup: a file counts as changed when its bytes differ, the
// settings file's date and time of the writing run and its last opened month aside. A backup then holds every file the
// save replaces, the settings file included, so that its balances fit its months. Older backups beyond the newest 20
// are removed. Returns the backup's folder name, empty when nothing changed or it failed.
std::string SichereVorigeFassungen(const std::string& datenOrdner, const std::vector<Dateistand>& dateien);

struct Sicherung
{
    std::string strName;              // the folder, YYYYMMDD-HHMMSS
    std::string strZeit;              // "YYYY-MM-DD HH:MM:SS"
    std::vector<std::string> dateien; // names on disk, sorted
};

// The backups of a data folder, newest first.
std::vector<Sicherung> ListeSicherungen(const std::string& datenOrdner);

// Removes the oldest backups beyond the given number; folders of other names are left alone.
void RaeumeSicherungenAuf(const std::string& datenOrdner, size_t behalten);

} // namespace velmora
