#include "Datenbau.h"

namespace velmora::test {

CPerson& NeuesMitglied(CFAMILY& familie, const std::string& name,
                       std::initializer_list<std::pair<std::string, double>> konten)
{
    auto person = std::make_unique<CPerson>();
    person->m_strName = name;
    person->m_nPerson24 = static_cast<int>(familie.m_arrPersonen.size());
    for (const auto& [kontoName, stand] : konten) {
        auto konto = std::make_unique<CKonto>();
        konto->m_strName = kontoName;
        konto->m_dStand = stand;
        konto->m_nIndex = static_cast<int>(person->m_arrKonten.size());
        person->m_arrKonten.push_back(std::move(konto));
    }
    return *familie.m_arrPersonen.emplace_back(std::move(person));
}

} // namespace velmora::test
