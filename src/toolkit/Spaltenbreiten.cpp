#include "Spaltenbreiten.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <numeric>

namespace velmora {

namespace {

// Room for the grid line and the cell's padding on both sides.
constexpr int kZellenRand = 12;

} // namespace

int TextBreite(const QTableView& liste, const QStringList& texte)
{
    const QFontMetrics mass(liste.font());
    int breite = 0;
    for (const QString& text : texte)
        breite = std::max(breite, mass.horizontalAdvance(text));
    return breite + kZellenRand;
}

void PasseSpaltenAn(QTableView& liste, int erste, const std::vector<int>& benoetigt)
{
    int belegt = 0;
    for (int spalte = 0; spalte < erste; ++spalte)
        belegt += liste.columnWidth(spalte);
    const int platz =
        liste.viewport()->width() > 0
            ? liste.width() - 2 * liste.frameWidth() - liste.style()->pixelMetric(QStyle::PM_ScrollBarExtent) - belegt
            : 0;
    const int summe = std::accumulate(benoetigt.begin(), benoetigt.end(), 0);
    const int rest = std::max(0, platz - summe);
    int verteilt = 0;
    for (size_t i = 0; i < benoetigt.size(); ++i) {
        const bool letzte = i + 1 == benoetigt.size();
        const int zugabe = summe > 0 ? (letzte ? rest - verteilt : rest * benoetigt[i] / summe) : 0;
        verteilt += zugabe;
        liste.setColumnWidth(erste + static_cast<int>(i), benoetigt[i] + zugabe);
    }
}

void ZeigeGanzeZeilen(QTableView& liste)
{
    const int zeile = liste.verticalHeader()->defaultSectionSize();
    const int rand = 2 * liste.frameWidth() + liste.horizontalHeader()->height() +
                     (liste.horizontalScrollBar()->isVisible() ? liste.horizontalScrollBar()->height() : 0);
    if (zeile <= 0 || liste.height() <= rand)
        return;
    liste.resize(liste.width(), rand + (liste.height() - rand) / zeile * zeile);
}

} // namespace velmora
