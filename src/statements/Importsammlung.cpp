#include "Importsammlung.h"

#include "Basis.h"

namespace velmora {

Importsammlung::Importsammlung(CBasis& basis, Importgedaechtnis& gedaechtnis)
    : m_basis(basis)
    , m_gedaechtnis(gedaechtnis)
{
}

Leseergebnis Importsammlung::Lies(const std::string& pfad, const Spaltenzuordnung* zuordnung)
{
    Leseergebnis ergebnis = LiesAuszugsdatei(pfad, m_gedaechtnis, zuordnung, m_basis.m_nHeute);
    if (zuordnung && ergebnis.Ok() && !ergebnis.vorschau.strLayout.empty()) {
        m_gedaechtnis.zuordnungen[ergebnis.vorschau.strLayout] = *zuordnung;
        m_gedaechtnis.bGeaendert = true;
    }
    return ergebnis;
}

std::string Importsammlung::Konto(const Kontoauszug& auszug) const
{
    return BekanntesKonto(m_basis, m_gedaechtnis, auszug);
}

std::string Importsammlung::AndereIban(const Kontoauszug& auszug, const std::string& konto) const
{
    return KontoAndererIban(m_gedaechtnis, auszug, konto);
}

void Importsammlung::Fuege(Kontoauszug auszug, const std::string& konto)
{
    MerkeKonto(m_gedaechtnis, auszug, konto);
    m_auszuege.push_back(std::move(auszug));
    m_konten.push_back(konto);
}

Importergebnis Importsammlung::Vorschlaege(int toleranz) const
{
    return ErstelleVorschlaege(m_basis, m_gedaechtnis, m_auszuege, m_konten, toleranz);
}

Buchungszeitraum Importsammlung::Buche(const std::vector<Importvorschlag>& vorschlaege)
{
    return BucheVorschlaege(m_basis, m_gedaechtnis, vorschlaege);
}

} // namespace velmora
