#include "BilderIntern.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmora {

namespace {

// Fits into the place of the balance list, which it stands in for until a family exists.
constexpr int kBreite = 360;
constexpr int kHoehe = 220;

struct Texte
{
    const char* gruss;
    const char* hinweis;
    const char* knopf;
};

const Texte kDeutsch = {"Willkommen bei Velmora",
                        "Legen Sie zuerst in den Grund-Einstellungen Ihre Familie, die Mitglieder und ihre "
                        "Konten an. Danach stehen alle Knöpfe bereit.",
                        "Grund-Einstellungen"};
const Texte kEnglisch = {"Welcome to Velmora",
                         "First open the settings and enter your family, its members and their accounts. "
                         "Then every button is ready for you.",
                         "Settings"};

// A little house with a coin: the household whose accounts the program keeps.
void Haus(QPainter& maler, const QRectF& f)
{
    const qreal e = f.width() / 80;
    auto p = [&f, e](qreal x, qreal y) { return QPointF(f.left() + x * e, f.top() + y * e); };
    maler.setPen(QPen(QColor(120, 84, 52), 1.5 * e));
    maler.setBrush(QColor(250, 236, 204));
    maler.drawRect(QRectF(p(14, 36), p(66, 78)));
    maler.setBrush(QColor(200, 70, 56));
    maler.drawPolygon(QPolygonF({p(6, 40), p(40, 8), p(74, 40)}));
    maler.setBrush(QColor(150, 98, 56));
    maler.drawRect(QRectF(p(22, 52), p(36, 78)));
    maler.setBrush(QColor(176, 212, 240));
    maler.drawRect(QRectF(p(44, 48), p(58, 62)));
    maler.drawLine(p(51, 48), p(51, 62));
    maler.drawLine(p(44, 55), p(58, 55));
    QRadialGradient gold(p(68, 70), 12 * e);
    gold.setColorAt(0, QColor(255, 228, 120));
    gold.setColorAt(1, QColor(214, 160, 30));
    maler.setPen(QPen(QColor(140, 100, 16), 1.2 * e));
    maler.setBrush(gold);
    maler.drawEllipse(p(70, 70), 10 * e, 10 * e);
    maler.setFont(Schrift(qRound(12 * e), true));
    maler.setPen(QColor(120, 84, 10));
    maler.drawText(QRectF(p(60, 60), p(80, 80)), Qt::AlignCenter, QStringLiteral("€"));
}

// The arrow points left, to the column of buttons where the settings button waits.
void Wegweiser(QPainter& maler, const QRectF& zeile, const QString& knopf)
{
    const qreal mitte = zeile.center().y();
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(58, 111, 196));
    maler.drawPolygon(QPolygonF({QPointF(zeile.left(), mitte), QPointF(zeile.left() + 12, mitte - 9),
                                 QPointF(zeile.left() + 12, mitte - 3.5), QPointF(zeile.left() + 30, mitte - 3.5),
                                 QPointF(zeile.left() + 30, mitte + 3.5), QPointF(zeile.left() + 12, mitte + 3.5),
                                 QPointF(zeile.left() + 12, mitte + 9)}));
    MaleSymbol(maler, Symbol::Zahnrad, QRectF(zeile.left() + 38, mitte - 13, 26, 26));
    maler.setFont(Schrift(14, true));
    maler.setPen(QColor(36, 70, 110));
    maler.drawText(QRectF(zeile.left() + 72, zeile.top(), zeile.width() - 72, zeile.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, knopf);
}

QPixmap MaleWillkommen(const Texte& texte)
{
    QPixmap bild = LeeresBild(kBreite, kHoehe);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    const QRectF tafel(1.5, 1.5, kBreite - 3, kHoehe - 3);
    QLinearGradient verlauf(tafel.topLeft(), tafel.bottomLeft());
    verlauf.setColorAt(0, QColor(255, 253, 244));
    verlauf.setColorAt(1, QColor(226, 236, 248));
    maler.setPen(QPen(QColor(150, 172, 198), 1.5));
    maler.setBrush(verlauf);
    maler.drawRoundedRect(tafel, 12, 12);

    maler.setFont(Schrift(22, true));
    maler.setPen(QColor(36, 70, 110));
    maler.drawText(QRectF(12, 14, kBreite - 24, 34), Qt::AlignCenter, QString::fromUtf8(texte.gruss));
    maler.setPen(QPen(QColor(170, 190, 214), 1));
    maler.drawLine(QPointF(40, 56.5), QPointF(kBreite - 40, 56.5));

    Haus(maler, QRectF(20, 70, 84, 84));
    maler.setFont(Schrift(13, false));
    maler.setPen(QColor(40, 48, 60));
    maler.drawText(QRectF(120, 68, kBreite - 140, 92), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                   QString::fromUtf8(texte.hinweis));
    Wegweiser(maler, QRectF(24, 170, kBreite - 48, 34), QString::fromUtf8(texte.knopf));
    return bild;
}

} // namespace

QPixmap Willkommensbild(int idres)
{
    if (idres == 1095)
        return MaleWillkommen(kDeutsch);
    if (idres == 1114)
        return MaleWillkommen(kEnglisch);
    return {};
}

} // namespace velmora
