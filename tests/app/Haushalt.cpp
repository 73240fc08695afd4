#include "Haushalt.h"

#include <random>

namespace velmora::test {

Haushalt::Haushalt()
{
    std::random_device zufall;
    const auto pfad = std::filesystem::temp_directory_path() / ("velmora-gui-" + std::to_string(zufall()));
    std::filesystem::create_directories(pfad);
    m_ordner = pfad.string();
}

Haushalt::~Haushalt()
{
    std::error_code fehler;
    std::filesystem::remove_all(m_ordner, fehler);
}

void Haushalt::Schreibe(const std::function<void(CBasis&)>& fuelle, int sprache)
{
    CBasis basis;
    basis.m_strPfad = m_ordner;
    basis.m_nSprache = sprache;
    basis.m_nHeute = kHeute - 1;
    basis.m_nJetzt = 1000;
    basis.m_arrFamilien.push_back(std::make_unique<CFAMILY>());
    basis.m_nFamilie = 0;
    fuelle(basis);
    basis.SpeichereMonate();
    basis.SpeichereEinstellungen();
}

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
