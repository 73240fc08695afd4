#pragma once

// Painted texts: windows draw headings, totals and messages themselves, bold, on a transparent background.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <vector>

class QPainter;

namespace velmora {

struct Schrift
{
    int nHoehe = 20;    // character height in pixels
    int nBreite = 0;    // average character width; 0 = natural
    int nGewicht = 800; // 400 normal, 800 bold
};

// A text a window paints: what, where (its top-left corner), in which font and colour. Windows lay their
// painted texts out once and both paint them and read them out to screen readers.
struct GemalterText
{
    QString text;
    QPoint ort;
    Schrift schrift;
    QColor farbe;
};

// Draws text with its top-left corner at the position.
void MaleText(QPainter& maler, QPoint position, const QString& text, Schrift schrift, QColor farbe);
void Male(QPainter& maler, const std::vector<GemalterText>& texte);

// The font MaleText uses (the program's sans-serif face at that pixel height and weight).
QFont SchriftFuer(Schrift schrift);

// A COLORREF value of the store (0x00BBGGRR) as a colour.
QColor AlsFarbe(int colorref);
int AlsColorref(const QColor& farbe);

} // namespace velmora
