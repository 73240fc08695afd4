#include "Regelballons.h"

#include "Ballontabelle.h"

namespace velmora {

namespace {

const Ballontext kRegel[] = {
    {1001, "Name enthält",
     "\nDie Regel gilt für Zeilen, deren Gegenüber diesen Text\n"
     "im Namen hat. Groß und klein zählt nicht, Umlaute so,\n"
     "wie sie getippt sind. Ein Text braucht zwei Zeichen.\n"},
    {1004, "IBAN", "\nDie IBAN des Gegenübers. Eine Regel mit IBAN\ngeht den Regeln nur nach Namen vor.\n"},
    {1005, "Verwendungszweck",
     "\nTrennt zum Beispiel Miete und Strom,\nwenn beide an dasselbe Konto gehen.\n"
     "Bei Buchungen im Buch zählt der Kommentar.\n"},
    {1006, "Richtung", "\nNur Eingänge, nur Ausgänge oder beide.\n"},
    {1007, "Betrag", "\nDer Betrag ohne Vorzeichen muss in diesem Bereich liegen.\nLeer: ohne Grenze.\n"},
    {1021, "Fremd-Konto", "\nDas Fremd-Konto, auf das die Zeile gebucht wird.\nLeer: wie der Import es vorschlägt.\n"},
    {1023, "Kategorie", "\nKategorie und Unter-Kategorie der Buchung.\nEine Regel geht der letzten Buchung vor.\n"},
    {1041, "Treffer",
     "\nSo viele Zeilen dieses Imports und Buchungen im Buch\n"
     "trifft die Regel. Trifft sie nichts oder alles,\nsteht darunter ein Hinweis.\n"},
    {1044, "Zeilen dieses Imports", "\nDie Zeilen der Kontoauszüge, die die Regel trifft.\n"},
    {1046, "Buchungen im Buch",
     "\nDie Buchungen, die die Regel trifft: der Name gilt\n"
     "für das Fremd-Konto, der Zweck für den Kommentar.\n"},
    {1051, "Speichern",
     "\nBehält die Regel. Ändert sie Buchungen im Buch,\nfragt Velmora, welche davon geändert werden.\n"},
    {1052, "Abbrechen", "\nSchließt, ohne die Regel zu behalten.\n"},
};

const Ballontext kRegelfenster[] = {
    {1001, "Import-Regeln",
     "\nDie erste passende Regel füllt eine Zeile des Imports;\n"
     "Regeln mit IBAN gehen den anderen vor.\nEine Regel geht der letzten Buchung vor.\n"},
    {1002, "Neue Regel", "\nLegt eine Regel an.\n"},
    {1003, "Bearbeiten", "\nÄndert die gewählte Regel.\n"},
    {1004, "Nach oben", "\nDie gewählte Regel wird früher gefragt.\n"},
    {1005, "Nach unten", "\nDie gewählte Regel wird später gefragt.\n"},
    {1006, "Löschen", "\nLöscht die gewählte Regel.\n"},
    {1007, "Auf das Buch anwenden",
     "\nZeigt die Buchungen im Buch, die die Regel ändern würde;\nnur angehakte werden geändert.\n"},
    {1008, "Schließen", "\nGespeichert wird wie immer erst mit 'Ende'.\n"},
};

const Ballontext kAnwendung[] = {
    {1002, "Buchungen",
     "\nDiese Buchungen würde die Regel ändern:\nalte und neue Kategorie stehen nebeneinander.\n"
     "Nur angehakte Buchungen werden geändert.\n"},
    {1004, "Ändern",
     "\nÄndert die angehakten Buchungen wie 'Bearbeiten'\n"
     "in der Übersicht; die Kontostände bleiben richtig.\n"},
    {1005, "Abbrechen", "\nÄndert keine Buchung.\n"},
};

} // namespace

void FuelleRegelballons(CPPToolTip& ballons, const CBasis& basis, const Steuerelemente& steuerelement)
{
    FuelleDeutscheBallons(ballons, basis, kRegel, steuerelement);
}

void FuelleRegelfensterballons(CPPToolTip& ballons, const CBasis& basis, const Steuerelemente& steuerelement)
{
    FuelleDeutscheBallons(ballons, basis, kRegelfenster, steuerelement);
}

void FuelleAnwendungsballons(CPPToolTip& ballons, const CBasis& basis, const Steuerelemente& steuerelement)
{
    FuelleDeutscheBallons(ballons, basis, kAnwendung, steuerelement);
}

} // namespace velmora
