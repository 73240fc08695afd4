#include "Buchbefehle.h"

#include "Basis.h"
#include "Buchsperre.h"
#include "Druckbefehl.h"
#include "Json.h"
#include "Ladehilfen.h"
#include "Speichern.h"
#include "Start.h"
#include "Text.h"
#include "Vergleich.h"
#include "VergleichJson.h"

#include <algorithm>
#include <ostream>

namespace velmora::cli {

int Dump(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    CBasis basis;
    if (!LadeEinstellungen(basis, aufruf, fehler))
        return kFehlgeschlagen;
    if (aufruf.Hat("--all-months"))
        LadeAlleMonate(basis);
    else
        basis.LadeMonat(basis.m_nHeute);
    MeldeSchaeden(basis, fehler);
    SchreibeJson(aus, basis);
    aus << '\n';
    return kFertig;
}

int Startup(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int heute = aufruf.Datum("--today");
    const int jetzt = aufruf.Uhrzeit("--now");
    if (!OrdnerVorhanden(aufruf.Ordner(), fehler))
        return kFehlgeschlagen;
    // Saving changes the book: like the program, it waits for no other run and leaves a crashed run's
    // unsaved changes to the program, which offers them back.
    Buchsperre sperre(aufruf.Ordner());
    if (aufruf.Hat("--save") && !SperreZumSpeichern(sperre, aufruf.Ordner(), aufruf.Hat("--force-unlock"), fehler))
        return kFehlgeschlagen;
    CBasis basis;
    basis.m_uhr = FesteUhr(heute, jetzt);
    StarteDaten(basis, aufruf.Ordner());
    const int status = aufruf.Hat("--save") ? Speichere(basis, fehler) : kFertig;
    MeldeSchaeden(basis, fehler);
    SchreibeJson(aus, basis);
    aus << '\n';
    return status;
}

int Compare(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int jahrA = static_cast<int>(aufruf.Zahl("--years", 1000, 9999));
    const int jahrB = static_cast<int>(aufruf.Zahl("--years", 1000, 9999, 1));
    const int monatA = static_cast<int>(aufruf.Zahl("--months", 1, 12));
    const int monatB = static_cast<int>(aufruf.Zahl("--months", 1, 12, 1));
    CBasis basis;
    if (!LadeEinstellungen(basis, aufruf, fehler))
        return kFehlgeschlagen;
    const long letzte = kAuswahlKategorie + static_cast<long>(basis.m_arrKategorien.size()) - 1;
    const int auswahl = aufruf.Hat("--selection") ? static_cast<int>(aufruf.Zahl("--selection", 0, letzte)) : 0;
    const bool mitName = auswahl >= kAuswahlFamilienKonto && auswahl <= kAuswahlNutzniesser;
    if (aufruf.Hat("--item") && !mitName)
        throw Benutzungsfehler("--item belongs to --selection 1, 2 or 3");

    const std::vector<std::string> namen = Vergleichsnamen(basis, auswahl);
    std::string name = namen.empty() ? std::string() : namen.front();
    if (aufruf.Hat("--item")) {
        name = Utf8ZuCp1252(aufruf.Wert("--item"));
        if (std::find(namen.begin(), namen.end(), name) == namen.end()) {
            fehler << "velmora-cli: selection " << auswahl << " has no item '" << aufruf.Wert("--item") << "'\n";
            return kFehlgeschlagen;
        }
    }
    // As in the window: the periods are set for the whole family, which sets the scale, then the selection.
    Vergleich vergleich(basis);
    vergleich.Beginne();
    vergleich.SetzePerioden(jahrA, monatA, jahrB, monatB);
    vergleich.Waehle(auswahl, name);
    MeldeSchaeden(basis, fehler);
    if (aufruf.Hat("--pdf"))
        return VergleichsPdf(basis, vergleich, aufruf, aus, fehler);
    aus << AlsJson(vergleich).dump() << '\n';
    return kFertig;
}

} // namespace velmora::cli
