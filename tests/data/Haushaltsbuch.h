#pragma once

// A small book for the tests of file names, backups and the recovery copy: family Müller (the umlaut
// lies within the file prefix), Anna with a giro account, a monthly order on the 5th to Stadtwerke, and
// one booking by hand in February 2009. Saved as "Ende" saves on 20 March 2009.

#include "Basis.h"

#include <string>

namespace velmora::test {

constexpr const char* kMueller = "M\xFCller";
// The monthly file of family Müller as earlier versions named it (raw cp1252) and as it is named now.
std::string AlterMuellerName(int monat);
std::string MuellerName(int monat);

void LegeMuellerAn(const std::string& ordner);
// A run of the book on that day, through the program's start-up.
void StarteLauf(CBasis& basis, const std::string& ordner, int heute, bool wiederherstellen = false);
// The sorted dates of the transactions the order booked, and how many transactions there are.
std::string AuftragsTage(const CBasis& basis);

} // namespace velmora::test
