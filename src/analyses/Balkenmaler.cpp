#include "Balkenmaler.h"

#include "Vergleich.h"
#include "Vergleichsliste.h"

#include <QPainter>

namespace velmora {

namespace {

// The bottom of each cell stays free, so that the bars of a month's two rows stand apart.
constexpr int kUntenFrei = 2;

} // namespace

Balkenmaler::Balkenmaler(const CBasis& basis, std::function<double()> massstab, QObject* eltern)
    : QStyledItemDelegate(eltern)
    , m_basis(basis)
    , m_massstab(std::move(massstab))
{
}

void Balkenmaler::paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect zelle = option.rect.adjusted(0, 0, 0, -kUntenFrei);
    maler->save();
    maler->setClipRect(option.rect);
    maler->fillRect(zelle, Qt::white);
    const int spalte = index.column();
    if (spalte == Vergleichsliste::kBalken) {
        MaleBalken(*maler, zelle, index);
    } else {
        maler->setFont(option.font);
        maler->setPen(index.data(Qt::ForegroundRole).value<QColor>());
        const int ausrichtung = index.data(Qt::TextAlignmentRole).toInt();
        // Figures keep a little distance from the grid line on their right.
        const QRect textfeld = spalte == Vergleichsliste::kBeschriftung ? zelle : zelle.adjusted(0, 0, -4, 0);
        maler->drawText(textfeld, ausrichtung, index.data(Qt::DisplayRole).toString());
        // The label of period A closes its month's or category's pair of rows.
        if (spalte == Vergleichsliste::kBeschriftung && index.row() % 2 == 1) {
            maler->setPen(Qt::black);
            maler->drawLine(zelle.bottomLeft(), zelle.bottomRight());
        }
    }
    maler->restore();
}

void Balkenmaler::MaleBalken(QPainter& maler, const QRect& zelle, const QModelIndex& index) const
{
    const double massstab = m_massstab();
    if (massstab <= 0.0)
        return;
    const double v = zelle.width() / massstab;
    const double einnahmen = index.data(Vergleichsliste::kEinnahmenRolle).toDouble();
    const double ausgaben = index.data(Vergleichsliste::kAusgabenRolle).toDouble();
    const Periodenfarben farben =
        FarbenDer(m_basis, static_cast<Periode>(index.data(Vergleichsliste::kPeriodeRolle).toInt()));
    const auto balken = [&](double betrag, int zugabe, const QColor& farbe) {
        const int laenge = static_cast<int>(betrag * v) + zugabe;
        if (laenge > 0)
            maler.fillRect(QRect(zelle.left(), zelle.top(), laenge, zelle.height()), farbe);
    };
    const long long einnahmenCent = InCent(einnahmen);
    const long long ausgabenCent = InCent(ausgaben);
    if (ausgabenCent < einnahmenCent) {
        balken(einnahmen, 2, farben.einnahmen);
        balken(ausgaben, 0, farben.ausgaben);
    } else if (ausgabenCent > einnahmenCent) {
        balken(ausgaben, 2, farben.ausgaben);
    } else {
        balken(ausgaben, 0, kAusgeglichenFarbe);
    }
}

} // namespace velmora
