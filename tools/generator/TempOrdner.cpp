#include "TempOrdner.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace velmora {

namespace fs = std::filesystem;

TempOrdner::TempOrdner(const std::string& praefix)
{
    std::string vorlage = (fs::temp_directory_path() / (praefix + ".XXXXXX")).string();
    if (!::mkdtemp(vorlage.data()))
        throw fs::filesystem_error("cannot create a temporary folder", vorlage,
                                   std::error_code(errno, std::generic_category()));
    m_pfad = vorlage;
}

TempOrdner::~TempOrdner()
{
    std::error_code ec;
    fs::remove_all(m_pfad, ec);
}

std::string TempOrdner::Unterordner(const std::string& name) const
{
    const fs::path pfad = fs::path(m_pfad) / name;
    fs::create_directories(pfad);
    return pfad.string();
}

} // namespace velmora
