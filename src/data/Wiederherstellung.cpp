#include "Wiederherstellung.h"

#include "Basis.h"
#include "Binaer.h"
#include "Dateinamen.h"
#include "Speicherstand.h"
#include "Text.h"

#include <filesystem>
#include <functional>

namespace velmora {

namespace {

namespace fs = std::filesystem;

std::map<std::string, size_t> Abdruecke(const std::vector<Dateistand>& dateien)
{
    std::map<std::string, size_t> abdruecke;
    for (const Dateistand& datei : dateien)
        abdruecke[NameAufPlatte(datei.strName)] = std::hash<std::string>{}(datei.bytes);
    return abdruecke;
}

fs::file_time_type Neueste(const fs::path& ordner)
{
    std::error_code fehler;
    fs::file_time_type neueste = fs::last_write_time(ordner, fehler);
    for (const auto& eintrag : fs::directory_iterator(ordner, fehler)) {
        const fs::file_time_type zeit = eintrag.last_write_time(fehler);
        if (!fehler && zeit > neueste)
            neueste = zeit;
    }
    return neueste;
}

} // namespace

std::string WiederherstellungsPfad(const std::string& datenOrdner)
{
    return DateiPfad(datenOrdner, kWiederherstellungsOrdner);
}

bool HatWiederherstellung(const std::string& datenOrdner)
{
    const fs::path kopie = WiederherstellungsPfad(datenOrdner);
    std::error_code fehler;
    if (!fs::is_directory(kopie, fehler) || fs::is_empty(kopie, fehler))
        return false;
    const std::string einstellungen = EinstellungsDatei(datenOrdner);
    if (einstellungen.empty())
        return true;
    const fs::file_time_type gespeichert = fs::last_write_time(einstellungen, fehler);
    return fehler || Neueste(kopie) > gespeichert;
}

std::string VerwerfeWiederherstellung(const std::string& datenOrdner, int datum, int zeit)
{
    const std::string kopie = WiederherstellungsPfad(datenOrdner);
    std::error_code fehler;
    if (!fs::exists(kopie, fehler))
        return {};
    const std::string stempel = Format("%s-discarded-%08d-%04d", kWiederherstellungsOrdner, datum, zeit);
    for (int n = 1; n < 1000; ++n) {
        const std::string name = n == 1 ? stempel : Format("%s-%d", stempel.c_str(), n);
        const std::string ziel = DateiPfad(datenOrdner, name);
        if (fs::exists(ziel, fehler))
            continue;
        fs::rename(kopie, ziel, fehler);
        return fehler ? std::string() : name;
    }
    return {};
}

void EntferneWiederherstellung(const std::string& datenOrdner)
{
    std::error_code fehler;
    fs::remove_all(WiederherstellungsPfad(datenOrdner), fehler);
}

void LadeGeretteteMonate(CBasis& basis)
{
    std::error_code fehler;
    std::vector<int> monate;
    for (const auto& eintrag : fs::directory_iterator(basis.m_strWiederherstellung, fehler)) {
        const NamensTeile teile = ZerlegeDateiname(eintrag.path().filename().string());
        if (teile.bUnterstrich && teile.nWert > 0)
            monate.push_back(teile.nWert);
    }
    for (int monat : monate)
        basis.LadeMonat(monat * 100);
}

Wiederherstellung::Wiederherstellung(CBasis& basis, bool startIstGespeichert)
    : m_basis(basis)
    , m_bStartGilt(startIstGespeichert)
{
    if (m_bStartGilt)
        m_start = Abdruecke(BaueSpeicherstand(m_basis));
}

int Wiederherstellung::Schreibe()
{
    const std::vector<Dateistand> dateien = BaueSpeicherstand(m_basis);
    const auto abdruecke = Abdruecke(dateien);
    const std::string ordner = WiederherstellungsPfad(m_basis.m_strPfad);
    if (m_bStartGilt && abdruecke == m_start) {
        EntferneWiederherstellung(m_basis.m_strPfad);
        m_geschrieben.clear();
        return 0;
    }
    if (abdruecke == m_geschrieben)
        return 0;

    std::error_code fehler;
    fs::create_directories(ordner, fehler);
    std::vector<Dateistand> neu;
    for (const Dateistand& datei : dateien) {
        const auto it = m_geschrieben.find(NameAufPlatte(datei.strName));
        if (it == m_geschrieben.end() || it->second != abdruecke.at(it->first))
            neu.push_back(datei);
    }
    // The copy holds exactly what "Ende" would write: files of an earlier copy go with the same step.
    std::vector<std::string> fremd;
    for (const auto& eintrag : fs::directory_iterator(ordner, fehler)) {
        const std::string name = eintrag.path().filename().string();
        if (abdruecke.count(name) == 0 && name != kJournalName && !IstSpeichertemp(name))
            fremd.push_back(name);
    }
    Schreibfehler schreibfehler;
    const int ergebnis = SchreibeDateien(neu, ordner, schreibfehler, fremd);
    // A copy that failed changed nothing: it is written whole next time.
    if (ergebnis == 0)
        m_geschrieben = abdruecke;
    return ergebnis;
}

} // namespace velmora
