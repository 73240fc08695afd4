#pragma once

// What the synthetic household is asked for: how many years up to which day, from which seed, in which
// language, with how many bookings and standing orders.

namespace velmora {

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

} // namespace velmora
