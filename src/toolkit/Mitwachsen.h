#pragma once

// Lets a window laid out by fixed positions grow: each control keeps its place and size from the
// template and takes given shares of what the window has grown by, moving, widening or getting taller.
// The template's size is the smallest the window can get, so that nothing is ever cut.

#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace velmora {

class Mitwachsen final
{
public:
    // Shares of the growth: x and y move the control, breite and hoehe enlarge it.
    struct Anteil
    {
        double x = 0.0;
        double y = 0.0;
        double breite = 0.0;
        double hoehe = 0.0;
    };

    // Takes the window's present size as its smallest one and lets it be resized.
    explicit Mitwachsen(QWidget& fenster);

    void Folge(QWidget* steuerelement, Anteil anteil);
    // Places every control for the window's present size.
    void Ordne() const;

private:
    struct Eintrag
    {
        QWidget* steuerelement;
        QRect ursprung;
        Anteil anteil;
    };

    QWidget& m_fenster;
    QSize m_grundgroesse;
    std::vector<Eintrag> m_eintraege;
};

} // namespace velmora
