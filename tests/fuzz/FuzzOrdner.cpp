#include "FuzzOrdner.h"

#include "Basis.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace velmora::fuzz {

const std::string& Ordner()
{
    static const std::string ordner = [] {
        std::string vorlage = (std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp");
        vorlage += "/velmora-fuzz.XXXXXX";
        if (!::mkdtemp(vorlage.data()))
            std::abort();
        // The folder goes with the process, however the fuzzer ends it.
        static struct Aufraeumen
        {
            std::string pfad;
            ~Aufraeumen()
            {
                std::error_code fehler;
                std::filesystem::remove_all(pfad, fehler);
            }
        } aufraeumen{vorlage};
        return vorlage;
    }();
    return ordner;
}

void Lege(const std::string& name, const uint8_t* daten, size_t groesse)
{
    const std::string pfad = Ordner() + "/" + name;
    std::FILE* datei = std::fopen(pfad.c_str(), "wb");
    if (!datei)
        std::abort();
    if (groesse > 0 && std::fwrite(daten, 1, groesse, datei) != groesse)
        std::abort();
    std::fclose(datei);
}

void Richte(CBasis& basis)
{
    basis.m_uhr = FesteUhr(20240315, 1200);
    basis.MonatsTitel();
    basis.m_strPfad = Ordner();
}

} // namespace velmora::fuzz
