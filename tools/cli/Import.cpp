#include "Import.h"

#include "Auszugsdatei.h"
#include "Basis.h"
#include "Befehle.h"
#include "Gedaechtnisdatei.h"
#include "Importsammlung.h"
#include "Json.h"
#include "Start.h"
#include "Text.h"

#include <filesystem>
#include <ostream>

namespace velmora::cli {

namespace {

Json AlsJson(const Importvorschlag& v)
{
    const Buchungseingabe& e = v.eingabe;
    return {{"m_nDatum", e.nDatum},
            {"m_dBetrag", e.dBetrag},
            {"m_strAuftraggeber", Cp1252ZuUtf8(e.strZahler)},
            {"m_strEmpfaenger", Cp1252ZuUtf8(e.strEmpfaenger)},
            {"m_strNutzniesser", Cp1252ZuUtf8(e.strNutzniesser)},
            {"m_strKategorie", Cp1252ZuUtf8(e.strKategorie)},
            {"m_strUKategorie", Cp1252ZuUtf8(e.strUKategorie)},
            {"m_strKommentar", Cp1252ZuUtf8(e.strKommentar)},
            {"duplicate", v.bDuplikat}};
}

} // namespace

int Import(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int heute = aufruf.Datum("--today");
    const int toleranz =
        aufruf.Hat("--tolerance") ? static_cast<int>(aufruf.Zahl("--tolerance", 0, 31)) : kStandardToleranz;
    if (aufruf.Dateien().empty())
        throw Benutzungsfehler("import needs at least one statement FILE");
    std::error_code ec;
    if (!std::filesystem::is_directory(aufruf.Ordner(), ec)) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no such folder\n";
        return kFehlgeschlagen;
    }
    CBasis basis;
    basis.m_uhr = FesteUhr(heute, 0);
    StarteDaten(basis, aufruf.Ordner());
    if (basis.m_arrFamilien.empty()) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no household to import into\n";
        return kFehlgeschlagen;
    }
    const std::string konto = Utf8ZuCp1252(aufruf.Wert("--account"));
    if (aufruf.Hat("--account") && !basis.IstEigenesKonto(konto))
        throw Benutzungsfehler("--account wants a family account \"MEMBER, ACCOUNT\", not '" +
                               aufruf.Wert("--account") + "'");
    Importgedaechtnis gedaechtnis;
    if (LadeGedaechtnis(aufruf.Ordner(), gedaechtnis) != 0)
        fehler << "velmora-cli: warning: " << GedaechtnisPfad(aufruf.Ordner())
               << " is damaged; the import starts with an empty memory\n";

    int status = kFertig;
    Importsammlung sammlung(basis, gedaechtnis);
    for (const std::string& datei : aufruf.Dateien()) {
        Leseergebnis gelesen = sammlung.Lies(datei);
        if (gelesen.bZuordnen) {
            fehler << "velmora-cli: " << datei
                   << ": the columns of this CSV file are not recognised; assign them once in the import window\n";
            status = kFehlgeschlagen;
            continue;
        }
        if (!gelesen.Ok()) {
            fehler << "velmora-cli: " << Fehlertext(datei, gelesen.fehler, false) << '\n';
            status = kFehlgeschlagen;
            continue;
        }
        for (Kontoauszug& auszug : gelesen.auszuege) {
            std::string familie = sammlung.Konto(auszug);
            if (familie.empty())
                familie = konto;
            if (familie.empty()) {
                fehler << "velmora-cli: " << datei << ": which family account is this statement of"
                       << (auszug.strIban.empty() ? std::string() : " (" + auszug.strIban + ")")
                       << "? Name it with --account\n";
                status = kFehlgeschlagen;
                continue;
            }
            sammlung.Fuege(std::move(auszug), familie);
        }
    }

    const Importergebnis ergebnis = sammlung.Vorschlaege(toleranz);
    Json vorschlaege = Json::array();
    for (const Importvorschlag& v : ergebnis.vorschlaege)
        vorschlaege.push_back(AlsJson(v));
    aus << Json{{"proposals", vorschlaege}, {"pending", ergebnis.nVorgemerkt}}.dump() << '\n';

    if (!aufruf.Hat("--save"))
        return status;
    sammlung.Buche(ergebnis.vorschlaege);
    if (SpeichereAlles(basis) != 0) {
        for (const std::string& datei : basis.m_nichtGeschriebeneDateien)
            fehler << "velmora-cli: cannot write " << datei << '\n';
        return kFehlgeschlagen;
    }
    if (SpeichereGedaechtnis(aufruf.Ordner(), gedaechtnis) != 0) {
        fehler << "velmora-cli: cannot write " << GedaechtnisPfad(aufruf.Ordner()) << '\n';
        return kFehlgeschlagen;
    }
    return status;
}

} // namespace velmora::cli
