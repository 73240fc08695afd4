#pragma once

// What a cell of the overview's listing shows, and whether a search text is found in it.

#include <array>
#include <string_view>

namespace velmora {

struct CInOut;

// Room for the longest amount "%5.2f" can print.
using Zellenpuffer = std::array<char, 400>;

// The text of one of the columns 1 to 8, formatted into the buffer where it is a number; dates as a
// German or an English reader writes them.
std::string_view Zellentext(const CInOut& t, int spalte, bool deutsch, Zellenpuffer& puffer);

// Whether the text, lower-cased, contains the lower-cased needle.
bool EnthaeltKlein(std::string_view text, std::string_view nadel);

} // namespace velmora
