#include "Kontostaende.h"

#include "Basis.h"
#include "Text.h"
#include "Vorschau.h"

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
            KontostandZeile& zeile = zeilen.emplace_back();
            zeile.strName = Format("%s, %s", mitglied->m_strName.c_str(), konto->m_strName.c_str());
            zeile.strBetrag = Format("%5.2f", konto->m_dStand);
            zeile.bNegativ = konto->m_dStand < 0;
        }
    }
    // The forecast lists the same accounts in the same order.
    const Vorschau vorschau = ErstelleVorschau(basis, VorschauHorizont(basis.m_nHeute));
    for (size_t i = 0; i < zeilen.size() && i < vorschau.konten.size(); ++i) {
        const Verlauf& v = vorschau.konten[i];
        zeilen[i].strMonatsEnde = Format("%5.2f", v.dMonatsEnde);
        zeilen[i].bMonatsEndeNegativ = v.dMonatsEnde < 0;
        zeilen[i].nErstesMinus = v.nErstesMinus;
    }
    return zeilen;
}

} // namespace velmora
