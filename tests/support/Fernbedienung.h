#pragma once

// Driving the program as a person does, for the journeys: windows and controls are found by the names a
// screen reader hears (the accessibility interfaces the AT-SPI bridge serves), and every click and key
// enters through the window system (QWindow), so that Qt's modal blocking treats it exactly as a
// person's. Nothing here calls a window's own functions.

#include <QAccessible>
#include <QList>
#include <QPoint>
#include <QString>
#include <functional>
#include <iosfwd>

class QWidget;
class QWindow;

// Test failures print texts as text.
void PrintTo(const QString& text, std::ostream* aus);

namespace velmora::test {

// Lets events flow until the condition holds; false when it still does not after `ms`.
bool Warte(const std::function<bool()>& bedingung, int ms = 3000);

// The shown window whose accessible name (its title unless it is named otherwise) is `name`, waiting
// for it to appear; the window in front of all others (a modal dialog, a pop-up) for an empty name.
// Null, with a test failure, when there is none.
QWidget* Fenster(const QString& name = {});
// Whether such a window is shown now.
bool Offen(const QString& name);

// The control of the window named `name` (and of that role, unless NoRole), searched depth first; null,
// with a test failure that lists the window's named controls, when there is none.
QAccessibleInterface* Zugang(QWidget& fenster, const QString& name, QAccessible::Role rolle = QAccessible::NoRole);
// Whether the window shows such a control, without a failure when it does not.
bool Hat(QWidget& fenster, const QString& name, QAccessible::Role rolle = QAccessible::NoRole);
// The controls a screen reader finds in the window, one "role 'name'" per line.
QString Baum(QWidget& fenster);

// A mouse click on the middle of the control; a double click with `doppelt`.
void KlickeAuf(QWidget& fenster, const QString& name, Qt::MouseButton knopf = Qt::LeftButton, bool doppelt = false);
void KlickeAuf(QAccessibleInterface* element, Qt::MouseButton knopf = Qt::LeftButton, bool doppelt = false);
// A click on a cell, or on the header of a column, of the table named `liste`.
void KlickeZelle(QWidget& fenster, const QString& liste, int zeile, int spalte, Qt::MouseButton knopf = Qt::LeftButton,
                 bool doppelt = false);
void KlickeKopf(QWidget& fenster, const QString& liste, int spalte);

// A key pressed and released while the window has the keyboard; it goes to the control with the focus.
void Taste(QWidget& fenster, Qt::Key taste, Qt::KeyboardModifiers umschalter = Qt::NoModifier);
// Typed character by character, umlauts included.
void Schreibe(QWidget& fenster, const QString& text);

// What a screen reader reads of a control: its value (a field's text), else its name.
QString Text(QWidget& fenster, const QString& name, QAccessible::Role rolle = QAccessible::NoRole);
// The name of the control that has the keyboard focus, as a screen reader announces it; empty when none.
QString ImFokus();
// What a window tells a screen reader of what it paints.
QString Beschreibung(QWidget& fenster);
// A cell's text, the rows and the columns of the table named `liste`.
QString Zelle(QWidget& fenster, const QString& liste, int zeile, int spalte);
int Zeilen(QWidget& fenster, const QString& liste);
// The column texts of a table, top to bottom.
QStringList Spalte(QWidget& fenster, const QString& liste, int spalte);

// Presses the column header named `kopf` of the table by its accessible action, as a screen reader does.
void DrueckeKopf(QWidget& fenster, const QString& liste, const QString& kopf);
// The row and column of the table's cell a screen reader is told is current (focused) and selected;
// (-1, -1) when there is none.
QPoint ZelleImFokus(QWidget& fenster, const QString& liste);
// The rows a screen reader is told are selected.
QList<int> GewaehlteZeilen(QWidget& fenster, const QString& liste);
// Whether the program's accessibility tree (the application's windows, as AT-SPI lists them) holds a
// window of that name.
bool ImBaum(const QString& name);
// Presses `taste` (Tab or Shift+Tab) until the focus is back on the control that had it, at most
// `hoechstens` times: the names of the controls it passed, each once in a row.
QStringList TabRunde(QWidget& fenster, Qt::Key taste, int hoechstens = 40);

// Runs `aktion` on the window named `name` (for an empty name: the next modal dialog) as soon as it is shown:
// armed before the click that opens a modal dialog, which returns only when the dialog has been answered.
void WennOffen(const QString& name, std::function<void(QWidget&)> aktion);

} // namespace velmora::test
