#pragma once

// Names of the monthly files: family prefix, underscore, month key yyyymm, ".vlm"; and where such a file
// lies on disk.

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

// The name a file of the book carries on disk: the UTF-8 form of its cp1252 name, so that file managers
// show it and copies between computers keep it. A slash or a NUL byte, which no file name can hold,
// becomes a hyphen, so that a family name never leads out of the data folder.
std::string NameAufPlatte(const std::string& name);
// The raw cp1252 bytes earlier versions used as the name, when they differ from the name on disk;
// empty otherwise.
std::string AlterName(const std::string& name);

// Where a monthly file lies in a folder: under its name on disk, or else under the raw cp1252 bytes
// earlier versions wrote. Empty when neither exists.
std::string FindeMonatsDatei(const std::string& ordner, const std::string& name);

} // namespace velmora
