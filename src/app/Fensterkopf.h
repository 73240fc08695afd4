#pragma once

// The main window's painted header: the family name, today, the previous run and, while locked, the
// prompt for the password. Screen readers hear it as the window's description; a family name too long
// for its place is shortened with "…" and shows whole in its tooltip.

#include <QStringList>

class QHelpEvent;
class QPainter;
class QWidget;

namespace velmora {

class CBasis;

class Fensterkopf final
{
public:
    explicit Fensterkopf(const CBasis& basis);

    // The texts in the order they are painted.
    QStringList Texte(bool gesperrt) const;
    void Male(QPainter& maler, bool gesperrt) const;
    QString Beschreibung(bool gesperrt) const;
    // Shows the whole family name when the pointer rests on its shortened form; false when it is not.
    bool ZeigeTipp(const QHelpEvent& hilfe, QWidget* fenster) const;

private:
    const CBasis& m_basis;
};

} // namespace velmora
