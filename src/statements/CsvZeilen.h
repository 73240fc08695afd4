#pragma once

// The rows of a CSV text through libcsv: quoted fields with separators and line breaks inside, each row
// with the line it starts on. Rows are handed out one at a time, so a file never sits in memory twice.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace velmora {

// More fields than any bank's layout has (PayPal's, the widest, has about 40).
constexpr size_t kMeisteCsvFelder = 300;

struct CsvZeile
{
    int nZeile = 0; // line of the file where the row starts
    std::vector<std::string> felder;
    bool bZuLang = false; // more than kMeisteCsvFelder fields; only the first are kept
};

// Calls `zeile` for each row until it answers false.
void JedeCsvZeile(const std::string& text, char trenner, const std::function<bool(const CsvZeile&)>& zeile);

// The first `hoechstens` rows.
std::vector<CsvZeile> CsvZeilen(const std::string& text, char trenner, size_t hoechstens);

} // namespace velmora
