#pragma once

// When a standing order falls due: the cycle rules that execution books by and the forecast looks ahead by.

#include "Kalender.h"

namespace velmora {

struct CDauerAuftrag;

// Whether the order takes part on the day at all: active, not deleted, and within its first and last date.
bool LaeuftAm(const CDauerAuftrag& auftrag, int datum);

// Whether the order's cycle meets the (normalised) day: a day of the month, which a shorter month does not
// have; a weekday; or one of its fixed dates, so that 0229 meets only leap years.
bool ZyklusTrifft(const CDauerAuftrag& auftrag, const Tag& tag);

// Both: the order falls due on the day `datum`, whose calendar fields `tag` holds.
inline bool FaelltAn(const CDauerAuftrag& auftrag, int datum, const Tag& tag)
{
    return LaeuftAm(auftrag, datum) && ZyklusTrifft(auftrag, tag);
}

} // namespace velmora
