#include "Zellentext.h"

#include "Records.h"
#include "Text.h"

#include <algorithm>
#include <cstdio>

namespace velmora {

namespace {

// The length snprintf reports, kept within the buffer.
size_t Schreibe(const Zellenpuffer& puffer, int n)
{
    return n < 0 ? 0 : std::min(static_cast<size_t>(n), puffer.size() - 1);
}

} // namespace

std::string_view Zellentext(const CInOut& t, int spalte, bool deutsch, Zellenpuffer& puffer)
{
    switch (spalte) {
        case 1:
            return t.m_strAuftraggeber;
        case 2:
            return t.m_strEmpfaenger;
        case 3:
            return t.m_strNutzniesser;
        case 4:
            return t.m_strKategorie;
        case 5:
            return t.m_strUKategorie;
        case 6:
            return t.m_strKommentar;
        case 7:
            return {puffer.data(), Schreibe(puffer, std::snprintf(puffer.data(), puffer.size(), "%5.2f", t.m_dBetrag))};
        case 8: {
            const int jahr = t.m_nDatum / 10000;
            const int monat = (t.m_nDatum - jahr * 10000) / 100;
            const int tag = t.m_nDatum % 100;
            const int n = deutsch ? std::snprintf(puffer.data(), puffer.size(), "%2d.%2d.%4d", tag, monat, jahr)
                                  : std::snprintf(puffer.data(), puffer.size(), "%2d/%2d/%4d", monat, tag, jahr);
            return {puffer.data(), Schreibe(puffer, n)};
        }
        default:
            return {};
    }
}

// The search runs over every cell of every row, so it looks the lower case up in a table of its own instead of building
// lower-cased copies.
bool EnthaeltKlein(std::string_view text, std::string_view nadel)
{
    static const std::array<unsigned char, 256> klein = [] {
        std::array<unsigned char, 256> t{};
        for (int c = 0; c < 256; ++c)
            t[static_cast<size_t>(c)] = Klein(static_cast<unsigned char>(c));
        return t;
    }();
    if (nadel.size() > text.size())
        return false;
    const auto zeichen = [&](size_t i) { return klein[static_cast<unsigned char>(text[i])]; };
    const auto erstes = static_cast<unsigned char>(nadel[0]);
    for (size_t i = 0; i + nadel.size() <= text.size(); ++i) {
        if (zeichen(i) != erstes)
            continue;
        size_t k = 1;
        while (k < nadel.size() && zeichen(i + k) == static_cast<unsigned char>(nadel[k]))
            ++k;
        if (k == nadel.size())
            return true;
    }
    return false;
}

} // namespace velmora
