#include "Fenstereingabe.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace velmora::test {

namespace {

QWindow* FensterVon(QWidget& widget)
{
    QWidget* fenster = widget.window();
    if (!fenster->windowHandle())
        fenster->winId();
    return fenster->windowHandle();
}

} // namespace

void Fokus(QWidget& widget)
{
    QWidget* fenster = widget.window();
    fenster->show();
    fenster->activateWindow();
    QApplication::setActiveWindow(fenster);
    [[maybe_unused]] const bool aktiv = QTest::qWaitForWindowActive(fenster);
    widget.setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
}

void Taste(QWidget& fenster, int taste, Qt::KeyboardModifiers mit)
{
    QTest::keyClick(FensterVon(fenster), static_cast<Qt::Key>(taste), mit);
    QCoreApplication::processEvents();
}

void TippeTasten(QWidget& fenster, const QString& text)
{
    for (const QChar zeichen : text)
        QTest::keyClick(FensterVon(fenster), zeichen.toLatin1());
    QCoreApplication::processEvents();
}

void Maus(QWidget& widget, Qt::MouseButton knopf, QPoint ort)
{
    if (ort.x() < 0)
        ort = widget.rect().center();
    QWidget* fenster = widget.window();
    QTest::mouseClick(FensterVon(widget), knopf, {}, widget.mapTo(fenster, ort));
    QCoreApplication::processEvents();
}

std::vector<QWidget*> Tabrunde(QWidget& fenster, bool rueckwaerts, int hoechstens)
{
    std::vector<QWidget*> runde;
    QWidget* start = QApplication::focusWidget();
    for (int i = 0; i < hoechstens; ++i) {
        Taste(fenster, rueckwaerts ? Qt::Key_Backtab : Qt::Key_Tab, rueckwaerts ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget* jetzt = QApplication::focusWidget();
        if (jetzt == start || !jetzt)
            break;
        runde.push_back(jetzt);
    }
    return runde;
}

std::vector<QWidget*> TabZiele(QWidget& fenster)
{
    std::vector<QWidget*> ziele;
    for (QWidget* w : fenster.findChildren<QWidget*>()) {
        if (w->window() == &fenster && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy())
            ziele.push_back(w);
    }
    return ziele;
}

QAccessibleInterface* FindeZugang(QAccessibleInterface* wurzel, const std::function<bool(QAccessibleInterface*)>& passt)
{
    if (!wurzel)
        return nullptr;
    if (passt(wurzel))
        return wurzel;
    for (int i = 0; i < wurzel->childCount(); ++i) {
        if (QAccessibleInterface* gefunden = FindeZugang(wurzel->child(i), passt))
            return gefunden;
    }
    return nullptr;
}

} // namespace velmora::test
