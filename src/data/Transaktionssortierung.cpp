#include "Transaktionssortierung.h"

#include "Basis.h"
#include "Sortieren.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora {

namespace {

template<class T>
int Vergleiche(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// One transaction in a sort: its key and its place in the list. Sorting these small entries, which lie
// side by side, instead of the records, which lie all over the heap, keeps the sort in the cache; the
// records are put in their new order once at the end.
template<class K>
struct Sortierposten
{
    K schluessel;
    uint32_t position;
};

template<class K, class Vergleich>
void SortiereUeberPosten(OwnedList<CInOut>& liste, std::vector<Sortierposten<K>>& posten, bool absteigend,
                         Vergleich vergleiche)
{
    SortiereStabil(posten, [&](const Sortierposten<K>& a, const Sortierposten<K>& b) {
        const int v = vergleiche(a.schluessel, b.schluessel);
        return absteigend ? v > 0 : v < 0;
    });
    OwnedList<CInOut> sortiert;
    sortiert.reserve(liste.size());
    for (const auto& p : posten)
        sortiert.push_back(std::move(liste[p.position]));
    liste.swap(sortiert);
}

// The distinct texts of one column, numbered. A column holds few distinct texts (accounts, categories,
// members), so the list comparison of two of them is worked out once per pair and remembered.
class Textnummern final
{
public:
    uint32_t Nummer(const std::string& text)
    {
        const auto [it, neu] = m_nummern.try_emplace(text, static_cast<uint32_t>(m_texte.size()));
        if (neu)
            m_texte.push_back(text);
        return it->second;
    }

    // Call once every text has its number.
    void Fertig()
    {
        if (m_texte.size() <= kGemerkteTexte)
            m_ergebnisse.assign(m_texte.size() * m_texte.size(), kUnbekannt);
    }

    int Vergleiche(uint32_t a, uint32_t b)
    {
        if (a == b)
            return 0;
        if (m_ergebnisse.empty())
            return VergleicheListenText(m_texte[a], m_texte[b]);
        int8_t& ergebnis = m_ergebnisse[a * m_texte.size() + b];
        if (ergebnis == kUnbekannt)
            ergebnis = static_cast<int8_t>(VergleicheListenText(m_texte[a], m_texte[b]));
        return ergebnis;
    }

private:
    static constexpr size_t kGemerkteTexte = 1024;
    static constexpr int8_t kUnbekannt = 2;

    std::unordered_map<std::string_view, uint32_t> m_nummern;
    std::vector<std::string_view> m_texte;
    std::vector<int8_t> m_ergebnisse;
};

// Dates sort by their digits: a stable radix sort, four passes over the entries at most, where a merge
// sort would need seventeen rounds of comparisons for thirty years. Equal keys keep their order.
void SortiereNachDatum(OwnedList<CInOut>& liste, bool absteigend)
{
    std::vector<Sortierposten<uint32_t>> posten(liste.size());
    for (size_t i = 0; i < liste.size(); ++i) {
        // The sign bit flipped puts negative dates first; the complement turns the order round.
        const uint32_t schluessel = static_cast<uint32_t>(liste[i]->m_nDatum) ^ 0x80000000u;
        posten[i] = {absteigend ? ~schluessel : schluessel, static_cast<uint32_t>(i)};
    }
    std::vector<Sortierposten<uint32_t>> puffer(posten.size());
    for (int verschiebung = 0; verschiebung < 32; verschiebung += 8) {
        std::array<size_t, 257> anfang{};
        for (const auto& p : posten)
            ++anfang[((p.schluessel >> verschiebung) & 0xFF) + 1];
        if (std::find(anfang.begin(), anfang.end(), posten.size()) != anfang.end())
            continue;
        for (size_t b = 1; b < anfang.size(); ++b)
            anfang[b] += anfang[b - 1];
        for (const auto& p : posten)
            puffer[anfang[(p.schluessel >> verschiebung) & 0xFF]++] = p;
        posten.swap(puffer);
    }
    OwnedList<CInOut> sortiert;
    sortiert.reserve(liste.size());
    for (const auto& p : posten)
        sortiert.push_back(std::move(liste[p.position]));
    liste.swap(sortiert);
}

template<class K, class Schluessel>
std::vector<Sortierposten<K>> Posten(const OwnedList<CInOut>& liste, Schluessel schluessel)
{
    std::vector<Sortierposten<K>> posten(liste.size());
    for (size_t i = 0; i < liste.size(); ++i)
        posten[i] = {schluessel(*liste[i]), static_cast<uint32_t>(i)};
    return posten;
}

} // namespace

int VergleicheTransaktionen(const CInOut& a, const CInOut& b, int schluessel)
{
    switch (schluessel) {
        case kNachDatum:
            return Vergleiche(a.m_nDatum, b.m_nDatum);
        case kNachBetrag:
            return Vergleiche(a.m_dBetrag, b.m_dBetrag);
        default:
            return VergleicheListenText(TextSchluessel(a, schluessel), TextSchluessel(b, schluessel));
    }
}

void SortiereTransaktionen(CBasis& basis, int schluessel, bool absteigend)
{
    auto& liste = basis.m_arrInOut;
    if (schluessel == kNachDatum) {
        SortiereNachDatum(liste, absteigend);
    } else if (schluessel == kNachBetrag) {
        auto posten = Posten<double>(liste, [](const CInOut& t) { return t.m_dBetrag; });
        SortiereUeberPosten(liste, posten, absteigend, Vergleiche<double>);
    } else if (schluessel > kNachBetrag && schluessel <= kNachUKategorie) {
        Textnummern texte;
        auto posten =
            Posten<uint32_t>(liste, [&](const CInOut& t) { return texte.Nummer(TextSchluessel(t, schluessel)); });
        texte.Fertig();
        SortiereUeberPosten(liste, posten, absteigend, [&](uint32_t a, uint32_t b) { return texte.Vergleiche(a, b); });
    }
}

} // namespace velmora
