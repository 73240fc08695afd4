// velmora-cli built without Qt's GUI (the fuzzing and sanitizer builds) has no fonts to write a PDF with.

#include "Befehle.h"
#include "Druckbefehl.h"

#include <ostream>

namespace velmora::cli {

namespace {

int OhnePdf(std::ostream& fehler)
{
    fehler << "velmora-cli: this build has no PDF output (it was built without the Qt windows)\n";
    return kFehlgeschlagen;
}

} // namespace

int ListenPdf(const OverviewListing&, const Aufruf&, std::ostream&, std::ostream& fehler)
{
    return OhnePdf(fehler);
}

int AuftragsPdf(const CBasis&, const DauerAuftragsListe&, const Aufruf&, std::ostream&, std::ostream& fehler)
{
    return OhnePdf(fehler);
}

int VergleichsPdf(const CBasis&, const Vergleich&, const Aufruf&, std::ostream&, std::ostream& fehler)
{
    return OhnePdf(fehler);
}

} // namespace velmora::cli
