#pragma once

// Lays a Drucksache out on paper (A4 unless a printer is set to another size): the column widths from
// their headers and longest texts, portrait or landscape as the columns need, how many rows each page
// holds, and which rows of which table fall on which page. The plan is made from the row counts alone,
// in steps per page, not per row.

#include "Drucksache.h"

#include <QFont>
#include <QPageLayout>
#include <vector>

class QPaintDevice;

namespace velmora {

// The fonts of a printed list.
struct Druckschriften
{
    Druckschriften();
    QFont titel;
    QFont unterzeile;
    QFont tabellentitel;
    QFont kopf;
    QFont zeile;
    QFont summe;
    QFont fuss;
};

// Rows firstRow .. firstRow + count - 1 of one table on one page, starting at height y.
struct Tabellenstueck
{
    int nTabelle = 0;
    int nErste = 0;
    int nAnzahl = 0;
    bool bMitTitel = false;
    double dY = 0;
};

struct Druckseite
{
    std::vector<Tabellenstueck> stuecke;
    double dSummenY = -1; // where the totals stand; -1 = not on this page
};

class Seitensatz final
{
public:
    // Portrait unless a table's columns need more room than the width of a portrait page of that size.
    static QPageLayout::Orientation PassendeLage(const Drucksache& sache, const QPaintDevice& geraet,
                                                 const QPageSize& papier);
    // The paper with the margins of every printed list, in that orientation.
    static QPageLayout Seitenformat(const QPageSize& papier, QPageLayout::Orientation lage);

    // The plan for a device whose page layout is set; sizes are in the device's pixels.
    Seitensatz(const Drucksache& sache, const QPaintDevice& geraet);

    int Seiten() const { return static_cast<int>(m_seiten.size()); }
    const Druckseite& Seite(int nr) const { return m_seiten[static_cast<size_t>(nr)]; }
    const std::vector<double>& Breiten(int tabelle) const { return m_breiten[static_cast<size_t>(tabelle)]; }

    const Druckschriften schriften;
    double dBreite = 0; // the printable width
    double dUnten = 0;  // where the rows end, above the footer
    double dZeile = 0;  // height of one row
    double dKopf = 0;   // height of the header row
    double dTabellentitel = 0;
    double dSummenzeile = 0;
    double dRand = 0; // space left and right inside a cell
    double dMm = 0;   // one millimetre

private:
    double Kopfblock(const Drucksache& sache, const QPaintDevice& geraet) const;
    void Plane(const Drucksache& sache, double oben);

    std::vector<std::vector<double>> m_breiten;
    std::vector<Druckseite> m_seiten;
};

// The natural widths of a table's columns in device pixels: header, longest texts, painted minimum.
std::vector<double> NatuerlicheBreiten(const Drucktabelle& tabelle, const Druckschriften& schriften,
                                       const QPaintDevice& geraet);

} // namespace velmora
