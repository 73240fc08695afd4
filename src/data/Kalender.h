#pragma once

// Calendar arithmetic on dates written as yyyymmdd.

namespace velmora {

struct Tag
{
    int nJahr = 0;
    int nMonat = 0;
    int nTag = 0;
    int nWochentag = 0; // 1 = Monday ... 7 = Sunday
};

bool IstSchaltjahr(int nJahr);
// Days since 1970-01-01 of a proleptic Gregorian date.
long TageSeitEpoche(int y, int m, int d);
int TageImMonat(int nJahr, int nMonat);

// Rolls a day past the end of its month over into the following month, the way mktime normalises
// (2009-02-29 becomes 2009-03-01), and tells the weekday. Expects month 1..12 and day 1..31.
Tag Normalisiere(int nJahr, int nMonat, int nTag);

// The day after a date yyyymmdd; a date outside the calendar gives the next int.
int NaechsterTag(int nDatum);

// Last day of the month of a date yyyymmdd, as yyyymmdd.
int MonatsEnde(int nDatum);

} // namespace velmora
