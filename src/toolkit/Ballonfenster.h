#pragma once

// The window of a help balloon: a frameless tool-tip window with rounded corners and a light
// background that draws its text with CPPHtmlDrawer and places itself next to the pointer.

#include "CPPHtmlDrawer.h"

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

private:
    QRectF Koerper() const;

    CPPHtmlDrawer m_text;
    // Where the windowing system can show see-through corners, the balloon casts a small shadow;
    // elsewhere its corners are cut off by a mask.
    bool m_durchsichtig;
};

} // namespace velmora
