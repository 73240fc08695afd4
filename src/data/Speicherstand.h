#pragma once

// What "Ende" writes, gathered before anything is written, so that the same bytes can go to the data
// folder or to its recovery copy, and can be compared with the versions they replace.

#include "Basis.h"

#include <string>
#include <vector>

namespace velmora {

// The changed months, then the settings file; empty while no family exists.
std::vector<Dateistand> BaueSpeicherstand(CBasis& basis);

// Writes each file into the folder through temp-and-rename, under its name on disk. A month that lay
// under its raw cp1252 name loses that old file once the new one is in place. The paths of files that
// could not be written are added to fehlgeschlagen; 0 when all were written, -1 otherwise.
int SchreibeDateien(const std::vector<Dateistand>& dateien, const std::string& ordner,
                    std::vector<std::string>& fehlgeschlagen);

// Gives every monthly file of the folder that still carries a raw cp1252 name (not UTF-8) its name on
// disk, unless a file of that name exists already.
void BenenneAlteMonatsdateienUm(const std::string& ordner);

} // namespace velmora
