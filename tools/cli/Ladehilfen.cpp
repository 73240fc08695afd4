#include "Ladehilfen.h"

#include "Basis.h"

#include <filesystem>
#include <ostream>

namespace velmora::cli {

bool OrdnerVorhanden(const std::string& ordner, std::ostream& fehler)
{
    std::error_code ec;
    if (std::filesystem::is_directory(ordner, ec))
        return true;
    fehler << "velmora-cli: " << ordner << ": no such folder\n";
    return false;
}

bool LadeEinstellungen(CBasis& basis, const Aufruf& aufruf, std::ostream& fehler)
{
    if (aufruf.Hat("--today"))
        basis.m_uhr = FesteUhr(aufruf.Datum("--today"), 0);
    if (!OrdnerVorhanden(aufruf.Ordner(), fehler))
        return false;
    basis.MonatsTitel();
    basis.m_strPfad = aufruf.Ordner();
    if (basis.LadeEinstellungen() != 0) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no settings file (VLMBasic_D.ini or VLMBasic_E.ini)\n";
        return false;
    }
    return true;
}

void LadeAlleMonate(CBasis& basis)
{
    const int erster = basis.m_nErsterMonat != 0 ? basis.m_nErsterMonat : basis.m_nHeute / 100;
    basis.LadeMonate(erster * 100, basis.m_nHeute);
}

void MeldeSchaeden(const CBasis& basis, std::ostream& fehler)
{
    for (const std::string& datei : basis.m_abgeschnitteneDateien)
        fehler << "velmora-cli: warning: " << datei << " is cut short or corrupt; what came before is kept\n";
}

} // namespace velmora::cli
