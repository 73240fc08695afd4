#include "Basis.h"

#include "Monatsvorrat.h"
#include "Text.h"

#include <algorithm>
#include <utility>

namespace velmora {

CBasis::CBasis()
    : m_astrMonateD{"NULL", "Januar", "Februar",   "M\xE4rz", "April",    "Mai",     "Juni",
                    "Juli", "August", "September", "Oktober", "November", "Dezember"}
    , m_astrMonateE{"NULL", "January", "February",  "March",   "April",    "May",     "June",
                    "July", "August",  "September", "October", "November", "December"}
{
}

CBasis::~CBasis() = default;

void CBasis::BucheTransaktion(CInOut& transaktion)
{
    std::string zahlerPerson, zahlerKonto, empfaengerPerson, empfaengerKonto;
    const int zahlerEigen = IstEigenesKonto(transaktion.m_strAuftraggeber, zahlerPerson, zahlerKonto);
    const int empfaengerEigen = IstEigenesKonto(transaktion.m_strEmpfaenger, empfaengerPerson, empfaengerKonto);
    const double betrag = transaktion.m_dBetrag;
    if (zahlerEigen && empfaengerEigen) {
        transaktion.m_nArt = 2;
        AddiereAufKonto(-betrag, zahlerPerson, zahlerKonto);
        AddiereAufKonto(betrag, empfaengerPerson, empfaengerKonto);
    } else if (zahlerEigen) {
        transaktion.m_nArt = 1;
        AddiereAufKonto(-betrag, zahlerPerson, zahlerKonto);
    } else if (empfaengerEigen) {
        transaktion.m_nArt = 0;
        AddiereAufKonto(betrag, empfaengerPerson, empfaengerKonto);
    }
    if (!(zahlerEigen && empfaengerEigen)) {
        for (auto& ziel : m_arrZielKonten) {
            if (ziel->m_strName == transaktion.m_strAuftraggeber || ziel->m_strName == transaktion.m_strEmpfaenger)
                ziel->m_bGebucht = 1;
        }
    }
    transaktion.m_nStatus = 1;
}

void CBasis::StorniereTransaktion(int index)
{
    if (index < 0 || index >= static_cast<int>(m_arrInOut.size()))
        return;
    CInOut& t = *m_arrInOut[static_cast<size_t>(index)];
    std::string person, konto;
    const double betrag = t.m_dBetrag;
    if (t.m_nArt == 1 || t.m_nArt == 2) {
        if (IstEigenesKonto(t.m_strAuftraggeber, person, konto))
            AddiereAufKonto(betrag, person, konto);
    }
    if (t.m_nArt == 0 || t.m_nArt == 2) {
        if (IstEigenesKonto(t.m_strEmpfaenger, person, konto))
            AddiereAufKonto(-betrag, person, konto);
    }
    t.m_nStatus = m_nLoeschNr;
}

int CBasis::IstEigenesKonto(const std::string& referenz, std::string& person, std::string& konto) const
{
    person.clear();
    konto.clear();
    const size_t komma = referenz.find(',');
    if (komma == std::string::npos)
        return 0;
    person = referenz.substr(0, komma);
    // The character after the comma is taken to be the blank and skipped unchecked.
    if (komma + 2 <= referenz.size())
        konto = referenz.substr(komma + 2);
    const CFAMILY* familie = Familie();
    if (!familie)
        return 0;
    for (const auto& mitglied : familie->m_arrPersonen) {
        if (mitglied->m_strName != person)
            continue;
        for (const auto& k : mitglied->m_arrKonten) {
            if (k->m_strName == konto)
                return 1;
        }
    }
    return 0;
}

int CBasis::IstEigenesKonto(const std::string& referenz) const
{
    std::string person, konto;
    return IstEigenesKonto(referenz, person, konto);
}

void CBasis::AddiereAufKonto(double betrag, const std::string& person, const std::string& konto)
{
    CFAMILY* familie = Familie();
    if (!familie)
        return;
    for (auto& mitglied : familie->m_arrPersonen) {
        if (mitglied->m_strName != person)
            continue;
        ZaehleHoch(mitglied->m_nAnzahl);
        mitglied->m_nStatus = 1;
        for (auto& k : mitglied->m_arrKonten) {
            if (k->m_strName == konto) {
                k->m_dStand += betrag;
                ZaehleHoch(k->m_nAnzahl);
                k->m_nStatus = 1;
                break;
            }
        }
    }
}

void CBasis::ZaehleNutzung(const CInOut& transaktion, Fremdseiten seiten)
{
    for (auto& ziel : m_arrZielKonten) {
        if (seiten.bZahler && ziel->m_strName == transaktion.m_strAuftraggeber) {
            ZaehleHoch(ziel->m_nAnzahl);
            ziel->m_bBenutzt = 1;
        }
        if (seiten.bEmpfaenger && ziel->m_strName == transaktion.m_strEmpfaenger) {
            ZaehleHoch(ziel->m_nAnzahl);
            ziel->m_bBenutzt = 1;
        }
    }
    for (auto& kategorie : m_arrKategorien) {
        if (kategorie->m_strName != transaktion.m_strKategorie)
            continue;
        ZaehleHoch(kategorie->m_nAnzahl);
        kategorie->m_bBenutzt = 1;
        for (auto& u : kategorie->m_arrUKategorien) {
            if (u->m_strName == transaktion.m_strUKategorie) {
                ZaehleHoch(u->m_nAnzahl);
                u->m_bBenutzt = 1;
            }
        }
    }
}

namespace {

// The usage order: an exchange sort, highest count first. Kept as it is because entries with equal
// counts move exactly as users have always seen them move.
template<class T>
void SortiereNachAnzahl(OwnedList<T>& liste)
{
    for (size_t i = 0; i + 1 < liste.size(); ++i) {
        for (size_t j = i + 1; j < liste.size(); ++j) {
            if (liste[i]->m_nAnzahl < liste[j]->m_nAnzahl)
                std::swap(liste[i], liste[j]);
        }
    }
}

} // namespace

void CBasis::SortiereKategorien()
{
    SortiereNachAnzahl(m_arrKategorien);
    for (auto& kategorie : m_arrKategorien)
        SortiereNachAnzahl(kategorie->m_arrUKategorien);
}

void CBasis::SortiereZielKonten()
{
    SortiereNachAnzahl(m_arrZielKonten);
}

std::string CBasis::MonatsTitel()
{
    const Zeitpunkt jetzt = m_uhr();
    m_nHeute = jetzt.nDatum;
    m_nJetzt = jetzt.nZeit;
    return Format("%s %4d", MonatsName(m_nHeute / 100 % 100).c_str(), m_nHeute / 10000);
}

const std::string& CBasis::MonatsName(int monat) const
{
    const auto& namen = Deutsch() ? m_astrMonateD : m_astrMonateE;
    return namen[monat >= 1 && monat <= 12 ? static_cast<size_t>(monat) : 0];
}

int CBasis::ErsterMonatImBuch() const
{
    return std::clamp(m_nErsterMonat, kFruehesterMonat, std::max(kFruehesterMonat, m_nHeute / 100));
}

CFAMILY* CBasis::Familie()
{
    if (m_nFamilie < 0 || m_nFamilie >= static_cast<int>(m_arrFamilien.size()))
        return nullptr;
    return m_arrFamilien[static_cast<size_t>(m_nFamilie)].get();
}

const CFAMILY* CBasis::Familie() const
{
    return const_cast<CBasis*>(this)->Familie();
}

std::string CBasis::DateiPraefix() const
{
    if (m_arrFamilien.empty())
        return {};
    return m_arrFamilien.front()->m_strName.substr(0, 5);
}

CInOut& CBasis::NeueTransaktion()
{
    m_arrInOut.push_back(std::make_unique<CInOut>());
    m_arrInOut.back()->m_nIndex = m_naechsterIndex++;
    return *m_arrInOut.back();
}

void CBasis::EntferneTransaktion(int position)
{
    if (position >= 0 && position < static_cast<int>(m_arrInOut.size()))
        m_arrInOut.erase(m_arrInOut.begin() + position);
}

int CBasis::PositionVonIndex(int nIndex) const
{
    for (size_t i = 0; i < m_arrInOut.size(); ++i) {
        if (m_arrInOut[i]->m_nIndex == nIndex)
            return static_cast<int>(i);
    }
    return -1;
}

void CBasis::SenkeLoeschNr(int status)
{
    if (status < m_nLoeschNr && status > kEndgueltigGeloescht)
        m_nLoeschNr = status;
}

void CBasis::SenkeLoeschNrNachEinstellungen()
{
    for (const auto& kategorie : m_arrKategorien) {
        SenkeLoeschNr(kategorie->m_nKat0C);
        for (const auto& u : kategorie->m_arrUKategorien)
            SenkeLoeschNr(u->m_nKat0C);
    }
    for (const auto& familie : m_arrFamilien) {
        for (const auto& mitglied : familie->m_arrPersonen) {
            SenkeLoeschNr(mitglied->m_nStatus);
            for (const auto& konto : mitglied->m_arrKonten)
                SenkeLoeschNr(konto->m_nStatus);
        }
    }
    for (const auto& auftrag : m_arrDauerAuftraege)
        SenkeLoeschNr(auftrag->m_n48);
    for (const auto& ziel : m_arrZielKonten)
        SenkeLoeschNr(ziel->m_bGebucht);
}

} // namespace velmora
