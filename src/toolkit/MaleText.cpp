#include "MaleText.h"

#include "Textzeuge.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace velmora {

QFont SchriftFuer(Schrift schrift)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(schrift.nHoehe * 3 / 4 > 0 ? schrift.nHoehe * 3 / 4 : 1);
    font.setWeight(schrift.nGewicht >= 700 ? QFont::Bold : QFont::Normal);
    return font;
}

void MaleText(QPainter& maler, QPoint position, const QString& text, Schrift schrift, QColor farbe)
{
    maler.save();
    const QFont font = SchriftFuer(schrift);
    maler.setFont(font);
    maler.setPen(farbe);
    const QFontMetrics metrik(font);
    maler.drawText(position + QPoint(0, metrik.ascent()), text);
    MeldeGemalt(maler, metrik, position, text);
    maler.restore();
}

void Male(QPainter& maler, const std::vector<GemalterText>& texte)
{
    for (const GemalterText& t : texte)
        MaleText(maler, t.ort, t.text, t.schrift, t.farbe);
}

QColor AlsFarbe(int colorref)
{
    return QColor(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF);
}

int AlsColorref(const QColor& farbe)
{
    return farbe.red() | farbe.green() << 8 | farbe.blue() << 16;
}

} // namespace velmora
