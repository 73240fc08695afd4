#pragma once

// Reading a date as people type it into a date field.

#include <string_view>

namespace velmora {

// The date yyyymmdd a typed text names, or 0 when it names none (an impossible day, a month 13, a
// stray letter). German reads day, month, year ("5.3.2026", "05.03.2026", "5.3.26", "5.3.",
// "05032026", "050326"); English reads month, day, year ("3/5/2026", "03052026"). Either language
// takes the separators '.', '/' and '-', and a leading four-digit year ("2026-03-05"). A missing year
// is the year of nHeute (yyyymmdd); a two-digit year is the one nearest to it that lies no more than
// 20 years ahead. Years outside 1900..2100 are refused: such a date is a typing slip, not a booking.
int LeseDatum(std::string_view text, bool bDeutsch, int nHeute);

} // namespace velmora
