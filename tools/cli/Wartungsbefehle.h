#pragma once

// velmora-cli generate, stats and backups: a household made up for trying things, the times of the
// book's big steps, and the backups kept in the folder.

#include "Aufruf.h"

#include <iosfwd>

namespace velmora::cli {

int Generate(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
int Stats(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
int Backups(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);

} // namespace velmora::cli
