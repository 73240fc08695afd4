#pragma once

// velmora-cli import: the import window's work without a window.

#include "Aufruf.h"

#include <iosfwd>

namespace velmora::cli {

int Import(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);

} // namespace velmora::cli
