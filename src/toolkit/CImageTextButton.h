#pragma once

// A button drawn wholly by the program: a pressed push-button frame with a picture over it, the second
// picture while it is held down and the third, when given, while it is disabled. It has no text of its
// own; the caller gives it an accessible name (its caption in the current language).

#include <QAbstractButton>
#include <QPixmap>

namespace velmora {

class CImageTextButton final : public QAbstractButton
{
    Q_OBJECT
public:
    explicit CImageTextButton(QWidget* eltern = nullptr);

    // The button takes the size of the first picture.
    void SetzeBilder(const QPixmap& oben, const QPixmap& unten, const QPixmap& gesperrt = QPixmap());

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QPixmap m_oben;
    QPixmap m_unten;
    QPixmap m_gesperrt;
};

} // namespace velmora
