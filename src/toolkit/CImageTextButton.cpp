#include "CImageTextButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

namespace velmora {

CImageTextButton::CImageTextButton(QWidget* eltern)
    : QAbstractButton(eltern)
{
    setFocusPolicy(Qt::StrongFocus);
}

CImageTextButton::CImageTextButton(const QString& beschriftung, QWidget* eltern)
    : CImageTextButton(eltern)
{
    SetzeBeschriftung(beschriftung);
}

void CImageTextButton::SetzeBilder(const QPixmap& oben, const QPixmap& unten, const QPixmap& gesperrt)
{
    m_oben = oben;
    m_unten = unten.isNull() ? oben : unten;
    m_gesperrt = gesperrt;
    setFixedSize(sizeHint());
    update();
}

void CImageTextButton::SetzeBeschriftung(const QString& beschriftung)
{
    setText(beschriftung);
    setAccessibleName(beschriftung);
}

QSize CImageTextButton::sizeHint() const
{
    return m_oben.isNull() ? QSize(100, 40) : m_oben.deviceIndependentSize().toSize();
}

void CImageTextButton::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    QStyleOptionButton rahmen;
    rahmen.initFrom(this);
    rahmen.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &rahmen, &maler, this);

    const QPixmap& bild = !isEnabled() && !m_gesperrt.isNull() ? m_gesperrt : (isDown() ? m_unten : m_oben);
    maler.drawPixmap(0, 0, bild);

    if (hasFocus()) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &maler, this);
    }
}

} // namespace velmora
