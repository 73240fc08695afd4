#include "Sicherungen.h"

#include "Binaer.h"
#include "Dateinamen.h"
#include "Text.h"

#include <algorithm>
#include <ctime>
#include <filesystem>

namespace velmora {

namespace {

namespace fs = std::filesystem;

bool IstEinstellungsdatei(const std::string& name)
{
    return name.size() > 4 && name.compare(name.size() - 4, 4, ".ini") == 0;
}

// What a settings file says beyond the run that wrote it: every run writes its own date and time (items
// 7 and 8) and the name of the monthly file it opened last (item 10), which change nothing of the book.
std::string OhneSchreiblauf(const std::string& bytes)
{
    BinaerLeser leser(bytes);
    std::string erste, letzte;
    if (!(leser.Ueberspringe(32) && leser.Text(erste) && leser.Text(letzte)))
        return bytes;
    return bytes.substr(0, 24) + erste + bytes.substr(bytes.size() - leser.Rest());
}

bool Unveraendert(const Dateistand& neu, const std::string& alt)
{
    if (!IstEinstellungsdatei(neu.strName))
        return alt == neu.bytes;
    return OhneSchreiblauf(alt) == OhneSchreiblauf(neu.bytes);
}

// The file under its name on disk and, for a month, under the raw name earlier versions wrote.
std::vector<std::string> VorhandeneFassungen(const std::string& ordner, const std::string& name)
{
    std::vector<std::string> namen;
    for (const std::string& n : {NameAufPlatte(name), AlterName(name)}) {
        if (!n.empty() && DateiExistiert(DateiPfad(ordner, n)))
            namen.push_back(n);
    }
    return namen;
}

bool IstSicherungsname(const std::string& name)
{
    if (name.size() < 15 || name[8] != '-')
        return false;
    for (size_t i = 0; i < 15; ++i) {
        if (i != 8 && (name[i] < '0' || name[i] > '9'))
            return false;
    }
    return name.size() == 15 || name[15] == '-';
}

std::vector<std::string> Sicherungsnamen(const std::string& datenOrdner)
{
    std::vector<std::string> namen;
    std::error_code fehler;
    for (const auto& eintrag : fs::directory_iterator(DateiPfad(datenOrdner, kSicherungsOrdner), fehler)) {
        const std::string name = eintrag.path().filename().string();
        if (eintrag.is_directory(fehler) && IstSicherungsname(name))
            namen.push_back(name);
    }
    // Names sort by time; a second backup within the same second carries a suffix and sorts after it.
    std::sort(namen.begin(), namen.end(), [](const std::string& a, const std::string& b) {
        return a.compare(0, 15, b, 0, 15) != 0 ? a < b : a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return namen;
}

std::string NeuerSicherungsordner(const std::string& wurzel)
{
    const std::time_t jetzt = std::time(nullptr);
    std::tm zeit{};
    localtime_r(&jetzt, &zeit);
    char stempel[32];
    std::strftime(stempel, sizeof stempel, "%Y%m%d-%H%M%S", &zeit);
    std::error_code fehler;
    fs::create_directories(wurzel, fehler);
    for (int n = 1; n < 1000; ++n) {
        const std::string name = n == 1 ? stempel : Format("%s-%d", stempel, n);
        if (fs::create_directory(DateiPfad(wurzel, name), fehler))
            return name;
        if (fehler)
            return {};
    }
    return {};
}

} // namespace

std::string SichereVorigeFassungen(const std::string& datenOrdner, const std::vector<Dateistand>& dateien)
{
    bool geaendert = false;
    std::vector<std::string> zuSichern;
    for (const Dateistand& datei : dateien) {
        const std::vector<std::string> fassungen = VorhandeneFassungen(datenOrdner, datei.strName);
        std::string alt;
        if (fassungen.size() != 1 || !LeseDatei(DateiPfad(datenOrdner, fassungen.front()), alt) ||
            !Unveraendert(datei, alt))
            geaendert = true;
        zuSichern.insert(zuSichern.end(), fassungen.begin(), fassungen.end());
    }
    if (!geaendert || zuSichern.empty())
        return {};
    const std::string wurzel = DateiPfad(datenOrdner, kSicherungsOrdner);
    const std::string name = NeuerSicherungsordner(wurzel);
    if (name.empty())
        return {};
    const std::string ziel = DateiPfad(wurzel, name);
    std::error_code fehler;
    for (const std::string& datei : zuSichern)
        fs::copy_file(DateiPfad(datenOrdner, datei), DateiPfad(ziel, datei), fs::copy_options::overwrite_existing,
                      fehler);
    RaeumeSicherungenAuf(datenOrdner, kBehalteneSicherungen);
    return name;
}

std::vector<Sicherung> ListeSicherungen(const std::string& datenOrdner)
{
    std::vector<Sicherung> sicherungen;
    const std::vector<std::string> namen = Sicherungsnamen(datenOrdner);
    for (auto it = namen.rbegin(); it != namen.rend(); ++it) {
        const std::string& n = *it;
        Sicherung s;
        s.strName = n;
        s.strZeit = n.substr(0, 4) + "-" + n.substr(4, 2) + "-" + n.substr(6, 2) + " " + n.substr(9, 2) + ":" +
                    n.substr(11, 2) + ":" + n.substr(13, 2);
        std::error_code fehler;
        const std::string ordner = DateiPfad(DateiPfad(datenOrdner, kSicherungsOrdner), n);
        for (const auto& eintrag : fs::directory_iterator(ordner, fehler))
            s.dateien.push_back(eintrag.path().filename().string());
        std::sort(s.dateien.begin(), s.dateien.end());
        sicherungen.push_back(std::move(s));
    }
    return sicherungen;
}

void RaeumeSicherungenAuf(const std::string& datenOrdner, size_t behalten)
{
    const std::vector<std::string> namen = Sicherungsnamen(datenOrdner);
    const std::string wurzel = DateiPfad(datenOrdner, kSicherungsOrdner);
    std::error_code fehler;
    for (size_t i = 0; i + behalten < namen.size(); ++i)
        fs::remove_all(DateiPfad(wurzel, namen[i]), fehler);
}

} // namespace velmora
