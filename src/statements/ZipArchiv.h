#pragma once

// ZIP archives as banks pack their daily CAMT files, unpacked in memory through libzip.

#include <string>
#include <vector>

namespace velmora {

struct ZipEintrag
{
    std::string strName; // as the archive names it
    std::string bytes;
};

bool IstZip(const std::string& bytes);

// The files of the archive, folders and the metadata folders of Mac archivers left out. False with the
// reason when the archive is damaged, encrypted, holds more than 1000 files or unpacks to more than
// `hoechstens` bytes (counted as read, not as the archive claims).
bool EntpackeZip(const std::string& bytes, long long hoechstens, std::vector<ZipEintrag>& eintraege,
                 std::string& grund);

} // namespace velmora
