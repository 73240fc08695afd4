#pragma once

// A folder of its own below the system's temporary folder, removed with everything in it when the object
// ends. Generated households for benchmarks, measurements and tests live in one.

#include <string>

namespace velmora {

class TempOrdner final
{
public:
    // Throws std::filesystem::filesystem_error when no folder can be created.
    explicit TempOrdner(const std::string& praefix);
    ~TempOrdner();
    TempOrdner(const TempOrdner&) = delete;
    TempOrdner& operator=(const TempOrdner&) = delete;

    const std::string& Pfad() const { return m_pfad; }
    // The path of a subfolder, created empty when it does not exist yet.
    std::string Unterordner(const std::string& name) const;

private:
    std::string m_pfad;
};

} // namespace velmora
