#pragma once

// A bank statement as read from a file, what the import remembers between runs, and the bookings it
// proposes. Texts are cp1252 like every text of the store.

#include "Buchung.h"
#include "Importregel.h"

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velmora {

// One line of a statement.
struct Auszugszeile
{
    int nDatum = 0;          // booking date yyyymmdd
    double dBetrag = 0.0;    // positive: money in; negative: money out
    std::string strName;     // the counterparty as the bank names it
    std::string strIban;     // the counterparty's IBAN, blanks removed, upper case
    std::string strZweck;    // the purpose text
    std::string strReferenz; // the bank's reference of the entry; empty when the file gives none
    std::string strWaehrung; // ISO code of an entry not in euros; empty for euros
    bool bStorno = false;    // a reversal of an earlier entry
    int nZeile = 0;          // line of the file where the entry starts
};

// The lines of one account in one file.
struct Kontoauszug
{
    std::string strDatei;  // path as given
    std::string strIban;   // the account's own IBAN; empty when the file does not tell
    std::string strLayout; // a CSV file's header row; identifies the account when the IBAN is missing
    std::vector<Auszugszeile> zeilen;
    int nVorgemerkt = 0; // entries not yet booked by the bank, skipped

    // What identifies the account in the memory: its IBAN, else its file layout.
    std::string Kennung() const { return strIban.empty() ? "layout:" + strLayout : strIban; }
};

// Which column of a CSV file holds what; -1 for none.
enum Spaltenrolle
{
    kRolleDatum = 0,
    kRolleBetrag,
    kRolleSoll,      // money out
    kRolleHaben,     // money in
    kRolleSollHaben, // "S" or "H" beside an unsigned amount
    kRolleName,
    kRolleIban,
    kRolleZweck,
    kRolleEigeneIban,
    kAnzahlSpaltenrollen
};

struct Spaltenzuordnung
{
    std::array<int, kAnzahlSpaltenrollen> anSpalte{-1, -1, -1, -1, -1, -1, -1, -1, -1};
    // Further purpose columns, joined after the first ("Verwendungszweck 2", ...).
    std::vector<int> anWeitereZwecke;
    // Found from a bank's header row and never stored: the payer's name where the bank has a column for
    // each side (kRolleName is then the payee's), the status that marks pending rows, the currency, and
    // a posting text that is the row's only description.
    int nZahlerName = -1;
    int nStatus = -1;
    int nWaehrung = -1;
    int nText = -1;

    int operator[](Spaltenrolle rolle) const { return anSpalte[rolle]; }
    int& operator[](Spaltenrolle rolle) { return anSpalte[rolle]; }
    // A date and an amount: one column (signed, or with S/H beside it), or a debit and a credit column.
    bool Vollstaendig() const
    {
        const int datum = anSpalte[kRolleDatum], betrag = anSpalte[kRolleBetrag];
        return datum >= 0 && (betrag >= 0 || (anSpalte[kRolleSoll] >= 0 && anSpalte[kRolleHaben] >= 0));
    }
};

// What the import keeps between runs in the data folder.
struct Importgedaechtnis
{
    std::map<std::string, std::string> konten;           // account IBAN or layout -> "member, account"
    std::map<std::string, Spaltenzuordnung> zuordnungen; // CSV header row -> columns
    std::map<std::string, std::string> gegenkonten;      // counterparty -> external account name
    std::set<std::string> referenzen;                    // entry references booked before
    std::vector<Importregel> regeln;                     // in the user's order
    bool bGeladen = false;
    bool bGeaendert = false;
};

// A booking proposed for one statement line.
struct Importvorschlag
{
    Buchungseingabe eingabe; // payer and payee as "member, account" or the external account's name
    bool bAngehakt = false;
    bool bDuplikat = false;
    bool bUmbuchung = false;   // both sides are family accounts
    std::string strGegenkonto; // memory key of the counterparty; empty for a transfer
    std::string strReferenz;   // memory key of the entry reference; empty when the file gives none
    std::string strFamilie;    // the statement's family account
    int nAuszug = 0;           // position of the statement in the import
    int nZeile = 0;            // line in the statement's file
    int nPosten = 0;           // position of the line in its statement's zeilen
    int nRegel = -1;           // the rule that filled the line, or -1
};

// The proposals of one import, with what was left out.
struct Importergebnis
{
    std::vector<Importvorschlag> vorschlaege;
    int nVorgemerkt = 0;
};

} // namespace velmora
