#pragma once

// The rows of the entry window's five picker lists. They live in the first five m_arrTempListen of the
// store, one TempList per row in display order; filling empties a list and appends its rows, sorting
// permutes them.

#include "Records.h"

#include <string>
#include <vector>

namespace velmora {

class CBasis;

enum Auswahlliste
{
    kZahlerListe = 0,
    kEmpfaengerListe = 1,
    kNutzniesserListe = 2,
    kKategorieListe = 3,
    kUKategorieListe = 4,
    kAnzahlAuswahllisten = 5
};

// Bits of a fill mask: 1 payer, 2 payee, 4 beneficiary, 8 category, 16 sub-category.
constexpr int MaskeVon(Auswahlliste liste)
{
    return 1 << liste;
}
constexpr int kAlleAuswahllisten = 31;

// Fills one list afresh from the store; nothing when there is no family. The sub-category list takes the
// active sub-categories of the store's category at kategorieIndex (none for an index out of range).
//   payer:       active accounts of active members ("member, account"), then active external accounts
//   payee:       active external accounts, then the active accounts of every member
//   beneficiary: "Alle" / "All" (the whole family), then the active members
//   category:    active categories in the store's (usage) order
void FuelleAuswahl(CBasis& basis, Auswahlliste liste, int kategorieIndex);

// The refill of the payer or the payee list after the settings changed accounts: both lists alike take
// the active accounts of every member ("member, account") first, then the active external accounts.
void FuelleKontenAuswahl(CBasis& basis, Auswahlliste liste);

// The rows FuelleAuswahl gives, as texts, leaving the store's picker lists as they are (an open entry
// window shows them).
std::vector<std::string> AuswahlTexte(CBasis& basis, Auswahlliste liste, int kategorieIndex);

// Sorts the rows by the list comparison (case-blind, only digits and letters a to z count), ascending
// or descending, by exchange: equal rows are never swapped with each other, but a smaller row that
// follows them can change their order.
void SortiereAuswahl(OwnedList<TempList>& zeilen, bool absteigend);

// The first row with exactly this text, or -1.
int ZeileMitText(const OwnedList<TempList>& zeilen, const std::string& text);

// Position of the store's first category with this name, deleted ones included, or -1.
int KategoriePosition(const CBasis& basis, const std::string& name);

// Payer and payee rows that begin with the name of a member of the current family are drawn blue.
bool BeginntMitMitglied(const CBasis& basis, const std::string& zeile);

// The entry remembered from the last booking to this payee, or null.
const CInOut* VorlageFuer(const CBasis& basis, const std::string& empfaenger);

} // namespace velmora
