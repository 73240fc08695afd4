#include "Kleindialog.h"

#include "QtText.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace velmora {

namespace {

// Up and Down walk the answer buttons as Shift+Tab and Tab do, and Return presses the one with the
// focus, so a pop-up opened by the keyboard is answered with the arrows and Return.
class Pfeiltasten final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress)
            return false;
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            static_cast<QAbstractButton*>(ziel)->click();
            return true;
        }
        if (taste != Qt::Key_Up && taste != Qt::Key_Down)
            return false;
        QKeyEvent tab(QEvent::KeyPress, taste == Qt::Key_Down ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier);
        QCoreApplication::sendEvent(ziel, &tab);
        return true;
    }
};

} // namespace

QPoint ZellenEcke(const QAbstractItemView& liste, const QModelIndex& zelle)
{
    return liste.viewport()->mapToGlobal(liste.visualRect(zelle).topLeft());
}

void PlatziereBei(QWidget& dialog, QPoint ort)
{
    dialog.move(ort + QPoint(10, 15));
}

void RichteAntwortknoepfeEin(bool deutsch, std::span<const Antwortknopf> knoepfe, QObject* kontext,
                             const std::function<void(int wahl)>& waehle)
{
    auto* pfeile = new Pfeiltasten(kontext);
    for (const Antwortknopf& k : knoepfe) {
        k.knopf->installEventFilter(pfeile);
        k.knopf->setText(Sprachtext(deutsch, k.de, k.en));
        k.knopf->setAccessibleName(k.knopf->text());
        QObject::connect(k.knopf, &QPushButton::clicked, kontext, [waehle, wahl = k.wahl] { waehle(wahl); });
    }
}

void FokusAufErstenKnopf(std::span<const Antwortknopf> knoepfe)
{
    for (const Antwortknopf& k : knoepfe) {
        if (!k.knopf->isHidden() && k.knopf->isEnabled()) {
            k.knopf->setFocus(Qt::PopupFocusReason);
            return;
        }
    }
}

} // namespace velmora
