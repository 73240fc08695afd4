#pragma once

// The painted part of the standing-order list: the yearly totals of the listed orders (income,
// expenses, their difference and transfers) and the caption that says what is listed ("Gesamt / Jahr",
// or the filter column and its entry). Laid out once, then painted or read out to screen readers.

#include "MaleText.h"

#include <QColor>
#include <QLine>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace velmora {

class CBasis;
class DauerAuftragsListe;

struct Summentafel
{
    std::vector<GemalterText> texte; // in reading order
    QLine linie;                     // under income and expenses
};

// The totals and the caption in the area of the hidden control 1031.
Summentafel BaueSummentafel(const QRect& flaeche, const CBasis& basis, const DauerAuftragsListe& liste);
void MaleSummentafel(QPainter& maler, const Summentafel& tafel);

} // namespace velmora
