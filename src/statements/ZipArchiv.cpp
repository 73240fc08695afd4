#include "ZipArchiv.h"

#include <zip.h>

#include <memory>

namespace velmora {

namespace {

constexpr zip_int64_t kHoechstensDateien = 1000;

struct ArchivSchliessen
{
    void operator()(zip_t* archiv) const { zip_discard(archiv); }
};

struct DateiSchliessen
{
    void operator()(zip_file_t* datei) const { zip_fclose(datei); }
};

std::string Grund(zip_error_t* fehler)
{
    const std::string text = zip_error_strerror(fehler);
    zip_error_fini(fehler);
    return text;
}

} // namespace

bool IstZip(const std::string& bytes)
{
    return bytes.starts_with(std::string_view("PK\x03\x04", 4)) || bytes.starts_with(std::string_view("PK\x05\x06", 4));
}

bool EntpackeZip(const std::string& bytes, long long hoechstens, std::vector<ZipEintrag>& eintraege, std::string& grund)
{
    zip_error_t fehler;
    zip_error_init(&fehler);
    zip_source_t* quelle = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &fehler);
    if (!quelle) {
        grund = Grund(&fehler);
        return false;
    }
    std::unique_ptr<zip_t, ArchivSchliessen> archiv(zip_open_from_source(quelle, ZIP_RDONLY | ZIP_CHECKCONS, &fehler));
    if (!archiv) {
        zip_source_free(quelle);
        grund = Grund(&fehler);
        return false;
    }
    zip_error_fini(&fehler);
    const zip_int64_t anzahl = zip_get_num_entries(archiv.get(), 0);
    if (anzahl > kHoechstensDateien) {
        grund = "more than 1000 files";
        return false;
    }
    long long gesamt = 0;
    for (zip_int64_t i = 0; i < anzahl; ++i) {
        const char* name = zip_get_name(archiv.get(), static_cast<zip_uint64_t>(i), 0);
        const std::string strName = name ? name : "";
        if (strName.empty() || strName.ends_with('/') || strName.starts_with("__MACOSX/"))
            continue;
        std::unique_ptr<zip_file_t, DateiSchliessen> datei(
            zip_fopen_index(archiv.get(), static_cast<zip_uint64_t>(i), 0));
        if (!datei) {
            grund = strName + ": " + zip_strerror(archiv.get());
            return false;
        }
        ZipEintrag& eintrag = eintraege.emplace_back();
        eintrag.strName = strName;
        char puffer[65536];
        for (;;) {
            const zip_int64_t gelesen = zip_fread(datei.get(), puffer, sizeof puffer);
            if (gelesen < 0) {
                grund = strName + ": " + zip_file_strerror(datei.get());
                return false;
            }
            if (gelesen == 0)
                break;
            gesamt += gelesen;
            if (gesamt > hoechstens) {
                grund = "unpacks to more than 50 MB";
                return false;
            }
            eintrag.bytes.append(puffer, static_cast<size_t>(gelesen));
        }
    }
    return true;
}

} // namespace velmora
