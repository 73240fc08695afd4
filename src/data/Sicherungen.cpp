#include "Sicherungen.h"

#include "Binaer.h"
#include "Dateinamen.h"
#include "Monatsvorrat.h"
#include "Schreibjournal.h"
#include "Text.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>

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

constexpr const char* kUnfertig = ".partial";

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

// A folder a save began and never finished: a dated name with ".partial".
bool IstUnfertig(const std::string& name)
{
    const std::string endung = kUnfertig;
    return name.size() > endung.size() && name.compare(name.size() - endung.size(), endung.size(), endung) == 0 &&
           IstSicherungsname(name.substr(0, name.size() - endung.size()));
}

std::vector<std::string> Ordnernamen(const std::string& datenOrdner, bool (*passt)(const std::string&))
{
    std::vector<std::string> namen;
    std::error_code fehler;
    for (const auto& eintrag : fs::directory_iterator(DateiPfad(datenOrdner, kSicherungsOrdner), fehler)) {
        const std::string name = eintrag.path().filename().string();
        if (eintrag.is_directory(fehler) && passt(name))
            namen.push_back(name);
    }
    // Names sort by time; a second backup within the same second carries a suffix and sorts after it.
    std::sort(namen.begin(), namen.end(), [](const std::string& a, const std::string& b) {
        return a.compare(0, 15, b, 0, 15) != 0 ? a < b : a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return namen;
}

// Whether every file of a dated backup reads whole: earlier versions renamed nothing and left cut copies
// under dated names when the disk was full.
bool IstVollstaendig(const std::string& ordner)
{
    std::error_code fehler;
    bool leer = true;
    for (const auto& eintrag : fs::directory_iterator(ordner, fehler)) {
        leer = false;
        const std::string name = eintrag.path().filename().string();
        if (!eintrag.is_regular_file(fehler) || eintrag.file_size(fehler) == 0)
            return false;
        if (name.ends_with(".vlm") && LiesMonatsdatei(eintrag.path().string()).bAbgeschnitten)
            return false;
    }
    if (leer || fehler)
        return false;
    CBasis basis;
    basis.m_strPfad = ordner;
    basis.LadeEinstellungen();
    return basis.m_abgeschnitteneDateien.empty();
}

std::string Zeitstempel()
{
    const std::time_t jetzt = std::time(nullptr);
    std::tm zeit{};
    localtime_r(&jetzt, &zeit);
    char stempel[32];
    std::strftime(stempel, sizeof stempel, "%Y%m%d-%H%M%S", &zeit);
    return stempel;
}

// Whether the folder of the backups can take one (made when missing); the reason in grund when not.
bool PruefeWurzel(const std::string& wurzel, std::string& grund)
{
    struct stat info
    {
    };
    if (::lstat(wurzel.c_str(), &info) != 0) {
        std::error_code fehler;
        if (fs::create_directory(wurzel, fehler))
            return true;
        grund = wurzel + ": " + fehler.message();
        return false;
    }
    if (S_ISLNK(info.st_mode) && ::stat(wurzel.c_str(), &info) != 0) {
        grund = wurzel + ": a link to nothing";
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        grund = wurzel + ": not a folder";
        return false;
    }
    if ((info.st_mode & S_IWUSR) == 0) {
        grund = wurzel + ": read-only";
        return false;
    }
    return true;
}

// Copies the files into a new .partial folder, checks every copy's size and gives the folder its dated
// name. The name, or empty with the reason in grund; nothing is left behind then.
std::string Kopiere(const std::string& datenOrdner, const std::string& wurzel, const std::vector<std::string>& dateien,
                    std::string& grund)
{
    const std::string stempel = Zeitstempel();
    const std::string temp = DateiPfad(wurzel, stempel + kUnfertig);
    std::error_code fehler;
    fs::remove_all(temp, fehler);
    if (!fs::create_directory(temp, fehler)) {
        grund = temp + ": " + fehler.message();
        return {};
    }
    for (const std::string& datei : dateien) {
        const std::string quelle = DateiPfad(datenOrdner, datei);
        const std::string kopie = DateiPfad(temp, datei);
        std::string bytes;
        struct stat info
        {
        };
        const bool gelesen = LeseDatei(quelle, bytes) && ::stat(quelle.c_str(), &info) == 0 &&
                             static_cast<uintmax_t>(info.st_size) == bytes.size();
        if (!gelesen || !MeldeSchritt(Schreibschritt::kSicherung, kopie) ||
            !SchreibeNeueDatei(kopie, bytes, static_cast<unsigned>(info.st_mode & 07777)) ||
            fs::file_size(kopie, fehler) != bytes.size()) {
            grund = (gelesen ? kopie : quelle) + ": cannot be " + (gelesen ? "written whole" : "read");
            fs::remove_all(temp, fehler);
            return {};
        }
    }
    SichereOrdner(temp);
    for (int n = 1; n < 1000; ++n) {
        const std::string name = n == 1 ? stempel : Format("%s-%d", stempel.c_str(), n);
        if (fs::exists(DateiPfad(wurzel, name), fehler))
            continue;
        if (::rename(temp.c_str(), DateiPfad(wurzel, name).c_str()) != 0)
            break;
        SichereOrdner(wurzel);
        return name;
    }
    grund = temp + ": cannot be given its dated name";
    fs::remove_all(temp, fehler);
    return {};
}

} // namespace

Sicherungsergebnis SichereVorigeFassungen(const std::string& datenOrdner, const std::vector<Dateistand>& dateien)
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
    Sicherungsergebnis ergebnis;
    if (!geaendert || zuSichern.empty())
        return ergebnis;
    const std::string wurzel = DateiPfad(datenOrdner, kSicherungsOrdner);
    if (!PruefeWurzel(wurzel, ergebnis.strFehler))
        return ergebnis;
    ergebnis.strName = Kopiere(datenOrdner, wurzel, zuSichern, ergebnis.strFehler);
    if (!ergebnis.strName.empty())
        RaeumeSicherungenAuf(datenOrdner, kBehalteneSicherungen);
    return ergebnis;
}

std::vector<Sicherung> ListeSicherungen(const std::string& datenOrdner)
{
    std::vector<Sicherung> sicherungen;
    const std::string wurzel = DateiPfad(datenOrdner, kSicherungsOrdner);
    const std::vector<std::string> namen =
        Ordnernamen(datenOrdner, [](const std::string& n) { return IstSicherungsname(n) || IstUnfertig(n); });
    for (auto it = namen.rbegin(); it != namen.rend(); ++it) {
        const std::string& n = *it;
        Sicherung s;
        s.strName = n;
        s.strZeit = n.substr(0, 4) + "-" + n.substr(4, 2) + "-" + n.substr(6, 2) + " " + n.substr(9, 2) + ":" +
                    n.substr(11, 2) + ":" + n.substr(13, 2);
        std::error_code fehler;
        const std::string ordner = DateiPfad(wurzel, n);
        for (const auto& eintrag : fs::directory_iterator(ordner, fehler))
            s.dateien.push_back(eintrag.path().filename().string());
        std::sort(s.dateien.begin(), s.dateien.end());
        s.bVollstaendig = !IstUnfertig(n) && IstVollstaendig(ordner);
        sicherungen.push_back(std::move(s));
    }
    return sicherungen;
}

void RaeumeSicherungenAuf(const std::string& datenOrdner, size_t behalten)
{
    const std::string wurzel = DateiPfad(datenOrdner, kSicherungsOrdner);
    std::error_code fehler;
    std::vector<std::string> vollstaendig;
    for (const std::string& name : Ordnernamen(datenOrdner, IstSicherungsname)) {
        if (IstVollstaendig(DateiPfad(wurzel, name)))
            vollstaendig.push_back(name);
    }
    for (size_t i = 0; i + behalten < vollstaendig.size(); ++i)
        fs::remove_all(DateiPfad(wurzel, vollstaendig[i]), fehler);
    for (const std::string& name : Ordnernamen(datenOrdner, IstUnfertig))
        fs::remove_all(DateiPfad(wurzel, name), fehler);
}

} // namespace velmora
