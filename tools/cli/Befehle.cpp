#include "Befehle.h"

#include "Aufruf.h"
#include "Auftraege.h"
#include "Basis.h"
#include "Buchbefehle.h"
#include "Buchsperre.h"
#include "Import.h"
#include "Listenbefehle.h"
#include "Schreibjournal.h"
#include "Start.h"
#include "Vorschaubefehl.h"
#include "Wartungsbefehle.h"
#include "Wiederherstellung.h"

#include <filesystem>
#include <ostream>

namespace velmora::cli {

namespace {

// A save cut off after its journal stood is completed before anything reads the book, unless a
// program holds the book (its save may be under way).
void VollendeUnterbrocheneSpeicherung(const std::string& ordner)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(ordner, ec))
        return;
    Buchsperre sperre(ordner);
    if (sperre.Nimm() == Buchsperre::Zustand::kGenommen)
        VollendeSpeicherung(ordner);
}

struct Befehl
{
    const char* name;
    Optionen optionen;
    int (*ausfuehren)(const Aufruf&, std::ostream&, std::ostream&);
};

// One entry per command: its name, its options (with value, switches, required) and the function that
// runs it, which lives with its family of commands.
const std::vector<Befehl>& Befehle()
{
    static const std::vector<Befehl> befehle = {
        {"dump", {{"--today"}, {"--all-months"}, {}}, Dump},
        {"startup", {{"--today", "--now"}, {"--save", "--force-unlock"}, {"--today", "--now"}}, Startup},
        {"list",
         {{"--from", "--to", "--today", "--filter", "--key", "--category", "--within", "--sort", "--export"},
          {"--all-months", "--ascending"},
          {"--from", "--to"}},
         List},
        {"orders", {{"--today", "--filter", "--key", "--sort"}, {"--ascending"}, {}}, Orders},
        {"order",
         {{"--today", "--nr", "--day", "--weekday", "--dates", "--amount", "--first", "--last", "--active", "--payer",
           "--payee", "--beneficiary", "--category", "--subcategory", "--comment"},
          {"--new", "--open-ended", "--delete", "--restore", "--purge", "--save", "--force-unlock"},
          {}},
         Order},
        {"purge", {{"--today", "--date", "--index"}, {"--save", "--force-unlock"}, {"--date", "--index"}}, Purge},
        {"generate", {{"--years", "--seed", "--today", "--orders"}, {"--english"}, {"--years"}}, Generate},
        {"stats", {{"--today"}, {}, {"--today"}}, Stats},
        {"compare",
         {{"--today", "--selection", "--item"}, {}, {"--today", "--years", "--months"}, {"--years", "--months"}},
         Compare},
        {"import",
         {{"--account", "--today", "--tolerance", "--columns"}, {"--save", "--force-unlock"}, {"--today"}, {}, true},
         Import},
        {"backups", {{}, {}, {}}, Backups},
        {"forecast", {{"--today", "--until", "--account"}, {}, {"--today"}}, Forecast},
    };
    return befehle;
}

} // namespace

bool SperreZumSpeichern(Buchsperre& sperre, const std::string& ordner, bool erzwingen, std::ostream& fehler)
{
    Buchsperre::Zustand zustand = sperre.Nimm();
    if (zustand == Buchsperre::Zustand::kZweifelhaft && erzwingen) {
        fehler << "velmora-cli: --force-unlock: " << sperre.Meldung(false).toStdString() << '\n';
        zustand = sperre.NimmTrotzdem();
    }
    if (zustand != Buchsperre::Zustand::kGenommen) {
        fehler << "velmora-cli: " << sperre.Meldung(false).toStdString() << '\n';
        if (zustand == Buchsperre::Zustand::kZweifelhaft)
            fehler << "velmora-cli: when you are sure no program uses the book, add --force-unlock\n";
        return false;
    }
    VollendeSpeicherung(ordner);
    if (HatWiederherstellung(ordner)) {
        fehler << "velmora-cli: " << WiederherstellungsPfad(ordner)
               << " holds the unsaved changes of a run that ended unexpectedly; start the program to restore or "
                  "discard them first\n";
        return false;
    }
    return true;
}

int Speichere(CBasis& basis, std::ostream& fehler)
{
    if (SpeichereAlles(basis) != 0) {
        for (const std::string& datei : basis.m_schreibgeschuetzteDateien)
            fehler << "velmora-cli: " << datei << " is read-only; nothing was saved\n";
        for (const std::string& datei : basis.m_nichtGeschriebeneDateien)
            fehler << "velmora-cli: cannot write " << datei << "; nothing was saved\n";
        return kFehlgeschlagen;
    }
    if (!basis.m_strSicherungsfehler.empty()) {
        fehler << "velmora-cli: the book was saved, but no backup could be made: " << basis.m_strSicherungsfehler
               << '\n';
        return kOhneSicherung;
    }
    return kFertig;
}

int FuehreAus(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler)
{
    if (!argumente.empty() && (argumente.front() == "--help" || argumente.front() == "help")) {
        aus << Benutzung();
        return kFertig;
    }
    try {
        if (argumente.empty())
            throw Benutzungsfehler("a command is missing");
        for (const Befehl& befehl : Befehle()) {
            if (argumente.front() != befehl.name)
                continue;
            const Aufruf aufruf(std::vector<std::string>(argumente.begin() + 1, argumente.end()), befehl.optionen);
            if (befehl.ausfuehren != Generate)
                VollendeUnterbrocheneSpeicherung(aufruf.Ordner());
            return befehl.ausfuehren(aufruf, aus, fehler);
        }
        throw Benutzungsfehler("unknown command " + argumente.front());
    } catch (const Benutzungsfehler& e) {
        fehler << "velmora-cli: " << e.what() << "\n\n" << Benutzung();
        return kFalscheBenutzung;
    }
}

} // namespace velmora::cli
