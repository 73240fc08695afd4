#pragma once

// The analyses on paper: the selection, the annual and the monthly comparison with their bars as the
// window draws them, the periods beside each row, and the box with the annual totals. The window's
// print commands and velmora-cli compare --pdf print this.

#include "Drucksache.h"

namespace velmora {

class CBasis;
class Vergleich;

Drucksache AuswertungsDruck(const CBasis& basis, const Vergleich& vergleich);

} // namespace velmora
