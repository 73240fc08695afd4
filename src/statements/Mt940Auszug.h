#pragma once

// SWIFT MT940 statements (and MT942 interim reports) as German banks write them: `:25:` names the
// account (IBAN, or bank code and account number), `:61:` each entry, `:86:` its details in the German
// structured form (`?00` posting text, `?20`-`?29` and `?60`-`?63` purpose with the SEPA keywords
// `EREF+`, `MREF+`, `CRED+`, `SVWZ+`, ..., `?31` IBAN, `?32`/`?33` name). The entries of an MT942 are
// not yet booked and are only counted.

#include "Auszugsdatei.h"

#include <string>

namespace velmora {

// Whether UTF-8 text is an MT940/MT942 file: a line starting with `:20:` and one with `:25:`.
bool IstMt940(const std::string& text);

Leseergebnis LiesMt940(const std::string& text);

// The German IBAN of a bank code (8 digits) and an account number (up to 10); empty for anything else.
std::string DeutscheIban(const std::string& bankleitzahl, const std::string& konto);

} // namespace velmora
