#pragma once

// Runs of the standing-order executor as start-up and the editor need them: counting the bookings a run
// makes, running one order alone, and finding the newest day an order has served.

namespace velmora {

class CBasis;
struct CDauerAuftrag;

// Executes every standing order from start to today; answers how many bookings it made.
int FuehreAlleAus(CBasis& basis, int start);

// Executes that order only, from start to today; answers how many bookings it made.
int FuehreAlleinAus(CBasis& basis, CDauerAuftrag& auftrag, int start);

// The newest date on which the order with that number has a transaction among the loaded months,
// deleted ones included, or 0 when it has none.
int LetzteAusfuehrung(const CBasis& basis, int nr);

} // namespace velmora
