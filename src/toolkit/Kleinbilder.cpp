#include "BilderIntern.h"

#include "Bilder.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmora {

namespace {

constexpr int kListenSymbol = 16;
const QColor kPfeilRot(214, 40, 40);

void Buchstabe(QPainter& maler, const QRectF& feld, int pixel)
{
    maler.setFont(Schrift(pixel, true));
    maler.setPen(QColor(0, 0, 230));
    maler.drawText(feld, Qt::AlignCenter, QStringLiteral("D"));
}

// A red arrow to the right, filling the field.
void Pfeil(QPainter& maler, const QRectF& f)
{
    const qreal mitte = f.center().y();
    const qreal schaft = f.height() * 0.2;
    const qreal spitze = f.left() + f.width() * 0.55;
    maler.setPen(Qt::NoPen);
    maler.setBrush(kPfeilRot);
    maler.drawPolygon(QPolygonF({QPointF(f.left(), mitte - schaft), QPointF(spitze, mitte - schaft),
                                 QPointF(spitze, f.top()), QPointF(f.right(), mitte), QPointF(spitze, f.bottom()),
                                 QPointF(spitze, mitte + schaft), QPointF(f.left(), mitte + schaft)}));
}

void Haken(QPainter& maler, const QRectF& f)
{
    maler.setPen(Strich(QColor(30, 150, 50), f.width() * 0.2));
    maler.drawPolyline(QPolygonF({QPointF(f.left() + f.width() * 0.12, f.top() + f.height() * 0.55),
                                  QPointF(f.left() + f.width() * 0.4, f.top() + f.height() * 0.82),
                                  QPointF(f.right() - f.width() * 0.1, f.top() + f.height() * 0.18)}));
}

// Icons of the picker and overview lists: blank, a blue D (made by a standing order), a red arrow
// (the marked row) and both; the standing-order list has a green tick (active) in place of the D.
QPixmap Listensymbol(int idres)
{
    QPixmap bild = LeeresBild(kListenSymbol, kListenSymbol);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    const QRectF ganz(0, 0, kListenSymbol, kListenSymbol);
    const QRectF links(0, 1, 9, 14);
    const QRectF rechts(7.5, 4, 8, 8);
    switch (idres) {
        case 133:
            Buchstabe(maler, ganz, 14);
            break;
        case 134:
            Pfeil(maler, ganz.adjusted(1.5, 2.5, -1, -2.5));
            break;
        case 135:
            Buchstabe(maler, links, 11);
            Pfeil(maler, rechts);
            break;
        case 141:
            Haken(maler, ganz.adjusted(1, 1, -1, -1));
            break;
        case 142:
            Haken(maler, links.adjusted(0, 2, 0, -2));
            Pfeil(maler, rechts);
            break;
        default:
            break;
    }
    return bild;
}

QPixmap Flagge(bool deutsch)
{
    constexpr int kBreite = 42;
    constexpr int kHoehe = 28;
    QPixmap bild(kBreite, kHoehe);
    QPainter maler(&bild);
    const QRectF flagge(0, 0, kBreite, kHoehe);
    if (deutsch) {
        const QColor streifen[] = {QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)};
        for (int i = 0; i < 3; ++i)
            maler.fillRect(QRectF(0, i * kHoehe / 3.0, kBreite, kHoehe / 3.0 + 1), streifen[i]);
    } else {
        const QColor blau(1, 33, 105);
        const QColor rot(200, 16, 46);
        maler.fillRect(flagge, blau);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setClipRect(flagge);
        for (const auto& [farbe, breite] : {std::pair{QColor(Qt::white), 5.5}, std::pair{rot, 1.8}}) {
            maler.setPen(QPen(farbe, breite));
            maler.drawLine(flagge.topLeft(), flagge.bottomRight());
            maler.drawLine(flagge.bottomLeft(), flagge.topRight());
        }
        maler.setRenderHint(QPainter::Antialiasing, false);
        maler.fillRect(QRectF(0, kHoehe / 2.0 - 4.5, kBreite, 9), Qt::white);
        maler.fillRect(QRectF(kBreite / 2.0 - 4.5, 0, 9, kHoehe), Qt::white);
        maler.fillRect(QRectF(0, kHoehe / 2.0 - 2.5, kBreite, 5), rot);
        maler.fillRect(QRectF(kBreite / 2.0 - 2.5, 0, 5, kHoehe), rot);
    }
    maler.setClipping(false);
    maler.setPen(QColor(90, 90, 90));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(QRect(0, 0, kBreite - 1, kHoehe - 1));
    return bild;
}

QPixmap Schloss()
{
    QPixmap bild = LeeresBild(44, 44);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Strich(QColor(110, 120, 134), 4));
    maler.setBrush(Qt::NoBrush);
    QPainterPath buegel;
    buegel.moveTo(15, 22);
    buegel.lineTo(15, 15);
    buegel.arcTo(QRectF(15, 7, 14, 16), 180, -180);
    buegel.lineTo(29, 22);
    maler.drawPath(buegel);
    QLinearGradient gold(0, 20, 0, 38);
    gold.setColorAt(0, QColor(248, 214, 96));
    gold.setColorAt(1, QColor(202, 152, 32));
    maler.setPen(Strich(QColor(130, 96, 20), 1.2));
    maler.setBrush(gold);
    maler.drawRoundedRect(QRectF(10.5, 20.5, 23, 17), 3, 3);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(60, 44, 12));
    maler.drawEllipse(QPointF(22, 27), 2.6, 2.6);
    maler.drawPolygon(QPolygonF({QPointF(20.6, 28), QPointF(23.4, 28), QPointF(24.2, 33.5), QPointF(19.8, 33.5)}));
    return bild;
}

// A disc of radius 14 with a bold sign on it, shaded from a light spot near its upper left.
struct Plakette
{
    QPointF mitte;
    QPointF licht;
    QColor hell;
    QColor dunkel;
    QColor rand;
    int nSchrift;
    QColor schrift;
    QString zeichen;
};

void MalePlakette(QPainter& maler, const Plakette& p)
{
    QRadialGradient verlauf(p.licht, 16);
    verlauf.setColorAt(0, p.hell);
    verlauf.setColorAt(1, p.dunkel);
    maler.setPen(QPen(p.rand, 1.5));
    maler.setBrush(verlauf);
    maler.drawEllipse(p.mitte, 14, 14);
    maler.setFont(Schrift(p.nSchrift, true));
    maler.setPen(p.schrift);
    maler.drawText(QRectF(p.mitte - QPointF(14, 14), QSizeF(28, 28)), Qt::AlignCenter, p.zeichen);
}

// The program's own picture: a ledger and a coin on a blue tile.
QPixmap Programmbild()
{
    QPixmap bild = LeeresBild(80, 80);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    QLinearGradient blau(0, 2, 0, 78);
    blau.setColorAt(0, QColor(82, 148, 214));
    blau.setColorAt(1, QColor(34, 80, 138));
    maler.setPen(QPen(QColor(24, 58, 100), 1.5));
    maler.setBrush(blau);
    maler.drawRoundedRect(QRectF(2, 2, 76, 76), 14, 14);
    MaleSymbol(maler, Symbol::Liste, QRectF(8, 8, 56, 56));
    MalePlakette(maler, {.mitte = {57, 56},
                         .licht = {56, 54},
                         .hell = QColor(255, 228, 120),
                         .dunkel = QColor(214, 160, 30),
                         .rand = QColor(140, 100, 16),
                         .nSchrift = 18,
                         .schrift = QColor(120, 84, 10),
                         .zeichen = QStringLiteral("€")});
    return bild;
}

// The confirmation's picture: a list of transactions with a warning sign.
QPixmap Bestaetigungsbild()
{
    QPixmap bild = LeeresBild(80, 80);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    MaleSymbol(maler, Symbol::Liste, QRectF(10, 6, 60, 60));
    MalePlakette(maler, {.mitte = {60, 60},
                         .licht = {58, 58},
                         .hell = QColor(255, 196, 80),
                         .dunkel = QColor(232, 128, 20),
                         .rand = QColor(168, 84, 8),
                         .nSchrift = 20,
                         .schrift = Qt::white,
                         .zeichen = QStringLiteral("!")});
    return bild;
}

} // namespace

QPixmap Kleinbild(int idres)
{
    switch (idres) {
        case kProgrammBild:
            return Programmbild();
        case 132:
        case 133:
        case 134:
        case 135:
        case 141:
        case 142:
            return Listensymbol(idres);
        case 151:
            return Bestaetigungsbild();
        case 1025:
            return Schloss();
        case 1100:
            return Flagge(true);
        case 1101:
            return Flagge(false);
        default:
            return {};
    }
}

} // namespace velmora
