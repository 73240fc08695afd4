#pragma once

// velmora-cli order and purge: the standing-order panel's commit, the standing-order list's commands and
// the overview's delete for good, without a window.

#include "Aufruf.h"

#include <iosfwd>

namespace velmora::cli {

int Order(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
int Purge(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);

} // namespace velmora::cli
