#include "Haushaltsbau.h"

#include "Basis.h"
#include "Kalender.h"

#include <algorithm>
#include <cmath>

namespace velmora::generator {

Haushaltsbau::Haushaltsbau(CBasis& basis, const Haushaltsparameter& parameter)
    : m_basis(basis)
    , m_p(parameter)
    , m_en(parameter.bEnglisch)
    , m_zufall(parameter.nSeed)
    , m_nMonate(12 * parameter.nJahre)
    , m_nErsterMonat(MonatPlus(parameter.nHeute / 100, 1 - 12 * parameter.nJahre))
    , m_anlage(basis, parameter, m_nErsterMonat, m_nMonate)
    , m_mitglieder(m_anlage.Mitgliederliste())
    , m_laeden(m_anlage.Ladenliste())
    , m_haeufigkeit(m_anlage.Haeufigkeit())
{
}

void Haushaltsbau::Baue()
{
    m_basis.m_nSprache = m_en ? kEnglisch : kDeutsch;
    m_basis.m_nErsterMonat = m_nErsterMonat;
    m_anlage.LegeAn();
    for (int index = 0; index < m_nMonate; ++index)
        Monat(index);
    m_basis.m_nHeute = m_p.nHeute;
    m_basis.m_nJetzt = m_p.nJetzt;
    m_basis.SortiereKategorien();
    m_basis.SortiereZielKonten();
}

void Haushaltsbau::Monat(int index)
{
    const int monat = MonatPlus(m_nErsterMonat, index);
    const int monatsEnde = MonatsEnde(monat * 100 + 1);
    const int letzterTag = std::min(monatsEnde, m_p.nHeute);
    if (m_anlage.GeloeschterAuftrag() && index == static_cast<int>(0.8 * m_nMonate)) {
        m_basis.m_nLoeschNr -= 1;
        m_anlage.GeloeschterAuftrag()->m_n48 = m_basis.m_nLoeschNr;
    }
    m_monatsEinkaeufe.clear();
    const double eingaben = m_p.nEingabenProMonat * (0.9 + 0.2 * m_zufall.Anteil());
    const int tage = monatsEnde % 100;
    // The program is run about three times a month: each run catches up the standing orders, then the
    // receipts since the last run are entered.
    int von = monat * 100 + 1;
    for (int bis : {monat * 100 + 10, monat * 100 + 20, monatsEnde}) {
        bis = std::min(bis, letzterTag);
        if (von > bis)
            break;
        Sitzung(von, bis, static_cast<int>(std::lround(eingaben * (bis - von + 1) / tage)));
        von = bis + 1;
    }
    if (letzterTag == monatsEnde)
        Monatsabschluss(monatsEnde);
}

void Haushaltsbau::Sitzung(int von, int bis, int eingaben)
{
    m_basis.m_nHeute = bis;
    m_basis.SortiereKategorien();
    m_basis.SortiereZielKonten();
    m_basis.FuehreDauerAuftraegeAus(von);
    std::vector<int> daten(static_cast<size_t>(eingaben));
    const uint32_t tage = static_cast<uint32_t>(bis - von + 1);
    for (int& datum : daten)
        datum = von + static_cast<int>(m_zufall.Zahl(tage));
    // Receipts are entered roughly in date order.
    std::sort(daten.begin(), daten.end());
    for (int datum : daten)
        Eingabe(datum);
}

void Haushaltsbau::Eingabe(int datum)
{
    const double wahl = m_zufall.Anteil() * m_haeufigkeit.back();
    const size_t nr =
        static_cast<size_t>(std::upper_bound(m_haeufigkeit.begin(), m_haeufigkeit.end(), wahl) - m_haeufigkeit.begin());
    const Laden& laden = m_laeden[std::min(nr, m_laeden.size() - 1)];
    const LadenVorlage& v = *laden.vorlage;
    const double u = m_zufall.Anteil();
    const double betrag = AufCent((v.dMin + (v.dMax - v.dMin) * u * u) * Preisniveau(datum));

    int mitglied = static_cast<int>(m_zufall.Zahl(kErwachsene));
    // Bigger bills are mostly paid by whoever has more on the giro account.
    if (v.weise == Zahlweise::Karte && m_zufall.Chance(0.7))
        mitglied = m_mitglieder[0].konten[kKontoGiro]->m_dStand >= m_mitglieder[1].konten[kKontoGiro]->m_dStand ? 0 : 1;
    int konto = kKontoGiro;
    bool einnahme = false;
    switch (v.weise) {
        case Zahlweise::Bar:
            konto = kKontoBar;
            break;
        case Zahlweise::Kind:
            mitglied = kErwachsene + static_cast<int>(m_zufall.Zahl(2));
            konto = kKontoBar;
            break;
        case Zahlweise::Geschenk:
            mitglied = kErwachsene + static_cast<int>(m_zufall.Zahl(2));
            konto = kKontoBar;
            einnahme = true;
            break;
        case Zahlweise::Einnahme:
            einnahme = true;
            break;
        default:
            break;
    }
    const int nutzer = mitglied;
    // Short of cash, a child has a parent pay; an adult first draws money from the giro account.
    if (!einnahme && konto == kKontoBar &&
        m_mitglieder[static_cast<size_t>(mitglied)].konten[kKontoBar]->m_dStand < betrag) {
        if (m_mitglieder[static_cast<size_t>(mitglied)].bKind)
            mitglied = static_cast<int>(m_zufall.Zahl(kErwachsene));
        SorgeFuerBargeld(mitglied, datum, betrag);
    }

    std::string_view nutzniesser = Alle();
    if (v.nutzen == Nutzen::Zahler) {
        nutzniesser = m_mitglieder[static_cast<size_t>(nutzer)].name;
    } else if (v.nutzen == Nutzen::Zufall) {
        const uint32_t wer = m_zufall.Zahl(static_cast<uint32_t>(m_mitglieder.size()) + 1);
        if (wer > 0)
            nutzniesser = m_mitglieder[wer - 1].name;
    }
    std::string_view kommentar;
    if (m_zufall.Chance(0.08))
        kommentar = Kommentare()[m_zufall.Zahl(static_cast<uint32_t>(Kommentare().size()))].In(m_en);

    const std::string& eigen = m_mitglieder[static_cast<size_t>(mitglied)].referenzen[static_cast<size_t>(konto)];
    Buchung b;
    b.nDatum = datum;
    b.zahler = einnahme ? std::string_view(laden.ziel->m_strName) : std::string_view(eigen);
    b.empfaenger = einnahme ? std::string_view(eigen) : std::string_view(laden.ziel->m_strName);
    b.nutzniesser = nutzniesser;
    b.kategorie = laden.kategorie;
    b.kommentar = kommentar;
    b.dBetrag = betrag;
    b.fremd = laden.ziel;
    m_monatsEinkaeufe.push_back(Buche(b));
}

void Haushaltsbau::SorgeFuerBargeld(int mitglied, int datum, double bedarf)
{
    const Mitglied& m = m_mitglieder[static_cast<size_t>(mitglied)];
    const double fehlt = bedarf - m.konten[kKontoBar]->m_dStand;
    if (fehlt <= 0.0)
        return;
    const double betrag = 50.0 * std::ceil((fehlt + 50.0 * (1 + m_zufall.Zahl(5))) / 50.0);
    Buchung b;
    b.nDatum = datum;
    b.zahler = m.referenzen[kKontoGiro];
    b.empfaenger = m.referenzen[kKontoBar];
    b.nutzniesser = m.name;
    b.kategorie = Kategorie("Bargeld", "Abhebung");
    b.dBetrag = betrag;
    Buche(b);
}

void Haushaltsbau::Monatsabschluss(int datum)
{
    // Now and then a wrong entry of the month is deleted again.
    if (!m_monatsEinkaeufe.empty() && m_zufall.Chance(0.3)) {
        m_basis.m_nLoeschNr -= 1;
        m_basis.StorniereTransaktion(m_monatsEinkaeufe[m_zufall.Zahl(static_cast<uint32_t>(m_monatsEinkaeufe.size()))]);
    }
    // An overdrawn giro account is covered by the partner's, then what piles up goes to the savings and
    // what is still missing comes back from them. Pocket money beyond need goes to a child's savings book.
    const Kategoriewahl ruecklage = Kategorie("Sparen", "R\xFC"
                                                        "cklage");
    const auto umbuchen = [&](const Mitglied& m, const std::string& von, const std::string& nach, double betrag) {
        if (betrag <= 0.0)
            return;
        Buchung b;
        b.nDatum = datum;
        b.zahler = von;
        b.empfaenger = nach;
        b.nutzniesser = m.name;
        b.kategorie = ruecklage;
        b.dBetrag = betrag;
        Buche(b);
    };
    for (int i = 0; i < kErwachsene; ++i) {
        const Mitglied& m = m_mitglieder[static_cast<size_t>(i)];
        const Mitglied& partner = m_mitglieder[static_cast<size_t>(kErwachsene - 1 - i)];
        const double giro = m.konten[kKontoGiro]->m_dStand;
        const double reserve = partner.konten[kKontoGiro]->m_dStand - 1000.0;
        if (giro < 0.0 && reserve > 0.0)
            umbuchen(m, partner.referenzen[kKontoGiro], m.referenzen[kKontoGiro],
                     std::min(100.0 * std::ceil((500.0 - giro) / 100.0), 100.0 * std::floor(reserve / 100.0)));
    }
    for (int i = 0; i < kErwachsene; ++i) {
        const Mitglied& m = m_mitglieder[static_cast<size_t>(i)];
        const double giro = m.konten[kKontoGiro]->m_dStand;
        const double spar = m.konten[kKontoSpar]->m_dStand;
        if (giro > 3000.0)
            umbuchen(m, m.referenzen[kKontoGiro], m.referenzen[kKontoSpar],
                     100.0 * std::floor((giro - 1500.0) / 100.0));
        else if (giro < 0.0)
            umbuchen(m, m.referenzen[kKontoSpar], m.referenzen[kKontoGiro],
                     std::min(100.0 * std::ceil((500.0 - giro) / 100.0), 100.0 * std::floor(spar / 100.0)));
    }
    for (const Mitglied& m : m_mitglieder) {
        const double bar = m.konten[kKontoBar]->m_dStand;
        if (m.bKind && m.konten.size() > 1 && bar > 150.0)
            umbuchen(m, m.referenzen[kKontoBar], m.referenzen[1], 100.0 * std::floor((bar - 50.0) / 100.0));
    }
}

int Haushaltsbau::Buche(const Buchung& b)
{
    const int position = static_cast<int>(m_basis.m_arrInOut.size());
    CInOut& t = m_basis.NeueTransaktion();
    t.m_strAuftraggeber = b.zahler;
    t.m_strEmpfaenger = b.empfaenger;
    t.m_strNutzniesser = b.nutzniesser;
    t.m_strKategorie = b.kategorie.kategorie->m_strName;
    t.m_strUKategorie = b.kategorie.unter->m_strName;
    t.m_strKommentar = b.kommentar;
    t.m_nDatum = b.nDatum;
    t.m_dBetrag = b.dBetrag;

    CInOut*& vorlage = m_vorlagen[t.m_strEmpfaenger];
    if (!vorlage)
        vorlage = m_basis.m_arrVorlagen.emplace_back(std::make_unique<CInOut>()).get();
    vorlage->m_strEmpfaenger = t.m_strEmpfaenger;
    vorlage->m_strNutzniesser = t.m_strNutzniesser;
    vorlage->m_strKategorie = t.m_strKategorie;
    vorlage->m_strUKategorie = t.m_strUKategorie;

    b.kategorie.kategorie->m_nAnzahl += 1;
    b.kategorie.kategorie->m_bBenutzt = 1;
    b.kategorie.unter->m_nAnzahl += 1;
    b.kategorie.unter->m_bBenutzt = 1;
    m_basis.BucheTransaktion(t);
    if (b.fremd) {
        b.fremd->m_nAnzahl += 1;
        b.fremd->m_bBenutzt = 1;
    }
    m_basis.m_nZaehler += 1;
    m_basis.MonatGeaendert(b.nDatum / 100);
    return position;
}

// Prices of the tables are this year's; each year before, they were 1.5 % lower. Plain division rather
// than std::pow keeps the amounts the same with every maths library.
double Haushaltsbau::Preisniveau(int datum) const
{
    double faktor = 1.0;
    for (int jahr = datum / 10000; jahr < m_p.nHeute / 10000; ++jahr)
        faktor /= 1.015;
    return faktor;
}

} // namespace velmora::generator
