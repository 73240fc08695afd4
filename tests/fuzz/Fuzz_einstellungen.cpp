// Fuzzes the settings reader and what start-up does with what it read: the usage sorting, a week of
// standing orders falling due, and writing the file back.

#include "Basis.h"
#include "FuzzOrdner.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    using namespace velmora;
    fuzz::Lege("VLMBasic_D.ini", daten, groesse);
    CBasis basis;
    fuzz::Richte(basis);
    basis.LadeEinstellungen();
    if (!basis.m_arrFamilien.empty()) {
        basis.SortiereKategorien();
        basis.SortiereZielKonten();
        // A week only: a catch-up over decades would make every input slow without reaching new code.
        basis.FuehreDauerAuftraegeAus(20240308);
    }
    basis.GeaenderteMonate();
    basis.EinstellungsBytes();
    return 0;
}
