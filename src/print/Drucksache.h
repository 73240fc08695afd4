#pragma once

// What a printed list consists of, independent of paper and printer: a title with its caption lines, one
// or more tables (column headers, rows with their colours, deleted rows grey), a totals block, and the
// footer's family name and print date. Rows are not held here: a table asks its source for one row at a
// time, so that a listing of thirty years costs no more memory on paper than on screen.

#include <QColor>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QPainter;
class QRect;

namespace velmora {

// One row as its source fills it; the printer reuses one for every row.
struct Druckzeile
{
    std::vector<QString> texte;
    std::vector<QColor> farben;
    bool bGrau = false; // deleted: every cell in light grey
};

class Zeilenquelle
{
public:
    virtual ~Zeilenquelle() = default;
    virtual int Anzahl() const = 0;
    // Fills one cell text and one colour per column.
    virtual void Fuelle(int zeile, Druckzeile& aus) const = 0;
    // Draws a painted column's cell (the bars of the analyses).
    virtual void MaleZelle(QPainter& maler, const QRect& zelle, int zeile, int spalte) const;
};

struct Druckspalte
{
    QString kopf;
    bool bRechts = false; // figures: right-aligned
    QStringList muster;   // the longest texts of the column: what its width must hold
    double dGemaltMm = 0; // above 0: the source paints the cells, at least this wide
};

struct Drucktabelle
{
    QString titel; // above the table, once; may be empty
    std::vector<Druckspalte> spalten;
    std::shared_ptr<const Zeilenquelle> quelle;
    int nGruppe = 0; // a line under every nGruppe-th row; 0 = none
};

struct Summenzelle
{
    QString text;
    QColor farbe = Qt::black;
};

enum class Seitenlage
{
    kPassend, // portrait unless the columns need landscape
    kHochformat,
    kQuerformat
};

struct Drucksache
{
    QString titel;
    QStringList unterzeilen; // caption lines under the title: the filter, the date range
    std::vector<Drucktabelle> tabellen;
    // The totals after the last row: first cell a label, the others right-aligned figures.
    std::vector<std::vector<Summenzelle>> summen;
    int nLinieVorSumme = -1; // a rule above this totals row
    bool bSummenRahmen = false;
    QString fuss; // the footer's left part: family and print date
    int nSprache = 0;
};

// An amount of a booking's kind as a printed list shows it: income with a plus, expenses with a minus,
// transfers without a sign, so that a list printed in black and white still tells them apart.
QString MitVorzeichen(const QString& betrag, int art);
// A total with two decimals; with vorzeichen always signed.
QString Summentext(double betrag, bool vorzeichen);

// The footer text: "Familie Meier · Gedruckt am 09.12.2026".
QString Fusstext(int sprache, const QString& familie, int druckdatum);

} // namespace velmora
