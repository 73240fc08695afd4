#include "Programmeinstellungen.h"

#include "Basis.h"

#include <algorithm>

namespace velmora {

int DunklereFarbe(int colorref, double faktor)
{
    int ergebnis = 0;
    for (int schiebe : {0, 8, 16}) {
        const int kanal = static_cast<int>(((colorref >> schiebe) & 0xFF) * faktor);
        ergebnis |= std::min(kanal, 0xFF) << schiebe;
    }
    return ergebnis;
}

void SetzeFarbe(CBasis& basis, int eintrag, int colorref)
{
    if (eintrag < 0 || eintrag > 2)
        return;
    const int farbe = colorref & 0x00FFFFFF;
    basis.m_aFarben[static_cast<size_t>(eintrag)] = farbe;
    basis.m_aFarben[static_cast<size_t>(eintrag) + 3] = DunklereFarbe(farbe, basis.m_dFarbFaktor);
}

PasswortZustand ZustandDerPasswortFelder(const std::string& passwort, const std::string& bestaetigung)
{
    if (passwort.empty())
        return PasswortZustand::kLeer;
    return passwort == bestaetigung ? PasswortZustand::kOk : PasswortZustand::kBestaetigen;
}

void PasswortEingegeben(CBasis& basis, const std::string& passwort, const std::string& bestaetigung)
{
    basis.m_strPasswort = !passwort.empty() && passwort == bestaetigung ? passwort : std::string();
}

void PasswortBeimSchliessen(CBasis& basis, const std::string& passwort, const std::string& bestaetigung)
{
    if (passwort == bestaetigung)
        basis.m_strPasswort = passwort;
}

int SchalteTooltips(CBasis& basis)
{
    basis.m_bTooltips = basis.m_bTooltips ? 0 : 1;
    return basis.m_bTooltips;
}

} // namespace velmora
