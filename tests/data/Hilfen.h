#pragma once

// Shared helpers of the data-layer tests: a byte builder for hand-made files, a scratch data folder,
// an allocation watch and small store builders.

#include "Basis.h"
#include "TempOrdner.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

// Builds a file's bytes item by item, little-endian, exactly as the layouts describe them. Marks
// remember where a record ends, so truncation tests know which records a cut leaves complete.
class Bytes final
{
public:
    Bytes& I32(int32_t wert);
    Bytes& F64(double wert);
    Bytes& Str(std::string_view text);
    Bytes& Nullen(size_t anzahl);
    Bytes& Roh(std::string_view bytes);
    Bytes& Marke(std::string art);

    const std::string& Daten() const { return m_daten; }
    size_t Groesse() const { return m_daten.size(); }
    // Number of marks of a kind that end at or before the offset.
    int VollstaendigBis(const std::string& art, size_t offset) const;

private:
    struct Markierung
    {
        size_t nOffset;
        std::string strArt;
    };
    std::string m_daten;
    std::vector<Markierung> m_marken;
};

// A fresh, empty folder under the system's temporary folder, removed with everything in it (the tools'
// scratch folder), and the file access the data tests need in it.
class TempOrdner final
{
public:
    TempOrdner();

    const std::string& Pfad() const { return m_ordner.Pfad(); }
    std::string Datei(const std::string& name) const { return Pfad() + "/" + name; }
    void Schreibe(const std::string& name, std::string_view bytes) const;
    std::string Lies(const std::string& name) const;
    // Names of the entries of the folder, sorted.
    std::vector<std::string> Inhalt() const;

private:
    velmora::TempOrdner m_ordner;
};

// Largest single allocation made since the last reset; readers must never size a buffer from a count
// or length the file cannot back.
void SetzeAllokationZurueck();
size_t GroessteAllokation();

void SetzeDateiGrenze(long grenze);
void HebeDateiGrenzeAuf();

// Runs a call while writing a file beyond `grenze` bytes fails, the way a full disk fails a save.
template<class F>
auto MitDateiGrenze(long grenze, F aufruf)
{
    SetzeDateiGrenze(grenze);
    auto ergebnis = aufruf();
    HebeDateiGrenzeAuf();
    return ergebnis;
}

// Store builders.
CFAMILY& NeueFamilie(CBasis& basis, const std::string& name);
CPerson& NeuesMitglied(CFAMILY& familie, const std::string& name);
CKonto& NeuesKonto(CPerson& person, const std::string& name, double stand = 0.0);
CZIELKONTO& NeuesZielKonto(CBasis& basis, const std::string& name, int anzahl = 0);
CKategorie& NeueKategorie(CBasis& basis, const std::string& name, int anzahl = 0);
CInOut& NeueBuchung(CBasis& basis, const std::string& auftraggeber, const std::string& empfaenger, double betrag,
                    int datum, int art, int status = 1);
const CKonto& KontoVon(const CBasis& basis, const std::string& person, const std::string& konto);

// Family Meier: Anna with Giro and Spar, Bernd with Giro.
void FamilieMeier(CBasis& basis);

// Family Meier in its own data folder, on 15 March 2009.
struct FamilieImOrdner
{
    FamilieImOrdner();
    TempOrdner ordner;
    CBasis basis;
};

// Every stored field of the settings part of a store, one line per record, for comparisons that show
// the difference.
std::string Beschreibe(const CBasis& basis);
// Every field of the transactions, one line each, in list order.
std::string BeschreibeBuchungen(const CBasis& basis);

// Dates of the transactions the standing order `nr` generated, in list order.
std::vector<int> DatenVon(const CBasis& basis, int nr);

} // namespace velmora::test
