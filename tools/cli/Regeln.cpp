#include "Regeln.h"

#include "Basis.h"
#include "Befehle.h"
#include "Buchsperre.h"
#include "Gedaechtnisdatei.h"
#include "Importsammlung.h"
#include "Regelanwendung.h"
#include "Regeljson.h"
#include "Speichern.h"
#include "Start.h"
#include "Text.h"

#include <filesystem>
#include <ostream>
#include <set>

namespace velmora::cli {

namespace {

using Json = nlohmann::ordered_json;

Importregel LiesRegel(const std::string& text)
{
    const Json json = Json::parse(text, nullptr, false);
    std::string fehler;
    const std::optional<Importregel> regel = json.is_discarded() ? std::nullopt : RegelAusJson(json, fehler);
    if (!regel)
        throw Benutzungsfehler("not a rule: " + (json.is_discarded() ? std::string("no valid JSON") : fehler));
    return *regel;
}

Json Liste(const std::vector<Importregel>& regeln)
{
    Json liste = Json::array();
    for (const Importregel& regel : regeln)
        liste.push_back(RegelAlsJson(regel));
    return liste;
}

Json Buchung(const Buchungseingabe& e)
{
    return {{"m_nDatum", e.nDatum},
            {"m_dBetrag", e.dBetrag},
            {"m_strEmpfaenger", Cp1252ZuUtf8(e.strEmpfaenger)},
            {"m_strKategorie", Cp1252ZuUtf8(e.strKategorie)}};
}

// The store started as the program starts, on --today or the clock's day.
bool Starte(CBasis& basis, const Aufruf& aufruf, std::ostream& fehler)
{
    if (aufruf.Hat("--today"))
        basis.m_uhr = FesteUhr(aufruf.Datum("--today"), 0);
    StarteDaten(basis, aufruf.Ordner());
    if (basis.m_arrFamilien.empty()) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no household\n";
        return false;
    }
    LadeBuchFuerRegeln(basis);
    return true;
}

// The lines of the statement files that the rule matches; -1 when a file cannot be read.
int ZeilenDerDateien(const Aufruf& aufruf, CBasis& basis, Importgedaechtnis& gedaechtnis, const Importregel& regel,
                     std::ostream& fehler)
{
    Importsammlung sammlung(basis, gedaechtnis);
    std::vector<Kontoauszug> auszuege;
    for (const std::string& datei : aufruf.Dateien()) {
        Leseergebnis gelesen = sammlung.Lies(datei);
        if (gelesen.bZuordnen || !gelesen.Ok()) {
            fehler << "velmora-cli: "
                   << (gelesen.bZuordnen ? datei + ": the columns of this CSV file are not recognised"
                                         : Fehlertext(datei, gelesen.fehler, false))
                   << '\n';
            return -1;
        }
        for (Kontoauszug& auszug : gelesen.auszuege)
            auszuege.push_back(std::move(auszug));
    }
    return static_cast<int>(TreffeZeilen(regel, auszuege).size());
}

int Teste(const Aufruf& aufruf, Importgedaechtnis& gedaechtnis, std::ostream& aus, std::ostream& fehler)
{
    const Importregel regel = LiesRegel(aufruf.Wert("--test"));
    CBasis basis;
    if (!Starte(basis, aufruf, fehler))
        return kFehlgeschlagen;
    const int zeilen = ZeilenDerDateien(aufruf, basis, gedaechtnis, regel, fehler);
    if (zeilen < 0)
        return kFehlgeschlagen;
    aus << "{\"statement_lines\":" << zeilen << ",\"bookings\":[";
    bool erste = true;
    for (const size_t position : TreffeBuchungen(basis, gedaechtnis, regel)) {
        const CInOut& t = *basis.m_arrInOut[position];
        aus << (erste ? "" : ",")
            << Buchung({t.m_strAuftraggeber, t.m_strEmpfaenger, {}, t.m_strKategorie, {}, {}, t.m_dBetrag, t.m_nDatum})
                   .dump();
        erste = false;
    }
    aus << "]}\n";
    return kFertig;
}

// "0,3,4": positions in the list of changes.
std::set<long> Auswahl(const std::string& text, size_t anzahl)
{
    std::set<long> gewaehlt;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t ende = std::min(text.find(',', pos), text.size());
        char* rest = nullptr;
        const std::string teil = text.substr(pos, ende - pos);
        const long n = std::strtol(teil.c_str(), &rest, 10);
        if (teil.empty() || *rest != '\0' || n < 0 || static_cast<size_t>(n) >= anzahl)
            throw Benutzungsfehler("--pick wants positions from 0 to " + std::to_string(anzahl) +
                                   " - 1 of the changes, not '" + teil + "'");
        gewaehlt.insert(n);
        pos = ende + 1;
    }
    return gewaehlt;
}

int WendeAufBuchAn(const Aufruf& aufruf, const Importgedaechtnis& gedaechtnis, std::ostream& aus, std::ostream& fehler)
{
    const long nr = aufruf.Zahl("--apply", 0, static_cast<long>(gedaechtnis.regeln.size()) - 1);
    Buchsperre sperre(aufruf.Ordner());
    if (aufruf.Hat("--save") && !SperreZumSpeichern(sperre, aufruf.Ordner(), aufruf.Hat("--force-unlock"), fehler))
        return kFehlgeschlagen;
    CBasis basis;
    if (!Starte(basis, aufruf, fehler))
        return kFehlgeschlagen;
    std::vector<Regelaenderung> aenderungen =
        Regelaenderungen(basis, gedaechtnis, gedaechtnis.regeln[static_cast<size_t>(nr)]);
    if (aufruf.Hat("--pick")) {
        const std::set<long> gewaehlt = Auswahl(aufruf.Wert("--pick"), aenderungen.size());
        std::vector<Regelaenderung> auswahl;
        for (const long i : gewaehlt)
            auswahl.push_back(aenderungen[static_cast<size_t>(i)]);
        aenderungen = std::move(auswahl);
    }
    Json liste = Json::array();
    for (const Regelaenderung& a : aenderungen)
        liste.push_back({{"before", Buchung(a.alt)}, {"after", Buchung(a.neu)}});
    const int angewandt = aufruf.Hat("--save") ? WendeAn(basis, aenderungen) : 0;
    aus << Json{{"changes", liste}, {"applied", angewandt}}.dump() << '\n';
    return aufruf.Hat("--save") ? Speichere(basis, fehler) : kFertig;
}

size_t Position(const Aufruf& aufruf, const std::string& option, size_t anzahl)
{
    if (anzahl == 0)
        throw Benutzungsfehler(option + ": there are no rules");
    return static_cast<size_t>(aufruf.Zahl(option, 0, static_cast<long>(anzahl) - 1));
}

} // namespace

int Regeln(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(aufruf.Ordner(), ec)) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no such folder\n";
        return kFehlgeschlagen;
    }
    const int aktionen = aufruf.Hat("--add") + aufruf.Hat("--delete") + aufruf.Hat("--move") + aufruf.Hat("--test") +
                         aufruf.Hat("--apply") + aufruf.Hat("--list");
    if (aktionen > 1)
        throw Benutzungsfehler("rules takes one of --list, --add, --delete, --move, --test and --apply");
    if (aufruf.Hat("--move") != aufruf.Hat("--to"))
        throw Benutzungsfehler("--move N wants --to M");
    if (!aufruf.Dateien().empty() && !aufruf.Hat("--test"))
        throw Benutzungsfehler("statement files go with --test");
    Importgedaechtnis gedaechtnis;
    if (LadeGedaechtnis(aufruf.Ordner(), gedaechtnis) != 0) {
        fehler << "velmora-cli: " << GedaechtnisPfad(aufruf.Ordner()) << " is damaged\n";
        return kFehlgeschlagen;
    }
    if (aufruf.Hat("--test"))
        return Teste(aufruf, gedaechtnis, aus, fehler);
    if (aufruf.Hat("--apply"))
        return WendeAufBuchAn(aufruf, gedaechtnis, aus, fehler);

    std::vector<Importregel>& regeln = gedaechtnis.regeln;
    if (aufruf.Hat("--add")) {
        regeln.push_back(LiesRegel(aufruf.Wert("--add")));
    } else if (aufruf.Hat("--delete")) {
        regeln.erase(regeln.begin() + static_cast<long>(Position(aufruf, "--delete", regeln.size())));
    } else if (aufruf.Hat("--move")) {
        const size_t von = Position(aufruf, "--move", regeln.size());
        const size_t nach = Position(aufruf, "--to", regeln.size());
        Importregel regel = std::move(regeln[von]);
        regeln.erase(regeln.begin() + static_cast<long>(von));
        regeln.insert(regeln.begin() + static_cast<long>(nach), std::move(regel));
    }
    aus << Liste(regeln).dump() << '\n';
    if (!aufruf.Hat("--save") || aktionen == 0 || aufruf.Hat("--list"))
        return kFertig;
    Buchsperre sperre(aufruf.Ordner());
    if (!SperreZumSpeichern(sperre, aufruf.Ordner(), aufruf.Hat("--force-unlock"), fehler))
        return kFehlgeschlagen;
    gedaechtnis.bGeaendert = true;
    if (SpeichereGedaechtnis(aufruf.Ordner(), gedaechtnis) != 0) {
        fehler << "velmora-cli: cannot write " << GedaechtnisPfad(aufruf.Ordner()) << '\n';
        return kFehlgeschlagen;
    }
    return kFertig;
}

} // namespace velmora::cli
