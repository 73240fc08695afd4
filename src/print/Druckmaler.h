#pragma once

// Puts a Drucksache on paper: on a printer (QPrinter) or into a PDF file (QPdfWriter), through the same
// code. Every page repeats the header row of its table and carries the footer with the family, the print
// date and "Seite 3 von 7".

#include "Drucksache.h"

#include <QPageLayout>

class QPagedPaintDevice;

namespace velmora {

// The orientation a wish comes to on that device: kPassend asks the columns.
QPageLayout::Orientation LageFuer(const Drucksache& sache, const QPagedPaintDevice& geraet, Seitenlage wunsch);

// Sets the device's paper (A4 for a PDF file, the printer's own size) in that orientation, then prints
// every page. Answers the number of pages, or 0
// when the device could not be painted on.
int Drucke(const Drucksache& sache, QPagedPaintDevice& geraet, QPageLayout::Orientation lage);

// Writes the PDF file; false when it could not be written.
bool SchreibePdf(const Drucksache& sache, const QString& datei, Seitenlage wunsch);

} // namespace velmora
