#pragma once

// The sorting of the store's standing orders by one key of the list's columns.

#include "Transaktionssortierung.h"

namespace velmora {

class CBasis;
struct CDauerAuftrag;

// The list comparison of one key between two orders (keys of Sortierung; kNachDatum stands for the
// execution column, which does not sort): negative, 0 or positive.
int VergleicheDauerAuftraege(const CDauerAuftrag& a, const CDauerAuftrag& b, int schluessel);
// Reorders the store's standing orders by one key, stable and O(n log n); kNachDatum changes nothing.
void SortiereDauerAuftraege(CBasis& basis, int schluessel, bool absteigend);

} // namespace velmora
