#pragma once

// velmora-cli dump, startup and compare: the book as it is read, as the program starts it, and the
// analyses' comparison of two periods.

#include "Aufruf.h"

#include <iosfwd>

namespace velmora::cli {

int Dump(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
int Startup(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
int Compare(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);

} // namespace velmora::cli
