#pragma once

// Where the overview's search lands: the first hit becomes the list's current cell and its row the
// selected one, so that a screen reader tells the hit by its state (selected, focused) and not only by
// its red on yellow; the list scrolls to it. An empty search only scrolls to the top.

class QTableView;

namespace velmora {

class OverviewListing;

void WaehleErstenTreffer(QTableView& liste, const OverviewListing& uebersicht);

} // namespace velmora
