#include "Uebersicht.h"

#include "Basis.h"
#include "Text.h"
#include "Vergleich.h"
#include "Zellentext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace velmora {

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
    return std::string(Zellentext(*t, spalte, m_basis.Deutsch(), puffer));
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
        const std::string_view text = Zellentext(t, spalte, m_basis.Deutsch(), puffer);
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
    return EnthaeltKlein(Zellentext(*t, spalte, m_basis.Deutsch(), puffer),
                         spalte == 7 ? m_strSucheBetrag : m_strSuche);
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
