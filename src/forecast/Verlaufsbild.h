#pragma once

// The forecast's line chart: the balance day by day from today to the horizon, exact from the standing
// orders (solid) and with the usual everyday spending (dashed, marked as such in the legend), the zero
// line, the days below zero shaded, and the lowest exact balance marked with a red dot.

#include "Vorschau.h"

#include <QWidget>

namespace velmora {

class Verlaufsbild final : public QWidget
{
    Q_OBJECT
public:
    explicit Verlaufsbild(QWidget* eltern = nullptr);

    void Setze(const Verlauf& verlauf, int heute, int bis, bool deutsch, QColor linie, QColor minus);

    // The marked lowest point: its day and balance, and where it is drawn.
    int TiefstDatum() const { return m_nTiefstDatum; }
    double Tiefst() const { return m_dTiefst; }
    QPoint TiefsterPunkt() const;
    // The exact line's point of a day of the horizon.
    QPoint Punkt(int tag, double stand) const;
    const Tagesstaende& Staende() const { return m_staende; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QRect Flaeche() const;
    int Y(double stand) const;
    QString Legende(int eintrag) const;

    Tagesstaende m_staende;
    int m_nTiefstDatum = 0;
    double m_dTiefst = 0.0;
    double m_dUnten = 0.0;
    double m_dOben = 1.0;
    bool m_bDeutsch = true;
    QColor m_linie;
    QColor m_minus;
};

} // namespace velmora
