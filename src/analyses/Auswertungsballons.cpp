#include "Auswertungsballons.h"

#include "Ballontabelle.h"

namespace velmora {

namespace {

const char* const kAuswahl = "\nAuswahl der Konten oder Kategorien für die grafische Darstellung:\n"
                             "alle Einnahmen und Ausgaben der Familie, ein Familien-Konto,\n"
                             "ein Fremd-Konto, ein Nutznießer oder eine Kategorie.\n"
                             "Beim Familien-Konto zählen auch die Umbuchungen.\n";
const char* const kMonate = "\nEinen Monat zurück oder vor.\n"
                            "Über den Jahreswechsel wechselt auch das Jahr.\n"
                            "Weiter als bis zum aktuellen Monat geht es nicht.\n";
const char* const kJahre = "\nEin Jahr zurück oder vor, für das erste, das zweite\noder für beide Jahre zugleich.\n"
                           "Weiter als bis zum aktuellen Jahr geht es nicht.\n";

const Ballontext kBallons[] = {
    {1065, "Auswahl", kAuswahl},
    {1066, "Auswahl", kAuswahl},
    {1019, "Jahres-Übersicht",
     "\nDie Monate der eingestellten Jahre im Vergleich,\n"
     "für die gewählten Konten oder die gewählte Kategorie.\n"
     "Blau ist das erste, Orange das zweite Jahr.\n",
     195},
    {1024, "Monats-Übersicht",
     "\nDie eingestellten Monate im Vergleich,\n"
     "nach Kategorien oder Unter-Kategorien.\n"
     "Linke Maustaste: die Transaktionen dieser Zeile\nwerden in der Einzel-Übersicht aufgelistet.\n",
     196},
    {1029, "Monats-Auswahl", kMonate},
    {1030, "Monats-Auswahl", kMonate},
    {1031, "Monats-Auswahl", kMonate},
    {1032, "Monats-Auswahl", kMonate},
    {1025, "Jahres-Auswahl", kJahre},
    {1026, "Jahres-Auswahl", kJahre},
    {1027, "Jahres-Auswahl", kJahre},
    {1028, "Jahres-Auswahl", kJahre},
    {1067, "Jahres-Auswahl", kJahre},
    {1068, "Jahres-Auswahl", kJahre},
};

} // namespace

void FuelleAuswertungsballons(CPPToolTip& ballons, const CBasis& basis,
                              const std::function<QWidget*(int)>& steuerelement)
{
    FuelleDeutscheBallons(ballons, basis, kBallons, steuerelement);
}

} // namespace velmora
