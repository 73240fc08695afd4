#pragma once

// velmora-cli list, orders and compare with --pdf FILE: the PDF that the windows' "Als PDF speichern…"
// writes, through the same code, without a screen. --portrait or --landscape choose the paper (else as
// the columns need), --without-deleted leaves deleted rows out instead of printing them grey.

#include "Aufruf.h"

#include <iosfwd>

namespace velmora {
class CBasis;
class DauerAuftragsListe;
class OverviewListing;
class Vergleich;
} // namespace velmora

namespace velmora::cli {

int ListenPdf(const OverviewListing& liste, const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
int AuftragsPdf(const CBasis& basis, const DauerAuftragsListe& liste, const Aufruf& aufruf, std::ostream& aus,
                std::ostream& fehler);
int VergleichsPdf(const CBasis& basis, const Vergleich& vergleich, const Aufruf& aufruf, std::ostream& aus,
                  std::ostream& fehler);

} // namespace velmora::cli
