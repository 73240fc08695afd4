#pragma once

#include <functional>

namespace velmora {

// Local date and time as the store keeps them.
struct Zeitpunkt
{
    int nDatum = 0; // yyyymmdd
    int nZeit = 0;  // hhmm
};

// The clock the store asks for "now"; tests and tools replace it to fix today's date.
using Uhr = std::function<Zeitpunkt()>;

Zeitpunkt SystemZeit();

// A clock that always answers the given date and time.
Uhr FesteUhr(int nDatum, int nZeit);

} // namespace velmora
