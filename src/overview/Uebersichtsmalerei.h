#pragma once

// What the overview paints itself: the labels of the two date pickers, the filter caption with its key
// and the totals panel. The same texts describe the window to screen readers.

#include "MaleText.h"

#include <QLine>
#include <QRect>
#include <QString>
#include <vector>

namespace velmora {

class OverviewListing;

struct Uebersichtsbild
{
    std::vector<GemalterText> texte;
    QLine linie; // under the expenses
};

// The column caption a filter kind shows above its key ("Kategorie", "Person", "Ohne Daueraufträge").
QString Filterart(const OverviewListing& liste);

// The labels "von" and "bis" of the date pickers, centred on the height of their places.
constexpr Schrift kDatumsSchrift{25, 13, 800};
std::vector<GemalterText> Datumsbeschriftung(bool deutsch, QRect vonOrt, QRect bisOrt);

// The filter caption at the left and the totals at the right of the panel. The totals keep their
// places unless long numbers need more room; then they move left, and a key that would run into them
// is shortened with an ellipsis.
Uebersichtsbild Summenbild(const OverviewListing& liste, QRect tafel);

} // namespace velmora
