#include "Import.h"

#include "Auszugsdatei.h"
#include "Basis.h"
#include "Buchsperre.h"
#include "Gedaechtnisdatei.h"
#include "Importsammlung.h"
#include "Json.h"
#include "Speichern.h"
#include "Start.h"
#include "Text.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>
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
            {"duplicate", v.bDuplikat},
            {"rule", v.nRegel >= 0 ? Json(v.nRegel) : Json(nullptr)}};
}

// "date=1,amount=4,name=2": the roles of a CSV file's columns, counted from 1.
Spaltenzuordnung Spalten(const std::string& text)
{
    Spaltenzuordnung z;
    size_t pos = 0;
    while (pos <= text.size()) {
        const size_t ende = std::min(text.find(',', pos), text.size());
        const std::string teil = text.substr(pos, ende - pos);
        const size_t gleich = teil.find('=');
        const auto rolle = std::find(kRollennamen.begin(), kRollennamen.end(), teil.substr(0, gleich));
        int spalte = 0;
        const char* zahl = teil.data() + gleich + 1;
        const auto [rest, fehler] = std::from_chars(zahl, teil.data() + teil.size(), spalte);
        if (gleich == std::string::npos || rolle == kRollennamen.end() || fehler != std::errc() ||
            rest != teil.data() + teil.size() || spalte < 1)
            throw Benutzungsfehler("--columns wants ROLE=N,... with ROLE one of date, amount, debit, credit, "
                                   "debitcredit, name, iban, purpose, ownIban, not '" +
                                   teil + "'");
        z.anSpalte[static_cast<size_t>(rolle - kRollennamen.begin())] = spalte - 1;
        pos = ende + 1;
    }
    if (!z.Vollstaendig())
        throw Benutzungsfehler("--columns needs date and amount (or debit and credit)");
    return z;
}

} // namespace

int Import(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int heute = aufruf.Datum("--today");
    const int toleranz =
        aufruf.Hat("--tolerance") ? static_cast<int>(aufruf.Zahl("--tolerance", 0, 31)) : kStandardToleranz;
    const std::optional<Spaltenzuordnung> spalten =
        aufruf.Hat("--columns") ? std::optional(Spalten(aufruf.Wert("--columns"))) : std::nullopt;
    if (aufruf.Dateien().empty())
        throw Benutzungsfehler("import needs at least one statement FILE");
    std::error_code ec;
    if (!std::filesystem::is_directory(aufruf.Ordner(), ec)) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no such folder\n";
        return kFehlgeschlagen;
    }
    Buchsperre sperre(aufruf.Ordner());
    if (aufruf.Hat("--save") && !SperreZumSpeichern(sperre, aufruf.Ordner(), aufruf.Hat("--force-unlock"), fehler))
        return kFehlgeschlagen;
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
        if (gelesen.bZuordnen && spalten)
            gelesen = sammlung.Lies(datei, &*spalten);
        if (gelesen.bZuordnen) {
            fehler << "velmora-cli: " << datei
                   << ": the columns of this CSV file are not recognised; name them with --columns\n";
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
            if (familie.empty() && !konto.empty()) {
                const std::string andere = sammlung.AndereIban(auszug, konto);
                if (!andere.empty()) {
                    fehler << "velmora-cli: " << datei << ": this statement is of " << auszug.strIban << ", but \""
                           << aufruf.Wert("--account") << "\" is the account of " << andere
                           << "; name this statement's own account with --account\n";
                    status = kFehlgeschlagen;
                    continue;
                }
                familie = konto;
            }
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
    // Written proposal by proposal: a statement of a quarter million lines must not build its JSON whole.
    aus << "{\"proposals\":[";
    for (size_t i = 0; i < ergebnis.vorschlaege.size(); ++i)
        aus << (i ? "," : "") << AlsJson(ergebnis.vorschlaege[i]).dump();
    aus << "],\"pending\":" << ergebnis.nVorgemerkt << "}\n";

    if (!aufruf.Hat("--save"))
        return status;
    // A refused file or statement refuses the whole import: the data folder stays as it was.
    if (status != kFertig) {
        fehler << "velmora-cli: nothing is booked or saved\n";
        return status;
    }
    sammlung.Buche(ergebnis.vorschlaege);
    const int gespeichert = Speichere(basis, fehler);
    if (gespeichert == kFehlgeschlagen)
        return kFehlgeschlagen;
    if (SpeichereGedaechtnis(aufruf.Ordner(), gedaechtnis) != 0) {
        fehler << "velmora-cli: cannot write " << GedaechtnisPfad(aufruf.Ordner()) << '\n';
        return kFehlgeschlagen;
    }
    return status == kFertig ? gespeichert : status;
}

} // namespace velmora::cli
