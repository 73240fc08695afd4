#pragma once

// Help balloons from a table of German titles and texts. Windows other than the main window have
// balloons only in German, and only while balloon help is on.

#include <QString>
#include <functional>
#include <span>

class QWidget;

namespace velmora {

class CBasis;
class CPPToolTip;

struct Ballontext
{
    int id;
    const char* titel;
    const char* text;
    int bild = 0; // picture under the text; 0 = none
};

// A balloon's text in the windows' common form: the title centred as a heading, a rule in that colour,
// the centred body and, when a number is given, the picture of that number below.
QString BallonHtml(const QString& titel, const QString& text, int bild = 0,
                   const QString& regel = QStringLiteral("blue"));

// Removes every balloon, then gives each control of the table its own, formatted like
// "<center><h1>Titel</h1></center><br><hr color=blue><br><center>Text</center><br>".
void FuelleDeutscheBallons(CPPToolTip& ballons, const CBasis& basis, std::span<const Ballontext> tabelle,
                           const std::function<QWidget*(int id)>& steuerelement);

} // namespace velmora
