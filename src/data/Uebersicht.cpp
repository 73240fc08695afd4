#include "Uebersicht.h"

#include "Basis.h"
#include "Sortieren.h"
#include "Text.h"
#include "Vergleich.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// The length snprintf reports, kept within the buffer.
size_t Schreibe(const std::array<char, 400>& puffer, int n)
{
    return n < 0 ? 0 : std::min(static_cast<size_t>(n), puffer.size() - 1);
}

// Whether the text, lower-cased, contains the lower-cased needle. The search runs over every cell of
// every row, so it looks the lower case up in a table of its own instead of building lower-cased copies.
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

void OverviewListing::SortiereTransaktionen(int schluessel)
{
    if (schluessel >= kNachDatum && schluessel <= kNachUKategorie)
        velmora::SortiereTransaktionen(m_basis, schluessel, m_abAbsteigend[static_cast<size_t>(schluessel)] != 0);
}

void OverviewListing::LadeZeitraum()
{
    m_basis.LadeMonate(m_basis.m_nVonDatum, m_basis.m_nBisDatum);
}

bool OverviewListing::Qualifiziert(const CInOut& t, int bisDatum) const
{
    return t.m_nStatus > kEndgueltigGeloescht && t.m_nDatum >= m_basis.m_nVonDatum && t.m_nDatum <= bisDatum;
}

void OverviewListing::HaengeZeileAn(int index)
{
    SetzeZeile(index, m_nZeilen, true);
    m_nZeilen += 1;
}

void OverviewListing::ZeigeAlle()
{
    m_arrZeilen.clear();
    Summiere(-1);
    m_nZeilen = 0;
    const auto& liste = m_basis.m_arrInOut;
    // One allocation up front instead of a growing list: fresh memory is what the first listing pays for.
    m_arrZeilen.reserve(liste.size());
    for (size_t i = 0; i < liste.size(); ++i) {
        if (!Qualifiziert(*liste[i], m_basis.m_nBisDatum))
            continue;
        Summiere(static_cast<int>(i));
        HaengeZeileAn(static_cast<int>(i));
    }
}

void OverviewListing::ZeigeGefiltert()
{
    m_arrZeilen.clear();
    Summiere(-1);
    m_nZeilen = 0;
    const std::string& key = m_strFilterText;
    const bool deutsch = m_basis.Deutsch();
    const int bis = m_nFilterArt == 10 ? m_basis.m_nHeute : m_basis.m_nBisDatum;
    const int schluesselEigen =
        (m_nFilterArt == 1 || m_nFilterArt == 2 || m_nFilterArt == 12) ? m_basis.IstEigenesKonto(key) : 0;
    const auto& liste = m_basis.m_arrInOut;
    for (size_t n = 0; n < liste.size(); ++n) {
        const CInOut& t = *liste[n];
        if (!Qualifiziert(t, bis))
            continue;
        const int i = static_cast<int>(n);
        bool treffer = false;
        int regel = kRegelGesamt;
        switch (m_nFilterArt) {
            case 0:
                treffer = (t.m_nDauerAuftragNr >= 0) == (m_bNurDauerAuftraege == 1);
                break;
            case 1:
            case 2:
            case 12:
                // Payer and payee are tested independently: a transfer within the key's own account lists twice.
                if (t.m_strAuftraggeber == key) {
                    Summiere(i, kRegelKonto, schluesselEigen, Seite::Auftraggeber);
                    HaengeZeileAn(i);
                }
                if (t.m_strEmpfaenger == key) {
                    Summiere(i, kRegelKonto, schluesselEigen, Seite::Empfaenger);
                    HaengeZeileAn(i);
                }
                continue;
            case 9:
            case 10:
                // The member's own accounts only: neither an external account nor another member's account
                // whose name merely contains the member's.
                if (GehoertMitglied(t.m_strAuftraggeber, key)) {
                    Summiere(i, kRegelPerson, 1, Seite::Auftraggeber);
                    HaengeZeileAn(i);
                } else if (GehoertMitglied(t.m_strEmpfaenger, key)) {
                    Summiere(i, kRegelPerson, 1, Seite::Empfaenger);
                    HaengeZeileAn(i);
                } else if (m_nFilterArt == 10 && t.m_strNutzniesser == key) {
                    Summiere(i, kRegelNutzniesser);
                    HaengeZeileAn(i);
                }
                continue;
            case 3:
                treffer = t.m_strNutzniesser == key;
                regel = kRegelNutzniesser;
                break;
            case 4:
                treffer = t.m_strKategorie == key;
                break;
            case 5:
                treffer = t.m_strUKategorie == key;
                break;
            case kFilterUKategorieIn:
                treffer = t.m_strUKategorie == key && t.m_strKategorie == m_strFilterKategorie;
                break;
            case kFilterKategorieBeiKonto:
            case kFilterKategorieBeiFremdkonto:
            case kFilterKategorieBeiNutzniesser:
                if (t.m_strKategorie == key)
                    SummiereAnteil(i, m_nFilterArt - kFilterKategorieBeiKonto + kAuswahlFamilienKonto);
                continue;
            case 6:
                treffer = t.m_strKommentar == key;
                break;
            case 7:
                treffer = Format("%5.2f", t.m_dBetrag) == key;
                break;
            case 8:
                treffer = DatumsText(t.m_nDatum, deutsch) == key;
                break;
            default:
                break;
        }
        if (treffer) {
            Summiere(i, regel);
            HaengeZeileAn(i);
        }
    }
}

void OverviewListing::Summiere(int index, int regel, int eigen, Seite seite)
{
    if (index < 0 || index >= static_cast<int>(m_basis.m_arrInOut.size())) {
        m_dEinnahmen = m_dAusgaben = m_dUmbuchungen = 0.0;
        return;
    }
    const CInOut& t = *m_basis.m_arrInOut[static_cast<size_t>(index)];
    if (t.m_nStatus <= 0)
        return;
    const auto gleichePerson = [&] {
        std::string p1, k1, p2, k2;
        return m_basis.IstEigenesKonto(t.m_strAuftraggeber, p1, k1) == 1 &&
               m_basis.IstEigenesKonto(t.m_strEmpfaenger, p2, k2) == 1 && p1 == p2;
    };
    const double a = t.m_dBetrag;
    const int k = t.m_nArt;
    if (regel == kRegelKonto && eigen == 1) {
        (seite == Seite::Auftraggeber ? m_dAusgaben : m_dEinnahmen) += a;
        if (k == 2)
            m_dUmbuchungen += a;
    } else if (regel == kRegelPerson && eigen == 1) {
        if (!gleichePerson())
            (seite == Seite::Auftraggeber ? m_dAusgaben : m_dEinnahmen) += a;
        if (k == 2)
            m_dUmbuchungen += a;
    } else if (regel == kRegelNutzniesser) {
        if (k == 0)
            m_dEinnahmen += a;
        else if (k == 1)
            m_dAusgaben += a;
        else if (k == 2) {
            m_dUmbuchungen += a;
            if (!gleichePerson())
                m_dEinnahmen += a;
        }
    } else {
        if (k == 0)
            m_dEinnahmen += a;
        else if (k == 1)
            m_dAusgaben += a;
        else if (k == 2)
            m_dUmbuchungen += a;
    }
}

bool OverviewListing::GehoertMitglied(const std::string& referenz, const std::string& mitglied) const
{
    std::string person, konto;
    return m_basis.IstEigenesKonto(referenz, person, konto) == 1 && person == mitglied;
}

// Lists a transaction that the analyses count under a selection, and adds it to the totals as they do.
void OverviewListing::SummiereAnteil(int index, int auswahl)
{
    const CInOut& t = *m_basis.m_arrInOut[static_cast<size_t>(index)];
    const Anteil anteil = AnteilVon(t, auswahl, m_strFilterAuswahl);
    if (!anteil.bEinnahme && !anteil.bAusgabe)
        return;
    if (t.m_nStatus > 0) {
        if (anteil.bEinnahme)
            m_dEinnahmen += t.m_dBetrag;
        if (anteil.bAusgabe)
            m_dAusgaben += t.m_dBetrag;
        if (t.m_nArt == 2)
            m_dUmbuchungen += t.m_dBetrag;
    }
    HaengeZeileAn(index);
}

int OverviewListing::IconVon(int index) const
{
    const CInOut& t = *m_basis.m_arrInOut[static_cast<size_t>(index)];
    return (index == m_nMarkiert ? 2 : 0) + (t.m_nDauerAuftragNr >= 0 ? 1 : 0);
}

void OverviewListing::SetzeZeile(int index, int zeile, bool einfuegen)
{
    if (index < 0 || index >= static_cast<int>(m_basis.m_arrInOut.size()) ||
        m_basis.m_arrInOut[static_cast<size_t>(index)]->m_nStatus <= kEndgueltigGeloescht)
        return;
    const UebersichtsZeile neu{index, IconVon(index)};
    if (einfuegen) {
        const size_t position = std::min(static_cast<size_t>(std::max(zeile, 0)), m_arrZeilen.size());
        m_arrZeilen.insert(m_arrZeilen.begin() + static_cast<std::ptrdiff_t>(position), neu);
    } else if (zeile >= 0 && zeile < static_cast<int>(m_arrZeilen.size())) {
        m_arrZeilen[static_cast<size_t>(zeile)] = neu;
    }
}

const CInOut* OverviewListing::TransaktionDerZeile(int zeile) const
{
    if (zeile < 0 || zeile >= static_cast<int>(m_arrZeilen.size()))
        return nullptr;
    const int index = m_arrZeilen[static_cast<size_t>(zeile)].nTransaktion;
    if (index < 0 || index >= static_cast<int>(m_basis.m_arrInOut.size()))
        return nullptr;
    return m_basis.m_arrInOut[static_cast<size_t>(index)].get();
}

std::string OverviewListing::Filterschluessel() const
{
    const std::string schluessel =
        m_strFilterText.empty() ? std::string(m_basis.Deutsch() ? "(leer)" : "(empty)") : m_strFilterText;
    if (m_nFilterArt == kFilterUKategorieIn)
        return m_strFilterKategorie + ": " + schluessel;
    if (m_nFilterArt >= kFilterKategorieBeiKonto && m_nFilterArt <= kFilterKategorieBeiNutzniesser)
        return m_strFilterAuswahl + ": " + schluessel;
    return schluessel;
}

std::string OverviewListing::Zelle(int zeile, int spalte) const
{
    const CInOut* t = TransaktionDerZeile(zeile);
    if (!t)
        return {};
    if (spalte == 0)
        return Format("%d-%d", t->m_nIndex, t->m_nArt);
    Zellenpuffer puffer;
    return std::string(Zellentext(*t, spalte, puffer));
}

std::vector<std::string> OverviewListing::LaengsteTexte(int spalte, size_t anzahl) const
{
    std::vector<std::string> laengste;
    Zellenpuffer puffer;
    // Dates print in one width: a few rows tell it. An amount prints no longer than a larger one does, so
    // only amounts above the smallest one kept are printed at all.
    const size_t zeilen = spalte == 8 ? std::min(anzahl, m_arrZeilen.size()) : m_arrZeilen.size();
    double kleinsterBetrag = -1.0;
    for (size_t z = 0; z < zeilen; ++z) {
        const CInOut& t = *m_basis.m_arrInOut[static_cast<size_t>(m_arrZeilen[z].nTransaktion)];
        if (spalte == 7 && laengste.size() == anzahl && std::isfinite(t.m_dBetrag) &&
            std::fabs(t.m_dBetrag) < kleinsterBetrag)
            continue;
        const std::string_view text = Zellentext(t, spalte, puffer);
        if (laengste.size() == anzahl && text.size() <= laengste.back().size())
            continue;
        if (std::find(laengste.begin(), laengste.end(), text) != laengste.end())
            continue;
        const auto stelle = std::find_if(laengste.begin(), laengste.end(),
                                         [&](const std::string& t) { return t.size() < text.size(); });
        laengste.insert(stelle, std::string(text));
        if (laengste.size() > anzahl)
            laengste.pop_back();
        if (spalte == 7 && laengste.size() == anzahl)
            kleinsterBetrag = std::fabs(std::strtod(laengste.back().c_str(), nullptr));
    }
    return laengste;
}

std::string_view OverviewListing::Zellentext(const CInOut& t, int spalte, Zellenpuffer& puffer) const
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
            const int n = m_basis.Deutsch()
                              ? std::snprintf(puffer.data(), puffer.size(), "%2d.%2d.%4d", tag, monat, jahr)
                              : std::snprintf(puffer.data(), puffer.size(), "%2d/%2d/%4d", monat, tag, jahr);
            return {puffer.data(), Schreibe(puffer, n)};
        }
        default:
            return {};
    }
}

void OverviewListing::SetzeSuche(const std::string& text)
{
    m_strSuche = Klein(text);
    m_bSucheZahl = m_strSuche.find_first_not_of("0123456789 .,-/") == std::string::npos;
    // "12,50" is typed as a German writes it; the amounts print "12.50".
    m_strSucheBetrag = m_strSuche;
    std::replace(m_strSucheBetrag.begin(), m_strSucheBetrag.end(), ',', '.');
}

bool OverviewListing::ZelleTrifft(int zeile, int spalte) const
{
    if (m_strSuche.empty() || spalte < 1 || spalte >= kSpalten)
        return false;
    const CInOut* t = TransaktionDerZeile(zeile);
    if (!t)
        return false;
    // Amounts and dates print only digits, blanks, points, dashes and slashes (an amount that is no
    // number aside): a search for anything else need not print them.
    if (!m_bSucheZahl && (spalte == 8 || (spalte == 7 && std::isfinite(t->m_dBetrag))))
        return false;
    Zellenpuffer puffer;
    return EnthaeltKlein(Zellentext(*t, spalte, puffer), spalte == 7 ? m_strSucheBetrag : m_strSuche);
}

int OverviewListing::ErsteTrefferZeile() const
{
    if (m_arrZeilen.empty())
        return -1;
    if (m_strSuche.empty())
        return 0;
    for (int zeile = 0; zeile < static_cast<int>(m_arrZeilen.size()); ++zeile) {
        for (int spalte = 1; spalte < kSpalten; ++spalte) {
            if (ZelleTrifft(zeile, spalte))
                return zeile;
        }
    }
    return -1;
}

} // namespace velmora
