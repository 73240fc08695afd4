#pragma once

// The overview on paper: the caption (filter and member), the date range, the listed rows with the
// window's columns and colours, and the totals. The window's print buttons and velmora-cli list --pdf
// print this.

#include "Drucksache.h"

namespace velmora {

class OverviewListing;

// Deleted rows grey as on screen, or left out. Expenses print with a minus and income with a plus, so
// that the list reads in black and white too.
Drucksache UebersichtsDruck(const OverviewListing& liste, bool geloeschteWeglassen);

} // namespace velmora
