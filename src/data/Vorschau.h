#pragma once

// What is left at the end of the month: every family account's balance carried forward over the standing
// orders still to come, from tomorrow to a horizon. It reads the store and books nothing. Beside the
// exact figures stands an estimate of the everyday bookings the orders do not cover, kept apart.

#include <string>
#include <vector>

namespace velmora {

class CBasis;

// A standing order the forecast lists, with its texts (cp1252, as the order names them).
struct Vorschauauftrag
{
    int nNr = 0; // m_nNr of the order
    std::string strZahler;
    std::string strEmpfaenger;
    std::string strText; // the order's comment, else its category
};

// One coming standing-order booking as it moves one balance.
struct VorschauBuchung
{
    int nDatum = 0;
    int nAuftrag = 0;     // position in Vorschau::auftraege
    double dBetrag = 0.0; // signed: what the balance gains
    double dStand = 0.0;  // the balance after it
};

// The forecast of one account, one member (the sum of the member's accounts) or the family.
struct Verlauf
{
    std::string strName;      // "member, account", the member's name or the family's name
    double dHeute = 0.0;      // the balance now
    double dMonatsEnde = 0.0; // at the end of this month
    double dJahresEnde = 0.0; // at the end of this year
    int nTiefstDatum = 0;     // the day of the lowest balance in the horizon (today when it never falls)
    double dTiefst = 0.0;
    int nErstesMinus = 0;        // the first day below zero in the horizon, today when already below; 0 = none
    double dUeblichProTag = 0.0; // everyday bookings outside the orders per day, from the last three whole months
    // Within a day credits come before debits, so the balance inside a day never dips below where the day ends.
    std::vector<VorschauBuchung> buchungen;
};

struct Vorschau
{
    int nHeute = 0;
    int nBis = 0;
    std::vector<Verlauf> konten;     // every active account of every active member, in list order
    std::vector<Verlauf> mitglieder; // every active member
    Verlauf familie;
    std::vector<Vorschauauftrag> auftraege; // the orders the bookings name, each once
};

// The default horizon: the same day twelve months on (the last of February when that day is missing).
int VorschauHorizont(int heute, int monate = 12);

// Loads the three whole months before the current one, which the everyday estimate averages over.
void LadeVorschauMonate(CBasis& basis);

// The forecast from the day after basis.m_nHeute up to `bis`; the figures at the end of the month and the
// year are exact even when `bis` comes before them. The estimate reads the loaded months only.
Vorschau ErstelleVorschau(const CBasis& basis, int bis);

// The balance day by day from today to `bis`, exact and with the everyday estimate, for a chart.
struct Tagesstaende
{
    std::vector<int> daten;
    std::vector<double> genau;
    std::vector<double> ueblich;
};
Tagesstaende TaeglicheStaende(const Verlauf& verlauf, int heute, int bis);

// The balance of a forecast at the end of a day.
double StandAm(const Verlauf& verlauf, int datum);
// The estimate beside it: the exact balance plus the everyday bookings of the days since today.
double UeblicherStandAm(const Verlauf& verlauf, int heute, int datum);

} // namespace velmora
