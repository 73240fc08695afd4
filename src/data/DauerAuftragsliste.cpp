#include "DauerAuftragsliste.h"

#include "Auftragsentwurf.h"
#include "Basis.h"
#include "Text.h"

namespace velmora {

namespace {

// The sort key of each column header; the comment column has none, the execution column only
// toggles its direction.
int SchluesselDerSpalte(int spalte)
{
    switch (spalte) {
        case kSpalteAuftraggeber:
            return kNachAuftraggeber;
        case kSpalteEmpfaenger:
            return kNachEmpfaenger;
        case kSpalteNutzniesser:
            return kNachNutzniesser;
        case kSpalteKategorie:
            return kNachKategorie;
        case kSpalteUKategorie:
            return kNachUKategorie;
        case kSpalteBetrag:
            return kNachBetrag;
        case kSpalteAusfuehrung:
            return kNachDatum;
        default:
            return -1;
    }
}

} // namespace

double Jahresbetrag(const CDauerAuftrag& auftrag)
{
    double faktor = 1.0;
    if (auftrag.m_nZyklus > 50)
        faktor = 52.0;
    if (auftrag.m_nZyklus > 0 && auftrag.m_nZyklus < 35)
        faktor = 12.0;
    if (auftrag.m_nZyklus == 0)
        faktor = static_cast<double>(auftrag.m_arrTermine.size());
    return auftrag.m_dBetrag * faktor;
}

std::string EndeText(const CDauerAuftrag& auftrag, bool deutsch)
{
    if (Unbefristet(auftrag))
        return deutsch ? "unbefristet" : "open-ended";
    return DatumsText(auftrag.m_nEnde, deutsch);
}

void DauerAuftragsListe::Liste(int index, int regel, int eigen, Seite seite)
{
    Summiere(index, regel, eigen, seite);
    m_arrZeilen.push_back(index);
}

void DauerAuftragsListe::RichteEin()
{
    ListeAlle(true);
}

void DauerAuftragsListe::Aktualisiere()
{
    m_nMarkiert = -1;
    m_bBearbeitung = 0;
    if (m_bFilter)
        ZeigeGefiltert();
    else
        ListeAlle(true);
}

void DauerAuftragsListe::ListeAlle(bool mitGeloeschten)
{
    m_arrZeilen.clear();
    Summiere(-1);
    const auto& auftraege = m_basis.m_arrDauerAuftraege;
    m_arrZeilen.reserve(auftraege.size());
    for (size_t i = 0; i < auftraege.size(); ++i) {
        const int status = auftraege[i]->m_n48;
        if (mitGeloeschten ? status > kEndgueltigGeloescht : status > 0)
            Liste(static_cast<int>(i));
    }
}

void DauerAuftragsListe::ZeigeAlles()
{
    ListeAlle(false);
    m_bFilter = 0;
    m_strFilterText.clear();
}

void DauerAuftragsListe::ZeigeGefiltert()
{
    const int art = m_nFilterArt;
    if (art < kSpalteAuftraggeber || art > kSpalteEnde)
        return;
    m_arrZeilen.clear();
    Summiere(-1);
    const std::string& key = m_strFilterText;
    const int eigen = art <= kSpalteEmpfaenger ? m_basis.IstEigenesKonto(key) : 0;
    const auto& auftraege = m_basis.m_arrDauerAuftraege;
    for (size_t n = 0; n < auftraege.size(); ++n) {
        const CDauerAuftrag& a = *auftraege[n];
        const int i = static_cast<int>(n);
        switch (art) {
            case kSpalteAuftraggeber:
            case kSpalteEmpfaenger:
                // Payer and payee are tested independently: an order within the key's own account lists twice.
                if (a.m_strAuftraggeber == key)
                    Liste(i, kRegelKonto, eigen, Seite::Auftraggeber);
                if (a.m_strEmpfaenger == key)
                    Liste(i, kRegelKonto, eigen, Seite::Empfaenger);
                break;
            case kSpalteNutzniesser:
                if (a.m_strNutzniesser == key)
                    Liste(i, kRegelNutzniesser);
                break;
            case kSpalteKategorie:
                if (a.m_strKategorie == key)
                    Liste(i);
                break;
            case kSpalteUKategorie:
                if (a.m_strUKategorie == key)
                    Liste(i);
                break;
            case kSpalteKommentar:
                if (a.m_strKommentar == key)
                    Liste(i);
                break;
            case kSpalteBetrag:
                if (Format("%5.2f", a.m_dBetrag) == key)
                    Liste(i);
                break;
            case kSpalteAusfuehrung:
                if (a.m_strZyklus == key)
                    Liste(i);
                break;
            default:
                if (EndeText(a, m_basis.Deutsch()) == key)
                    Liste(i);
                break;
        }
    }
}

void DauerAuftragsListe::Summiere(int index, int regel, int eigen, Seite seite)
{
    if (index < 0 || index >= static_cast<int>(m_basis.m_arrDauerAuftraege.size())) {
        m_dEinnahmen = m_dAusgaben = m_dUmbuchungen = 0.0;
        return;
    }
    const CDauerAuftrag& a = *m_basis.m_arrDauerAuftraege[static_cast<size_t>(index)];
    // The totals are what the orders that still run book in a year: a deleted, inactive or ended order
    // stays listed but counts no more.
    if (!Laeuft(a))
        return;
    const double y = Jahresbetrag(a);
    const int k = a.m_nArt;
    if (regel == kRegelKonto && eigen == 1) {
        (seite == Seite::Auftraggeber ? m_dAusgaben : m_dEinnahmen) += y;
        if (k == 2)
            m_dUmbuchungen += y;
    } else if (regel == kRegelNutzniesser) {
        if (k == 0)
            m_dEinnahmen += y;
        else if (k == 1)
            m_dAusgaben += y;
        else if (k == 2) {
            m_dUmbuchungen += y;
            m_dEinnahmen += y;
        }
    } else if (k == 0) {
        m_dEinnahmen += y;
    } else if (k == 1) {
        m_dAusgaben += y;
    } else if (k == 2) {
        m_dUmbuchungen += y;
    }
}

bool DauerAuftragsListe::KlickeZelle(int zeile, int spalte)
{
    if (zeile < 0 || zeile >= static_cast<int>(m_arrZeilen.size())) {
        if (m_bFilter) {
            m_bFilter = 0;
            m_strFilterText.clear();
            ListeAlle(true);
        }
        return false;
    }
    // The icon column names no entry to filter by.
    if (spalte < kSpalteAuftraggeber || spalte > kSpalteEnde)
        return m_bFilter != 0;
    m_bFilter = 1;
    m_nFilterArt = spalte;
    m_strFilterText = Zelle(zeile, spalte);
    if (!m_bBearbeitung)
        ZeigeGefiltert();
    return true;
}

void DauerAuftragsListe::KlickeKopf(int spalte)
{
    const int schluessel = SchluesselDerSpalte(spalte);
    if (schluessel >= 0) {
        int& absteigend = m_abAbsteigend[static_cast<size_t>(schluessel)];
        absteigend = absteigend ? 0 : 1;
    }
    Sortiere(schluessel);
}

void DauerAuftragsListe::Sortiere(int schluessel)
{
    if (schluessel >= kNachDatum && schluessel <= kNachUKategorie)
        SortiereDauerAuftraege(m_basis, schluessel, m_abAbsteigend[static_cast<size_t>(schluessel)] != 0);
    // The sorted list is shown whole; a filter ends with it, so that caption and totals fit the rows.
    m_bFilter = 0;
    m_strFilterText.clear();
    m_nMarkiert = -1;
    ListeAlle(true);
}

void DauerAuftragsListe::Loesche(int index)
{
    if (index < 0 || index >= static_cast<int>(m_basis.m_arrDauerAuftraege.size()))
        return;
    m_basis.m_nLoeschNr -= 1;
    m_basis.m_arrDauerAuftraege[static_cast<size_t>(index)]->m_n48 = m_basis.m_nLoeschNr;
    Aktualisiere();
}

void DauerAuftragsListe::StelleWiederHer(int index)
{
    if (index < 0 || index >= static_cast<int>(m_basis.m_arrDauerAuftraege.size()))
        return;
    m_basis.m_arrDauerAuftraege[static_cast<size_t>(index)]->m_n48 = 1;
    Aktualisiere();
}

void DauerAuftragsListe::LoescheEndgueltig(int index)
{
    auto& auftraege = m_basis.m_arrDauerAuftraege;
    if (index < 0 || index >= static_cast<int>(auftraege.size()))
        return;
    auftraege.erase(auftraege.begin() + index);
    Aktualisiere();
}

int DauerAuftragsListe::IndexDerZeile(int zeile) const
{
    if (zeile < 0 || zeile >= static_cast<int>(m_arrZeilen.size()))
        return -1;
    const int index = m_arrZeilen[static_cast<size_t>(zeile)];
    return index < static_cast<int>(m_basis.m_arrDauerAuftraege.size()) ? index : -1;
}

const CDauerAuftrag* DauerAuftragsListe::AuftragDerZeile(int zeile) const
{
    const int index = IndexDerZeile(zeile);
    return index < 0 ? nullptr : m_basis.m_arrDauerAuftraege[static_cast<size_t>(index)].get();
}

std::string DauerAuftragsListe::Zelle(int zeile, int spalte) const
{
    const CDauerAuftrag* a = AuftragDerZeile(zeile);
    if (!a)
        return {};
    switch (spalte) {
        case kSpalteKennung:
            return Format("%d-%d", a->m_nNr, a->m_nArt);
        case kSpalteAuftraggeber:
            return a->m_strAuftraggeber;
        case kSpalteEmpfaenger:
            return a->m_strEmpfaenger;
        case kSpalteNutzniesser:
            return a->m_strNutzniesser;
        case kSpalteKategorie:
            return a->m_strKategorie;
        case kSpalteUKategorie:
            return a->m_strUKategorie;
        case kSpalteKommentar:
            return a->m_strKommentar;
        case kSpalteBetrag:
            return Format("%5.2f", a->m_dBetrag);
        case kSpalteAusfuehrung:
            return a->m_strZyklus;
        case kSpalteEnde:
            return EndeText(*a, m_basis.Deutsch());
        default:
            return {};
    }
}

int DauerAuftragsListe::Icon(int zeile) const
{
    const CDauerAuftrag* a = AuftragDerZeile(zeile);
    if (!a)
        return 0;
    return (a->m_nStatus == 1 && !Beendet(zeile) ? 1 : 0) + (IndexDerZeile(zeile) == m_nMarkiert ? 2 : 0);
}

bool DauerAuftragsListe::Geloescht(int zeile) const
{
    const CDauerAuftrag* a = AuftragDerZeile(zeile);
    return a && a->m_n48 < 0;
}

bool DauerAuftragsListe::Beendet(int zeile) const
{
    const CDauerAuftrag* a = AuftragDerZeile(zeile);
    return a && a->m_nEnde < m_basis.m_nHeute;
}

bool DauerAuftragsListe::Laeuft(const CDauerAuftrag& a) const
{
    return a.m_n48 > 0 && a.m_nStatus == 1 && a.m_nEnde >= m_basis.m_nHeute;
}

bool DauerAuftragsListe::SchluesselIstKonto() const
{
    return (m_nFilterArt == kSpalteAuftraggeber || m_nFilterArt == kSpalteEmpfaenger) &&
           m_basis.IstEigenesKonto(m_strFilterText) == 1;
}

void DauerAuftragsListe::SetzeSuche(const std::string& text)
{
    m_strSuche = Klein(text);
}

bool DauerAuftragsListe::ZelleTrifft(int zeile, int spalte) const
{
    if (m_strSuche.empty() || spalte < kSpalteAuftraggeber || spalte > kSpalteEnde)
        return false;
    return Klein(Zelle(zeile, spalte)).find(m_strSuche) != std::string::npos;
}

int DauerAuftragsListe::ErsteTrefferZeile() const
{
    if (m_arrZeilen.empty())
        return -1;
    if (m_strSuche.empty())
        return 0;
    for (int zeile = 0; zeile < static_cast<int>(m_arrZeilen.size()); ++zeile) {
        for (int spalte = kSpalteAuftraggeber; spalte <= kSpalteEnde; ++spalte) {
            if (ZelleTrifft(zeile, spalte))
                return zeile;
        }
    }
    return -1;
}

} // namespace velmora
