#include "Eingabeballons.h"

#include "Ballontabelle.h"

namespace velmora {

namespace {

const char* const kMonatlich = "\nJeden Monat am gewählten Tag.\n"
                               "In Monaten ohne diesen Tag wird nichts gebucht.\n";
const char* const kWoechentlich = "\nJede Woche am gewählten Wochentag.\n";
const char* const kTermine = "\nJedes Jahr an den Terminen der Liste.\n"
                             "Monat und Tag wählen, mit -> hinzufügen;\n"
                             "einen Termin anklicken und mit <- entfernen.\n";

const Ballontext kBallons[] = {
    {1040, "Übernehmen",
     "\nÜbernimmt die Transaktion; die Kontostände ändern sich sofort.\n"
     "Der Knopf wird aktiv, sobald ein Betrag eingegeben ist\n"
     "und Auftraggeber und Empfänger verschieden sind.\n"},
    {1019, "Auftraggeber",
     "\nDem Auftraggeber wird der Betrag abgezogen.\n"
     "Linke Maustaste: Eintrag auswählen.\n"
     "Rechte Maustaste: Konten erweitern oder bearbeiten.\n"
     "Klick auf die Spalten-Überschrift: alphabetisch sortieren,\n"
     "noch einmal: umgekehrt, beim dritten Mal: wie zuvor.\n"
     "Familien-Konten sind blau dargestellt.\n"},
    {1024, "Empfänger",
     "\nDem Empfänger wird der Betrag gutgeschrieben.\n"
     "Linke Maustaste: Eintrag auswählen.\n"
     "Nutznießer und Kategorien der letzten Buchung an ihn werden vorgeschlagen.\n"
     "Rechte Maustaste: Konten erweitern oder bearbeiten.\n"
     "Klick auf die Spalten-Überschrift: alphabetisch sortieren,\n"
     "noch einmal: umgekehrt, beim dritten Mal: wie zuvor.\n"
     "Familien-Konten sind blau dargestellt.\n"},
    {1025, "Nutzniesser",
     "\nWem die Transaktion zugute kommt.\n"
     "'Alle' ist die ganze Familie.\n"
     "Linke Maustaste: Eintrag auswählen.\n"
     "Klick auf die Spalten-Überschrift: alphabetisch sortieren,\n"
     "noch einmal: umgekehrt, beim dritten Mal: wie zuvor.\n"},
    {1026, "Kategorie",
     "\nDie Kategorie der Transaktion.\n"
     "Linke Maustaste: Eintrag auswählen.\n"
     "Rechte Maustaste: Kategorien erweitern oder bearbeiten.\n"
     "Klick auf die Spalten-Überschrift: alphabetisch sortieren,\n"
     "noch einmal: umgekehrt, beim dritten Mal: wie zuvor.\n"},
    {1027, "Unter-Kategorie",
     "\nDie Unter-Kategorie zur gewählten Kategorie.\n"
     "Linke Maustaste: Eintrag auswählen.\n"
     "Rechte Maustaste: Kategorien erweitern oder bearbeiten.\n"
     "Klick auf die Spalten-Überschrift: alphabetisch sortieren,\n"
     "noch einmal: umgekehrt, beim dritten Mal: wie zuvor.\n"},
    {1039, "Kommentar", "\nEin freier Kommentar zur Transaktion.\nDas Feld darf leer bleiben.\n"},
    {1038, "Betrag", "\nDer Betrag der Transaktion.\nKomma oder Punkt trennen die Cent ab: 12,50 oder 12.50.\n"},
    {1042, "Datum", "\nDas Datum der Transaktion.\nDer Pfeil öffnet einen Kalender.\n"},
    {1048, "Aktiv", "\nNur ein aktiver Dauerauftrag wird ausgeführt.\n"},
    {1054, "Beginn des Dauerauftrags",
     "\nDer erste Tag, an dem der Auftrag ausgeführt wird.\n"
     "Liegt er in der Vergangenheit, wird alles seitdem Fällige\n"
     "sofort gebucht.\n"},
    {1044, "Ende des Dauerauftrags", "\nDer letzte Tag, an dem der Auftrag ausgeführt wird.\n"},
    {1049, "Zyklus: monatlich", kMonatlich},
    {1051, "Zyklus: monatlich", kMonatlich},
    {1050, "Zyklus: wöchentlich", kWoechentlich},
    {1052, "Zyklus: wöchentlich", kWoechentlich},
    {1053, "Zyklus: andere Termine", kTermine},
    {1020, "Zyklus: andere Termine", kTermine},
};

} // namespace

void FuelleEingabeballons(CPPToolTip& ballons, const CBasis& basis, const std::function<QWidget*(int)>& steuerelement)
{
    FuelleDeutscheBallons(ballons, basis, kBallons, steuerelement);
}

} // namespace velmora
