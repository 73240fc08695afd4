#pragma once

// A data folder for window tests, filled through the store and written in the real file formats.

#include "Basis.h"
#include "Datenbau.h"
#include "TempOrdner.h"

#include <filesystem>
#include <functional>
#include <string>

namespace velmora::test {

constexpr int kHeute = 20261208;

class Haushalt final
{
public:
    const std::string& Ordner() const { return m_ordner.Pfad(); }
    std::filesystem::path Pfad(const std::string& name) const { return std::filesystem::path(Ordner()) / name; }

    // Fills a fresh store and writes its settings and its changed months, as a previous run on
    // the day before today would have left them.
    void Schreibe(const std::function<void(CBasis&)>& fuelle, int sprache = kDeutsch);

private:
    TempOrdner m_ordner{"velmora-gui"};
};

} // namespace velmora::test
