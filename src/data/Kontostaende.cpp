#include "Kontostaende.h"

#include "Basis.h"
#include "Text.h"

namespace velmora {

std::vector<KontostandZeile> Kontostaende(const CBasis& basis)
{
    std::vector<KontostandZeile> zeilen;
    const CFAMILY* familie = basis.Familie();
    if (!familie)
        return zeilen;
    for (const auto& mitglied : familie->m_arrPersonen) {
        if (mitglied->m_nStatus <= 0)
            continue;
        for (const auto& konto : mitglied->m_arrKonten) {
            if (konto->m_nStatus <= 0)
                continue;
            zeilen.push_back({Format("%s, %s", mitglied->m_strName.c_str(), konto->m_strName.c_str()),
                              Format("%5.2f", konto->m_dStand), konto->m_dStand < 0});
        }
    }
    return zeilen;
}

} // namespace velmora
