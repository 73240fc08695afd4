#include "Uhr.h"

#include <ctime>

namespace velmora {

Zeitpunkt SystemZeit()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {(local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday,
            local.tm_hour * 100 + local.tm_min};
}

Uhr FesteUhr(int nDatum, int nZeit)
{
    return [nDatum, nZeit] { return Zeitpunkt{nDatum, nZeit}; };
}

} // namespace velmora
