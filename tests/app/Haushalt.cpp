#include "Haushalt.h"

namespace velmora::test {

void Haushalt::Schreibe(const std::function<void(CBasis&)>& fuelle, int sprache)
{
    CBasis basis;
    basis.m_strPfad = Ordner();
    basis.m_nSprache = sprache;
    basis.m_nHeute = kHeute - 1;
    basis.m_nJetzt = 1000;
    basis.m_arrFamilien.push_back(std::make_unique<CFAMILY>());
    basis.m_nFamilie = 0;
    fuelle(basis);
    basis.SpeichereMonate();
    basis.SpeichereEinstellungen();
}

} // namespace velmora::test
