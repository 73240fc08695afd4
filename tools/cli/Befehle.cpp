#include "Befehle.h"

#include "Aufruf.h"
#include "Auftraege.h"
#include "Buchbefehle.h"
#include "Import.h"
#include "Listenbefehle.h"
#include "Regeln.h"
#include "Speichern.h"
#include "Vorschaubefehl.h"
#include "Wartungsbefehle.h"

#include <ostream>

namespace velmora::cli {

namespace {

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
         {{"--from", "--to", "--today", "--filter", "--key", "--category", "--within", "--sort", "--export", "--pdf"},
          {"--all-months", "--ascending", "--portrait", "--landscape", "--without-deleted"},
          {"--from", "--to"}},
         List},
        {"orders",
         {{"--today", "--filter", "--key", "--sort", "--pdf"},
          {"--ascending", "--portrait", "--landscape", "--without-deleted"},
          {}},
         Orders},
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
         {{"--today", "--selection", "--item", "--pdf"},
          {"--portrait", "--landscape", "--without-deleted"},
          {"--today", "--years", "--months"},
          {"--years", "--months"}},
         Compare},
        {"import",
         {{"--account", "--today", "--tolerance", "--columns"}, {"--save", "--force-unlock"}, {"--today"}, {}, true},
         Import},
        {"rules",
         {{"--add", "--delete", "--move", "--to", "--test", "--apply", "--pick", "--today"},
          {"--list", "--save", "--force-unlock"},
          {},
          {},
          true},
         Regeln},
        {"backups", {{}, {}, {}}, Backups},
        {"forecast", {{"--today", "--until", "--account"}, {}, {"--today"}}, Forecast},
    };
    return befehle;
}

} // namespace

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
