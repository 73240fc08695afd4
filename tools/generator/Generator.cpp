#include "Generator.h"

#include "Auftragsentwurf.h"
#include "Basis.h"
#include "Haushaltsdaten.h"
#include "Kalender.h"
#include "Start.h"
#include "Text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

namespace velmora {

namespace {

using namespace generator;

// Draws from std::mt19937 by hand: the standard distributions differ between libraries, and a seed must
// give the same household everywhere.
class Zufall final
{
public:
    explicit Zufall(unsigned seed)
        : m_gen(seed)
    {
    }

    // 0 <= result < n.
    uint32_t Zahl(uint32_t n) { return static_cast<uint32_t>((uint64_t{m_gen()} * n) >> 32); }
    // 0 <= result < 1.
    double Anteil() { return m_gen() / 4294967296.0; }
    bool Chance(double p) { return Anteil() < p; }

private:
    std::mt19937 m_gen;
};

double AufCent(double betrag)
{
    return std::round(betrag * 100.0) / 100.0;
}

int MonatPlus(int monat, int anzahl)
{
    const int fortlaufend = monat / 100 * 12 + monat % 100 - 1 + anzahl;
    return fortlaufend / 12 * 100 + fortlaufend % 12 + 1;
}

constexpr int kKontoBar = 0;
constexpr int kKontoGiro = 1;
constexpr int kKontoSpar = 2;
constexpr int kErwachsene = 2;

struct Kategoriewahl
{
    CKategorie* kategorie = nullptr;
    CUKategorie* unter = nullptr;
};

// One booking as the entry window commits it.
struct Buchung
{
    int nDatum = 0;
    std::string_view zahler;
    std::string_view empfaenger;
    std::string_view nutzniesser;
    Kategoriewahl kategorie;
    std::string_view kommentar;
    double dBetrag = 0.0;
    CZIELKONTO* fremd = nullptr; // the external side, if any
};

class Haushaltsbau final
{
public:
    Haushaltsbau(CBasis& basis, const Haushaltsparameter& parameter)
        : m_basis(basis)
        , m_p(parameter)
        , m_en(parameter.bEnglisch)
        , m_zufall(parameter.nSeed)
        , m_nMonate(12 * parameter.nJahre)
        , m_nErsterMonat(MonatPlus(parameter.nHeute / 100, 1 - 12 * parameter.nJahre))
    {
    }

    void Baue();

private:
    struct Mitglied
    {
        std::string name;
        bool bKind = false;
        std::vector<CKonto*> konten;
        std::vector<std::string> referenzen; // "member, account" per account
    };
    struct Laden
    {
        const LadenVorlage* vorlage = nullptr;
        CZIELKONTO* ziel = nullptr;
        Kategoriewahl kategorie;
    };

    void LegeFamilieAn();
    void LegeKategorienAn();
    void LegeLaedenAn();
    void LegeAuftraegeAn();
    void Monat(int index);
    void Sitzung(int von, int bis, int eingaben);
    void Eingabe(int datum);
    void Monatsabschluss(int datum);
    void SorgeFuerBargeld(int mitglied, int datum, double bedarf);
    int Buche(const Buchung& b);

    Kategoriewahl Kategorie(std::string_view kategorie, std::string_view unter) const;
    Laden& LadenNamens(std::string_view deutscherName);
    std::string Referenz(const Seite& seite);
    const std::string& Alle() const { return m_alle; }
    int DatumBei(double anteil, bool ende) const;
    double Preisniveau(int datum) const;

    CBasis& m_basis;
    const Haushaltsparameter& m_p;
    const bool m_en;
    Zufall m_zufall;
    const int m_nMonate;
    const int m_nErsterMonat;
    std::string m_alle;

    std::vector<Mitglied> m_mitglieder;
    std::vector<CKategorie*> m_kategorien;               // in table order; the store's list gets sorted
    std::vector<std::vector<CUKategorie*>> m_unter;      // likewise
    std::vector<Laden> m_laeden;                         // in table order
    std::vector<double> m_haeufigkeit;                   // running sum of dProMonat over m_laeden
    std::unordered_map<std::string, CInOut*> m_vorlagen; // remembered entry per payee
    std::vector<int> m_monatsEinkaeufe;                  // positions of this month's purchases
    CDauerAuftrag* m_geloeschterAuftrag = nullptr;
};

void Haushaltsbau::Baue()
{
    m_basis.m_nSprache = m_en ? kEnglisch : kDeutsch;
    m_basis.m_nErsterMonat = m_nErsterMonat;
    m_alle = m_en ? "All" : "Alle";
    LegeFamilieAn();
    LegeKategorienAn();
    LegeLaedenAn();
    LegeAuftraegeAn();
    for (int index = 0; index < m_nMonate; ++index)
        Monat(index);
    m_basis.m_nHeute = m_p.nHeute;
    m_basis.m_nJetzt = m_p.nJetzt;
    m_basis.SortiereKategorien();
    m_basis.SortiereZielKonten();
}

void Haushaltsbau::LegeFamilieAn()
{
    auto familie = std::make_unique<CFAMILY>();
    familie->m_strName = Familienname().In(m_en);
    for (const MitgliedVorlage& vorlage : Mitglieder()) {
        auto person = std::make_unique<CPerson>();
        person->m_strName = vorlage.name.In(m_en);
        person->m_nPerson24 = static_cast<int>(familie->m_arrPersonen.size());
        Mitglied mitglied{person->m_strName, vorlage.bKind, {}, {}};
        for (const KontoVorlage& k : vorlage.konten) {
            auto konto = std::make_unique<CKonto>();
            konto->m_strName = k.name.In(m_en);
            konto->m_dStand = k.dStart;
            konto->m_nIndex = static_cast<int>(person->m_arrKonten.size());
            mitglied.konten.push_back(konto.get());
            mitglied.referenzen.push_back(Format("%s, %s", person->m_strName.c_str(), konto->m_strName.c_str()));
            person->m_arrKonten.push_back(std::move(konto));
        }
        m_mitglieder.push_back(std::move(mitglied));
        familie->m_arrPersonen.push_back(std::move(person));
    }
    m_basis.m_arrFamilien.push_back(std::move(familie));
    m_basis.m_nFamilie = 0;
}

void Haushaltsbau::LegeKategorienAn()
{
    for (const KategorieVorlage& vorlage : Kategorien()) {
        auto kategorie = std::make_unique<CKategorie>();
        kategorie->m_strName = vorlage.name.In(m_en);
        kategorie->m_nKat0C = 1;
        kategorie->m_nKat14 = static_cast<int>(m_basis.m_arrKategorien.size());
        std::vector<CUKategorie*> unter;
        for (const Name& name : vorlage.unter) {
            auto u = std::make_unique<CUKategorie>();
            u->m_strName = name.In(m_en);
            u->m_nKat0C = 1;
            u->m_nKat14 = static_cast<int>(kategorie->m_arrUKategorien.size());
            unter.push_back(u.get());
            kategorie->m_arrUKategorien.push_back(std::move(u));
        }
        m_kategorien.push_back(kategorie.get());
        m_unter.push_back(std::move(unter));
        m_basis.m_arrKategorien.push_back(std::move(kategorie));
    }
    // A sub-category created by mistake and deleted at once.
    m_basis.m_nLoeschNr -= 1;
    Kategorie(kGeloeschteKategorie, kGeloeschteUnterkategorie).unter->m_nKat0C = m_basis.m_nLoeschNr;
}

void Haushaltsbau::LegeLaedenAn()
{
    double summe = 0.0;
    for (const LadenVorlage& vorlage : Laeden()) {
        auto ziel = std::make_unique<CZIELKONTO>();
        ziel->m_strName = vorlage.name.In(m_en);
        ziel->m_bGebucht = 1;
        ziel->m_nZiel14 = static_cast<int>(m_basis.m_arrZielKonten.size());
        m_laeden.push_back({&vorlage, ziel.get(), Kategorie(vorlage.kategorie, vorlage.unter)});
        summe += vorlage.dProMonat;
        m_haeufigkeit.push_back(summe);
        m_basis.m_arrZielKonten.push_back(std::move(ziel));
    }
    // The lottery shop was entered once and deleted before it was ever used.
    m_basis.m_nLoeschNr -= 1;
    LadenNamens(kGeloeschterLaden).ziel->m_bGebucht = m_basis.m_nLoeschNr;
}

void Haushaltsbau::LegeAuftraegeAn()
{
    const int offenesEnde = std::max(20301231, (m_p.nHeute / 10000 + 5) * 10000 + 1231);
    const size_t eigene = Auftraege().size();
    const size_t anzahl = std::max(eigene, static_cast<size_t>(m_p.nDauerAuftraege));
    for (size_t nr = 0; nr < anzahl; ++nr) {
        const AuftragVorlage& vorlage = Auftraege()[nr % eigene];
        auto a = std::make_unique<CDauerAuftrag>();
        const Kategoriewahl wahl = Kategorie(vorlage.kategorie, vorlage.unter);
        a->m_strAuftraggeber = Referenz(vorlage.zahler);
        a->m_strEmpfaenger = Referenz(vorlage.empfaenger);
        a->m_strNutzniesser =
            vorlage.nNutzniesser == kFamilie ? Alle() : m_mitglieder[static_cast<size_t>(vorlage.nNutzniesser)].name;
        a->m_strKategorie = wahl.kategorie->m_strName;
        a->m_strUKategorie = wahl.unter->m_strName;
        a->m_strKommentar = vorlage.kommentar.In(m_en);
        a->m_dBetrag = vorlage.dBetrag;
        const bool zahlerEigen = vorlage.zahler.nMitglied >= 0;
        const bool empfaengerEigen = vorlage.empfaenger.nMitglied >= 0;
        a->m_nArt = zahlerEigen && empfaengerEigen ? 2 : (zahlerEigen ? 1 : 0);
        a->m_nZyklus = vorlage.nZyklus;
        a->m_strZyklus = ZyklusBeschreibung(vorlage.nZyklus, !m_en);
        if (nr >= eigene) {
            // One more order after the pattern of one of the household's own.
            a->m_dBetrag = AufCent(vorlage.dBetrag * (1.0 + 0.01 * static_cast<double>(nr / eigene)));
            a->m_strKommentar = Format(m_en ? "Order %zu" : "Auftrag %zu", nr + 1);
        }
        for (int monatTag : vorlage.termine) {
            auto termin = std::make_unique<CTermin>();
            termin->m_strTermin1 = Format("%2d.", monatTag % 100);
            termin->m_strTermin2 = m_basis.MonatsName(monatTag / 100);
            termin->m_nMonatTag = monatTag;
            a->m_arrTermine.push_back(std::move(termin));
        }
        a->m_nStatus = vorlage.bAktiv ? 1 : 0;
        a->m_nBeginn = DatumBei(vorlage.dBeginn, false);
        a->m_nEnde = vorlage.dEnde >= 1.0 ? offenesEnde : DatumBei(vorlage.dEnde, true);
        a->m_nNr = static_cast<int>(m_basis.m_arrDauerAuftraege.size());
        a->m_n48 = 1;
        if (vorlage.bGeloescht && nr < eigene)
            m_geloeschterAuftrag = a.get();
        m_basis.m_arrDauerAuftraege.push_back(std::move(a));
    }
}

void Haushaltsbau::Monat(int index)
{
    const int monat = MonatPlus(m_nErsterMonat, index);
    const int monatsEnde = MonatsEnde(monat * 100 + 1);
    const int letzterTag = std::min(monatsEnde, m_p.nHeute);
    if (m_geloeschterAuftrag && index == static_cast<int>(0.8 * m_nMonate)) {
        m_basis.m_nLoeschNr -= 1;
        m_geloeschterAuftrag->m_n48 = m_basis.m_nLoeschNr;
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
    Laden& laden = m_laeden[std::min(nr, m_laeden.size() - 1)];
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

Kategoriewahl Haushaltsbau::Kategorie(std::string_view kategorie, std::string_view unter) const
{
    const auto& tabelle = Kategorien();
    for (size_t k = 0; k < tabelle.size(); ++k) {
        if (kategorie != tabelle[k].name.de)
            continue;
        for (size_t u = 0; u < tabelle[k].unter.size(); ++u) {
            if (unter == tabelle[k].unter[u].de)
                return {m_kategorien[k], m_unter[k][u]};
        }
    }
    throw std::logic_error("household tables name an unknown category: " + std::string(kategorie) + " / " +
                           std::string(unter));
}

Haushaltsbau::Laden& Haushaltsbau::LadenNamens(std::string_view deutscherName)
{
    for (Laden& laden : m_laeden) {
        if (deutscherName == laden.vorlage->name.de)
            return laden;
    }
    throw std::logic_error("household tables name an unknown counterpart: " + std::string(deutscherName));
}

std::string Haushaltsbau::Referenz(const Seite& seite)
{
    if (seite.laden)
        return LadenNamens(seite.laden).ziel->m_strName;
    return m_mitglieder.at(static_cast<size_t>(seite.nMitglied)).referenzen.at(static_cast<size_t>(seite.nKonto));
}

// First day of the month at that share of the period, or for an end the last day of the month before.
int Haushaltsbau::DatumBei(double anteil, bool ende) const
{
    const int index = static_cast<int>(anteil * m_nMonate);
    if (!ende)
        return MonatPlus(m_nErsterMonat, index) * 100 + 1;
    return MonatsEnde(MonatPlus(m_nErsterMonat, index - 1) * 100 + 1);
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

bool IstHaushaltsdatei(const std::string& name)
{
    return name == "VLMBasic_D.ini" || name == "VLMBasic_E.ini" ||
           (name.size() > 4 && name.compare(name.size() - 4, 4, ".vlm") == 0);
}

} // namespace

std::string PruefeParameter(const Haushaltsparameter& p)
{
    const int jahr = p.nHeute / 10000;
    const int monat = p.nHeute / 100 % 100;
    const int tag = p.nHeute % 100;
    if (jahr < 1900 || jahr > 9999 || monat < 1 || monat > 12 || tag < 1 || tag > TageImMonat(jahr, monat))
        return Format("today's date %d is not a valid yyyymmdd", p.nHeute);
    if (p.nJetzt < 0 || p.nJetzt > 2359 || p.nJetzt % 100 > 59)
        return Format("the time %d is not a valid hhmm", p.nJetzt);
    if (p.nJahre < 1 || p.nJahre > 100)
        return Format("%d years: between 1 and 100 are possible", p.nJahre);
    if (p.nEingabenProMonat < 0 || p.nEingabenProMonat > 100000)
        return Format("%d bookings a month: between 0 and 100000 are possible", p.nEingabenProMonat);
    if (p.nDauerAuftraege < 0 || p.nDauerAuftraege > 10000)
        return Format("%d standing orders: between 0 and 10000 are possible", p.nDauerAuftraege);
    return {};
}

void BaueHaushalt(CBasis& basis, const Haushaltsparameter& parameter)
{
    const std::string fehler = PruefeParameter(parameter);
    if (!fehler.empty())
        throw std::invalid_argument(fehler);
    Haushaltsbau(basis, parameter).Baue();
}

int ErzeugeHaushalt(const std::string& ordner, const Haushaltsparameter& parameter, std::string& fehler)
{
    namespace fs = std::filesystem;
    fehler = PruefeParameter(parameter);
    if (!fehler.empty())
        return -1;
    std::error_code ec;
    fs::create_directories(ordner, ec);
    if (ec) {
        fehler = ordner + ": " + ec.message();
        return -1;
    }
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (IstHaushaltsdatei(name)) {
            fehler = ordner + " already holds a household (" + name + ")";
            return -1;
        }
    }
    if (ec) {
        fehler = ordner + ": " + ec.message();
        return -1;
    }
    CBasis basis;
    basis.m_strPfad = ordner;
    BaueHaushalt(basis, parameter);
    if (SpeichereAlles(basis) != 0) {
        fehler = "cannot write";
        for (const std::string& datei : basis.m_nichtGeschriebeneDateien)
            fehler += " " + datei;
        return -1;
    }
    return 0;
}

std::vector<std::pair<std::string, double>> Anfangsstaende(bool englisch)
{
    std::vector<std::pair<std::string, double>> staende;
    for (const MitgliedVorlage& m : Mitglieder()) {
        for (const KontoVorlage& k : m.konten)
            staende.emplace_back(Format("%s, %s", m.name.In(englisch), k.name.In(englisch)), k.dStart);
    }
    return staende;
}

} // namespace velmora
