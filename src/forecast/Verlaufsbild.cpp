#include "Verlaufsbild.h"

#include "MaleText.h"
#include "QtText.h"
#include "Text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace velmora {

namespace {

constexpr Schrift kSchrift{13, 0, 400};
constexpr int kAbstand = 6;
constexpr int kMusterBreite = 24;

QString Betrag(double wert)
{
    return AlsQString(Format("%.2f", wert));
}

} // namespace

Verlaufsbild::Verlaufsbild(QWidget* eltern)
    : QWidget(eltern)
{
    setMinimumSize(780, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Verlaufsbild::Setze(const Verlauf& verlauf, int heute, int bis, bool deutsch, QColor linie, QColor minus)
{
    m_staende = TaeglicheStaende(verlauf, heute, bis);
    m_nTiefstDatum = verlauf.nTiefstDatum;
    m_dTiefst = verlauf.dTiefst;
    m_bDeutsch = deutsch;
    m_linie = linie;
    m_minus = minus;
    // The zero line is always in the picture.
    m_dUnten = 0.0;
    m_dOben = 0.0;
    for (const auto* reihe : {&m_staende.genau, &m_staende.ueblich}) {
        for (double wert : *reihe) {
            m_dUnten = std::min(m_dUnten, wert);
            m_dOben = std::max(m_dOben, wert);
        }
    }
    const double rand = std::max((m_dOben - m_dUnten) * 0.05, 1.0);
    m_dUnten -= m_dUnten < 0 ? rand : 0.0;
    m_dOben += rand;
    update();
}

QString Verlaufsbild::Legende(int eintrag) const
{
    switch (eintrag) {
        case 0:
            return Sprachtext(m_bDeutsch, "Stand aus Daueraufträgen", "Balance from standing orders");
        case 1:
            return Sprachtext(m_bDeutsch, "mit üblichen Ausgaben (geschätzt)", "with usual spending (estimate)");
        default:
            return Sprachtext(m_bDeutsch, "tiefster Stand", "lowest balance");
    }
}

// The plot inside the labels: the amounts on the left, the legend above, the dates below.
QRect Verlaufsbild::Flaeche() const
{
    const QFontMetrics metrik(SchriftFuer(kSchrift));
    const int links = std::max(metrik.horizontalAdvance(Betrag(m_dOben)), metrik.horizontalAdvance(Betrag(m_dUnten)));
    const int zeile = metrik.height();
    return rect().adjusted(links + 2 * kAbstand, zeile + 2 * kAbstand, -2 * kAbstand, -(zeile + 2 * kAbstand));
}

int Verlaufsbild::Y(double stand) const
{
    const QRect f = Flaeche();
    return f.bottom() - static_cast<int>((stand - m_dUnten) / (m_dOben - m_dUnten) * f.height());
}

QPoint Verlaufsbild::Punkt(int tag, double stand) const
{
    const QRect f = Flaeche();
    const int tage = std::max<int>(static_cast<int>(m_staende.daten.size()) - 1, 1);
    return {f.left() + tag * f.width() / tage, Y(stand)};
}

QPoint Verlaufsbild::TiefsterPunkt() const
{
    const auto it = std::find(m_staende.daten.begin(), m_staende.daten.end(), m_nTiefstDatum);
    return Punkt(static_cast<int>(it - m_staende.daten.begin()), m_dTiefst);
}

void Verlaufsbild::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);
    if (m_staende.daten.empty())
        return;
    const QRect f = Flaeche();
    const QFontMetrics metrik(SchriftFuer(kSchrift));
    const int null = Y(0.0);
    maler.fillRect(QRect(QPoint(f.left(), null), f.bottomRight()), QColor(255, 235, 235));
    maler.setPen(QPen(Qt::gray, 1));
    maler.drawRect(f);
    maler.setPen(QPen(Qt::black, 1));
    maler.drawLine(f.left(), null, f.right(), null);

    // Amounts at the top, at the bottom and at zero, where they leave each other room.
    const int halb = metrik.height() / 2;
    const auto achse = [&](double wert, int y) {
        const QString text = Betrag(wert);
        MaleText(maler, QPoint(f.left() - kAbstand - metrik.horizontalAdvance(text), y - halb), text, kSchrift,
                 Qt::black);
    };
    achse(m_dOben, f.top() + halb);
    achse(m_dUnten, f.bottom() - halb);
    if (null - f.top() > 2 * metrik.height() && f.bottom() - null > 2 * metrik.height())
        achse(0.0, null);
    const QString erster = AlsQString(DatumsText(m_staende.daten.front(), m_bDeutsch)).trimmed();
    const QString letzter = AlsQString(DatumsText(m_staende.daten.back(), m_bDeutsch)).trimmed();
    MaleText(maler, QPoint(f.left(), f.bottom() + kAbstand), erster, kSchrift, Qt::black);
    MaleText(maler, QPoint(f.right() - metrik.horizontalAdvance(letzter), f.bottom() + kAbstand), letzter, kSchrift,
             Qt::black);

    maler.setRenderHint(QPainter::Antialiasing);
    const auto linie = [&](const std::vector<double>& reihe, const QPen& stift) {
        QPainterPath pfad(Punkt(0, reihe.front()));
        for (size_t i = 1; i < reihe.size(); ++i)
            pfad.lineTo(Punkt(static_cast<int>(i), reihe[i]));
        maler.strokePath(pfad, stift);
    };
    const QPen geschaetzt(Qt::darkGray, 1.5, Qt::DashLine);
    const QPen genau(m_linie, 2);
    linie(m_staende.ueblich, geschaetzt);
    linie(m_staende.genau, genau);
    maler.setPen(Qt::NoPen);
    maler.setBrush(m_minus);
    maler.drawEllipse(TiefsterPunkt(), 5, 5);

    // The legend above the plot: a sample of each line, then its text.
    int x = f.left();
    const int y = kAbstand;
    const int mitte = y + halb;
    for (int eintrag = 0; eintrag < 3; ++eintrag) {
        if (eintrag < 2) {
            maler.setPen(eintrag == 0 ? genau : geschaetzt);
            maler.drawLine(x, mitte, x + kMusterBreite, mitte);
        } else {
            maler.setPen(Qt::NoPen);
            maler.drawEllipse(QPoint(x + kMusterBreite / 2, mitte), 5, 5);
        }
        x += kMusterBreite + kAbstand;
        MaleText(maler, QPoint(x, y), Legende(eintrag), kSchrift, Qt::black);
        x += metrik.horizontalAdvance(Legende(eintrag)) + 3 * kAbstand;
    }
}

} // namespace velmora
