#include "Statuszeile.h"

#include "Basis.h"
#include "Hauptfensterplan.h"
#include "QtText.h"

#include <QLabel>
#include <QTime>
#include <QTimer>

namespace velmora {

Statuszeile::Statuszeile(const CBasis& basis, int nachgeholt, QWidget* fenster)
    : QStatusBar(fenster)
    , m_basis(basis)
    , m_nNachgeholt(nachgeholt)
    , m_text(new QLabel(this))
    , m_uhrzeit(new QLabel(this))
    , m_uhr(new QTimer(this))
{
    const bool deutsch = basis.Deutsch();
    setSizeGripEnabled(false);
    setGeometry(0, kHauptHoehe - kStatusHoehe, kHauptBreite, kStatusHoehe);
    m_text->setObjectName(QStringLiteral("statusText"));
    m_text->setAccessibleName(Sprachtext(deutsch, "Status", "Status"));
    m_text->setMinimumWidth(400);
    m_uhrzeit->setObjectName(QStringLiteral("uhrzeit"));
    m_uhrzeit->setAccessibleName(Sprachtext(deutsch, "Uhrzeit", "Time"));
    m_uhrzeit->setMinimumWidth(100);
    addWidget(m_text, 1);
    addPermanentWidget(m_uhrzeit);
    connect(m_uhr, &QTimer::timeout, this, &Statuszeile::TickeUhr);
}

// A book with standing orders tells what the start-up's catch-up booked, so that bookings of days the
// program was closed never arrive unnoticed.
void Statuszeile::SetzeText()
{
    const bool deutsch = m_basis.Deutsch();
    if (m_basis.m_arrDauerAuftraege.empty()) {
        m_text->setText(
            Sprachtext(deutsch, " Danke, dass Sie 'Velmora' benutzen !", " Thank you, for using 'Velmora' !"));
        return;
    }
    m_text->setText(Sprachtext(deutsch, " Buchungen aus Daueraufträgen seit dem letzten Start: %1",
                               " Standing-order bookings since the last run: %1")
                        .arg(m_nNachgeholt));
}

void Statuszeile::StarteUhr()
{
    TickeUhr();
    m_uhr->start(1000);
}

void Statuszeile::TickeUhr()
{
    m_uhrzeit->setText(QStringLiteral("             ") + QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

} // namespace velmora
