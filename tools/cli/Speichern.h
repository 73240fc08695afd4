#pragma once

// The book's lock and its save as velmora-cli's writing commands take and make them, as the program does.

#include "Ausgaenge.h"

#include <iosfwd>
#include <string>

namespace velmora {
class Buchsperre;
class CBasis;
} // namespace velmora

namespace velmora::cli {

// Takes the book's lock before a command writes the folder, as the program does; refuses, with the
// reason in fehler, while a program holds the book or a crashed run's unsaved changes wait for it.
// `erzwingen` (--force-unlock) takes over a lock that is damaged or names another computer.
bool SperreZumSpeichern(Buchsperre& sperre, const std::string& ordner, bool erzwingen, std::ostream& fehler);

// What "Ende" writes, as the program writes it, with what went wrong told in fehler: kFertig,
// kFehlgeschlagen (nothing was saved) or kOhneSicherung.
int Speichere(CBasis& basis, std::ostream& fehler);

// A save cut off after its journal stood is completed before anything reads the book, unless a
// program holds the book (its save may be under way).
void VollendeUnterbrocheneSpeicherung(const std::string& ordner);

} // namespace velmora::cli
