#pragma once

// The analyses' comparison as JSON: what the window draws, in numbers.

#include "Json.h"

namespace velmora {

class Vergleich;

// selection, item, years, months; annual: twelve rows [income A, expenses A, income B, expenses B,
// difference A, difference B]; maximum: the amount of a full bar; monthly: the rows of the monthly list
// in order, each with its name (UTF-8) and sums [income A, expenses A, income B, expenses B].
Json AlsJson(const Vergleich& vergleich);

} // namespace velmora
