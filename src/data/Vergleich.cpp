#include "Vergleich.h"

#include "Basis.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int kEinnahme = 0;
constexpr int kAusgabe = 1;
constexpr int kUmbuchung = 2;

// Year and month as one comparable number, yyyymm.
int Monatsschluessel(int jahr, int monat)
{
    return jahr * 100 + monat;
}

Anteil NachArt(const CInOut& t)
{
    return {t.m_nArt == kEinnahme, t.m_nArt == kAusgabe};
}

void Addiere(const Anteil& anteil, double betrag, double& einnahmen, double& ausgaben)
{
    if (anteil.bEinnahme)
        einnahmen += betrag;
    if (anteil.bAusgabe)
        ausgaben += betrag;
}

} // namespace

Anteil AnteilVon(const CInOut& t, int auswahl, const std::string& name)
{
    switch (auswahl) {
        case kAuswahlAlle:
            return NachArt(t);
        case kAuswahlFamilienKonto:
            return {t.m_strEmpfaenger == name, t.m_strAuftraggeber == name};
        case kAuswahlFremdKonto:
            return {t.m_strAuftraggeber == name, t.m_strEmpfaenger == name};
        case kAuswahlNutzniesser:
            if (t.m_strNutzniesser != name)
                return {};
            return {t.m_nArt == kEinnahme || t.m_nArt == kUmbuchung, t.m_nArt == kAusgabe};
        default:
            return t.m_strKategorie == name ? NachArt(t) : Anteil{};
    }
}

std::vector<std::string> Vergleichsnamen(const CBasis& basis, int auswahl)
{
    std::vector<std::string> namen;
    const CFAMILY* familie = basis.Familie();
    if (auswahl == kAuswahlFamilienKonto && familie) {
        for (const auto& person : familie->m_arrPersonen) {
            for (const auto& konto : person->m_arrKonten)
                namen.push_back(person->m_strName + ", " + konto->m_strName);
        }
    } else if (auswahl == kAuswahlFremdKonto) {
        for (const auto& ziel : basis.m_arrZielKonten)
            namen.push_back(ziel->m_strName);
    } else if (auswahl == kAuswahlNutzniesser && familie) {
        for (const auto& person : familie->m_arrPersonen)
            namen.push_back(person->m_strName);
    }
    return namen;
}

long long InCent(double betrag)
{
    return std::llround(betrag * 100.0);
}

Vergleich::Vergleich(CBasis& basis)
    : m_basis(basis)
{
}

void Vergleich::Beginne()
{
    m_nJahr = m_basis.m_nHeute / 10000;
    m_nMonat = m_basis.m_nHeute / 100 % 100;
    m_anJahr = {m_nJahr, m_nJahr - 1};
    m_anMonat = {m_nMonat, m_nMonat};
    // A book without a first month has at most the months since last year.
    const int ersterMonat = m_basis.m_nErsterMonat > 0 ? m_basis.m_nErsterMonat : m_basis.m_nHeute / 100;
    for (int jahr = std::min(ersterMonat / 100, m_nJahr - 1); jahr <= m_nJahr; ++jahr)
        LadeJahr(jahr);
    m_nAuswahl = kAuswahlAlle;
    m_strName.clear();
    BerechneJahre();
    BerechneMonate();
}

void Vergleich::LadeJahr(int jahr)
{
    m_basis.LadeMonate(Monatsschluessel(jahr, 1) * 100, Monatsschluessel(jahr, 12) * 100);
}

void Vergleich::Waehle(int auswahl, const std::string& name)
{
    m_nAuswahl = auswahl;
    m_strName.clear();
    if (auswahl >= kAuswahlKategorie) {
        const size_t k = static_cast<size_t>(auswahl - kAuswahlKategorie);
        if (k < m_basis.m_arrKategorien.size())
            m_strName = m_basis.m_arrKategorien[k]->m_strName;
    } else if (auswahl != kAuswahlAlle) {
        m_strName = name;
    }
    BerechneJahre();
    BerechneMonate();
}

void Vergleich::SetzePerioden(int jahrA, int monatA, int jahrB, int monatB)
{
    m_anJahr = {jahrA, jahrB};
    m_anMonat = {std::clamp(monatA, 1, 12), std::clamp(monatB, 1, 12)};
    for (Periode p : {kPeriodeA, kPeriodeB}) {
        HalteBeiHeute(p);
        LadeJahr(m_anJahr[p]);
    }
    BerechneJahre();
    BerechneMonate();
}

void Vergleich::HalteBeiHeute(Periode p)
{
    if (m_anJahr[p] >= m_nJahr) {
        m_anJahr[p] = m_nJahr;
        m_anMonat[p] = std::min(m_anMonat[p], m_nMonat);
    }
}

void Vergleich::JahrZurueck(Periode p)
{
    --m_anJahr[p];
    LadeJahr(m_anJahr[p]);
    BerechneJahre();
    BerechneMonate();
}

void Vergleich::JahrVor(Periode p)
{
    ++m_anJahr[p];
    HalteBeiHeute(p);
    LadeJahr(m_anJahr[p]);
    BerechneJahre();
    BerechneMonate();
}

void Vergleich::BeideZurueck()
{
    for (Periode p : {kPeriodeA, kPeriodeB}) {
        --m_anJahr[p];
        LadeJahr(m_anJahr[p]);
    }
    BerechneJahre();
    BerechneMonate();
}

void Vergleich::BeideVor()
{
    for (Periode p : {kPeriodeB, kPeriodeA}) {
        ++m_anJahr[p];
        HalteBeiHeute(p);
        LadeJahr(m_anJahr[p]);
    }
    BerechneJahre();
    BerechneMonate();
}

void Vergleich::MonatZurueck(Periode p)
{
    if (--m_anMonat[p] >= 1) {
        BerechneMonate();
        return;
    }
    m_anMonat[p] = 12;
    JahrZurueck(p);
}

void Vergleich::MonatVor(Periode p)
{
    if (!MonatVorMoeglich(p))
        return;
    if (++m_anMonat[p] <= 12) {
        BerechneMonate();
        return;
    }
    m_anMonat[p] = 1;
    JahrVor(p);
}

bool Vergleich::JahrVorMoeglich(Periode p) const
{
    return m_anJahr[p] < m_nJahr;
}

bool Vergleich::BeideVorMoeglich() const
{
    return JahrVorMoeglich(kPeriodeA) && JahrVorMoeglich(kPeriodeB);
}

bool Vergleich::MonatVorMoeglich(Periode p) const
{
    return Monatsschluessel(m_anJahr[p], m_anMonat[p]) < Monatsschluessel(m_nJahr, m_nMonat);
}

void Vergleich::BerechneJahre()
{
    for (auto& zeile : m_aJahrestabelle)
        zeile.fill(0.0);
    for (const auto& t : m_basis.m_arrInOut) {
        if (t->m_nStatus <= 0)
            continue;
        const int monat = t->m_nDatum / 100 % 100;
        const int jahr = t->m_nDatum / 10000;
        if (monat < 1 || monat > 12 || (jahr != m_anJahr[kPeriodeA] && jahr != m_anJahr[kPeriodeB]))
            continue;
        const Anteil anteil = AnteilVon(*t, m_nAuswahl, m_strName);
        for (Periode p : {kPeriodeA, kPeriodeB}) {
            if (jahr != m_anJahr[p])
                continue;
            const int einnahmen = p == kPeriodeA ? kEinnahmenA : kEinnahmenB;
            const int ausgaben = p == kPeriodeA ? kAusgabenA : kAusgabenB;
            Addiere(anteil, t->m_dBetrag, m_aJahrestabelle[einnahmen][monat], m_aJahrestabelle[ausgaben][monat]);
        }
    }
    for (int monat = 1; monat <= 12; ++monat) {
        m_aJahrestabelle[kDifferenzA][monat] =
            m_aJahrestabelle[kEinnahmenA][monat] - m_aJahrestabelle[kAusgabenA][monat];
        m_aJahrestabelle[kDifferenzB][monat] =
            m_aJahrestabelle[kEinnahmenB][monat] - m_aJahrestabelle[kAusgabenB][monat];
    }
    if (m_nAuswahl == kAuswahlAlle)
        m_dMaximum = GroessterWert();
}

double Vergleich::GroessterWert() const
{
    // With the same year on both sides, year A alone gives the scale.
    const bool beide = m_anJahr[kPeriodeA] != m_anJahr[kPeriodeB];
    double groesster = 0.0;
    for (int monat = 1; monat <= 12; ++monat) {
        groesster = std::max({groesster, m_aJahrestabelle[kEinnahmenA][monat], m_aJahrestabelle[kAusgabenA][monat]});
        if (beide)
            groesster =
                std::max({groesster, m_aJahrestabelle[kEinnahmenB][monat], m_aJahrestabelle[kAusgabenB][monat]});
    }
    return groesster;
}

double Vergleich::Massstab() const
{
    return m_nAuswahl == kAuswahlAlle ? m_dMaximum : std::max(m_dMaximum, GroessterWert());
}

std::vector<CUKategorie*> Vergleich::Monatseintraege() const
{
    std::vector<CUKategorie*> eintraege;
    if (m_nAuswahl < kAuswahlKategorie) {
        for (const auto& kategorie : m_basis.m_arrKategorien)
            eintraege.push_back(kategorie.get());
        return eintraege;
    }
    const size_t k = static_cast<size_t>(m_nAuswahl - kAuswahlKategorie);
    if (k < m_basis.m_arrKategorien.size()) {
        for (const auto& ukategorie : m_basis.m_arrKategorien[k]->m_arrUKategorien)
            eintraege.push_back(ukategorie.get());
    }
    return eintraege;
}

void Vergleich::BerechneMonate()
{
    const std::vector<CUKategorie*> eintraege = Monatseintraege();
    for (CUKategorie* e : eintraege)
        e->m_dSumme1 = e->m_dSumme2 = e->m_dSumme3 = e->m_dSumme4 = 0.0;
    const bool nachUKategorie = m_nAuswahl >= kAuswahlKategorie;
    const std::array<int, 2> monate = {Monatsschluessel(m_anJahr[kPeriodeA], m_anMonat[kPeriodeA]),
                                       Monatsschluessel(m_anJahr[kPeriodeB], m_anMonat[kPeriodeB])};
    for (const auto& t : m_basis.m_arrInOut) {
        const int monat = t->m_nDatum / 100;
        const int tag = t->m_nDatum % 100;
        if (t->m_nStatus <= 0 || (monat != monate[0] && monat != monate[1]) || tag < 1 || tag > 31)
            continue;
        Anteil anteil;
        if (nachUKategorie) {
            if (t->m_strKategorie != m_strName)
                continue;
            anteil = NachArt(*t);
        } else {
            anteil = AnteilVon(*t, m_nAuswahl, m_strName);
        }
        if (!anteil.bEinnahme && !anteil.bAusgabe)
            continue;
        const std::string& schluessel = nachUKategorie ? t->m_strUKategorie : t->m_strKategorie;
        for (CUKategorie* e : eintraege) {
            if (e->m_strName != schluessel)
                continue;
            if (monat == monate[kPeriodeA])
                Addiere(anteil, t->m_dBetrag, e->m_dSumme1, e->m_dSumme2);
            if (monat == monate[kPeriodeB])
                Addiere(anteil, t->m_dBetrag, e->m_dSumme3, e->m_dSumme4);
        }
    }
}

Periodensumme Vergleich::Jahreszeile(int zeile) const
{
    const int monat = std::clamp(zeile / 2 + 1, 1, 12);
    if (zeile % 2 == 1)
        return {m_aJahrestabelle[kEinnahmenA][monat], m_aJahrestabelle[kAusgabenA][monat], kPeriodeA};
    return {m_aJahrestabelle[kEinnahmenB][monat], m_aJahrestabelle[kAusgabenB][monat], kPeriodeB};
}

Periodensumme Vergleich::Monatszeile(const CUKategorie& eintrag, int zeile)
{
    if (zeile % 2 == 1)
        return {eintrag.m_dSumme1, eintrag.m_dSumme2, kPeriodeA};
    return {eintrag.m_dSumme3, eintrag.m_dSumme4, kPeriodeB};
}

double Vergleich::Jahressumme(Jahreswert wert) const
{
    double summe = 0.0;
    for (int monat = 1; monat <= 12; ++monat)
        summe += m_aJahrestabelle[wert][monat];
    return summe;
}

} // namespace velmora
