#pragma once

// The options the program answers on the command line without opening a window.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velmora {

// --version and --help print to aus and give the exit status; nullopt means start the program.
std::optional<int> BeantworteBefehlszeile(const std::vector<std::string>& argumente, std::ostream& aus);

} // namespace velmora
