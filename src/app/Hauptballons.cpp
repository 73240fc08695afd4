#include "Hauptballons.h"

#include "Ballontabelle.h"
#include "Basis.h"
#include "CPPToolTip.h"
#include "QtText.h"

#include <QWidget>

namespace velmora {

namespace {

struct Ballon
{
    int id;
    const char* titelDe;
    const char* titelEn;
    const char* textDe;
    const char* textEn;
    int bildDe; // 0 = no picture
    int bildEn;
};

const Ballon kBallons[] = {
    {1001, "Eingabe von Transaktionen", "Input Of Transactions",
     "\nHier werden alle Einnahmen, Ausgaben und Umbuchungen eingegeben.\n"
     "Die Listen sind durch Klicken in die Spalten sortierbar\n"
     "und können mit der rechten Maustaste erweitert werden.\n",
     "\nEnter every income, expense and transfer here.\n"
     "The lists can be sorted by clicking into the columns\n"
     "and extended with the right mouse button.\n",
     181, 181},
    {1003, "Übersicht aller Transaktionen", "Transactions Overview",
     "\nAlle Transaktionen eines Zeitraums: filtern, sortieren, suchen,\n"
     "mit Summen und Speichern im Excel-Format.\n",
     "\nAll transactions of a period: filter, sort and search them,\n"
     "with totals, and save them as a spreadsheet.\n",
     182, 182},
    {1004, "Auswertung", "Analyses",
     "\nVergleich zweier Jahre Monat für Monat\noder zweier Monate Kategorie für Kategorie.\n",
     "\nCompare two years month by month\nor two months category by category.\n", 183, 183},
    {1041, "Daueraufträge", "Standing Orders",
     "\nAlle Daueraufträge mit ihren Jahres-Summen.\nAufträge anlegen, ändern, löschen.\n",
     "\nAll standing orders with their yearly totals.\nCreate, change and delete orders.\n", 184, 184},
    {1002, "Grundeinstellungen", "Settings",
     "\nHier werden der Familien-Name, alle Familien-Mitglieder\nund ihre Konten eingegeben.\n"
     "Jedes Mitglied erhält automatisch ein Bar-Konto.\n",
     "\nEnter the family name, all family members\nand their accounts here.\n"
     "Every member gets a cash account automatically.\n",
     185, 185},
    {1, "Ende", "Program End", "\nAlle Eingaben und Änderungen werden gespeichert.\n",
     "\nAll entries and changes are saved.\n", 186, 186},
    {2, "Ende OHNE speichern", "Program End Without Saving",
     "\nEnde, ohne die Änderungen zu speichern.\nNützlich bei Fehl-Eingaben\n",
     "\nEnds without saving the changes.\nUseful for faulty insertions.\n", 0, 0},
    {1025, "Passwort-Schutz", "Password-Protection",
     "\nSperrt das Fenster.\nEs öffnet sich wieder, sobald das Passwort eingegeben ist.\n",
     "\nLocks the window.\nIt opens again as soon as the password is typed.\n", 187, 187},
    {1098, "Info", "Info", "\nVersion und Kontakt.\n", "\nVersion and contact.\n", 188, 193},
    {1099, "Online-Hilfe", "Online-Help", "\nÖffnet die Hilfe-Seiten im Web-Browser.\n",
     "\nOpens the help pages in the web browser.\n", 189, 189},
    {1120, "Kontoauszug importieren", "Import Bank Statement",
     "\nÜbernimmt die Umsätze eines Kontoauszugs der Bank\n(CAMT.053 oder CSV) als Buchungen, nie doppelt.\n"
     "Dateien lassen sich auch auf das Fenster ziehen.\n",
     "\nTakes over the transactions of a bank statement\n(CAMT.053 or CSV) as bookings, never twice.\n"
     "Files can also be dragged onto the window.\n",
     0, 0},
};

} // namespace

void FuelleHauptballons(CPPToolTip& ballons, const CBasis& basis, const std::function<QWidget*(int id)>& steuerelement)
{
    ballons.RemoveAllTools();
    if (basis.m_bTooltips == 0)
        return;
    const bool deutsch = basis.Deutsch();
    for (const Ballon& b : kBallons)
        ballons.AddTool(steuerelement(b.id),
                        BallonHtml(Sprachtext(deutsch, b.titelDe, b.titelEn), Sprachtext(deutsch, b.textDe, b.textEn),
                                   deutsch ? b.bildDe : b.bildEn));
}

} // namespace velmora
