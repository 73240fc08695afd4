#pragma once

// The commands of the category editor. Transactions and standing orders name their category and
// sub-category by text. A sub-category is matched by its name alone, whatever the category beside it.
// Names are compared without regard to case.

#include "Verwaltung.h"

#include <string>

namespace velmora {

class CBasis;
struct CKategorie;
struct CUKategorie;

// A category or sub-category (a category is a CUKategorie too) counts as deleted while its status is negative.
bool IstGeloescht(const CUKategorie& eintrag);
CKategorie* Kategorie(CBasis& basis, int kategorie);
CUKategorie* UKategorie(CBasis& basis, int kategorie, int ukategorie);

Ausgang ErstelleKategorie(CBasis& basis, const std::string& name);
Ausgang ErstelleUKategorie(CBasis& basis, int kategorie, const std::string& name);

// An empty new name is accepted.
Ausgang BenenneKategorieUm(CBasis& basis, int kategorie, const std::string& neuerName, const Bestaetigung& frage);
Ausgang BenenneUKategorieUm(CBasis& basis, int kategorie, int ukategorie, const std::string& neuerName,
                            const Bestaetigung& frage);

Ausgang LoescheKategorie(CBasis& basis, int kategorie, const Bestaetigung& frage);
Ausgang LoescheUKategorie(CBasis& basis, int kategorie, int ukategorie, const Bestaetigung& frage);

Ausgang StelleKategorieWiederHer(CBasis& basis, int kategorie);
Ausgang StelleUKategorieWiederHer(CBasis& basis, int kategorie, int ukategorie);

// Removes a deleted category with all its sub-categories.
Ausgang LoescheKategorieEndgueltig(CBasis& basis, int kategorie);
Ausgang LoescheUKategorieEndgueltig(CBasis& basis, int kategorie, int ukategorie);

} // namespace velmora
