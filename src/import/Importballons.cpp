#include "Importballons.h"

#include "Ballontabelle.h"

namespace velmora {

namespace {

const Ballontext kImport[] = {
    {1001, "Vorgeschlagene Buchungen",
     "\nJede Zeile ist ein Umsatz des Kontoauszugs.\n"
     "Gebucht werden nur die angehakten Zeilen.\n"
     "Ein Doppelklick ändert ein Feld mit den Listen der Eingabe.\n"
     "'Schon gebucht': der Umsatz steht schon im Haushaltsbuch.\n"
     "'Kategorie fehlt': mit einer Kategorie wird die Zeile angehakt.\n"},
    {1004, "Zeilen",
     "\nWie viele Umsätze der Auszug hat, wie viele angehakt\n"
     "und wie viele schon gebucht sind.\n"
     "Vorgemerkte Umsätze hat die Bank noch nicht gebucht;\n"
     "sie werden übersprungen.\n"},
    {1005, "Schon gebucht",
     "\nEin Umsatz gilt als schon gebucht, wenn das Buch auf demselben\n"
     "Konto denselben Betrag hat und das Datum um höchstens so viele\n"
     "Tage abweicht, oder wenn dieselbe Bank-Referenz schon importiert ist.\n"},
    {1007, "Weitere Dateien",
     "\nNimmt weitere Kontoauszüge in diesen Import auf.\n"
     "Eine Umbuchung zwischen zwei Familien-Konten,\n"
     "die in beiden Auszügen steht, wird nur einmal gebucht.\n"},
    {1002, "Buchen",
     "\nBucht alle angehakten Zeilen wie die Eingabe.\n"
     "Danach zeigt die Einzel-Übersicht die gebuchten Tage.\n"
     "Gespeichert wird wie immer erst mit 'Ende'.\n"},
    {1003, "Abbrechen", "\nSchließt das Fenster, ohne etwas zu buchen.\n"},
};

const Ballontext kSpalten[] = {
    {1011, "Buchungsdatum", "\nDie Spalte mit dem Tag der Buchung.\n"},
    {1012, "Betrag",
     "\nDie Spalte mit dem Betrag, Ausgänge mit Minus.\n"
     "Führt die Bank Soll und Haben in zwei Spalten,\nbleibt diese Auswahl leer.\n"},
    {1013, "Soll", "\nDie Spalte mit den Ausgängen,\nwenn die Bank Soll und Haben getrennt führt.\n"},
    {1014, "Haben", "\nDie Spalte mit den Eingängen,\nwenn die Bank Soll und Haben getrennt führt.\n"},
    {1015, "S/H-Kennzeichen",
     "\nEine Spalte mit S (Soll, Ausgang) oder H (Haben, Eingang)\nneben einem Betrag ohne Vorzeichen.\n"},
    {1016, "Name des Gegenübers", "\nWer bezahlt hat oder bezahlt wurde;\ndaraus wird das Fremd-Konto.\n"},
    {1017, "IBAN des Gegenübers",
     "\nErkennt das Gegenüber beim nächsten Mal wieder\nund Umbuchungen zwischen Familien-Konten.\n"},
    {1018, "Verwendungszweck", "\nWird der Kommentar der Buchung.\n"},
    {1019, "Eigene IBAN", "\nDie IBAN des eigenen Kontos,\nwenn die Datei sie in einer Spalte führt.\n"},
    {1031, "Erste Zeilen der Datei",
     "\nSo beginnt die Datei. Die Nummern in den Auswahlen\nzählen die Spalten von links.\n"},
    {1032, "Übernehmen",
     "\nGeht erst, wenn Datum und Betrag (oder Soll und Haben) gewählt sind.\n"
     "Velmora merkt sich die Zuordnung für Dateien mit derselben Kopfzeile.\n"},
};

} // namespace

void FuelleImportballons(CPPToolTip& ballons, const CBasis& basis, const std::function<QWidget*(int id)>& steuerelement)
{
    FuelleDeutscheBallons(ballons, basis, kImport, steuerelement);
}

void FuelleSpaltenballons(CPPToolTip& ballons, const CBasis& basis,
                          const std::function<QWidget*(int id)>& steuerelement)
{
    FuelleDeutscheBallons(ballons, basis, kSpalten, steuerelement);
}

} // namespace velmora
