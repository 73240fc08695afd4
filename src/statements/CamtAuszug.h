#pragma once

// The ISO 20022 bank-to-customer messages CAMT.053 (statement), CAMT.052 (account report) and CAMT.054
// (debit/credit notification), versions 001.02 to 001.13 (the namespace names message and version).
// Only booked entries become lines; the others are counted. The file is read element by element, one
// entry at a time.

#include "Auszugsdatei.h"

#include <QString>

#include <string>

namespace velmora {

// Bytes as stored, in the encoding the XML declaration names.
Leseergebnis LiesCamt(const std::string& bytes);
// Text already decoded (a UTF-16 file).
Leseergebnis LiesCamt(const QString& text);

} // namespace velmora
