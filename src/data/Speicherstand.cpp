#include "Speicherstand.h"

#include "Binaer.h"
#include "Dateinamen.h"
#include "Text.h"

#include <filesystem>

namespace velmora {

namespace {

bool IstUtf8(const std::string& text)
{
    return Cp1252ZuUtf8(Utf8ZuCp1252(text)) == text;
}

} // namespace

std::vector<Dateistand> BaueSpeicherstand(CBasis& basis)
{
    if (basis.m_arrFamilien.empty())
        return {};
    std::vector<Dateistand> dateien = basis.GeaenderteMonate();
    dateien.push_back({basis.EinstellungsName(), basis.EinstellungsBytes()});
    return dateien;
}

int SchreibeDateien(const std::vector<Dateistand>& dateien, const std::string& ordner, Schreibfehler& fehler,
                    const std::vector<std::string>& entfernen)
{
    std::vector<Dateistand> aufPlatte;
    std::vector<std::string> vorige;
    std::vector<std::string> weg = entfernen;
    for (const Dateistand& datei : dateien) {
        aufPlatte.push_back({NameAufPlatte(datei.strName), datei.bytes});
        const std::string alt = AlterName(datei.strName);
        vorige.push_back(alt);
        if (!alt.empty() && DateiExistiert(DateiPfad(ordner, alt)))
            weg.push_back(alt);
    }
    return SchreibeAlleOderKeine(aufPlatte, vorige, weg, ordner, fehler);
}

void BenenneAlteMonatsdateienUm(const std::string& ordner)
{
    std::vector<std::string> alte;
    std::error_code fehler;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner, fehler)) {
        const std::string name = eintrag.path().filename().string();
        if (name.ends_with(".vlm") && !IstUtf8(name) && eintrag.is_regular_file(fehler))
            alte.push_back(name);
    }
    for (const std::string& name : alte) {
        const std::string neu = DateiPfad(ordner, NameAufPlatte(name));
        if (!DateiExistiert(neu))
            std::filesystem::rename(DateiPfad(ordner, name), neu, fehler);
    }
}

} // namespace velmora
