#pragma once

// What the three settings editors share: asking before transactions are touched, deletion stamps,
// rewriting references, restoring and deleting for good by stamp.
//
// Every command that draws a stamp, restores or deletes for good first loads every month from the first
// one to today. Then a stamp is lower than every status already on disk, so it never meets a
// transaction deleted in an earlier run, and restoring and deleting for good see every transaction that
// carries it. Every month whose transactions change is marked, so that it is written at the next save.

#include "Text.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace velmora {

class CBasis;

// The question an editor puts to the user before it rewrites or cancels transactions that name an item.
struct Rueckfrage
{
    enum Modus
    {
        kUmbenennen = 0,
        kLoeschen = 1,
    };
    int nModus = kUmbenennen;
    std::string strName; // the item as transactions name it
    std::string strNeu;  // the name it is to get (renaming)
    int nFilterArt = 0;  // overview filter kind that lists the transactions concerned
};

// Answers true when the user confirms.
using Bestaetigung = std::function<bool(const Rueckfrage&)>;

enum class Ausgang
{
    kErledigt,
    kExistiert,     // another item (or the item itself) already has the name
    kLeer,          // the name is empty
    kAbgebrochen,   // the user did not confirm; nothing changed
    kNichtMoeglich, // no such item, or the command does not apply to it
};

// Overview filter kinds the editors hand to the confirmation.
constexpr int kFilterKonto = 1;
constexpr int kFilterKategorie = 4;
constexpr int kFilterUKategorie = 5;
constexpr int kFilterPerson = 10;
constexpr int kFilterFremdKonto = 12;

// The text fields of transactions and standing orders that name other records.
enum class Feld
{
    kAuftraggeber,
    kEmpfaenger,
    kNutzniesser,
    kKategorie,
    kUKategorie,
};

// Whether one field's text names the item.
using Nennt = std::function<bool(Feld feld, const std::string& text)>;
// Changes one field's text in place where it names the item; answers whether it did.
using Ersetze = std::function<bool(Feld feld, std::string& text)>;

// Whether any entry of a list, deleted ones included, has the name in any letter case.
template<class Liste>
bool NameVergeben(const Liste& liste, const std::string& name)
{
    return std::any_of(liste.begin(), liste.end(),
                       [&name](const auto& eintrag) { return GleichOhneGross(eintrag->m_strName, name); });
}

// Puts the question; without anyone to ask nothing is confirmed.
bool Bestaetigt(const Bestaetigung& frage, int modus, const std::string& name, const std::string& neu, int filterArt);

inline bool IstZahlerOderEmpfaenger(Feld feld)
{
    return feld == Feld::kAuftraggeber || feld == Feld::kEmpfaenger;
}

// The reference to an own account: "member, account".
std::string KontoVerweis(const std::string& person, const std::string& konto);
// Whether a payer or payee names the member: the text before its first comma, the comma not first.
bool NenntPerson(const std::string& verweis, const std::string& person);
// A payer or payee naming the member with the member part replaced, or unchanged.
bool ErsetzePerson(std::string& verweis, const std::string& alt, const std::string& neu);

// Loads every month and draws the next deletion stamp.
int NeuerStempel(CBasis& basis);
// Marks every loaded month to be written.
void MarkiereGeladeneMonate(CBasis& basis);

// Rewrites every transaction, standing order and remembered entry, deleted ones included, after loading
// every month. Marks the months of the changed transactions.
void SchreibeVerweiseUm(CBasis& basis, const Ersetze& ersetze);

// Cancels every active transaction that names the item (its booking comes off the balances and it gets
// the stamp) and gives every active standing order that names it the stamp. The stamp must be the
// store's current m_nLoeschNr. Marks the months of the cancelled transactions.
void StorniereMitStempel(CBasis& basis, const Nennt& nennt);

// Books every transaction with the stamp again and makes every standing order with it active.
void StelleStempelWiederHer(CBasis& basis, int stempel);

// Removes every transaction and standing order that carries one of the stamps. Only negative stamps
// count, so active transactions are never removed.
void EntferneStempel(CBasis& basis, const std::vector<int>& stempel);

} // namespace velmora
