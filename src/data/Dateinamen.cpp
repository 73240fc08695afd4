#include "Dateinamen.h"

namespace velmora {

NamensTeile ZerlegeDateiname(const std::string& name)
{
    NamensTeile teile;
    const size_t unterstrich = name.find('_');
    if (unterstrich == std::string::npos)
        return teile;
    teile.bUnterstrich = true;
    teile.strPraefix = name.substr(0, unterstrich);
    teile.strNummer = name.substr(unterstrich + 1, 6);
    for (char c : teile.strNummer) {
        if (c < '0' || c > '9')
            break;
        teile.nWert = teile.nWert * 10 + (c - '0');
    }
    return teile;
}

std::string MonatsDateiname(const std::string& praefix, int monat)
{
    return praefix + "_" + std::to_string(monat) + ".vlm";
}

} // namespace velmora
