#pragma once

// velmora-cli forecast: the forecast window's figures without a window.

#include "Aufruf.h"

#include <iosfwd>

namespace velmora::cli {

int Forecast(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);

} // namespace velmora::cli
