#pragma once

// How the settings editors ask before they rewrite or cancel transactions that name an entry.

#include "Verwaltung.h"

#include <functional>
#include <string>

class QWidget;

namespace velmora {

class CBasis;

// The rename/delete confirmation: mode 0 rename, 1 delete; the entry as transactions name it, its new
// name, and the overview filter kind that lists the transactions concerned. Answers 1 for a confirmed
// rename, 2 for a confirmed deletion, 0 when cancelled. The main window sets it to the entry dialogs'
// confirmation; tests answer it directly.
using Eintragsfrage = std::function<int(int modus, const std::string& name, const std::string& neu, int filterArt)>;

// The question in the form the data layer puts it. Without a confirmation set, a plain message box asks.
Bestaetigung AlsBestaetigung(const Eintragsfrage& frage, QWidget* eltern, const CBasis& basis);

} // namespace velmora
