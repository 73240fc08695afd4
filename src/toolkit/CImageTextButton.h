#pragma once

// A button drawn wholly by the program: a pressed push-button frame with a picture over it, the second
// picture while it is held down and the third, when given, while it is disabled. It shows no text of
// its own; its caption in the current language is what screen readers announce.

#include <QAbstractButton>
#include <QPixmap>

namespace velmora {

class CImageTextButton final : public QAbstractButton
{
    Q_OBJECT
public:
    explicit CImageTextButton(QWidget* eltern = nullptr);
    CImageTextButton(const QString& beschriftung, QWidget* eltern);

    // The button takes the size of the first picture. Without a second picture the first one serves
    // for both states; without a third a disabled button shows the first.
    void SetzeBilder(const QPixmap& oben, const QPixmap& unten, const QPixmap& gesperrt = QPixmap());
    // The caption, not drawn: the button's text and accessible name.
    void SetzeBeschriftung(const QString& beschriftung);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QPixmap m_oben;
    QPixmap m_unten;
    QPixmap m_gesperrt;
};

} // namespace velmora
