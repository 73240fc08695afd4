#include "Schreibjournal.h"

#include "Binaer.h"
#include "Wiederherstellung.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <utility>

namespace velmora {

namespace {

namespace fs = std::filesystem;

constexpr const char* kKennung = "VLMJ1";
constexpr size_t kTempEndung = 7; // ".XXXXXX"

Schreibhaken& Haken()
{
    static Schreibhaken haken;
    return haken;
}

struct Journal
{
    std::vector<std::pair<std::string, std::string>> umbenennen; // temporary name, name
    std::vector<std::string> entfernen;
};

std::string Dateiname(const std::string& pfad)
{
    return fs::path(pfad).filename().string();
}

std::string JournalBytes(const Journal& journal)
{
    BinaerSchreiber s;
    s.Text(kKennung);
    s.Int(static_cast<int>(journal.umbenennen.size()));
    for (const auto& [temp, name] : journal.umbenennen) {
        s.Text(temp);
        s.Text(name);
    }
    s.Int(static_cast<int>(journal.entfernen.size()));
    for (const std::string& name : journal.entfernen)
        s.Text(name);
    return s.Bytes();
}

// A plain name inside the folder: the journal never leads out of it.
bool IstSchlichterName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

std::optional<Journal> LiesJournal(const std::string& bytes)
{
    BinaerLeser l(bytes);
    std::string kennung;
    int anzahl = 0;
    if (!l.Text(kennung) || kennung != kKennung || !l.Int(anzahl))
        return std::nullopt;
    Journal journal;
    for (int i = 0; i < anzahl; ++i) {
        std::string temp, name;
        if (!l.Text(temp) || !l.Text(name))
            return std::nullopt;
        // A temporary name is always its file's name and ".XXXXXX".
        if (!IstSchlichterName(name) || temp.size() != name.size() + kTempEndung || temp.compare(0, name.size(), name))
            return std::nullopt;
        journal.umbenennen.emplace_back(temp, name);
    }
    if (!l.Int(anzahl))
        return std::nullopt;
    for (int i = 0; i < anzahl; ++i) {
        std::string name;
        if (!l.Text(name) || !IstSchlichterName(name))
            return std::nullopt;
        journal.entfernen.push_back(name);
    }
    return journal;
}

// The second half of a save: renames, removals, the journal gone. Runs the same whether the save goes on
// or a later start completes it: a file already renamed has no temporary file any more.
// The files whose rename failed are added to fehlgeschlagen.
void FuehreAus(const Journal& journal, const std::string& ordner, std::vector<std::string>& fehlgeschlagen)
{
    for (const auto& [temp, name] : journal.umbenennen) {
        const std::string ziel = DateiPfad(ordner, name);
        MeldeSchritt(Schreibschritt::kVorUmbenennen, ziel);
        const std::string quelle = DateiPfad(ordner, temp);
        if (std::rename(quelle.c_str(), ziel.c_str()) != 0 && DateiExistiert(quelle)) {
            fehlgeschlagen.push_back(ziel);
            std::remove(quelle.c_str());
        }
        MeldeSchritt(Schreibschritt::kNachUmbenennen, ziel);
    }
    for (const std::string& name : journal.entfernen) {
        std::error_code fehler;
        fs::remove(DateiPfad(ordner, name), fehler);
    }
    SichereOrdner(ordner);
    std::remove(DateiPfad(ordner, kJournalName).c_str());
    SichereOrdner(ordner);
    MeldeSchritt(Schreibschritt::kFertig, DateiPfad(ordner, kJournalName));
}

void EntferneTemps(const std::string& ordner)
{
    std::vector<fs::path> temps;
    std::error_code fehler;
    for (const auto& eintrag : fs::directory_iterator(ordner.empty() ? "." : ordner, fehler)) {
        if (IstSpeichertemp(eintrag.path().filename().string()) && eintrag.is_regular_file(fehler))
            temps.push_back(eintrag.path());
    }
    for (const fs::path& temp : temps)
        fs::remove(temp, fehler);
}

void VollendeIn(const std::string& ordner)
{
    std::string bytes;
    if (LeseDatei(DateiPfad(ordner, kJournalName), bytes)) {
        // A journal stands only when all its files were durable: complete it. A damaged one (which only
        // a damaged disk makes) names nothing to trust; its temporary files go below.
        std::vector<std::string> fehlgeschlagen;
        if (const std::optional<Journal> journal = LiesJournal(bytes))
            FuehreAus(*journal, ordner, fehlgeschlagen);
        std::remove(DateiPfad(ordner, kJournalName).c_str());
    }
    EntferneTemps(ordner);
}

} // namespace

void SetzeSchreibhaken(Schreibhaken haken)
{
    Haken() = std::move(haken);
}

bool MeldeSchritt(Schreibschritt schritt, const std::string& pfad)
{
    return !Haken() || Haken()(schritt, pfad);
}

bool IstSpeichertemp(const std::string& name)
{
    if (name.size() <= kTempEndung || name[name.size() - kTempEndung] != '.')
        return false;
    for (size_t i = name.size() - kTempEndung + 1; i < name.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    }
    // Only the book's own names: whatever else lies in the folder is the user's.
    const std::string datei = name.substr(0, name.size() - kTempEndung);
    if (datei == kJournalName || datei == "VLMBasic_D.ini" || datei == "VLMBasic_E.ini")
        return true;
    const size_t n = datei.size();
    if (n < 12 || datei.compare(n - 4, 4, ".vlm") != 0 || datei[n - 11] != '_')
        return false;
    return std::all_of(datei.end() - 10, datei.end() - 4, [](char c) { return c >= '0' && c <= '9'; });
}

int SchreibeAlleOderKeine(const std::vector<Dateistand>& dateien, const std::vector<std::string>& vorige,
                          const std::vector<std::string>& entfernen, const std::string& ordner, Schreibfehler& fehler)
{
    std::vector<unsigned> modi;
    for (size_t i = 0; i < dateien.size(); ++i) {
        const std::string pfad = DateiPfad(ordner, dateien[i].strName);
        const std::optional<unsigned> modus =
            Schreibmodus(pfad, i < vorige.size() && !vorige[i].empty() ? DateiPfad(ordner, vorige[i]) : std::string());
        if (!modus)
            fehler.schreibgeschuetzt.push_back(pfad);
        // A folder or device in a file's place cannot be replaced by it.
        struct stat info
        {
        };
        if (::stat(pfad.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
            fehler.nichtGeschrieben.push_back(pfad);
        modi.push_back(modus.value_or(0));
    }
    if (!fehler.Leer())
        return -1;

    Journal journal;
    journal.entfernen = entfernen;
    const auto verwirf = [&] {
        for (const auto& [temp, name] : journal.umbenennen)
            std::remove(DateiPfad(ordner, temp).c_str());
        return -1;
    };
    for (size_t i = 0; i < dateien.size(); ++i) {
        const std::string pfad = DateiPfad(ordner, dateien[i].strName);
        const std::string temp =
            MeldeSchritt(Schreibschritt::kDatei, pfad) ? SchreibeTemp(pfad, dateien[i].bytes, modi[i]) : std::string();
        if (temp.empty()) {
            fehler.nichtGeschrieben.push_back(pfad);
            return verwirf();
        }
        journal.umbenennen.emplace_back(Dateiname(temp), dateien[i].strName);
    }
    const std::string journalPfad = DateiPfad(ordner, kJournalName);
    MeldeSchritt(Schreibschritt::kJournal, journalPfad);
    const std::string journalTemp = SchreibeTemp(journalPfad, JournalBytes(journal), 0600);
    if (journalTemp.empty() || std::rename(journalTemp.c_str(), journalPfad.c_str()) != 0 || !SichereOrdner(ordner)) {
        if (!journalTemp.empty())
            std::remove(journalTemp.c_str());
        std::remove(journalPfad.c_str());
        fehler.nichtGeschrieben.push_back(journalPfad);
        return verwirf();
    }
    MeldeSchritt(Schreibschritt::kJournalSteht, journalPfad);
    FuehreAus(journal, ordner, fehler.nichtGeschrieben);
    return fehler.nichtGeschrieben.empty() ? 0 : -1;
}

void VollendeSpeicherung(const std::string& ordner)
{
    VollendeIn(ordner);
    std::error_code fehler;
    if (fs::is_directory(WiederherstellungsPfad(ordner), fehler))
        VollendeIn(WiederherstellungsPfad(ordner));
}

} // namespace velmora
