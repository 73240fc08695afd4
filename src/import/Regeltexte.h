#pragma once

// A rule of the import in words, for the rules list and the preview's rule column: what it asks of a
// line and what it sets, in the book's language.

#include <QString>

namespace velmora {

struct Importregel;

QString Bedingungstext(const Importregel& regel, bool deutsch);
QString Wirkungstext(const Importregel& regel, bool deutsch);

// Why a rule cannot be kept, for the rule dialog's message line.
enum class Regelfehler;
QString Fehlertext(Regelfehler fehler, bool deutsch);

} // namespace velmora
