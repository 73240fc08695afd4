#pragma once

// The window of a help balloon: a frameless tool-tip window with rounded corners and a light
// background that draws its text with CPPHtmlDrawer and places itself next to the pointer. A click on
// it belongs to the control it covers: the balloon closes and hands the click on.

#include "CPPHtmlDrawer.h"

#include <QPointer>
#include <QWidget>

namespace velmora {

class Ballonfenster final : public QWidget
{
    Q_OBJECT
public:
    explicit Ballonfenster(QWidget* besitzer);

    void SetzeText(const QString& html);
    // Shows the balloon below and right of the pointer, kept on the screen under it.
    void ZeigeBei(QPoint zeiger);

    const CPPHtmlDrawer& Text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;

private:
    QRectF Koerper() const;
    void ReicheWeiter(QMouseEvent* ereignis);

    // The control under the balloon that took the press, until the button is released.
    QPointer<QWidget> m_unter;
    CPPHtmlDrawer m_text;
    // Where the windowing system can show see-through corners, the balloon casts a small shadow;
    // elsewhere its corners are cut off by a mask.
    bool m_durchsichtig;
};

} // namespace velmora
