#include "Buchung.h"

#include "Basis.h"
#include "Text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <memory>

namespace velmora {

double LiesBetrag(std::string_view text)
{
    std::string s(text);
    std::replace(s.begin(), s.end(), ',', '.');
    size_t i = 0;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
        ++i;
    bool negativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negativ = s[i] == '-';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            return 0.0;
    }
    // from_chars ignores the locale: QApplication installs the user's, in which strtod may want a comma.
    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(s.data() + i, s.data() + s.size(), wert, std::chars_format::general);
    // "inf", "nan" and overflowing numbers would poison every balance they touch.
    if (fehler != std::errc() || !std::isfinite(wert))
        return 0.0;
    return negativ ? -wert : wert;
}

std::string Kontoseite::Referenz() const
{
    return bFamilie ? Format("%s, %s", strPerson.c_str(), strKonto.c_str()) : strPerson;
}

Kontoseite TeileZeile(const CBasis& basis, const std::string& zeile)
{
    Kontoseite seite;
    if (basis.IstEigenesKonto(zeile, seite.strPerson, seite.strKonto)) {
        seite.bFamilie = true;
        return seite;
    }
    // An external account keeps its whole name, so one named "Meier, Bau" is not cut to "Meier".
    seite.strPerson = zeile;
    seite.strKonto.clear();
    return seite;
}

const CKonto* KontoVon(const CBasis& basis, const Kontoseite& seite)
{
    const CFAMILY* familie = basis.Familie();
    if (!seite.bFamilie || !familie)
        return nullptr;
    for (const auto& mitglied : familie->m_arrPersonen) {
        if (mitglied->m_strName != seite.strPerson)
            continue;
        for (const auto& konto : mitglied->m_arrKonten) {
            if (konto->m_strName == seite.strKonto)
                return konto.get();
        }
    }
    return nullptr;
}

namespace {

void MerkeVorlage(CBasis& basis, const CInOut& t)
{
    CInOut* vorlage = nullptr;
    for (auto& v : basis.m_arrVorlagen) {
        if (v->m_strEmpfaenger == t.m_strEmpfaenger) {
            vorlage = v.get();
            break;
        }
    }
    if (!vorlage)
        vorlage = basis.m_arrVorlagen.emplace_back(std::make_unique<CInOut>()).get();
    vorlage->m_strEmpfaenger = t.m_strEmpfaenger;
    vorlage->m_strNutzniesser = t.m_strNutzniesser;
    vorlage->m_strKategorie = t.m_strKategorie;
    vorlage->m_strUKategorie = t.m_strUKategorie;
}

// Fills the record from the form and books it; the caller has found or appended the record.
void Verbuche(CBasis& basis, CInOut& t, const Buchungseingabe& eingabe)
{
    const auto [zahler, empfaenger] = UebernimmFormular(basis, t, eingabe);
    t.m_nDatum = eingabe.nDatum;
    t.m_nStatus = 1;

    MerkeVorlage(basis, t);
    // A side naming a family account is that account, even where an external account bears the same name.
    basis.ZaehleNutzung(t, {.bZahler = !zahler.bFamilie, .bEmpfaenger = !empfaenger.bFamilie});

    const double betrag = t.m_dBetrag;
    if (zahler.bFamilie && empfaenger.bFamilie) {
        t.m_nArt = 2;
        basis.AddiereAufKonto(-betrag, zahler.strPerson, zahler.strKonto);
        basis.AddiereAufKonto(betrag, empfaenger.strPerson, empfaenger.strKonto);
    } else if (zahler.bFamilie) {
        t.m_nArt = 1;
        basis.AddiereAufKonto(-betrag, zahler.strPerson, zahler.strKonto);
    } else if (empfaenger.bFamilie) {
        t.m_nArt = 0;
        basis.AddiereAufKonto(betrag, empfaenger.strPerson, empfaenger.strKonto);
    }

    basis.SortiereKategorien();
    basis.SortiereZielKonten();
    basis.MonatGeaendert(t.m_nDatum / 100);
}

} // namespace

int BucheNeu(CBasis& basis, const Buchungseingabe& eingabe)
{
    CInOut& t = basis.NeueTransaktion();
    ZaehleHoch(basis.m_nZaehler);
    Verbuche(basis, t, eingabe);
    return basis.PositionVonIndex(t.m_nIndex);
}

bool Bearbeitbar(const CBasis& basis, int nIndex)
{
    const int position = basis.PositionVonIndex(nIndex);
    return position >= 0 && basis.m_arrInOut[static_cast<size_t>(position)]->m_nStatus > 0;
}

int BucheGeaendert(CBasis& basis, const Buchungseingabe& eingabe, int nIndex)
{
    if (!Bearbeitbar(basis, nIndex))
        return -1;
    CInOut& t = *basis.m_arrInOut[static_cast<size_t>(basis.PositionVonIndex(nIndex))];
    // The old state as it stands now, so that a rename since the window opened is taken back correctly.
    basis.m_InOutNeu = t;
    if (CLoadedFiles* alterMonat = basis.GeladenerMonat(t.m_nDatum / 100))
        alterMonat->m_bGeaendert = 1;
    // Marking the new month may load it into m_arrInOut; the record itself keeps its address.
    Verbuche(basis, t, eingabe);

    const CInOut& alt = basis.m_InOutNeu;
    const Kontoseite zahler = TeileZeile(basis, alt.m_strAuftraggeber);
    const Kontoseite empfaenger = TeileZeile(basis, alt.m_strEmpfaenger);
    if (zahler.bFamilie)
        basis.AddiereAufKonto(alt.m_dBetrag, zahler.strPerson, zahler.strKonto);
    if (empfaenger.bFamilie)
        basis.AddiereAufKonto(-alt.m_dBetrag, empfaenger.strPerson, empfaenger.strKonto);
    return basis.PositionVonIndex(nIndex);
}

bool LoescheEndgueltig(CBasis& basis, int position)
{
    if (position < 0 || position >= static_cast<int>(basis.m_arrInOut.size()))
        return false;
    const CInOut& t = *basis.m_arrInOut[static_cast<size_t>(position)];
    if (t.m_nStatus <= kEndgueltigGeloescht)
        return false;
    if (t.m_nStatus > 0) {
        basis.m_nLoeschNr -= 1;
        basis.StorniereTransaktion(position);
    }
    basis.MonatGeaendert(t.m_nDatum / 100);
    basis.EntferneTransaktion(position);
    return true;
}

} // namespace velmora
