// Loading, listing, sorting, saving and catching up standing orders on a household of thirty years
// (about 150,000 transactions), generated once into a temporary folder.

#include "Basis.h"
#include "Binaer.h"
#include "Dateinamen.h"
#include "Generator.h"
#include "TempOrdner.h"
#include "Uebersicht.h"
#include "Vergleich.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <memory>
#include <stdexcept>

namespace {

using namespace velmora;

constexpr int kHeute = 20261208;
constexpr int kJahre = 30;
// glibc's thresholds for giving memory back and for serving big blocks by mmap.
constexpr int kMallocVorgabe = 128 * 1024;

class Testhaushalt final
{
public:
    Testhaushalt()
        : m_temp("velmora-bench")
        , m_ordner(m_temp.Unterordner("haushalt"))
    {
        Haushaltsparameter parameter;
        parameter.nJahre = kJahre;
        parameter.nHeute = kHeute;
        parameter.nSeed = 30;
        std::string fehler;
        if (ErzeugeHaushalt(m_ordner, parameter, fehler) != 0)
            throw std::runtime_error(fehler);
        m_geladen = NeueBasis();
        m_geladen->LadeAlleMonate();
        for (const auto& datei : m_geladen->m_arrLoadedFiles) {
            m_monatsdateien.push_back(FindeMonatsDatei(m_ordner, datei->m_strDatei));
            std::string bytes;
            LeseDatei(m_monatsdateien.back(), bytes);
            m_bytes += static_cast<int64_t>(bytes.size());
        }
        if (m_bytes == 0)
            throw std::runtime_error("no monthly file of the household found in " + m_ordner);
        std::fprintf(stderr, "household of %d years in %s: %zu transactions, %zu monthly files, %lld bytes\n", kJahre,
                     m_ordner.c_str(), m_geladen->m_arrInOut.size(), m_monatsdateien.size(),
                     static_cast<long long>(m_bytes));
    }

    // A store of the household with its settings read and nothing else loaded.
    std::unique_ptr<CBasis> NeueBasis() const
    {
        auto basis = std::make_unique<CBasis>();
        basis->m_strPfad = m_ordner;
        basis->LadeEinstellungen();
        basis->m_nHeute = kHeute;
        return basis;
    }

    // The same with its standing orders but none of its transactions to be seen: catching up books everything.
    std::unique_ptr<CBasis> NeueLeereBasis() const
    {
        auto basis = NeueBasis();
        basis->m_strPfad = m_temp.Unterordner("leer");
        return basis;
    }

    // One store with every month loaded, shared by the listings, the sorts and the save.
    CBasis& Geladen() { return *m_geladen; }
    const std::vector<std::string>& Monatsdateien() const { return m_monatsdateien; }
    int64_t Bytes() const { return m_bytes; }
    std::string Speicherordner() const { return m_temp.Unterordner("gespeichert"); }

private:
    TempOrdner m_temp;
    std::string m_ordner;
    std::unique_ptr<CBasis> m_geladen;
    std::vector<std::string> m_monatsdateien;
    int64_t m_bytes = 0;
};

Testhaushalt& Haushalt()
{
    static Testhaushalt haushalt;
    return haushalt;
}

void LadeAlleMonate(benchmark::State& state)
{
    const Testhaushalt& h = Haushalt();
    size_t transaktionen = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto basis = h.NeueBasis();
        state.ResumeTiming();
        basis->LadeAlleMonate();
        state.PauseTiming();
        transaktionen = basis->m_arrInOut.size();
        basis.reset();
        state.ResumeTiming();
    }
    state.counters["transactions"] = static_cast<double>(transaktionen);
    state.SetBytesProcessed(state.iterations() * h.Bytes());
}

// Loading again with the heap kept between rounds: what loading costs apart from the first touch of fresh
// memory, which on virtual machines can cost more than the loading itself.
void LadeAlleMonateInGenutztenSpeicher(benchmark::State& state)
{
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    LadeAlleMonate(state);
    mallopt(M_TRIM_THRESHOLD, kMallocVorgabe);
    mallopt(M_MMAP_THRESHOLD, kMallocVorgabe);
    malloc_trim(0);
}

// The baseline of loading: the same monthly files read into memory and nothing done with them.
void LiesMonateRoh(benchmark::State& state)
{
    const Testhaushalt& h = Haushalt();
    for (auto _ : state) {
        size_t summe = 0;
        for (const std::string& pfad : h.Monatsdateien()) {
            std::string bytes;
            LeseDatei(pfad, bytes);
            summe += bytes.size();
        }
        benchmark::DoNotOptimize(summe);
    }
    state.SetBytesProcessed(state.iterations() * h.Bytes());
}

void Liste(benchmark::State& state, int filterArt)
{
    CBasis& basis = Haushalt().Geladen();
    basis.m_nVonDatum = 0;
    basis.m_nBisDatum = 99991231;
    OverviewListing liste(basis);
    liste.m_nFilterArt = filterArt;
    liste.m_strFilterText = basis.m_arrFamilien.front()->m_arrPersonen.front()->m_strName;
    for (auto _ : state) {
        if (filterArt < 0)
            liste.ZeigeAlle();
        else
            liste.ZeigeGefiltert();
        benchmark::DoNotOptimize(liste.m_dEinnahmen);
    }
    state.counters["rows"] = static_cast<double>(liste.m_nZeilen);
}

void ZeigeAlle(benchmark::State& state)
{
    Liste(state, -1);
}

void ZeigeGefiltertNachMitglied(benchmark::State& state)
{
    Liste(state, 9);
}

// What opening the overview on the whole range does below the window: every month loaded into a store
// that holds only its settings, the transactions sorted newest first, and listed.
void OeffneUebersichtGanz(benchmark::State& state)
{
    const Testhaushalt& h = Haushalt();
    int zeilen = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto basis = h.NeueBasis();
        basis->m_nVonDatum = 19000101;
        basis->m_nBisDatum = kHeute;
        state.ResumeTiming();
        OverviewListing liste(*basis);
        basis->LadeMonate(basis->m_nErsterMonat * 100, kHeute);
        liste.SortiereTransaktionen(kNachDatum);
        liste.ZeigeAlle();
        zeilen = liste.m_nZeilen;
        state.PauseTiming();
        basis.reset();
        state.ResumeTiming();
    }
    state.counters["rows"] = zeilen;
}

// A search that matches nothing scans every cell of every row.
void SucheOhneTreffer(benchmark::State& state)
{
    CBasis& basis = Haushalt().Geladen();
    basis.m_nVonDatum = 0;
    basis.m_nBisDatum = 99991231;
    OverviewListing liste(basis);
    liste.ZeigeAlle();
    for (auto _ : state) {
        liste.SetzeSuche("\xC4zzy nirgends");
        benchmark::DoNotOptimize(liste.ErsteTrefferZeile());
    }
    state.counters["rows"] = liste.m_nZeilen;
}

// Each round sorts the transactions as loaded, not the order the previous round left.
void Sortiere(benchmark::State& state, int schluessel)
{
    CBasis& basis = Haushalt().Geladen();
    const auto nachIndex = [](const auto& a, const auto& b) { return a->m_nIndex < b->m_nIndex; };
    for (auto _ : state) {
        state.PauseTiming();
        std::sort(basis.m_arrInOut.begin(), basis.m_arrInOut.end(), nachIndex);
        state.ResumeTiming();
        SortiereTransaktionen(basis, schluessel, true);
    }
    std::sort(basis.m_arrInOut.begin(), basis.m_arrInOut.end(), nachIndex);
}

void SortiereNachAuftraggeber(benchmark::State& state)
{
    Sortiere(state, kNachAuftraggeber);
}

void SortiereNachDatum(benchmark::State& state)
{
    Sortiere(state, kNachDatum);
}

void SpeichereAlleMonate(benchmark::State& state)
{
    Testhaushalt& h = Haushalt();
    CBasis& basis = h.Geladen();
    const std::string ordner = basis.m_strPfad;
    basis.m_strPfad = h.Speicherordner();
    for (auto& datei : basis.m_arrLoadedFiles)
        datei->m_bGeaendert = 1;
    for (auto _ : state) {
        if (basis.SpeichereMonate() != 0)
            state.SkipWithError("a monthly file could not be written");
    }
    for (auto& datei : basis.m_arrLoadedFiles)
        datei->m_bGeaendert = 0;
    basis.m_strPfad = ordner;
    state.SetBytesProcessed(state.iterations() * h.Bytes());
}

void HoleDauerAuftraegeNach(benchmark::State& state)
{
    const Testhaushalt& h = Haushalt();
    const int jahre = static_cast<int>(state.range(0));
    size_t gebucht = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto basis = h.NeueLeereBasis();
        state.ResumeTiming();
        basis->FuehreDauerAuftraegeAus(kHeute - jahre * 10000);
        state.PauseTiming();
        gebucht = basis->m_arrInOut.size();
        basis.reset();
        state.ResumeTiming();
    }
    state.counters["booked"] = static_cast<double>(gebucht);
}

// One step of the analyses: both comparisons computed afresh for the whole family (range 0) or for one
// family account (range 1), as every change of year recomputes them.
void VergleicheJahreUndMonate(benchmark::State& state)
{
    CBasis& basis = Haushalt().Geladen();
    Vergleich vergleich(basis);
    vergleich.Beginne();
    const CPerson& person = *basis.m_arrFamilien.front()->m_arrPersonen.front();
    vergleich.Waehle(static_cast<int>(state.range(0)), person.m_strName + ", " + person.m_arrKonten.front()->m_strName);
    for (auto _ : state) {
        vergleich.BerechneJahre();
        vergleich.BerechneMonate();
        benchmark::DoNotOptimize(vergleich.m_aJahrestabelle);
    }
}

BENCHMARK(LadeAlleMonate)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LadeAlleMonateInGenutztenSpeicher)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LiesMonateRoh)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OeffneUebersichtGanz)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SucheOhneTreffer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ZeigeAlle)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ZeigeGefiltertNachMitglied)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SortiereNachAuftraggeber)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SortiereNachDatum)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SpeichereAlleMonate)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(HoleDauerAuftraegeNach)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(VergleicheJahreUndMonate)->Arg(kAuswahlAlle)->Arg(kAuswahlFamilienKonto)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
