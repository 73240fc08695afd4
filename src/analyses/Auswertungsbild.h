#pragma once

// What the analyses window paints itself: the two headings, the periods beside their navigation
// buttons, and the box with the annual totals of both years and their change.

#include "MaleText.h"

#include <QColor>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace velmora {

class CBasis;
class Vergleich;

// The headings and period labels, each at the top-left corner of its placeholder (by control id).
std::vector<GemalterText> Beschriftungen(const CBasis& basis, const Vergleich& vergleich,
                                         const std::function<QPoint(int id)>& ort);

// The totals box at a placeholder's rectangle. Its columns stand at 5, 65, 155 and 255 pixels from the
// left edge, or further right where a text of the column before would reach them; the box widens to hold
// the last one.
struct Summenkasten
{
    Summenkasten(const CBasis& basis, const Vergleich& vergleich, const QRect& platz);

    QRect rahmen;
    QLine linie;
    std::vector<GemalterText> texte;
};

void Male(QPainter& maler, const Summenkasten& kasten);

} // namespace velmora
