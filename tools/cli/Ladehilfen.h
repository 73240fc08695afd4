#pragma once

// What the reading commands share: the data folder checked, the settings and months read, the damage told.

#include "Aufruf.h"

#include <iosfwd>
#include <string>

namespace velmora {
class CBasis;
} // namespace velmora

namespace velmora::cli {

bool OrdnerVorhanden(const std::string& ordner, std::ostream& fehler);

// The store of a folder with its settings read; the clock answers today when one was given.
bool LadeEinstellungen(CBasis& basis, const Aufruf& aufruf, std::ostream& fehler);

// Every month up to today; a book without a first month has only the current one.
void LadeAlleMonate(CBasis& basis);

void MeldeSchaeden(const CBasis& basis, std::ostream& fehler);

} // namespace velmora::cli
