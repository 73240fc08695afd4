#pragma once

// The data side of starting and ending the program.

#include <string>

namespace velmora {

class CBasis;

// Start-up in the order the main window runs it: clock, default colours, data folder, settings file,
// current month, start date of the catch-up, usage sorting, due standing orders. A run that restores
// the recovery copy of a run that ended unexpectedly reads the copy's settings and months in place of
// the data folder's before anything else, so that the catch-up books nothing twice; the restored
// months count as changed. Answers how many standing-order bookings the catch-up made.
int StarteDaten(CBasis& basis, const std::string& datenOrdner, bool wiederherstellen = false);

// The first day the start-up catches up: the day after the last run, not before the book's first month.
int NachholBeginn(const CBasis& basis);

// Where the book lives: a folder named on the command line wins, then the setting "Path", then the
// current folder when it holds a book. Empty when none applies: the first run asks.
std::string WaehleDatenOrdner(const std::string& argument, const std::string& pfad, const std::string& aktuell);

// The folder a typed answer names, made absolute: "~" and "~/..." lie in the home folder, and so does
// a relative path, wherever the program was started; "." and ".." steps are resolved.
std::string AbsoluterOrdner(const std::string& eingabe, const std::string& heim);

// What "Ende" writes when a family exists: every changed month, then the settings file, all or nothing,
// after a backup of what it replaces. 0 when everything was written; -1 when nothing was, with the
// failed files in m_nichtGeschriebeneDateien or m_schreibgeschuetzteDateien. A backup that could not be
// made leaves its reason in m_strSicherungsfehler; the save goes on.
int SpeichereAlles(CBasis& basis);

} // namespace velmora
