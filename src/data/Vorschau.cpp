#include "Vorschau.h"

#include "Basis.h"
#include "Faelligkeit.h"
#include "Text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace velmora {

namespace {

constexpr int kKeinKonto = -1;

// Balances move in cents; carrying the dust of binary fractions forward would turn 0.00 into -0.00.
double Cent(double betrag)
{
    return std::round(betrag * 100.0) / 100.0 + 0.0;
}

int Datum(const Tag& tag)
{
    return tag.nJahr * 10000 + tag.nMonat * 100 + tag.nTag;
}

Tag TagVon(int datum)
{
    return Normalisiere(datum / 10000, datum / 100 % 100, datum % 100);
}

Tag Folgetag(const Tag& tag)
{
    if (tag.nTag < TageImMonat(tag.nJahr, tag.nMonat))
        return {tag.nJahr, tag.nMonat, tag.nTag + 1, tag.nWochentag % 7 + 1};
    if (tag.nMonat < 12)
        return {tag.nJahr, tag.nMonat + 1, 1, tag.nWochentag % 7 + 1};
    return {tag.nJahr + 1, 1, 1, tag.nWochentag % 7 + 1};
}

// The month key `monate` months after (or before, when negative) the month of a date.
int Monatsschluessel(int datum, int monate)
{
    const int gezaehlt = datum / 10000 * 12 + (datum / 100 % 100 - 1) + monate;
    return gezaehlt / 12 * 100 + gezaehlt % 12 + 1;
}

// The three whole months before the current one: their first and their last day.
std::pair<int, int> UeblicherZeitraum(int heute)
{
    const int letzter = Monatsschluessel(heute, -1) * 100 + 1;
    return {Monatsschluessel(heute, -3) * 100 + 1, MonatsEnde(letzter)};
}

uint64_t Schluessel(int nr, int datum)
{
    return static_cast<uint64_t>(static_cast<uint32_t>(nr)) << 32 | static_cast<uint32_t>(datum);
}

struct Konto
{
    std::string strName;
    double dStand = 0.0;
    double dUeblich = 0.0;
};

// A standing order falling due on one day, between two accounts of the list (kKeinKonto outside it).
struct Ereignis
{
    int nDatum = 0;
    int nAuftrag = 0; // position in m_auftraege
    double dBetrag = 0.0;
    int nZahler = kKeinKonto;
    int nEmpfaenger = kKeinKonto;
};

class Rechnung final
{
public:
    Rechnung(const CBasis& basis, int bis)
        : m_basis(basis)
        , m_nHeute(basis.m_nHeute)
        , m_nBis(bis)
        , m_nMonatsEnde(MonatsEnde(basis.m_nHeute))
        , m_nJahresEnde(basis.m_nHeute / 10000 * 10000 + 1231)
    {
        SammleKonten();
        SchaetzeUeblich();
        SammleEreignisse();
    }

    Vorschau Ergebnis() const
    {
        Vorschau v;
        v.nHeute = m_nHeute;
        v.nBis = m_nBis;
        std::vector<char> alle(m_konten.size(), 1);
        for (size_t i = 0; i < m_konten.size(); ++i) {
            std::vector<char> kreis(m_konten.size(), 0);
            kreis[i] = 1;
            v.konten.push_back(Rechne(m_konten[i].strName, kreis));
        }
        for (const auto& [name, konten] : m_mitglieder) {
            std::vector<char> kreis(m_konten.size(), 0);
            for (size_t i : konten)
                kreis[i] = 1;
            v.mitglieder.push_back(Rechne(name, kreis));
        }
        const CFAMILY* familie = m_basis.Familie();
        v.familie = Rechne(familie ? familie->m_strName : std::string(), alle);
        v.auftraege = m_auftraege;
        return v;
    }

private:
    void SammleKonten()
    {
        const CFAMILY* familie = m_basis.Familie();
        if (!familie)
            return;
        for (const auto& mitglied : familie->m_arrPersonen) {
            if (mitglied->m_nStatus <= 0)
                continue;
            std::vector<size_t> eigene;
            for (const auto& konto : mitglied->m_arrKonten) {
                if (konto->m_nStatus <= 0)
                    continue;
                std::string name = Format("%s, %s", mitglied->m_strName.c_str(), konto->m_strName.c_str());
                m_index.emplace(name, static_cast<int>(m_konten.size()));
                eigene.push_back(m_konten.size());
                m_konten.push_back({std::move(name), konto->m_dStand});
            }
            m_mitglieder.emplace_back(mitglied->m_strName, std::move(eigene));
        }
    }

    int KontoIndex(const std::string& name) const
    {
        const auto it = m_index.find(name);
        return it == m_index.end() ? kKeinKonto : it->second;
    }

    // Everything booked by hand (no standing order) in the three whole months before this one, per day.
    void SchaetzeUeblich()
    {
        const auto [von, bis] = UeblicherZeitraum(m_nHeute);
        const long tage = TageSeitEpoche(bis / 10000, bis / 100 % 100, bis % 100) -
                          TageSeitEpoche(von / 10000, von / 100 % 100, von % 100) + 1;
        for (const auto& t : m_basis.m_arrInOut) {
            if (t->m_nStatus <= 0 || t->m_nDauerAuftragNr >= 0 || t->m_nDatum < von || t->m_nDatum > bis)
                continue;
            if (const int zahler = KontoIndex(t->m_strAuftraggeber); zahler != kKeinKonto)
                m_konten[static_cast<size_t>(zahler)].dUeblich -= t->m_dBetrag;
            if (const int empfaenger = KontoIndex(t->m_strEmpfaenger); empfaenger != kKeinKonto)
                m_konten[static_cast<size_t>(empfaenger)].dUeblich += t->m_dBetrag;
        }
        for (Konto& konto : m_konten)
            konto.dUeblich /= static_cast<double>(tage);
    }

    // Every day from tomorrow on which an order falls due, as execution would book it then. A day an
    // order has already booked (a transaction dated ahead) is in the balance already.
    void SammleEreignisse()
    {
        std::unordered_set<uint64_t> gebucht;
        for (const auto& t : m_basis.m_arrInOut) {
            if (t->m_nDauerAuftragNr >= 0 && t->m_nDatum > m_nHeute)
                gebucht.insert(Schluessel(t->m_nDauerAuftragNr, t->m_nDatum));
        }
        struct Seiten
        {
            const CDauerAuftrag* auftrag;
            int nAuftrag, nZahler, nEmpfaenger;
        };
        std::vector<Seiten> auftraege;
        for (const auto& auftrag : m_basis.m_arrDauerAuftraege) {
            const int zahler = KontoIndex(auftrag->m_strAuftraggeber);
            const int empfaenger = KontoIndex(auftrag->m_strEmpfaenger);
            if (zahler == kKeinKonto && empfaenger == kKeinKonto)
                continue;
            auftraege.push_back({auftrag.get(), static_cast<int>(m_auftraege.size()), zahler, empfaenger});
            m_auftraege.push_back(
                {auftrag->m_nNr, auftrag->m_strAuftraggeber, auftrag->m_strEmpfaenger,
                 auftrag->m_strKommentar.empty() ? auftrag->m_strKategorie : auftrag->m_strKommentar});
        }
        const int ende = std::max(m_nBis, m_nJahresEnde);
        for (Tag tag = Folgetag(TagVon(m_nHeute)); Datum(tag) <= ende; tag = Folgetag(tag)) {
            const int datum = Datum(tag);
            for (const Seiten& s : auftraege) {
                if (FaelltAn(*s.auftrag, datum, tag) && !gebucht.count(Schluessel(s.auftrag->m_nNr, datum)))
                    m_ereignisse.push_back({datum, s.nAuftrag, s.auftrag->m_dBetrag, s.nZahler, s.nEmpfaenger});
            }
        }
    }

    Verlauf Rechne(const std::string& name, const std::vector<char>& kreis) const
    {
        const auto drin = [&kreis](int konto) { return konto != kKeinKonto && kreis[static_cast<size_t>(konto)]; };
        Verlauf v;
        v.strName = name;
        double stand = 0.0;
        for (size_t i = 0; i < m_konten.size(); ++i) {
            if (kreis[i]) {
                stand += m_konten[i].dStand;
                v.dUeblichProTag += m_konten[i].dUeblich;
            }
        }
        stand = Cent(stand);
        v.dHeute = v.dMonatsEnde = v.dJahresEnde = v.dTiefst = stand;
        v.nTiefstDatum = m_nHeute;
        v.nErstesMinus = stand < 0 ? m_nHeute : 0;

        // Events come day by day; within a day the credits go first. A transfer inside the circle moves
        // nothing: it is left out.
        for (size_t tag = 0; tag < m_ereignisse.size();) {
            size_t ende = tag;
            while (ende < m_ereignisse.size() && m_ereignisse[ende].nDatum == m_ereignisse[tag].nDatum)
                ++ende;
            for (const bool gutschriften : {true, false}) {
                for (size_t i = tag; i < ende; ++i) {
                    const Ereignis& e = m_ereignisse[i];
                    const bool ab = drin(e.nZahler);
                    const bool zu = drin(e.nEmpfaenger);
                    if (ab != zu && zu == gutschriften)
                        Buche(v, e, zu ? e.dBetrag : -e.dBetrag, stand);
                }
            }
            tag = ende;
        }
        return v;
    }

    void Buche(Verlauf& v, const Ereignis& e, double betrag, double& stand) const
    {
        stand = Cent(stand + betrag);
        if (e.nDatum <= m_nMonatsEnde)
            v.dMonatsEnde = stand;
        if (e.nDatum <= m_nJahresEnde)
            v.dJahresEnde = stand;
        if (e.nDatum > m_nBis)
            return;
        v.buchungen.push_back({e.nDatum, e.nAuftrag, Cent(betrag), stand});
        if (stand < v.dTiefst) {
            v.dTiefst = stand;
            v.nTiefstDatum = e.nDatum;
        }
        if (stand < 0 && v.nErstesMinus == 0)
            v.nErstesMinus = e.nDatum;
    }

    const CBasis& m_basis;
    const int m_nHeute;
    const int m_nBis;
    const int m_nMonatsEnde;
    const int m_nJahresEnde;
    std::vector<Konto> m_konten;
    std::unordered_map<std::string, int> m_index;
    std::vector<std::pair<std::string, std::vector<size_t>>> m_mitglieder;
    std::vector<Ereignis> m_ereignisse;
    std::vector<Vorschauauftrag> m_auftraege;
};

} // namespace

int VorschauHorizont(int heute, int monate)
{
    const int monat = Monatsschluessel(heute, monate);
    return std::min(monat * 100 + heute % 100, MonatsEnde(monat * 100 + 1));
}

void LadeVorschauMonate(CBasis& basis)
{
    // Loading for a look leaves the names of the first and last file as they were, so that the settings
    // file "Ende" writes is the same with and without the look.
    const std::string erste = basis.m_strErsteDatei;
    const std::string letzte = basis.m_strLetzteDatei;
    const auto [von, bis] = UeblicherZeitraum(basis.m_nHeute);
    basis.LadeMonate(std::max(von, basis.ErsterMonatImBuch() * 100 + 1), bis);
    basis.m_strErsteDatei = erste;
    basis.m_strLetzteDatei = letzte;
}

Vorschau ErstelleVorschau(const CBasis& basis, int bis)
{
    return Rechnung(basis, bis).Ergebnis();
}

Tagesstaende TaeglicheStaende(const Verlauf& verlauf, int heute, int bis)
{
    Tagesstaende t;
    for (Tag tag = TagVon(heute); Datum(tag) <= bis; tag = Folgetag(tag)) {
        const int datum = Datum(tag);
        t.daten.push_back(datum);
        t.genau.push_back(StandAm(verlauf, datum));
        t.ueblich.push_back(Cent(t.genau.back() + verlauf.dUeblichProTag * static_cast<double>(t.daten.size() - 1)));
    }
    return t;
}

double StandAm(const Verlauf& verlauf, int datum)
{
    const auto danach = std::upper_bound(verlauf.buchungen.begin(), verlauf.buchungen.end(), datum,
                                         [](int d, const VorschauBuchung& b) { return d < b.nDatum; });
    return danach == verlauf.buchungen.begin() ? verlauf.dHeute : std::prev(danach)->dStand;
}

double UeblicherStandAm(const Verlauf& verlauf, int heute, int datum)
{
    const Tag a = TagVon(heute);
    const Tag b = TagVon(datum);
    const long tage = TageSeitEpoche(b.nJahr, b.nMonat, b.nTag) - TageSeitEpoche(a.nJahr, a.nMonat, a.nTag);
    return Cent(StandAm(verlauf, datum) + verlauf.dUeblichProTag * static_cast<double>(tage));
}

} // namespace velmora
