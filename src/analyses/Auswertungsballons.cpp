#include "Auswertungsballons.h"

#include "Basis.h"
#include "CPPToolTip.h"

#include <QString>
#include <QWidget>
#include <initializer_list>

namespace velmora {

namespace {

struct Ballon
{
    std::initializer_list<int> ids;
    const char* titel;
    const char* text;
    int bild = 0; // the picture that ends the balloon, or none
};

const Ballon kBallons[] = {
    {{1065, 1066},
     "Auswahl",
     "\nAuswahl der Konten oder Kategorien für die grafische Darstellung:\n"
     "alle Einnahmen und Ausgaben der Familie, ein Familien-Konto,\n"
     "ein Fremd-Konto, ein Nutznießer oder eine Kategorie.\n"
     "Beim Familien-Konto zählen auch die Umbuchungen.\n"},
    {{1019},
     "Jahres-Übersicht",
     "\nDie Monate der eingestellten Jahre im Vergleich,\n"
     "für die gewählten Konten oder die gewählte Kategorie.\n"
     "Blau ist das erste, Orange das zweite Jahr.\n",
     195},
    {{1024},
     "Monats-Übersicht",
     "\nDie eingestellten Monate im Vergleich,\n"
     "nach Kategorien oder Unter-Kategorien.\n"
     "Linke Maustaste: die Transaktionen dieser Zeile\nwerden in der Einzel-Übersicht aufgelistet.\n",
     196},
    {{1029, 1030, 1031, 1032},
     "Monats-Auswahl",
     "\nEinen Monat zurück oder vor.\n"
     "Über den Jahreswechsel wechselt auch das Jahr.\nWeiter als bis zum aktuellen Monat geht es nicht.\n"},
    {{1025, 1026, 1027, 1028, 1067, 1068},
     "Jahres-Auswahl",
     "\nEin Jahr zurück oder vor, für das erste, das zweite\noder für beide Jahre zugleich.\n"
     "Weiter als bis zum aktuellen Jahr geht es nicht.\n"},
};

} // namespace

void FuelleAuswertungsballons(CPPToolTip& ballons, const CBasis& basis,
                              const std::function<QWidget*(int)>& steuerelement)
{
    ballons.RemoveAllTools();
    if (!basis.m_bTooltips || !basis.Deutsch())
        return;
    for (const Ballon& b : kBallons) {
        const QString text = Ballontext(QString::fromUtf8(b.titel), QString::fromUtf8(b.text), b.bild);
        for (int id : b.ids) {
            if (QWidget* control = steuerelement(id))
                ballons.AddTool(control, text);
        }
    }
}

} // namespace velmora
