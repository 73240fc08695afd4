#pragma once

// The sorting of the store's whole transaction list by one key of the overview's columns.

#include <string>

namespace velmora {

class CBasis;
struct CInOut;

// Sort keys of SortiereTransaktionen and the index into m_abAbsteigend.
enum Sortierung
{
    kNachDatum,
    kNachBetrag,
    kNachAuftraggeber,
    kNachEmpfaenger,
    kNachNutzniesser,
    kNachKategorie,
    kNachUKategorie
};

// The text a text key (kNachAuftraggeber to kNachUKategorie) sorts a transaction or a standing order by.
template<class Eintrag>
const std::string& TextSchluessel(const Eintrag& eintrag, int schluessel)
{
    switch (schluessel) {
        case kNachAuftraggeber:
            return eintrag.m_strAuftraggeber;
        case kNachEmpfaenger:
            return eintrag.m_strEmpfaenger;
        case kNachNutzniesser:
            return eintrag.m_strNutzniesser;
        case kNachKategorie:
            return eintrag.m_strKategorie;
        default:
            return eintrag.m_strUKategorie;
    }
}

// Sorts the whole transaction list of the store by one key (stable, O(n log n)).
void SortiereTransaktionen(CBasis& basis, int schluessel, bool absteigend);
// The list comparison of one key between two transactions: negative, 0 or positive.
int VergleicheTransaktionen(const CInOut& a, const CInOut& b, int schluessel);

} // namespace velmora
