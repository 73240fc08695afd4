#pragma once

// The painters behind Bild(), one file per kind of picture.

#include <QFont>
#include <QPen>
#include <QPixmap>

class QPainter;
class QRectF;

namespace velmora {

enum class Symbol
{
    Stift,     // input
    Liste,     // overview
    Balken,    // analyses
    Kalender,  // standing orders
    Zahnrad,   // settings
    TuerHaken, // end and save
    TuerKreuz, // end without saving
};

// Draws a symbol into a square field; the symbols are designed on a 32 x 32 grid.
void MaleSymbol(QPainter& maler, Symbol symbol, const QRectF& feld);

// A round-capped line for the symbols.
QPen Strich(const QColor& farbe, qreal breite);
// The program's sans-serif face at a pixel height.
QFont Schrift(int pixel, bool fett);

// A transparent picture of that size, ready to be painted on.
QPixmap LeeresBild(int breite, int hoehe);

// Each returns a null pixmap for numbers that are not of its kind.
QPixmap Knopfbild(int idres);
QPixmap Ballonbild(int idres);
QPixmap Kleinbild(int idres);
QPixmap Willkommensbild(int idres);

} // namespace velmora
