#include "Dateinamen.h"

#include "Binaer.h"
#include "Text.h"

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

std::string NameAufPlatte(const std::string& name)
{
    std::string platte = Cp1252ZuUtf8(name);
    for (char& c : platte) {
        if (c == '/' || c == '\0')
            c = '-';
    }
    return platte;
}

std::string AlterName(const std::string& name)
{
    if (name.find_first_of(std::string("/\0", 2)) != std::string::npos || NameAufPlatte(name) == name)
        return {};
    return name;
}

std::string FindeMonatsDatei(const std::string& ordner, const std::string& name)
{
    std::string pfad = DateiPfad(ordner, NameAufPlatte(name));
    if (DateiExistiert(pfad))
        return pfad;
    const std::string alt = AlterName(name);
    if (alt.empty())
        return {};
    pfad = DateiPfad(ordner, alt);
    return DateiExistiert(pfad) ? pfad : std::string();
}

} // namespace velmora
