#pragma once

// velmora-cli list and orders: the overview's listing and the standing-order list as their windows
// show them, sorted and filtered as a click would.

#include "Aufruf.h"

#include <iosfwd>

namespace velmora::cli {

int List(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
int Orders(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);

} // namespace velmora::cli
