#pragma once

// Store builders the window tests share: records set up directly, as a previous run would have left them.

#include "Records.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace velmora::test {

// Member with accounts named and balanced as given.
CPerson& NeuesMitglied(CFAMILY& familie, const std::string& name,
                       std::initializer_list<std::pair<std::string, double>> konten);

} // namespace velmora::test
