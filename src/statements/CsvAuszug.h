#pragma once

// The bank's CSV download: encoding, separator, preamble, header and number format are found out from
// the file; quoted fields with separators and line breaks inside are read by libcsv.

#include "Auszugsdatei.h"

#include <string>
#include <vector>

namespace velmora {

// The columns a header row names, in German or English; unknown names leave their role at -1.
Spaltenzuordnung ErkenneSpalten(const std::vector<std::string>& kopf);

Leseergebnis LiesCsv(const std::string& bytes, const Importgedaechtnis& gedaechtnis, const Spaltenzuordnung* zuordnung);

} // namespace velmora
