#include "CImageTextButton.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace velmora {

CImageTextButton::CImageTextButton(QWidget* eltern)
    : QAbstractButton(eltern)
{
    setFocusPolicy(Qt::StrongFocus);
}

void CImageTextButton::SetzeBilder(const QPixmap& oben, const QPixmap& unten, const QPixmap& gesperrt)
{
    m_oben = oben;
    m_unten = unten.isNull() ? oben : unten;
    m_gesperrt = gesperrt;
    resize(sizeHint());
    update();
}

QSize CImageTextButton::sizeHint() const
{
    return m_oben.isNull() ? QSize(100, 40) : m_oben.deviceIndependentSize().toSize();
}

void CImageTextButton::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    const QPixmap& bild = !isEnabled() && !m_gesperrt.isNull() ? m_gesperrt : (isDown() ? m_unten : m_oben);
    maler.drawPixmap(rect(), bild);
}

} // namespace velmora
