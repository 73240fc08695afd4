#include "Verwaltung.h"

#include "Basis.h"
#include "Text.h"

#include <algorithm>
#include <set>

namespace velmora {

namespace {

template<class Satz>
bool NenntSatz(const Satz& s, const Nennt& nennt)
{
    return nennt(Feld::kAuftraggeber, s.m_strAuftraggeber) || nennt(Feld::kEmpfaenger, s.m_strEmpfaenger) ||
           nennt(Feld::kNutzniesser, s.m_strNutzniesser) || nennt(Feld::kKategorie, s.m_strKategorie) ||
           nennt(Feld::kUKategorie, s.m_strUKategorie);
}

template<class Satz>
bool ErsetzeInSatz(Satz& s, const Ersetze& ersetze)
{
    // Every field is offered, even after one changed: a transfer names a member on both sides.
    bool geaendert = ersetze(Feld::kAuftraggeber, s.m_strAuftraggeber);
    geaendert = ersetze(Feld::kEmpfaenger, s.m_strEmpfaenger) || geaendert;
    geaendert = ersetze(Feld::kNutzniesser, s.m_strNutzniesser) || geaendert;
    geaendert = ersetze(Feld::kKategorie, s.m_strKategorie) || geaendert;
    geaendert = ersetze(Feld::kUKategorie, s.m_strUKategorie) || geaendert;
    return geaendert;
}

// Marks the months after the pass over the transactions: marking may load a month, which appends.
void MarkiereMonate(CBasis& basis, const std::set<int>& monate)
{
    for (int monat : monate)
        basis.MonatGeaendert(monat);
}

} // namespace

bool Bestaetigt(const Bestaetigung& frage, int modus, const std::string& name, const std::string& neu, int filterArt)
{
    return frage && frage(Rueckfrage{modus, name, neu, filterArt});
}

std::string KontoVerweis(const std::string& person, const std::string& konto)
{
    return person + ", " + konto;
}

bool NenntPerson(const std::string& verweis, const std::string& person)
{
    const size_t komma = verweis.find(',');
    return komma != std::string::npos && komma > 0 &&
           GleichOhneGross(std::string_view(verweis).substr(0, komma), person);
}

bool ErsetzePerson(std::string& verweis, const std::string& alt, const std::string& neu)
{
    if (!NenntPerson(verweis, alt))
        return false;
    verweis.replace(0, verweis.find(','), neu);
    return true;
}

int NeuerStempel(CBasis& basis)
{
    basis.LadeAlleMonate();
    return --basis.m_nLoeschNr;
}

void MarkiereGeladeneMonate(CBasis& basis)
{
    for (auto& datei : basis.m_arrLoadedFiles)
        datei->m_bGeaendert = 1;
}

void SchreibeVerweiseUm(CBasis& basis, const Ersetze& ersetze)
{
    basis.LadeAlleMonate();
    std::set<int> monate;
    for (auto& t : basis.m_arrInOut) {
        if (ErsetzeInSatz(*t, ersetze))
            monate.insert(t->m_nDatum / 100);
    }
    for (auto& auftrag : basis.m_arrDauerAuftraege)
        ErsetzeInSatz(*auftrag, ersetze);
    // The remembered entries of the payees follow too, so that the entry window proposes the new names.
    for (auto& vorlage : basis.m_arrVorlagen)
        ErsetzeInSatz(*vorlage, ersetze);
    MarkiereMonate(basis, monate);
}

void StorniereMitStempel(CBasis& basis, const Nennt& nennt)
{
    std::set<int> monate;
    for (size_t i = 0; i < basis.m_arrInOut.size(); ++i) {
        const CInOut& t = *basis.m_arrInOut[i];
        if (t.m_nStatus > 0 && NenntSatz(t, nennt)) {
            basis.StorniereTransaktion(static_cast<int>(i));
            monate.insert(t.m_nDatum / 100);
        }
    }
    // An order deleted before keeps its own stamp, so that restoring this item does not revive it.
    for (auto& auftrag : basis.m_arrDauerAuftraege) {
        if (auftrag->m_n48 > 0 && NenntSatz(*auftrag, nennt))
            auftrag->m_n48 = basis.m_nLoeschNr;
    }
    MarkiereMonate(basis, monate);
}

void StelleStempelWiederHer(CBasis& basis, int stempel)
{
    if (stempel >= 0)
        return;
    basis.LadeAlleMonate();
    for (auto& auftrag : basis.m_arrDauerAuftraege) {
        if (auftrag->m_n48 == stempel)
            auftrag->m_n48 = 1;
    }
    std::set<int> monate;
    for (auto& t : basis.m_arrInOut) {
        if (t->m_nStatus == stempel) {
            basis.BucheTransaktion(*t);
            monate.insert(t->m_nDatum / 100);
        }
    }
    MarkiereMonate(basis, monate);
}

void EntferneStempel(CBasis& basis, const std::vector<int>& stempel)
{
    std::vector<int> negativ;
    std::copy_if(stempel.begin(), stempel.end(), std::back_inserter(negativ), [](int s) { return s < 0; });
    if (negativ.empty())
        return;
    const auto traegt = [&negativ](int status) {
        return std::find(negativ.begin(), negativ.end(), status) != negativ.end();
    };
    basis.LadeAlleMonate();
    std::erase_if(basis.m_arrDauerAuftraege, [&](const auto& auftrag) { return traegt(auftrag->m_n48); });
    std::set<int> monate;
    std::erase_if(basis.m_arrInOut, [&](const auto& t) {
        if (!traegt(t->m_nStatus))
            return false;
        monate.insert(t->m_nDatum / 100);
        return true;
    });
    MarkiereMonate(basis, monate);
}

} // namespace velmora
