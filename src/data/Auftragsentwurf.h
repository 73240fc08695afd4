#pragma once

// The standing-order editor's rules: the cycle chosen as a monthly day, a weekday or fixed dates of the
// year with its description, the fixed dates with their duplicate rule, and storing the order.
//
// The editor works on a draft. Nothing reaches the store before the commit, so that a cancel leaves an
// order exactly as it was, its fixed dates included, and a new order that is never committed never
// exists. The edited order is held by its record, not by its place in the list, which the list window
// may reorder or shorten meanwhile.

#include "Buchung.h"
#include "Records.h"

#include <string>

namespace velmora {

class CBasis;

// The last date of an order that runs until the user sets an end: no date of the book reaches it, so
// every rule that compares dates treats the order as open-ended without asking.
constexpr int kOffenesEnde = 99991231;

inline bool Unbefristet(const CDauerAuftrag& auftrag)
{
    return auftrag.m_nEnde >= kOffenesEnde;
}

// The cycle as a user chooses it.
enum Zyklusart
{
    kMonatlich = 0,
    kWoechentlich = 1,
    kTermine = 2,
};

// Weekday names 1 (Monday) to 7 (Sunday), as the cycle descriptions use them.
const char* Wochentagsname(int wochentag, bool deutsch);

// The text an order shows for its cycle code: "monatlich, jeden 5.", "jeden Mittwoch", "Sondertermine"
// (or the English ones).
std::string ZyklusBeschreibung(int zyklus, bool deutsch);

// The day texts of the day combos: " 1." to "31.".
std::string TagesText(int tag);

class Auftragsentwurf final
{
public:
    // A new order in the language of the book: active, monthly on the 1st, Friday chosen for a weekly
    // cycle, from beginn on without an end.
    Auftragsentwurf(bool deutsch, int beginn);

    // Takes an order's cycle, dates, active switch, description and a copy of its fixed dates.
    void Lade(const CDauerAuftrag& auftrag);

    void WaehleMonatlich();
    void SetzeMonatsTag(int tag);
    void WaehleWoechentlich();
    void SetzeWochentag(int wochentag);
    void WaehleTermine();

    // Whether a fixed date with these texts is in the list already; the add button is off for it.
    bool TerminVorhanden(const std::string& tag, const std::string& monat) const;
    // Appends a fixed date from the day and month texts of the combos (month names of either language).
    void FuegeTerminHinzu(const CBasis& basis, const std::string& tag, const std::string& monat);
    void EntferneTermin(int zeile);

    int m_nZyklus = 1;
    std::string m_strZyklus;
    int m_nZyklusArt = kMonatlich;
    int m_nMonatsTag = 1;
    int m_nWochentag = 5;
    int m_nAktiv = 1;
    int m_nBeginn = 0;
    int m_nEnde = kOffenesEnde;
    OwnedList<CTermin> m_arrTermine;

private:
    bool m_bDeutsch;
};

enum class Auftragsergebnis
{
    kGespeichert,
    kGeloescht,  // the edited order was deleted meanwhile; nothing was stored
    kKeinBetrag, // the amount is 0 or less; nothing was stored
};

// Stores the form and the draft into the order `auftrag` (null for a new order, which is appended
// then), executes that order (FuehreGespeichertenAuftragAus), and hands back the stored order. An amount
// of 0 or less stores nothing.
// A new order takes its place in the list as its number unless an order or a transaction of any month
// carries that number already; then it takes the next number above all of them.
Auftragsergebnis SpeichereDauerAuftrag(CBasis& basis, const Buchungseingabe& eingabe, const Auftragsentwurf& entwurf,
                                       CDauerAuftrag*& auftrag);

// Executes a stored order alone, up to today: a new one from its first date, a changed one from the day
// after its newest transaction (deleted ones included), so that no day it has served is booked again.
// Answers the number of bookings.
int FuehreGespeichertenAuftragAus(CBasis& basis, CDauerAuftrag& auftrag, bool neu);

// The order that the editor opens for a number: the first one present (not deleted) with that m_nNr.
CDauerAuftrag* OffenerDauerAuftrag(CBasis& basis, int nr);

} // namespace velmora
