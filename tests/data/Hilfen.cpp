#include "Hilfen.h"

#include "Text.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <sys/resource.h>

namespace {

std::atomic<size_t> g_groessteAllokation{0};

} // namespace

// Every allocation of the test program passes here so that the corrupt-file tests can see the largest.
// GCC takes the free() below for a mismatch once it inlines it next to a new-expression; the pair is
// malloc/free and matches.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t groesse)
{
    size_t bisher = g_groessteAllokation.load(std::memory_order_relaxed);
    while (groesse > bisher && !g_groessteAllokation.compare_exchange_weak(bisher, groesse))
        ;
    if (void* p = std::malloc(groesse ? groesse : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    ::operator delete(p);
}

namespace velmora::test {

Bytes& Bytes::I32(int32_t wert)
{
    const auto u = static_cast<uint32_t>(wert);
    for (int i = 0; i < 4; ++i)
        m_daten += static_cast<char>(u >> (8 * i) & 0xFF);
    return *this;
}

Bytes& Bytes::F64(double wert)
{
    const auto u = std::bit_cast<uint64_t>(wert);
    for (int i = 0; i < 8; ++i)
        m_daten += static_cast<char>(u >> (8 * i) & 0xFF);
    return *this;
}

Bytes& Bytes::Str(std::string_view text)
{
    I32(static_cast<int32_t>(text.size()));
    m_daten += text;
    return *this;
}

Bytes& Bytes::Nullen(size_t anzahl)
{
    m_daten.append(anzahl, '\0');
    return *this;
}

Bytes& Bytes::Roh(std::string_view bytes)
{
    m_daten += bytes;
    return *this;
}

Bytes& Bytes::Marke(std::string art)
{
    m_marken.push_back({m_daten.size(), std::move(art)});
    return *this;
}

int Bytes::VollstaendigBis(const std::string& art, size_t offset) const
{
    return static_cast<int>(std::count_if(m_marken.begin(), m_marken.end(),
                                          [&](const Markierung& m) { return m.strArt == art && m.nOffset <= offset; }));
}

TempOrdner::TempOrdner()
    : m_ordner("velmora-daten")
{
}

void TempOrdner::Schreibe(const std::string& name, std::string_view bytes) const
{
    std::ofstream datei(Datei(name), std::ios::binary | std::ios::trunc);
    datei.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempOrdner::Lies(const std::string& name) const
{
    std::ifstream datei(Datei(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

std::vector<std::string> TempOrdner::Inhalt() const
{
    std::vector<std::string> namen;
    for (const auto& eintrag : std::filesystem::directory_iterator(Pfad()))
        namen.push_back(eintrag.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

void SetzeAllokationZurueck()
{
    g_groessteAllokation = 0;
}

size_t GroessteAllokation()
{
    return g_groessteAllokation;
}

namespace {

rlimit g_alteGrenze{};

} // namespace

void SetzeDateiGrenze(long grenze)
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &g_alteGrenze);
    rlimit neu = g_alteGrenze;
    neu.rlim_cur = static_cast<rlim_t>(grenze);
    setrlimit(RLIMIT_FSIZE, &neu);
}

void HebeDateiGrenzeAuf()
{
    setrlimit(RLIMIT_FSIZE, &g_alteGrenze);
}

CFAMILY& NeueFamilie(CBasis& basis, const std::string& name)
{
    auto& familie = *basis.m_arrFamilien.emplace_back(std::make_unique<CFAMILY>());
    familie.m_strName = name;
    basis.m_nFamilie = 0;
    return familie;
}

CPerson& NeuesMitglied(CFAMILY& familie, const std::string& name)
{
    auto& person = *familie.m_arrPersonen.emplace_back(std::make_unique<CPerson>());
    person.m_strName = name;
    person.m_nPerson24 = static_cast<int>(familie.m_arrPersonen.size()) - 1;
    return person;
}

CKonto& NeuesKonto(CPerson& person, const std::string& name, double stand)
{
    auto& konto = *person.m_arrKonten.emplace_back(std::make_unique<CKonto>());
    konto.m_strName = name;
    konto.m_dStand = stand;
    konto.m_nIndex = static_cast<int>(person.m_arrKonten.size()) - 1;
    return konto;
}

CZIELKONTO& NeuesZielKonto(CBasis& basis, const std::string& name, int anzahl)
{
    auto& ziel = *basis.m_arrZielKonten.emplace_back(std::make_unique<CZIELKONTO>());
    ziel.m_strName = name;
    ziel.m_nAnzahl = anzahl;
    ziel.m_bGebucht = 1;
    return ziel;
}

CKategorie& NeueKategorie(CBasis& basis, const std::string& name, int anzahl)
{
    auto& kategorie = *basis.m_arrKategorien.emplace_back(std::make_unique<CKategorie>());
    kategorie.m_strName = name;
    kategorie.m_nAnzahl = anzahl;
    kategorie.m_nKat0C = 1;
    return kategorie;
}

CInOut& NeueBuchung(CBasis& basis, const std::string& auftraggeber, const std::string& empfaenger, double betrag,
                    int datum, int art, int status)
{
    CInOut& t = basis.NeueTransaktion();
    t.m_strAuftraggeber = auftraggeber;
    t.m_strEmpfaenger = empfaenger;
    t.m_dBetrag = betrag;
    t.m_nDatum = datum;
    t.m_nArt = art;
    t.m_nStatus = status;
    return t;
}

const CKonto& KontoVon(const CBasis& basis, const std::string& person, const std::string& konto)
{
    static const CKonto kFehlt{"<fehlt>"};
    for (const auto& p : basis.m_arrFamilien.front()->m_arrPersonen) {
        if (p->m_strName != person)
            continue;
        for (const auto& k : p->m_arrKonten) {
            if (k->m_strName == konto)
                return *k;
        }
    }
    return kFehlt;
}

void FamilieMeier(CBasis& basis)
{
    CFAMILY& familie = NeueFamilie(basis, "Meier");
    CPerson& anna = NeuesMitglied(familie, "Anna");
    NeuesKonto(anna, "Giro", 1000.0);
    NeuesKonto(anna, "Spar", 500.0);
    NeuesKonto(NeuesMitglied(familie, "Bernd"), "Giro", 200.0);
}

FamilieImOrdner::FamilieImOrdner()
{
    FamilieMeier(basis);
    basis.m_strPfad = ordner.Pfad();
    basis.m_nHeute = 20090315;
}

std::string Beschreibe(const CBasis& b)
{
    std::string s = Format("Kopf v=%d sprache=%d tips=%d aufruf=%d zeit=%d erste=%s letzte=%s pw=%s erster=%d "
                           "zaehler=%d familie=%d farben=",
                           b.m_nVersion, b.m_nSprache, b.m_bTooltips, b.m_nLetzterAufruf, b.m_nLetzteZeit,
                           b.m_strErsteDatei.c_str(), b.m_strLetzteDatei.c_str(), b.m_strPasswort.c_str(),
                           b.m_nErsterMonat, b.m_nZaehler, b.m_nFamilie);
    for (int farbe : b.m_aFarben)
        s += Format("%06X ", farbe);
    s += "\n";
    for (const auto& k : b.m_arrKategorien) {
        s += Format("Kategorie %s %d %d %d %d\n", k->m_strName.c_str(), k->m_nAnzahl, k->m_nKat0C, k->m_bBenutzt,
                    k->m_nKat14);
        for (const auto& u : k->m_arrUKategorien)
            s += Format("  UKategorie %s %d %d %d %d\n", u->m_strName.c_str(), u->m_nAnzahl, u->m_nKat0C, u->m_bBenutzt,
                        u->m_nKat14);
    }
    for (const auto& f : b.m_arrFamilien) {
        s += "Familie " + f->m_strName + "\n";
        for (const auto& p : f->m_arrPersonen) {
            s += Format("  Person %s %d %d %d\n", p->m_strName.c_str(), p->m_nAnzahl, p->m_nStatus, p->m_nPerson24);
            for (const auto& k : p->m_arrKonten)
                s += Format("    Konto %s %.17g %d %d %d %d\n", k->m_strName.c_str(), k->m_dStand, k->m_nAnzahl,
                            k->m_nKonto14, k->m_nStatus, k->m_nIndex);
        }
    }
    for (const auto& a : b.m_arrDauerAuftraege) {
        s += Format("Auftrag %s|%s|%s|%s|%s|%s|%s %.17g %d %d %d %d %d %d %d %d %d\n", a->m_strAuftraggeber.c_str(),
                    a->m_strEmpfaenger.c_str(), a->m_strNutzniesser.c_str(), a->m_strKategorie.c_str(),
                    a->m_strUKategorie.c_str(), a->m_strKommentar.c_str(), a->m_strZyklus.c_str(), a->m_dBetrag,
                    a->m_nArt, a->m_nZyklus, a->m_nStatus, a->m_nBeginn, a->m_nEnde, a->m_n3C, a->m_n40, a->m_nNr,
                    a->m_n48);
        for (const auto& t : a->m_arrTermine)
            s += Format("  Termin %s|%s|%d|%s|%d\n", t->m_strTermin1.c_str(), t->m_strTermin2.c_str(), t->m_nTermin0C,
                        t->m_strTermin3.c_str(), t->m_nMonatTag);
    }
    for (const auto& z : b.m_arrZielKonten)
        s += Format("Ziel %s %d %d %d %d\n", z->m_strName.c_str(), z->m_nAnzahl, z->m_bGebucht, z->m_bBenutzt,
                    z->m_nZiel14);
    for (const auto& v : b.m_arrVorlagen)
        s += Format("Vorlage %s|%s|%s|%s|%s|%s %d %.17g %d %d %d %d\n", v->m_strAuftraggeber.c_str(),
                    v->m_strEmpfaenger.c_str(), v->m_strNutzniesser.c_str(), v->m_strKategorie.c_str(),
                    v->m_strUKategorie.c_str(), v->m_strKommentar.c_str(), v->m_nArt, v->m_dBetrag, v->m_nDatum,
                    v->m_nIndex, v->m_nStatus, v->m_nDauerAuftragNr);
    return s;
}

std::string BeschreibeBuchungen(const CBasis& b)
{
    std::string s;
    for (const auto& t : b.m_arrInOut)
        s +=
            Format("%s|%s|%s|%s|%s|%s %d %.17g %d %d %d\n", t->m_strAuftraggeber.c_str(), t->m_strEmpfaenger.c_str(),
                   t->m_strNutzniesser.c_str(), t->m_strKategorie.c_str(), t->m_strUKategorie.c_str(),
                   t->m_strKommentar.c_str(), t->m_nArt, t->m_dBetrag, t->m_nDatum, t->m_nStatus, t->m_nDauerAuftragNr);
    return s;
}

std::vector<int> DatenVon(const CBasis& basis, int nr)
{
    std::vector<int> daten;
    for (const auto& t : basis.m_arrInOut) {
        if (t->m_nDauerAuftragNr == nr)
            daten.push_back(t->m_nDatum);
    }
    return daten;
}

} // namespace velmora::test
