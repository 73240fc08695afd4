#include "BilderIntern.h"

#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace velmora {

namespace {

// One size for all the main window's buttons; five of them stack beside the balance list.
constexpr int kBreite = 140;
constexpr int kHoehe = 60;
const QRectF kSymbolFeld(9, 14, 32, 32);
const QRectF kTextFeld(47, 3, 88, 54);

struct Knopf
{
    int oben;     // the picture while up; the one after it while down
    bool inaktiv; // the one after that is the inactive look-alike
    Symbol symbol;
    const char* beschriftung; // "\n" where the caption breaks
};

const Knopf kKnoepfe[] = {
    {161, true, Symbol::Stift, "Eingabe"},
    {164, true, Symbol::Liste, "Einzel-\nÜbersicht"},
    {167, true, Symbol::Balken, "Auswertung"},
    {170, true, Symbol::Kalender, "Dauer-\naufträge"},
    {173, false, Symbol::Zahnrad, "Grund-\nEinstellungen"},
    {175, false, Symbol::TuerHaken, "Ende"},
    {178, false, Symbol::TuerKreuz, "Ende OHNE\nspeichern"},
    {278, true, Symbol::Stift, "Input"},
    {281, true, Symbol::Liste, "Overview"},
    {284, true, Symbol::Balken, "Analyses"},
    {287, true, Symbol::Kalender, "Standing\nOrders"},
    {290, false, Symbol::Zahnrad, "Settings"},
    {274, false, Symbol::TuerHaken, "End"},
    {276, false, Symbol::TuerKreuz, "End without\nsaving"},
};

// The largest font in which every line of every caption fits, so that all buttons look alike in
// either language whatever font the system substitutes.
QFont Beschriftungsschrift()
{
    static const int pixel = [] {
        for (int pixel = 14; pixel > 8; --pixel) {
            const QFontMetrics metrik(Schrift(pixel, true));
            const bool passt = std::all_of(std::begin(kKnoepfe), std::end(kKnoepfe), [&metrik](const Knopf& k) {
                const QStringList zeilen = QString::fromUtf8(k.beschriftung).split(QLatin1Char('\n'));
                return std::all_of(zeilen.begin(), zeilen.end(), [&metrik](const QString& zeile) {
                    return metrik.horizontalAdvance(zeile) <= kTextFeld.width();
                });
            });
            if (passt)
                return pixel;
        }
        return 8;
    }();
    return Schrift(pixel, true);
}

QPixmap MaleKnopf(const Knopf& knopf, bool gedrueckt)
{
    QPixmap bild = LeeresBild(kBreite, kHoehe);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    const QRectF tafel(1.5, 1.5, kBreite - 3, kHoehe - 3);
    QLinearGradient verlauf(tafel.topLeft(), tafel.bottomLeft());
    verlauf.setColorAt(0, gedrueckt ? QColor(184, 202, 224) : QColor(252, 253, 255));
    verlauf.setColorAt(1, gedrueckt ? QColor(220, 230, 242) : QColor(210, 224, 240));
    maler.setBrush(verlauf);
    maler.setPen(QPen(gedrueckt ? QColor(70, 98, 132) : QColor(112, 138, 170), 1));
    maler.drawRoundedRect(tafel, 7, 7);
    if (gedrueckt) {
        // A pressed button lies lower: shadow along the top edge, contents one pixel down and right.
        maler.setPen(QPen(QColor(60, 80, 110, 90), 2));
        maler.drawLine(QPointF(8, 3.5), QPointF(kBreite - 8, 3.5));
        maler.translate(1, 1);
    } else {
        maler.setPen(QPen(QColor(255, 255, 255, 200), 1));
        maler.drawLine(QPointF(8, 2.5), QPointF(kBreite - 8, 2.5));
    }
    MaleSymbol(maler, knopf.symbol, kSymbolFeld);
    maler.setFont(Beschriftungsschrift());
    maler.setPen(QColor(28, 46, 72));
    maler.drawText(kTextFeld, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(knopf.beschriftung));
    return bild;
}

// The inactive look-alike: the up picture washed out to grey.
QPixmap Ausgegraut(const QPixmap& bild)
{
    QImage grau = bild.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grau.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(grau.scanLine(y));
        for (int x = 0; x < grau.width(); ++x) {
            const int hell = 120 + qGray(zeile[x]) * 125 / 255;
            zeile[x] = qRgba(hell, hell, hell, qAlpha(zeile[x]));
        }
    }
    return QPixmap::fromImage(grau);
}

} // namespace

QPixmap Knopfbild(int idres)
{
    for (const Knopf& knopf : kKnoepfe) {
        if (idres == knopf.oben || idres == knopf.oben + 1)
            return MaleKnopf(knopf, idres == knopf.oben + 1);
        if (knopf.inaktiv && idres == knopf.oben + 2)
            return Ausgegraut(MaleKnopf(knopf, false));
    }
    return {};
}

} // namespace velmora
