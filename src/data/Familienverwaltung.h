#pragma once

// The commands of the settings window on the family, its members and their accounts. Names are
// compared without regard to case, by the code page's rules. Members and accounts are addressed by
// their index in the current family and in the member's account list.

#include "Verwaltung.h"

#include <string>

namespace velmora {

class CBasis;
struct CFAMILY;
struct CKonto;
struct CPerson;

// The account every member gets with the member; it can be neither renamed nor deleted.
bool IstBarKonto(const std::string& name);
// "Bar" in a German book, "Cash" in an English one.
std::string BarKontoName(const CBasis& basis);

// A member or account counts as deleted while its status is below 1.
bool IstGeloescht(const CPerson& person);
bool IstGeloescht(const CKonto& konto);

// The family the editors work on; an empty store gets an empty family first.
CFAMILY& StelleFamilieSicher(CBasis& basis);
// Null for an index outside the lists.
CPerson* Mitglied(CBasis& basis, int mitglied);
CKonto* Konto(CBasis& basis, int mitglied, int konto);

// A new family name. Every month is first loaded under the prefix of the name the family had when the
// window opened, then all are marked, so that the next save writes every month under the new prefix.
void SetzeFamilienName(CBasis& basis, const std::string& nameBeimOeffnen, const std::string& neuerName);

// Appends a member with its cash account.
Ausgang ErstelleMitglied(CBasis& basis, const std::string& name);
// Renames a member and every payer, payee and beneficiary naming it. A member used in bookings is
// renamed only when the user confirms.
Ausgang BenenneMitgliedUm(CBasis& basis, int mitglied, const std::string& neuerName, const Bestaetigung& frage);
// Deletes a member restorably. For a member used in bookings, after confirmation, every active
// transaction naming it is cancelled and every active standing order naming it stamped.
Ausgang LoescheMitglied(CBasis& basis, int mitglied, const Bestaetigung& frage);
Ausgang StelleMitgliedWiederHer(CBasis& basis, int mitglied);
// Removes a deleted member with its accounts, and every transaction and standing order carrying the
// stamp of the member or of one of its deleted accounts.
Ausgang LoescheMitgliedEndgueltig(CBasis& basis, int mitglied);

Ausgang ErstelleKonto(CBasis& basis, int mitglied, const std::string& name, double startBetrag);
// Renames an account of the member and every payer and payee naming exactly that account.
Ausgang BenenneKontoUm(CBasis& basis, int mitglied, int konto, const std::string& neuerName, const Bestaetigung& frage);
Ausgang LoescheKonto(CBasis& basis, int mitglied, int konto, const Bestaetigung& frage);
Ausgang StelleKontoWiederHer(CBasis& basis, int mitglied, int konto);
Ausgang LoescheKontoEndgueltig(CBasis& basis, int mitglied, int konto);
// Sets a balance without booking anything.
Ausgang AendereKontostand(CBasis& basis, int mitglied, int konto, double betrag);

// An amount as the editor's fields take it: empty counts as "0", every comma becomes a point, the value
// is the leading decimal number of the text (0 when there is none).
struct Betragseingabe
{
    std::string strText;
    double dWert = 0.0;
};
Betragseingabe LiesBetragsfeld(const std::string& text);

} // namespace velmora
