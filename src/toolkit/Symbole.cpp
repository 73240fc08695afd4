#include "BilderIntern.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace velmora {

namespace {

const QColor kTinte(52, 74, 102);
const QColor kBlau(58, 111, 196);
const QColor kGruen(46, 150, 70);
const QColor kRot(206, 60, 56);

void Blatt(QPainter& maler, const QRectF& blatt)
{
    maler.setPen(Strich(kTinte, 1.2));
    maler.setBrush(Qt::white);
    maler.drawRoundedRect(blatt, 1.5, 1.5);
}

void Stift(QPainter& maler)
{
    Blatt(maler, QRectF(4, 3, 18, 25));
    maler.setPen(Strich(QColor(170, 180, 194), 1.2));
    for (qreal y : {9.0, 13.0, 17.0})
        maler.drawLine(QPointF(7.5, y), QPointF(18.5, y));
    maler.translate(19, 17);
    maler.rotate(-50);
    maler.setPen(Strich(kTinte, 1.1));
    maler.setBrush(QColor(244, 180, 50));
    maler.drawRect(QRectF(-7, -2.8, 14, 5.6));
    maler.setBrush(QColor(226, 110, 120));
    maler.drawRoundedRect(QRectF(7, -2.8, 4, 5.6), 1, 1);
    maler.setBrush(QColor(246, 222, 178));
    maler.drawPolygon(QPolygonF({QPointF(-7, -2.8), QPointF(-13, 0), QPointF(-7, 2.8)}));
    maler.setBrush(kTinte);
    maler.drawPolygon(QPolygonF({QPointF(-11, -0.9), QPointF(-13, 0), QPointF(-11, 0.9)}));
}

void Liste(QPainter& maler)
{
    Blatt(maler, QRectF(5, 3, 22, 26));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 9 + i * 5.5;
        maler.setPen(Qt::NoPen);
        maler.setBrush(kBlau);
        maler.drawRect(QRectF(8.5, y - 1.5, 3, 3));
        maler.setPen(Strich(QColor(120, 134, 152), 1.6));
        maler.drawLine(QPointF(14, y), QPointF(i % 2 ? 20.5 : 23.5, y));
    }
}

void Balken(QPainter& maler)
{
    maler.setPen(Qt::NoPen);
    const struct
    {
        qreal x, hoehe;
        QColor farbe;
    } balken[] = {{8, 11, kGruen}, {14.5, 19, kRot}, {21, 14, kBlau}};
    for (const auto& b : balken) {
        maler.setBrush(b.farbe);
        maler.drawRect(QRectF(b.x, 27 - b.hoehe, 5, b.hoehe));
    }
    maler.setPen(Strich(kTinte, 1.8));
    maler.drawPolyline(QPolygonF({QPointF(5, 4), QPointF(5, 27), QPointF(29, 27)}));
}

void Kalender(QPainter& maler)
{
    const QRectF blatt(3, 5, 21, 20);
    Blatt(maler, blatt);
    maler.setPen(Qt::NoPen);
    maler.setBrush(kRot);
    maler.drawRect(QRectF(blatt.left() + 0.6, blatt.top() + 0.6, blatt.width() - 1.2, 5));
    maler.setBrush(QColor(150, 162, 178));
    for (int zeile = 0; zeile < 3; ++zeile) {
        for (int spalte = 0; spalte < 4; ++spalte)
            maler.drawRect(QRectF(6 + spalte * 4.5, 13.5 + zeile * 3.8, 2.5, 2.2));
    }
    maler.setPen(Strich(kTinte, 1.6));
    maler.drawLine(QPointF(8, 3), QPointF(8, 7));
    maler.drawLine(QPointF(19, 3), QPointF(19, 7));

    // The repeat sign: a circular arrow over the corner of the page.
    const QPointF mitte(23, 22);
    maler.setPen(Qt::NoPen);
    maler.setBrush(Qt::white);
    maler.drawEllipse(mitte, 7.5, 7.5);
    maler.setPen(Strich(kBlau, 2.2));
    maler.setBrush(Qt::NoBrush);
    maler.drawArc(QRectF(mitte.x() - 5, mitte.y() - 5, 10, 10), 100 * 16, 280 * 16);
    maler.setPen(Qt::NoPen);
    maler.setBrush(kBlau);
    maler.drawPolygon(QPolygonF({QPointF(mitte.x() - 4.2, mitte.y() - 8.2), QPointF(mitte.x() + 1.8, mitte.y() - 5.2),
                                 QPointF(mitte.x() - 3.4, mitte.y() - 1.4)}));
}

void Zahnrad(QPainter& maler)
{
    const QPointF mitte(16, 16);
    QPainterPath rad;
    constexpr int kZaehne = 8;
    for (int i = 0; i < 2 * kZaehne; ++i) {
        // Each tooth and each gap takes an eighth of a turn; the flanks lean a little.
        const qreal winkel = i * std::numbers::pi / kZaehne;
        const qreal radius = i % 2 ? 10.0 : 13.5;
        const qreal halbe = i % 2 ? 0.2 : 0.14;
        for (qreal seite : {-halbe, halbe}) {
            const QPointF punkt = mitte + radius * QPointF(std::cos(winkel + seite), std::sin(winkel + seite));
            if (rad.elementCount() == 0)
                rad.moveTo(punkt);
            else
                rad.lineTo(punkt);
        }
    }
    rad.closeSubpath();
    rad.addEllipse(mitte, 4.2, 4.2);
    QLinearGradient verlauf(0, 3, 0, 29);
    verlauf.setColorAt(0, QColor(128, 148, 172));
    verlauf.setColorAt(1, QColor(82, 100, 124));
    maler.setPen(Strich(kTinte, 1.1));
    maler.setBrush(verlauf);
    maler.drawPath(rad);
}

void Tuer(QPainter& maler)
{
    maler.setPen(Strich(kTinte, 1.4));
    maler.setBrush(QColor(236, 236, 236));
    maler.drawRect(QRectF(4, 3, 17, 26));
    QLinearGradient holz(6, 0, 19, 0);
    holz.setColorAt(0, QColor(176, 116, 62));
    holz.setColorAt(1, QColor(140, 88, 44));
    maler.setBrush(holz);
    maler.setPen(Strich(QColor(96, 60, 28), 1.1));
    maler.drawPolygon(QPolygonF({QPointF(6, 5), QPointF(16, 7), QPointF(16, 29), QPointF(6, 27)}));
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(250, 212, 90));
    maler.drawEllipse(QPointF(14, 17.5), 1.3, 1.3);
}

// A mark over the door, rimmed in white so that it stands out against the wood.
void Zeichen(QPainter& maler, const QPainterPath& zeichen, const QColor& farbe)
{
    maler.setBrush(Qt::NoBrush);
    maler.setPen(Strich(Qt::white, 6));
    maler.drawPath(zeichen);
    maler.setPen(Strich(farbe, 3.4));
    maler.drawPath(zeichen);
}

void TuerHaken(QPainter& maler)
{
    Tuer(maler);
    QPainterPath haken;
    haken.moveTo(17, 20);
    haken.lineTo(21.5, 25);
    haken.lineTo(29, 13);
    Zeichen(maler, haken, kGruen);
}

void TuerKreuz(QPainter& maler)
{
    Tuer(maler);
    QPainterPath kreuz;
    kreuz.moveTo(19, 15);
    kreuz.lineTo(28, 24);
    kreuz.moveTo(28, 15);
    kreuz.lineTo(19, 24);
    Zeichen(maler, kreuz, kRot);
}

} // namespace

QPen Strich(const QColor& farbe, qreal breite)
{
    return QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QFont Schrift(int pixel, bool fett)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixel);
    font.setBold(fett);
    return font;
}

void MaleSymbol(QPainter& maler, Symbol symbol, const QRectF& feld)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.translate(feld.topLeft());
    maler.scale(feld.width() / 32, feld.height() / 32);
    switch (symbol) {
        case Symbol::Stift:
            Stift(maler);
            break;
        case Symbol::Liste:
            Liste(maler);
            break;
        case Symbol::Balken:
            Balken(maler);
            break;
        case Symbol::Kalender:
            Kalender(maler);
            break;
        case Symbol::Zahnrad:
            Zahnrad(maler);
            break;
        case Symbol::TuerHaken:
            TuerHaken(maler);
            break;
        case Symbol::TuerKreuz:
            TuerKreuz(maler);
            break;
    }
    maler.restore();
}

} // namespace velmora
