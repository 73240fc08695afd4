#pragma once

// Names of the monthly files: family prefix, underscore, month key yyyymm, ".vlm".

#include <string>

namespace velmora {

struct NamensTeile
{
    bool bUnterstrich = false;
    std::string strPraefix; // text before the first underscore
    std::string strNummer;  // up to six characters after it
    int nWert = 0;          // value of the leading digits of strNummer
};

NamensTeile ZerlegeDateiname(const std::string& name);
std::string MonatsDateiname(const std::string& praefix, int monat);

} // namespace velmora
