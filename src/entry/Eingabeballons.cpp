#include "Eingabeballons.h"

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
};

const Ballon kBallons[] = {
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
};

} // namespace

void FuelleEingabeballons(CPPToolTip& ballons, const CBasis& basis, const std::function<QWidget*(int)>& steuerelement)
{
    ballons.RemoveAllTools();
    if (!basis.m_bTooltips || !basis.Deutsch())
        return;
    for (const Ballon& b : kBallons) {
        if (QWidget* control = steuerelement(b.id))
            ballons.AddTool(control, Ballontext(QString::fromUtf8(b.titel), QString::fromUtf8(b.text)));
    }
}

} // namespace velmora
