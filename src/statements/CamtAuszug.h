#pragma once

// The ISO 20022 bank-to-customer statement CAMT.053, versions 001.02 to 001.13 (the namespace names the
// version). Only booked entries become lines; the others are counted.

#include "Auszugsdatei.h"

#include <string>

namespace velmora {

Leseergebnis LiesCamt(const std::string& bytes);

} // namespace velmora
