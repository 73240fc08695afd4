#pragma once

// Text rules of the household book on cp1252 strings.

#include <string>
#include <string_view>

namespace velmora {

// Lower case by the rules of the Windows ANSI code page (A-Z, the accented capitals, Š Œ Ž Ÿ).
unsigned char Klein(unsigned char c);
std::string Klein(std::string_view text);

// The list comparison: lower-cased texts compared position by position up to the shorter length,
// counting only positions where both characters are digits or letters a to z. Negative, 0 or positive.
int VergleicheListenText(std::string_view a, std::string_view b);

// Case-blind equality by the code page's rules, as the settings editors compare names.
bool GleichOhneGross(std::string_view a, std::string_view b);

// printf into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A date yyyymmdd as the lists show it: German " 7. 3.2009", English " 3/ 7/2009".
std::string DatumsText(int nDatum, bool bDeutsch);

// Conversion between cp1252 bytes and UTF-8 for everything that leaves the program as Unicode.
std::string Cp1252ZuUtf8(std::string_view text);
std::string Utf8ZuCp1252(std::string_view text);

} // namespace velmora
