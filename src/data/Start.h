#pragma once

// The data side of starting and ending the program.

#include <string>

namespace velmora {

class CBasis;

// Start-up in the order the main window runs it: clock, default colours, data folder, settings file,
// current month, start date of the catch-up, usage sorting, due standing orders.
void StarteDaten(CBasis& basis, const std::string& datenOrdner);

// What "Ende" writes when a family exists: every changed month, then the settings file.
// 0 when everything was written; -1 otherwise, with the failed files in m_nichtGeschriebeneDateien.
int SpeichereAlles(CBasis& basis);

} // namespace velmora
