#include "Auftragsballons.h"

#include "Ballontabelle.h"

namespace velmora {

namespace {

const Ballontext kBallons[] = {
    {1077, "Neuer Dauerauftrag", "\nEin neuer Dauerauftrag wird angelegt.\nDas Eingabe-Fenster öffnet sich dafür.\n"},
    {1020, "Übersicht aller Daueraufträge",
     "\nLinke Maustaste: nur die Aufträge mit diesem Eintrag zeigen.\n"
     "Rechte Maustaste: Auftrag bearbeiten oder löschen.\n"
     "Graue Zeilen sind gelöscht; die rechte Maustaste stellt sie wieder her.\n"
     "Unten stehen die Summen aller gezeigten Aufträge für ein Jahr.\n",
     197},
    {1092, "Textsuche", "\nDer Text wird in der Liste gesucht und markiert.\nGroß- und Kleinschreibung zählt nicht.\n"},
};

} // namespace

void FuelleAuftragsballons(CPPToolTip& ballons, const CBasis& basis,
                           const std::function<QWidget*(int id)>& steuerelement)
{
    FuelleDeutscheBallons(ballons, basis, kBallons, steuerelement);
}

} // namespace velmora
