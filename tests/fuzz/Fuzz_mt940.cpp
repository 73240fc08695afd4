// Fuzzes the MT940/MT942 reader.

#include "Mt940Auszug.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    velmora::LiesMt940(std::string(reinterpret_cast<const char*>(daten), groesse));
    return 0;
}
