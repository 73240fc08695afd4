#pragma once

// The lock of the main window: the password field and the locked state. Typing the password unlocks at
// the moment the text matches, without Enter; a wrong text does nothing.

#include <QObject>

class QLineEdit;
class QWidget;

namespace velmora {

class CBasis;

class Passwortsperre final : public QObject
{
    Q_OBJECT
public:
    Passwortsperre(const CBasis& basis, QWidget* fenster);

    QLineEdit* Feld() const { return m_feld; }
    bool Gesperrt() const { return m_bGesperrt; }

    // Shows the empty password field with the focus.
    void Sperre();

signals:
    // The password was typed; the field is hidden again.
    void Entsperrt();

private:
    void Pruefe(const QString& text);

    const CBasis& m_basis;
    QLineEdit* m_feld;
    bool m_bGesperrt = false;
};

} // namespace velmora
