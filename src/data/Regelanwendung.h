#pragma once

// What a rule of the import would do before it is kept: the statement lines and the bookings of the book
// it matches, and the changes it would make to those bookings, applied only to the ones the user ticks.
// Against a booking, a name condition tests its external account (the payer of an income, the payee of an
// expense), a purpose condition its comment, and an IBAN condition the external account the import
// remembers for that IBAN. Transfers between family accounts have no counterparty and never match.

#include "Kontoauszug.h"

#include <string>
#include <vector>

namespace velmora {

class CBasis;
struct CInOut;

// Fills a proposal's fields from the rule: the external side (not on a transfer between family accounts),
// the beneficiary, and the category with its sub-category where they are active. The comment is the
// caller's: a statement line keeps its currency in front of it.
void Uebernimm(const CBasis& basis, const Importregel& regel, Buchungseingabe& eingabe, bool eingang, bool umbuchung);

// A rule made from a preview line: its counterparty's name and direction as conditions, and what the
// line holds now (its external account, beneficiary, category and sub-category) as what it sets.
Importregel RegelAusZeile(const CBasis& basis, const Auszugszeile& zeile, const Importvorschlag& vorschlag);

// One statement line a rule matches.
struct Zeilentreffer
{
    size_t nAuszug = 0;
    size_t nZeile = 0;
};

// The lines with an amount (those the preview proposes) that the rule matches.
std::vector<Zeilentreffer> TreffeZeilen(const Importregel& regel, const std::vector<Kontoauszug>& auszuege);

// Loads every month of the book, leaving the names of its first and last file as they were.
void LadeBuchFuerRegeln(CBasis& basis);

// The positions in m_arrInOut of the active bookings of the loaded months that the rule matches, by date.
std::vector<size_t> TreffeBuchungen(const CBasis& basis, const Importgedaechtnis& gedaechtnis,
                                    const Importregel& regel);

// What the rule dialog shows before a rule is kept: the lines of the import's statements and the
// bookings of the loaded months that the rule matches, out of how many it could match.
struct Regelvorschau
{
    std::vector<Zeilentreffer> zeilen;
    size_t nZeilenGesamt = 0;
    std::vector<size_t> buchungen;
    size_t nBuchungenGesamt = 0; // active bookings with an external account

    bool Nichts() const { return zeilen.empty() && buchungen.empty(); }
    // Every line of a statement of several lines, or every booking of a book of several.
    bool Alles() const
    {
        return (nZeilenGesamt > 1 && zeilen.size() == nZeilenGesamt) ||
               (nBuchungenGesamt > 1 && buchungen.size() == nBuchungenGesamt);
    }
};

Regelvorschau SchaueVoraus(const CBasis& basis, const Importgedaechtnis& gedaechtnis, const Importregel& regel,
                           const std::vector<Kontoauszug>& auszuege);

// A booking a rule would change, with what it holds now and what it would hold.
struct Regelaenderung
{
    int nIndex = 0; // m_nIndex of the transaction
    Buchungseingabe alt;
    Buchungseingabe neu;
};

// The matched bookings on which the rule would change anything, by date.
std::vector<Regelaenderung> Regelaenderungen(const CBasis& basis, const Importgedaechtnis& gedaechtnis,
                                             const Importregel& regel);

// Applies the changes through the booking update of the entry window's edit (balances, usage counts and
// months stay right), naming new external accounts into their list. Returns how many were applied; one
// whose booking is gone or no longer editable is left out.
int WendeAn(CBasis& basis, const std::vector<Regelaenderung>& aenderungen);

} // namespace velmora
