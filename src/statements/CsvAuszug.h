#pragma once

// The bank's CSV download: separator, preamble, header and number format are found out from the file.
// A file without a header row is known by its layout (the number of columns and what their values look
// like) once the user has named its columns.

#include "Auszugsdatei.h"
#include "CsvSpalten.h"

#include <string>

namespace velmora {

// `text` is UTF-8.
Leseergebnis LiesCsv(const std::string& text, const Importgedaechtnis& gedaechtnis, const Spaltenzuordnung* zuordnung);

} // namespace velmora
