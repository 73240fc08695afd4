#pragma once

// The commands of the external-accounts editor. A transaction names an external account by its bare
// name as payer or payee; names are compared without regard to case, always as whole fields.

#include "Verwaltung.h"

#include <string>

namespace velmora {

class CBasis;
struct CZIELKONTO;

// An external account counts as deleted while its status is 0 or below.
bool IstGeloescht(const CZIELKONTO& ziel);
CZIELKONTO* FremdKonto(CBasis& basis, int index);

Ausgang ErstelleFremdKonto(CBasis& basis, const std::string& name);
// An empty new name is accepted.
Ausgang BenenneFremdKontoUm(CBasis& basis, int index, const std::string& neuerName, const Bestaetigung& frage);
Ausgang LoescheFremdKonto(CBasis& basis, int index, const Bestaetigung& frage);
Ausgang StelleFremdKontoWiederHer(CBasis& basis, int index);
Ausgang LoescheFremdKontoEndgueltig(CBasis& basis, int index);

} // namespace velmora
