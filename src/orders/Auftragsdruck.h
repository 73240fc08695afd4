#pragma once

// The standing-order list on paper: what is listed (all, or the filter column and its entry), the rows
// with the window's columns and colours, and the yearly totals. The window's print buttons and
// velmora-cli orders --pdf print this.

#include "Drucksache.h"

namespace velmora {

class CBasis;
class DauerAuftragsListe;

// Deleted orders grey as on screen, or left out; ended orders stay grey. Expenses print with a minus and
// income with a plus, so that the list reads in black and white too.
Drucksache AuftragsDruck(const CBasis& basis, const DauerAuftragsListe& liste, bool geloeschteWeglassen);

} // namespace velmora
