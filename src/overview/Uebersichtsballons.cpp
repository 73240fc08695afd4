#include "Uebersichtsballons.h"

#include "Ballontabelle.h"

namespace velmora {

namespace {

const Ballontext kBallons[] = {
    {1079, "Speichern im Excel-Format",
     "\nDer angezeigte Tabelleninhalt wird in Tabellenform gespeichert,\n"
     "so wie er gerade gefiltert und sortiert ist.\n"
     "Als Excel-Datei (.xls) oder als CSV-Datei (.csv).\n"},
    {1019, "Übersicht aller Transaktionen",
     "\nLinke Maustaste in einer Zelle: nach diesem Eintrag filtern.\n"
     "Rechte Maustaste: Eintrag bearbeiten oder löschen.\n"
     "Graue Zeilen sind gelöscht und lassen sich mit der rechten\n"
     "Maustaste wiederherstellen oder endgültig löschen.\n"
     "Mit D markierte Zeilen stammen aus Daueraufträgen.\n"
     "Klick auf eine Spalten-Überschrift sortiert, noch einmal: umgekehrt.\n"},
    {1117, "Umbuchungen",
     "\nOhne Filter ('Gesamt') ist eine Umbuchung weder Einnahme noch Ausgabe.\n"
     "Gefiltert nach einem Konto ist sie für das zahlende Konto eine Ausgabe\n"
     "und für das empfangende Konto eine Einnahme.\n"
     "Gefiltert nach einer Person ist eine Umbuchung zwischen zwei Konten\n"
     "dieser Person weder Einnahme noch Ausgabe.\n"},
    {1060, "Aktueller Monat", "\nZeigt die Transaktionen vom Ersten des Monats bis heute.\n"},
    {1061, "Aktuelles Jahr", "\nZeigt die Transaktionen vom 1. Januar bis heute.\n"},
    {1076, "Auswahl", "\nAlle Transaktionen ('Gesamt')\noder nur die eines Familienmitglieds.\n"},
    {1092, "Textsuche",
     "\nDer Text wird in der Liste gesucht und markiert;\n"
     "die erste Zeile mit einem Treffer wird gezeigt.\n"
     "Groß- und Kleinschreibung spielen keine Rolle.\n"},
    {1042, "Von...Datum", "\nDas Anfangsdatum der Liste.\n"},
    {1047, "Bis...Datum", "\nDas Enddatum der Liste.\n"},
};

} // namespace

void FuelleUebersichtsballons(CPPToolTip& ballons, const CBasis& basis,
                              const std::function<QWidget*(int id)>& steuerelement)
{
    FuelleDeutscheBallons(ballons, basis, kBallons, steuerelement);
}

} // namespace velmora
