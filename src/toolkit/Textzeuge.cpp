#include "Textzeuge.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace velmora {

namespace {

Textzeuge*& Zeuge()
{
    static Textzeuge* zeuge = nullptr;
    return zeuge;
}

} // namespace

void SetzeTextzeuge(Textzeuge* zeuge)
{
    Zeuge() = zeuge;
}

void MeldeGemalt(const QPainter& maler, const QFontMetrics& metrik, QPoint oben, const QString& text)
{
    if (!Zeuge())
        return;
    auto* fenster = dynamic_cast<QWidget*>(maler.device());
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text.at(anfang).isSpace())
        ++anfang;
    while (ende > anfang && text.at(ende - 1).isSpace())
        --ende;
    if (!fenster || anfang == ende)
        return;
    const QString sichtbar = text.mid(anfang, ende - anfang);
    const QRect rechteck(oben.x() + metrik.horizontalAdvance(text.left(anfang)), oben.y(),
                         metrik.horizontalAdvance(sichtbar), metrik.height());
    Zeuge()->Gemalt(*fenster, sichtbar, maler.worldTransform().mapRect(rechteck));
}

} // namespace velmora
