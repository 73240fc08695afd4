#include "Kalender.h"

#include <algorithm>

namespace velmora {

// H. Hinnant's days_from_civil.
long TageSeitEpoche(int y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool IstSchaltjahr(int nJahr)
{
    return (nJahr % 4 == 0 && nJahr % 100 != 0) || nJahr % 400 == 0;
}

int TageImMonat(int nJahr, int nMonat)
{
    static const int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonat == 2 && IstSchaltjahr(nJahr))
        return 29;
    return tage[nMonat - 1];
}

Tag Normalisiere(int nJahr, int nMonat, int nTag)
{
    const int laenge = TageImMonat(nJahr, nMonat);
    if (nTag > laenge) {
        nTag -= laenge;
        if (++nMonat > 12) {
            nMonat = 1;
            ++nJahr;
        }
    }
    // 1970-01-01 was a Thursday.
    const long tage = TageSeitEpoche(nJahr, nMonat, nTag);
    const int wochentag = static_cast<int>(((tage + 3) % 7 + 7) % 7) + 1;
    return {nJahr, nMonat, nTag, wochentag};
}

int NaechsterTag(int nDatum)
{
    const int jahr = nDatum / 10000;
    const int monat = nDatum / 100 % 100;
    const int tag = nDatum % 100;
    if (monat < 1 || monat > 12 || tag < 1 || tag > 31)
        return nDatum + 1;
    const Tag naechster = Normalisiere(jahr, monat, std::min(tag, TageImMonat(jahr, monat)) + 1);
    return naechster.nJahr * 10000 + naechster.nMonat * 100 + naechster.nTag;
}

int MonatsEnde(int nDatum)
{
    const int jahr = nDatum / 10000;
    const int monat = nDatum / 100 % 100;
    return nDatum / 100 * 100 + TageImMonat(jahr, monat);
}

} // namespace velmora
