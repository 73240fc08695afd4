#pragma once

// A data folder for window tests, filled through the store and written in the real file formats.

#include "Basis.h"

#include <filesystem>
#include <functional>
#include <string>

namespace velmora::test {

constexpr int kHeute = 20261208;

class Haushalt final
{
public:
    Haushalt();
    ~Haushalt();
    Haushalt(const Haushalt&) = delete;
    Haushalt& operator=(const Haushalt&) = delete;

    const std::string& Ordner() const { return m_ordner; }
    std::filesystem::path Pfad(const std::string& name) const { return std::filesystem::path(m_ordner) / name; }

    // Fills a fresh store and writes its settings and its changed months, as a previous run on
    // the day before today would have left them.
    void Schreibe(const std::function<void(CBasis&)>& fuelle, int sprache = kDeutsch);

private:
    std::string m_ordner;
};

// Member with accounts named and balanced as given.
CPerson& NeuesMitglied(CFAMILY& familie, const std::string& name,
                       std::initializer_list<std::pair<std::string, double>> konten);

} // namespace velmora::test
