#pragma once

// From statement lines to bookings: which family account a statement belongs to, which external account
// a counterparty is, what the entry window would pre-fill, which lines are already in the book, and the
// booking of the lines the user keeps.

#include "Kontoauszug.h"

#include <string>
#include <vector>

namespace velmora {

class CBasis;

constexpr int kStandardToleranz = 2; // days a duplicate's date may differ

// The family account remembered for the statement, or "" when it is unknown or no longer exists.
std::string BekanntesKonto(const CBasis& basis, const Importgedaechtnis& gedaechtnis, const Kontoauszug& auszug);

// The IBAN `konto` is remembered for when the statement names another one; "" when the statement names
// none or the account holds no other IBAN. A statement is never booked into the account of another IBAN.
std::string KontoAndererIban(const Importgedaechtnis& gedaechtnis, const Kontoauszug& auszug, const std::string& konto);

// Remembers the family account of a statement (by its IBAN, else by its file layout).
void MerkeKonto(Importgedaechtnis& gedaechtnis, const Kontoauszug& auszug, const std::string& konto);

// The active family accounts, "member, account", in the order of the payer list.
std::vector<std::string> Familienkonten(const CBasis& basis);

// The external account a counterparty name is booked on: the remembered one, else the active external
// account with the longest name that the counterparty's name starts with or equals (picker comparison:
// case, umlauts and punctuation do not count; names shorter than three characters never match), else
// the shortened name, spelt as an existing account of that name (deleted ones too) when there is one.
std::string Fremdkonto(const CBasis& basis, const Importgedaechtnis& gedaechtnis, const Auszugszeile& zeile,
                       const std::vector<std::string>& neueNamen = {});

// The memory key of a counterparty: its IBAN, else its name.
std::string Gegenkennung(const Auszugszeile& zeile);

// One proposal per line of every statement; konten[i] is the family account of auszuege[i]. Loads the
// months the statements cover (with the tolerance around them). A line is a duplicate when its entry
// reference was booked before, when an active transaction of the book on the same family account with
// the same amount and direction lies within the tolerance, or when another statement of this import
// already proposes it (a transfer between two family accounts appears in both their statements). Each
// transaction and each proposal stands for one line only, so two equal card payments of one day are two
// lines. The first matching rule of the memory fills a line, before what the entry window would pre-fill
// (Importregel.h). Ticked: every line in euros that is no duplicate and has a category; a line in another currency
// carries its currency at the front of the comment.
Importergebnis ErstelleVorschlaege(CBasis& basis, const Importgedaechtnis& gedaechtnis,
                                   const std::vector<Kontoauszug>& auszuege, const std::vector<std::string>& konten,
                                   int toleranz = kStandardToleranz);

// Whether a proposal can be booked: both sides given and different, an amount and a category.
bool Buchbar(const Importvorschlag& vorschlag);

// The dates and the family account of the booked lines, for showing them afterwards.
struct Buchungszeitraum
{
    int nAnzahl = 0;
    int nVon = 0;
    int nBis = 0;
    std::string strKonto; // the statements' family account; empty when the lines came from several
};

// Names the external accounts of a booking into their list: a new name as a new account, a deleted one
// back into the list.
void NenneFremdkonten(CBasis& basis, const Buchungseingabe& eingabe);

// Books every ticked, bookable proposal through the entry window's booking (BucheNeu), creating the
// external accounts it names, and remembers the counterparties and entry references.
Buchungszeitraum BucheVorschlaege(CBasis& basis, Importgedaechtnis& gedaechtnis,
                                  const std::vector<Importvorschlag>& vorschlaege);

} // namespace velmora
