#pragma once

// velmora-cli's command line sent to its command.

#include "Ausgaenge.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora::cli {

// Runs one command line (without the program name): results go to aus, complaints to fehler.
// Returns the exit status.
int FuehreAus(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler);

} // namespace velmora::cli
