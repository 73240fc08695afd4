#include "Speichern.h"

#include "Basis.h"
#include "Buchsperre.h"
#include "Schreibjournal.h"
#include "Start.h"
#include "Wiederherstellung.h"

#include <filesystem>
#include <ostream>

namespace velmora::cli {

void VollendeUnterbrocheneSpeicherung(const std::string& ordner)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(ordner, ec))
        return;
    Buchsperre sperre(ordner);
    if (sperre.Nimm() == Buchsperre::Zustand::kGenommen)
        VollendeSpeicherung(ordner);
}

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

} // namespace velmora::cli
