#pragma once

// Booking from the entry window: reading the typed amount, telling family accounts from external ones
// in a picker row, and committing a new or an edited transaction with everything it changes in the store.

#include <string>
#include <string_view>
#include <utility>

namespace velmora {

class CBasis;
struct CKonto;

// The amount as typed. Comma and point both separate the decimals; blanks before the number are skipped
// and the longest leading number counts, as atof reads it in the C locale, whatever locale the program
// runs in. A text without a number, and a number too large to hold, read as 0.
double LiesBetrag(std::string_view text);

// One side of a booking, payer or payee, as chosen in a picker row.
struct Kontoseite
{
    std::string strPerson; // the member; for an external account the account's whole name
    std::string strKonto;  // the member's account; empty for an external account
    bool bFamilie = false; // an account of a member of the current family

    // The text a transaction stores for this side: "member, account" or the external name.
    std::string Referenz() const;
};

// A row names a family account when the current family has that member with that account
// ("%s, %s"); any other row names an external account by its whole text, commas included.
Kontoseite TeileZeile(const CBasis& basis, const std::string& zeile);

// The account a family side names, or null for an external side.
const CKonto* KontoVon(const CBasis& basis, const Kontoseite& seite);

// What the entry form holds at a commit.
struct Buchungseingabe
{
    std::string strZahler;     // payer row text
    std::string strEmpfaenger; // payee row text
    std::string strNutzniesser;
    std::string strKategorie;
    std::string strUKategorie;
    std::string strKommentar;
    double dBetrag = 0.0;
    int nDatum = 0; // yyyymmdd
};

// Takes the form's payer and payee (as the references a record stores), beneficiary, category,
// sub-category, comment and amount into a transaction or a standing order; answers the two sides.
template<class Eintrag>
std::pair<Kontoseite, Kontoseite> UebernimmFormular(const CBasis& basis, Eintrag& eintrag,
                                                    const Buchungseingabe& eingabe)
{
    std::pair<Kontoseite, Kontoseite> seiten{TeileZeile(basis, eingabe.strZahler),
                                             TeileZeile(basis, eingabe.strEmpfaenger)};
    eintrag.m_strAuftraggeber = seiten.first.Referenz();
    eintrag.m_strEmpfaenger = seiten.second.Referenz();
    eintrag.m_strNutzniesser = eingabe.strNutzniesser;
    eintrag.m_strKategorie = eingabe.strKategorie;
    eintrag.m_strUKategorie = eingabe.strUKategorie;
    eintrag.m_strKommentar = eingabe.strKommentar;
    eintrag.m_dBetrag = eingabe.dBetrag;
    return seiten;
}

// Books a new transaction: appends it, remembers the entry for its payee, counts the use of the
// category, sub-category, accounts and external accounts, books the balances by its kind, restores the
// usage order and marks its month changed. Returns the new transaction's position in m_arrInOut.
int BucheNeu(CBasis& basis, const Buchungseingabe& eingabe);

// Whether the transaction with that m_nIndex can still be edited: it exists and is not deleted.
bool Bearbeitbar(const CBasis& basis, int nIndex);

// Replaces the transaction with that m_nIndex by the form, books it like a new one, then takes the old
// booking off the balances; both its old and its new month are marked changed. The old state is left in
// m_InOutNeu. A side whose account no longer belongs to the family counts as external and is not taken
// back. Returns the transaction's position, or -1 (nothing changed) when it is no longer editable.
int BucheGeaendert(CBasis& basis, const Buchungseingabe& eingabe, int nIndex);

// Deletes the transaction at that position of m_arrInOut for good and marks its month changed. One that
// is not deleted yet is deleted first, as the delete command does, so that it leaves the balances.
// False (nothing changed) when there is no such transaction.
bool LoescheEndgueltig(CBasis& basis, int position);

} // namespace velmora
