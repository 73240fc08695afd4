#include "CPPToolTip.h"

#include "Ballonfenster.h"
#include "CPPHtmlDrawer.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace velmora {

namespace {

// Ticks of the watch timer the pointer may spend between control and balloon on its way over.
constexpr int kGnadenTakte = 2;

} // namespace

CPPToolTip::CPPToolTip(QWidget* besitzer)
    : QObject(besitzer)
    , m_besitzer(besitzer)
    , m_ballon(new Ballonfenster(besitzer))
{
    // A coarse timer may fire a little early; the balloon must not.
    m_ruhe.setTimerType(Qt::PreciseTimer);
    m_ruhe.setSingleShot(true);
    m_ruhe.setInterval(m_verzoegerung);
    connect(&m_ruhe, &QTimer::timeout, this, &CPPToolTip::Ruhe);
    m_takt.setInterval(kTakt);
    connect(&m_takt, &QTimer::timeout, this, &CPPToolTip::Takt);
}

CPPToolTip::~CPPToolTip()
{
    RemoveAllTools();
    delete m_ballon;
}

void CPPToolTip::SetDelayTime(int ms)
{
    m_verzoegerung = ms;
    m_ruhe.setInterval(ms);
}

void CPPToolTip::AddTool(QWidget* control, const QString& html)
{
    if (!control)
        return;
    const QString beschreibung = CPPHtmlDrawer::NurText(html);
    auto tool = std::find_if(m_tools.begin(), m_tools.end(), [control](const Tool& t) { return t.control == control; });
    if (tool == m_tools.end()) {
        if (m_tools.empty())
            QCoreApplication::instance()->installEventFilter(this);
        tool = m_tools.insert(m_tools.end(), {control, QString(), QString()});
    }
    if (control->accessibleDescription().isEmpty() || control->accessibleDescription() == tool->beschreibung)
        control->setAccessibleDescription(beschreibung);
    tool->html = html;
    tool->beschreibung = beschreibung;
}

void CPPToolTip::RemoveAllTools()
{
    for (const Tool& tool : m_tools) {
        if (tool.control && tool.control->accessibleDescription() == tool.beschreibung)
            tool.control->setAccessibleDescription(QString());
    }
    m_tools.clear();
    if (QCoreApplication* anwendung = QCoreApplication::instance())
        anwendung->removeEventFilter(this);
    m_ruhe.stop();
    m_kandidat = nullptr;
    m_gesperrt = nullptr;
    Verstecke();
}

QString CPPToolTip::ToolText(const QWidget* control) const
{
    for (const Tool& tool : m_tools) {
        if (tool.control == control)
            return tool.html;
    }
    return {};
}

void CPPToolTip::ZeigeFuer(QWidget* control, QPoint zeiger)
{
    const QString html = ToolText(control);
    if (!control || html.isEmpty())
        return;
    m_ruhe.stop();
    m_ballon->SetzeText(html);
    m_ballon->ZeigeBei(zeiger);
    m_angezeigt = control;
    m_aufSteuerelement = true;
    m_aufBallon = false;
    m_draussenTakte = 0;
    m_angezeigtMs = 0;
    m_takt.start();
}

void CPPToolTip::Verstecke()
{
    m_takt.stop();
    if (m_ballon)
        m_ballon->hide();
    m_angezeigt = nullptr;
    m_aufSteuerelement = false;
    m_aufBallon = false;
}

bool CPPToolTip::BallonSichtbar() const
{
    return m_ballon && m_ballon->isVisible();
}

QWidget* CPPToolTip::AngezeigtFuer() const
{
    return BallonSichtbar() ? m_angezeigt.data() : nullptr;
}

QWidget* CPPToolTip::Ballon() const
{
    return m_ballon;
}

bool CPPToolTip::eventFilter(QObject* objekt, QEvent* ereignis)
{
    switch (ereignis->type()) {
        case QEvent::Enter:
            // Entering reaches the parents first, before the widget under the pointer; only entering a
            // control tells something.
            if (objekt == m_ballon || ToolUnter(objekt))
                ZeigerBewegt(objekt, static_cast<QEnterEvent*>(ereignis)->globalPosition().toPoint());
            break;
        case QEvent::MouseMove: {
            // Copies of a move handed on to the parents are not spontaneous; only the widget under the
            // pointer counts.
            const auto* maus = static_cast<QMouseEvent*>(ereignis);
            if (objekt->isWidgetType() && ereignis->spontaneous() && maus->buttons() == Qt::NoButton)
                ZeigerBewegt(objekt, maus->globalPosition().toPoint());
            break;
        }
        case QEvent::Leave:
            if (objekt->isWidgetType())
                ZeigerVerlaesst(objekt);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (objekt->isWidgetType()) {
                const Tool* tool = ToolUnter(objekt);
                m_gesperrt = tool ? tool->control.data() : nullptr;
            }
            [[fallthrough]];
        case QEvent::Wheel:
        case QEvent::KeyPress:
            m_ruhe.stop();
            m_kandidat = nullptr;
            Verstecke();
            break;
        case QEvent::Hide:
        case QEvent::WindowDeactivate:
            if (m_besitzer && objekt == m_besitzer->window()) {
                m_ruhe.stop();
                Verstecke();
            }
            break;
        default:
            break;
    }
    return false;
}

const CPPToolTip::Tool* CPPToolTip::ToolUnter(QObject* objekt) const
{
    for (auto* w = qobject_cast<QWidget*>(objekt); w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        for (const Tool& tool : m_tools) {
            if (tool.control == w)
                return &tool;
        }
    }
    return nullptr;
}

void CPPToolTip::ZeigerBewegt(QObject* objekt, QPoint zeiger)
{
    if (objekt == m_ballon) {
        m_aufBallon = true;
        return;
    }
    const Tool* tool = ToolUnter(objekt);
    QWidget* control = tool ? tool->control.data() : nullptr;
    if (BallonSichtbar()) {
        m_aufSteuerelement = control == m_angezeigt;
        if (m_aufSteuerelement)
            return;
        // Another control: its own balloon follows after its own rest.
        if (control || !(m_verhalten & kBleibtUeberBallon))
            Verstecke();
    }
    if (!control || control == m_gesperrt) {
        m_ruhe.stop();
        m_kandidat = nullptr;
        return;
    }
    m_kandidat = control;
    m_zeiger = zeiger;
    m_ruhe.start();
}

void CPPToolTip::ZeigerVerlaesst(QObject* objekt)
{
    if (objekt == m_ballon) {
        m_aufBallon = false;
        return;
    }
    if (objekt == m_gesperrt)
        m_gesperrt = nullptr;
    if (objekt == m_kandidat) {
        m_ruhe.stop();
        m_kandidat = nullptr;
    }
    if (BallonSichtbar() && objekt == m_angezeigt) {
        m_aufSteuerelement = false;
        if (!(m_verhalten & kBleibtUeberBallon))
            Verstecke();
    }
}

void CPPToolTip::Ruhe()
{
    if (m_kandidat && m_kandidat->isVisible())
        ZeigeFuer(m_kandidat, m_zeiger);
}

void CPPToolTip::Takt()
{
    m_angezeigtMs += kTakt;
    if (!m_angezeigt || !m_angezeigt->isVisible()) {
        Verstecke();
        return;
    }
    // Enter and leave events alone can go missing between windows, and the pointer position alone is
    // stale where the windowing system reports it only over the program's windows: inside means both.
    const QPoint zeiger = QCursor::pos();
    const bool aufSteuerelement =
        m_aufSteuerelement && m_angezeigt->rect().contains(m_angezeigt->mapFromGlobal(zeiger));
    const bool aufBallon = m_aufBallon && m_ballon->geometry().contains(zeiger);
    const bool drinnen = aufSteuerelement || (aufBallon && (m_verhalten & kBleibtUeberBallon));
    m_draussenTakte = drinnen ? 0 : m_draussenTakte + 1;
    const bool abgelaufen = !(m_verhalten & kKeinAutoVerstecken) && m_angezeigtMs >= kAnzeigeDauer;
    if (abgelaufen || m_draussenTakte >= kGnadenTakte)
        Verstecke();
}

void RichteBallonsEin(CPPToolTip& ballons)
{
    ballons.SetBehaviour(ballons.GetBehaviour() | CPPToolTip::kBleibtUeberBallon | CPPToolTip::kKeinAutoVerstecken);
    ballons.SetDelayTime(1000);
}

} // namespace velmora
