// Fuzzes the monthly reader and writing the month back.

#include "Basis.h"
#include "FuzzOrdner.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    using namespace velmora;
    fuzz::Lege("Meier_202403.vlm", daten, groesse);
    CBasis basis;
    fuzz::Richte(basis);
    basis.m_arrFamilien.push_back(std::make_unique<CFAMILY>());
    basis.m_arrFamilien.front()->m_strName = "Meier";
    basis.m_nFamilie = 0;
    if (basis.LadeMonat(20240315) == 0)
        basis.MonatGeaendert(202403);
    basis.GeaenderteMonate();
    return 0;
}
