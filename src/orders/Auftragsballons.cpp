#include "Auftragsballons.h"

#include "Basis.h"
#include "CPPToolTip.h"

#include <QString>
#include <QWidget>

namespace velmora {

namespace {

struct Ballon
{
    int id;
    const char* titel;
    const char* text;
    int bild; // 0 = none
};

const Ballon kBallons[] = {
    {1077, "Neuer Dauerauftrag", "\nEin neuer Dauerauftrag wird angelegt.\nDas Eingabe-Fenster öffnet sich dafür.\n",
     0},
    {1020, "Übersicht aller Daueraufträge",
     "\nLinke Maustaste: nur die Aufträge mit diesem Eintrag zeigen.\n"
     "Rechte Maustaste: Auftrag bearbeiten oder löschen.\n"
     "Graue Zeilen sind gelöscht; die rechte Maustaste stellt sie wieder her.\n"
     "Unten stehen die Summen aller gezeigten Aufträge für ein Jahr.\n",
     197},
    {1092, "Textsuche", "\nDer Text wird in der Liste gesucht und markiert.\nGroß- und Kleinschreibung zählt nicht.\n",
     0},
};

} // namespace

void FuelleAuftragsballons(CPPToolTip& ballons, const CBasis& basis,
                           const std::function<QWidget*(int id)>& steuerelement)
{
    ballons.RemoveAllTools();
    if (!basis.m_bTooltips || !basis.Deutsch())
        return;
    for (const Ballon& b : kBallons) {
        QString text = QStringLiteral("<center><h1>%1</h1></center><br><hr color=blue><br><center>%2</center><br>")
                           .arg(QString::fromUtf8(b.titel), QString::fromUtf8(b.text));
        if (b.bild != 0)
            text += QStringLiteral("<bmp idres=%1>").arg(b.bild);
        if (QWidget* control = steuerelement(b.id))
            ballons.AddTool(control, text);
    }
}

} // namespace velmora
