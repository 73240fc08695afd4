#pragma once

// Which column of a bank's CSV file holds what, from the names of its header row, in German or English.
// One set of rules covers the layouts of the German banks: own-account columns ("IBAN Auftragskonto",
// "IBAN Kontoinhaber") are never the counterparty's, a payer and a payee column are chosen by the sign
// of the amount, a status column marks pending rows, and a posting text is the description of files that
// have no other.

#include "Kontoauszug.h"

#include <string>
#include <vector>

namespace velmora {

// Unknown names leave their role at -1.
Spaltenzuordnung ErkenneSpalten(const std::vector<std::string>& kopf);

// A header name in lower case, umlauts spelt out, without blanks and punctuation. UTF-8 in.
std::string NormalerName(const std::string& name);

// Whether the value of a status column (or a date cell such as comdirect's "offen") marks a row the bank
// has not booked yet.
bool Vorgemerkt(const std::string& wert);

} // namespace velmora
