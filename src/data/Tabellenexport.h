#pragma once

// Writing the overview's listing to a spreadsheet file: the tab-separated ".xls" text of the book's own
// format (cp1252, CR LF), or CSV in UTF-8 as today's spreadsheet programs read it.

#include <string>

namespace velmora {

class OverviewListing;

enum class Exportformat
{
    kExcel, // blank and TAB after every cell, amounts with a comma, cp1252 bytes, CR LF
    kCsv,   // comma-separated, quoted where needed, UTF-8 with a byte-order mark, CR LF
};

// The file the export writes for the path the user chose. Excel: ".xls" is appended unless the path ends
// exactly in ".xls" (so DATA.XLS becomes DATA.XLS.xls). CSV: ".csv" is appended unless the path ends in
// ".csv" in any case.
std::string ExportDatei(const std::string& pfad, Exportformat format);

// The format a path asks for by its ending: CSV for ".csv" in any case, else Excel.
Exportformat ExportformatVon(const std::string& pfad);

// Columns 1 to 8 of every listed row, in the listing's order, with the captions of the book's language.
std::string ExportInhalt(const OverviewListing& liste, Exportformat format);

// Writes the export to the file through a temporary file that is renamed over it, so a failure never
// leaves half a file. False when the file could not be written.
bool SchreibeExport(const std::string& datei, const OverviewListing& liste, Exportformat format);

} // namespace velmora
