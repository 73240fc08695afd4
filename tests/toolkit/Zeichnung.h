#pragma once

// Helpers of the drawing tests: render onto white and find what was drawn.

#include <QColor>
#include <QImage>
#include <QRect>

#include <functional>

namespace velmora::test {

inline QImage WeissesBild(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

// The smallest rectangle around the pixels that pass the test.
inline QRect Umriss(const QImage& bild, const std::function<bool(QColor)>& zaehlt)
{
    QRect umriss;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (zaehlt(bild.pixelColor(x, y)))
                umriss |= QRect(x, y, 1, 1);
        }
    }
    return umriss;
}

inline QRect Tinte(const QImage& bild)
{
    return Umriss(bild, [](QColor c) { return c != QColor(Qt::white); });
}

} // namespace velmora::test
