#include "VergleichJson.h"

#include "Records.h"
#include "Text.h"
#include "Vergleich.h"

namespace velmora {

namespace {

// Sums of many bookings carry the dust of binary fractions; the window shows cents, and so does this.
double Cent(double betrag)
{
    return static_cast<double>(InCent(betrag)) / 100.0;
}

} // namespace

Json AlsJson(const Vergleich& v)
{
    Json jahre = Json::array();
    for (int monat = 1; monat <= 12; ++monat) {
        Json zeile = Json::array();
        for (const auto& werte : v.m_aJahrestabelle)
            zeile.push_back(Cent(werte[static_cast<size_t>(monat)]));
        jahre.push_back(std::move(zeile));
    }
    Json monate = Json::array();
    for (const CUKategorie* e : v.Monatseintraege())
        monate.push_back({{"name", Cp1252ZuUtf8(e->m_strName)},
                          {"sums", {Cent(e->m_dSumme1), Cent(e->m_dSumme2), Cent(e->m_dSumme3), Cent(e->m_dSumme4)}}});
    return {
        {"selection", v.m_nAuswahl},
        {"item", Cp1252ZuUtf8(v.m_strName)},
        {"years", {v.m_anJahr[kPeriodeA], v.m_anJahr[kPeriodeB]}},
        {"months", {v.m_anMonat[kPeriodeA], v.m_anMonat[kPeriodeB]}},
        {"annual", std::move(jahre)},
        {"maximum", Cent(v.Massstab())},
        {"monthly", std::move(monate)},
    };
}

} // namespace velmora
