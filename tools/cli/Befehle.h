#pragma once

// velmora-cli's command line sent to its command, and the lock and save its writing commands share.

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora {
class Buchsperre;
class CBasis;
} // namespace velmora

namespace velmora::cli {

constexpr int kFertig = 0;
constexpr int kFehlgeschlagen = 1;
constexpr int kFalscheBenutzung = 2;
// The book was saved, but its backup could not be made.
constexpr int kOhneSicherung = 3;

// Runs one command line (without the program name): results go to aus, complaints to fehler.
// Returns the exit status.
int FuehreAus(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler);

// Takes the book's lock before a command writes the folder, as the program does; refuses, with the
// reason in fehler, while a program holds the book or a crashed run's unsaved changes wait for it.
// `erzwingen` (--force-unlock) takes over a lock that is damaged or names another computer.
bool SperreZumSpeichern(Buchsperre& sperre, const std::string& ordner, bool erzwingen, std::ostream& fehler);

// What "Ende" writes, as the program writes it, with what went wrong told in fehler: kFertig,
// kFehlgeschlagen (nothing was saved) or kOhneSicherung.
int Speichere(CBasis& basis, std::ostream& fehler);

} // namespace velmora::cli
