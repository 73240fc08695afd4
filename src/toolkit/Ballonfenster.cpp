#include "Ballonfenster.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace velmora {

namespace {

constexpr int kRand = 10;    // between the border and the text
constexpr int kSchatten = 4; // offset of the shadow
constexpr qreal kRadius = 7;
// The balloon opens below the pointer, clear of the arrow.
const QPoint kAbstand(2, 20);

// Screen readers announce the balloon as a tool tip, not as a plain window.
QAccessibleInterface* BallonZugang(const QString& klasse, QObject* objekt)
{
    if (klasse == QLatin1String(Ballonfenster::staticMetaObject.className()) && objekt->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(objekt), QAccessible::ToolTip);
    return nullptr;
}

} // namespace

Ballonfenster::Ballonfenster(QWidget* besitzer)
    : QWidget(besitzer, Qt::ToolTip | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint)
    , m_durchsichtig(QGuiApplication::platformName() != QLatin1String("xcb"))
{
    [[maybe_unused]] static const bool zugang = [] {
        QAccessible::installFactory(BallonZugang);
        return true;
    }();
    setObjectName(QStringLiteral("ballon"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground, m_durchsichtig);
    setFocusPolicy(Qt::NoFocus);
}

void Ballonfenster::SetzeText(const QString& html)
{
    m_text.SetzeHtml(html);
    setAccessibleName(m_text.Titel());
    setAccessibleDescription(m_text.KlarText());
    const int schatten = m_durchsichtig ? kSchatten : 0;
    resize(m_text.Groesse() + QSize(2 * kRand + 2 + schatten, 2 * kRand + 2 + schatten));
    update();
}

void Ballonfenster::ZeigeBei(QPoint zeiger)
{
    QScreen* bildschirm = QGuiApplication::screenAt(zeiger);
    if (!bildschirm)
        bildschirm = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect platz = bildschirm->availableGeometry();
    QPoint ort = zeiger + kAbstand;
    if (ort.x() + width() > platz.right() + 1)
        ort.setX(platz.right() + 1 - width());
    // No room below: above the pointer instead, so that the balloon never covers it.
    if (ort.y() + height() > platz.bottom() + 1)
        ort.setY(zeiger.y() - height() - 4);
    ort.setX(std::max(ort.x(), platz.left()));
    ort.setY(std::max(ort.y(), platz.top()));
    move(ort);
    show();
}

QRectF Ballonfenster::Koerper() const
{
    const int schatten = m_durchsichtig ? kSchatten : 0;
    return QRectF(0.5, 0.5, width() - schatten - 1, height() - schatten - 1);
}

void Ballonfenster::resizeEvent(QResizeEvent*)
{
    if (m_durchsichtig)
        return;
    QPainterPath umriss;
    umriss.addRoundedRect(Koerper().adjusted(-0.5, -0.5, 0.5, 0.5), kRadius, kRadius);
    setMask(QRegion(umriss.toFillPolygon().toPolygon()));
}

void Ballonfenster::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    const QRectF koerper = Koerper();
    if (m_durchsichtig) {
        maler.setPen(Qt::NoPen);
        for (int i = kSchatten; i >= 1; --i) {
            maler.setBrush(QColor(0, 0, 0, 18));
            maler.drawRoundedRect(koerper.translated(i, i), kRadius, kRadius);
        }
    }
    QLinearGradient hintergrund(koerper.topLeft(), koerper.bottomLeft());
    hintergrund.setColorAt(0, QColor(255, 255, 255));
    hintergrund.setColorAt(1, QColor(236, 242, 250));
    maler.setBrush(hintergrund);
    maler.setPen(QPen(QColor(118, 136, 160), 1));
    maler.drawRoundedRect(koerper, kRadius, kRadius);
    m_text.Male(maler, koerper.toAlignedRect().adjusted(kRand + 1, kRand + 1, -kRand - 1, -kRand - 1));
}

void Ballonfenster::mousePressEvent(QMouseEvent* ereignis)
{
    ReicheWeiter(ereignis);
}

void Ballonfenster::mouseReleaseEvent(QMouseEvent* ereignis)
{
    ReicheWeiter(ereignis);
}

void Ballonfenster::mouseDoubleClickEvent(QMouseEvent* ereignis)
{
    ReicheWeiter(ereignis);
}

// A balloon that opened under a resting pointer lies over the next control; the click aimed at that
// control must not be lost to the balloon.
void Ballonfenster::ReicheWeiter(QMouseEvent* ereignis)
{
    ereignis->accept();
    const QPoint ort = ereignis->globalPosition().toPoint();
    if (ereignis->type() != QEvent::MouseButtonRelease) {
        hide();
        m_unter = QApplication::widgetAt(ort);
    }
    QWidget* ziel = m_unter;
    if (ereignis->type() == QEvent::MouseButtonRelease)
        m_unter = nullptr;
    if (!ziel || ziel == this)
        return;
    if (ereignis->type() == QEvent::MouseButtonPress && (ziel->focusPolicy() & Qt::ClickFocus))
        ziel->setFocus(Qt::MouseFocusReason);
    QMouseEvent kopie(ereignis->type(), ziel->mapFromGlobal(ereignis->globalPosition()),
                      ziel->window()->mapFromGlobal(ereignis->globalPosition()), ereignis->globalPosition(),
                      ereignis->button(), ereignis->buttons(), ereignis->modifiers());
    QCoreApplication::sendEvent(ziel, &kopie);
}

} // namespace velmora
