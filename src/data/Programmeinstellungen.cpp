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

int FarbeDesZweitenJahres(const CBasis& basis, int eintrag)
{
    // As the settings window darkens a colour.
    constexpr double kZweitesJahrFaktor = 0.77;
    // Below this brightest channel a colour cannot be told from black or from another dark colour.
    constexpr int kLesbar = 110;
    const size_t i = static_cast<size_t>(std::clamp(eintrag, 0, 1));
    const int dunkel = basis.m_aFarben[i + 3];
    const int hellster = std::max({dunkel & 0xFF, (dunkel >> 8) & 0xFF, (dunkel >> 16) & 0xFF});
    return hellster >= kLesbar ? dunkel : DunklereFarbe(basis.m_aFarben[i], kZweitesJahrFaktor);
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
