#pragma once

// velmora-cli rules: the import's rules without a window, listed, added, deleted, moved, tried against
// the book and statements, and applied to the book.

#include "Aufruf.h"

#include <iosfwd>

namespace velmora::cli {

int Regeln(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);

} // namespace velmora::cli
