#pragma once

// Keys and clicks as the window system delivers a person's: sent to the window, routed by Qt to the
// focus widget or the widget under the pointer, through modal blocking, shortcuts and event filters.

#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class QAccessibleInterface;
class QWidget;

namespace velmora::test {

// Activates the widget's window and gives the widget the focus.
void Fokus(QWidget& widget);
// One key, to the focus widget of the window.
void Taste(QWidget& fenster, int taste, Qt::KeyboardModifiers mit = Qt::NoModifier);
// ASCII text, key by key.
void TippeTasten(QWidget& fenster, const QString& text);
// A left (or other) click at the widget's point, or its middle, through its window.
void Maus(QWidget& widget, Qt::MouseButton knopf = Qt::LeftButton, QPoint ort = QPoint(-1, -1));

// The focus widgets met while pressing Tab (or Shift+Tab) from the focus widget until it comes back;
// stops after `hoechstens` presses.
std::vector<QWidget*> Tabrunde(QWidget& fenster, bool rueckwaerts = false, int hoechstens = 80);
// The controls of a window a Tab must reach: shown, enabled, taking the focus by Tab.
std::vector<QWidget*> TabZiele(QWidget& fenster);

// The first accessible element below `wurzel` (depth first, through child()) that passes the test.
QAccessibleInterface* FindeZugang(QAccessibleInterface* wurzel,
                                  const std::function<bool(QAccessibleInterface*)>& passt);

} // namespace velmora::test
