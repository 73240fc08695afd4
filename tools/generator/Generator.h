#pragma once

// A synthetic household for benchmarks, demos and tests: a family of four with ten accounts, sixty
// external accounts, thirty categories and forty standing orders, booked day by day over whole years
// through the store's own booking rules and written in the real file formats.

#include <string>
#include <utility>
#include <vector>

namespace velmora {

class CBasis;

struct Haushaltsparameter
{
    int nJahre = 5;    // months booked: 12 * nJahre, the last one being the month of nHeute
    int nHeute = 0;    // yyyymmdd of the last run; nothing is booked after it
    int nJetzt = 1830; // hhmm of the last run
    unsigned nSeed = 1;
    bool bEnglisch = false;
    int nEingabenProMonat = 365; // bookings by hand; the standing orders add about 45 a month
    // Standing orders in all; beyond the household's own, further ones are made after their pattern
    // with other amounts. 0 (or fewer than its own) keeps just the household's own.
    int nDauerAuftraege = 0;
};

// Empty when the parameters can be used, else what is wrong with them.
std::string PruefeParameter(const Haushaltsparameter& parameter);

// Books the household into an empty store whose m_strPfad is the folder its files will go to. Leaves
// the store as a run on nHeute leaves it just before saving. The same parameters give the same store.
void BaueHaushalt(CBasis& basis, const Haushaltsparameter& parameter);

// Creates the folder if needed, builds the household and writes its settings and monthly files.
// Refuses a folder that already holds a settings or monthly file. 0 on success; -1 with the reason in fehler.
int ErzeugeHaushalt(const std::string& ordner, const Haushaltsparameter& parameter, std::string& fehler);

// Every account of the household as "member, account" with the balance it was opened with.
std::vector<std::pair<std::string, double>> Anfangsstaende(bool englisch);

} // namespace velmora
