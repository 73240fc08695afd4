#include "Dateiablage.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace velmora {

Dateiablage::Dateiablage(QWidget* fenster, std::function<bool()> nimmt,
                         std::function<void(const QStringList&)> abgelegt)
    : QObject(fenster)
    , m_nimmt(std::move(nimmt))
    , m_abgelegt(std::move(abgelegt))
{
    fenster->setAcceptDrops(true);
    fenster->installEventFilter(this);
}

bool Dateiablage::eventFilter(QObject* ziel, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::DragEnter) {
        auto* ziehen = static_cast<QDragEnterEvent*>(ereignis);
        if (m_nimmt() && ziehen->mimeData()->hasUrls())
            ziehen->acceptProposedAction();
        return true;
    }
    if (ereignis->type() == QEvent::Drop) {
        auto* ablegen = static_cast<QDropEvent*>(ereignis);
        QStringList dateien;
        for (const QUrl& adresse : ablegen->mimeData()->urls()) {
            if (adresse.isLocalFile())
                dateien << adresse.toLocalFile();
        }
        ablegen->acceptProposedAction();
        m_abgelegt(dateien);
        return true;
    }
    return QObject::eventFilter(ziel, ereignis);
}

} // namespace velmora
