// Fuzzes the CSV reader: encodings, separators, header recognition and the rows.

#include "CsvAuszug.h"
#include "Textkodierung.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    using namespace velmora;
    std::string text;
    int zeile = 0;
    if (AlsUtf8(std::string(reinterpret_cast<const char*>(daten), groesse), text, zeile))
        LiesCsv(text, Importgedaechtnis{}, nullptr);
    return 0;
}
