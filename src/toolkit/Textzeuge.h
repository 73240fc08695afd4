#pragma once

// Where painted texts land. Windows draw headings, totals and messages themselves, so no widget knows
// their size; every text drawn through MaleText or the balloon renderer is reported here with the
// rectangle of its visible characters, so that a check can tell whether it fits its window. In the
// running program nobody listens and the report costs one test.

#include <QString>

class QFontMetrics;
class QPainter;
class QPoint;
class QRect;
class QWidget;

namespace velmora {

class Textzeuge
{
public:
    virtual ~Textzeuge() = default;
    // `fenster` is the widget painted on; the rectangle is in its coordinates.
    virtual void Gemalt(QWidget& fenster, const QString& text, const QRect& rechteck) = 0;
};

// The one listener, or null for none. The caller keeps it alive while it is set.
void SetzeTextzeuge(Textzeuge* zeuge);

// Reports a text drawn by `maler` in the font of `metrik` with the top-left corner of its line at `oben`.
// Leading and trailing blanks do not count; painting that does not go to a widget is not reported.
void MeldeGemalt(const QPainter& maler, const QFontMetrics& metrik, QPoint oben, const QString& text);

} // namespace velmora
