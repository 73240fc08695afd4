#pragma once

// The main window's status line: what the start-up's catch-up booked, and the clock.

#include <QStatusBar>

class QLabel;
class QTimer;

namespace velmora {

class CBasis;

class Statuszeile final : public QStatusBar
{
    Q_OBJECT
public:
    // nachgeholt: the standing-order bookings the start-up's catch-up made.
    Statuszeile(const CBasis& basis, int nachgeholt, QWidget* fenster);

    // Sets the text again; the book may have gained or lost its standing orders.
    void SetzeText();
    // Shows the time and ticks every second from now on.
    void StarteUhr();

private:
    void TickeUhr();

    const CBasis& m_basis;
    int m_nNachgeholt;
    QLabel* m_text;
    QLabel* m_uhrzeit;
    QTimer* m_uhr;
};

} // namespace velmora
