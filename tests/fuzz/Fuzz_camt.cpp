// Fuzzes the CAMT reader (052, 053 and 054), and through the file's front door ZIP and UTF-16 as well.

#include "Auszugsdatei.h"
#include "CamtAuszug.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    using namespace velmora;
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    LiesCamt(bytes);
    LiesAuszug("fuzz", bytes, Importgedaechtnis{}, nullptr, 20240315);
    return 0;
}
