#include "Mitwachsen.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace velmora {

Mitwachsen::Mitwachsen(QWidget& fenster)
    : m_fenster(fenster)
    , m_grundgroesse(fenster.size())
{
    fenster.setMinimumSize(m_grundgroesse);
    fenster.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void Mitwachsen::Folge(QWidget* steuerelement, Anteil anteil)
{
    m_eintraege.push_back({steuerelement, steuerelement->geometry(), anteil});
}

void Mitwachsen::Ordne() const
{
    const int dx = std::max(0, m_fenster.width() - m_grundgroesse.width());
    const int dy = std::max(0, m_fenster.height() - m_grundgroesse.height());
    const auto teil = [](int wert, double anteil) { return static_cast<int>(std::lround(wert * anteil)); };
    for (const Eintrag& e : m_eintraege) {
        e.steuerelement->setGeometry(e.ursprung.x() + teil(dx, e.anteil.x), e.ursprung.y() + teil(dy, e.anteil.y),
                                     e.ursprung.width() + teil(dx, e.anteil.breite),
                                     e.ursprung.height() + teil(dy, e.anteil.hoehe));
    }
}

} // namespace velmora
