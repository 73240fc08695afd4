#pragma once

// What "Ende" writes, gathered before anything is written, so that the same bytes can go to the data
// folder or to its recovery copy, and can be compared with the versions they replace.

#include "Basis.h"
#include "Schreibjournal.h"

#include <string>
#include <vector>

namespace velmora {

// The changed months, then the settings file; empty while no family exists.
std::vector<Dateistand> BaueSpeicherstand(CBasis& basis);

// Writes the files into the folder under their names on disk, all or nothing (Schreibjournal.h), and
// removes the files named in `entfernen` with them. A month that lay under its raw cp1252 name loses
// that old file once the new one is in place. 0 when all were written; -1 when none was, with the
// causes in fehler.
int SchreibeDateien(const std::vector<Dateistand>& dateien, const std::string& ordner, Schreibfehler& fehler,
                    const std::vector<std::string>& entfernen = {});

// Gives every monthly file of the folder that still carries a raw cp1252 name (not UTF-8) its name on
// disk, unless a file of that name exists already.
void BenenneAlteMonatsdateienUm(const std::string& ordner);

} // namespace velmora
