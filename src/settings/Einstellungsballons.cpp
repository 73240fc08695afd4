#include "Einstellungsballons.h"

#include "Ballontabelle.h"
#include "Basis.h"
#include "CPPToolTip.h"

#include <QString>

namespace velmora {

namespace {

struct Ballon
{
    int id;
    const char* titel;
    const char* regel; // colour of the rule under the title
    const char* text;
};

const Ballon kBallons[] = {
    {1010, "Familien-Name", "blue",
     "\nEingabe des Familien-Namens.\nDie Transaktionen werden Monat für Monat in eigenen Dateien abgelegt,\n"
     "deren Name aus den ersten 5 Buchstaben des Familien-Namens,\nJahr und Monat besteht, z.B. Meier_200903.vlm\n"},
    {1024, "Familien-Mitglieder", "blue",
     "\nListe aller Familien-Mitglieder.\nRote Einträge sind bereits Teil von Transaktionen.\n"},
    {1019, "Konten", "blue",
     "\nDie Konten des oben markierten Mitglieds.\nRote Einträge werden von Transaktionen benutzt.\n"
     "Jedes Mitglied hat ein Bar-Konto,\ndas weder umbenannt noch gelöscht werden kann.\n"},
    {1021, "Umbenennen", "blue",
     "\nDas markierte Mitglied erhält den eingegebenen Namen.\n"
     "Alle Transaktionen mit diesem Namen werden ebenfalls geändert.\n"},
    {1012, "Umbenennen", "blue", "\nDer Name, den das markierte Mitglied erhalten soll.\n"},
    {1017, "Neues Familienmitglied", "blue", "\nDer Name des neuen Familien-Mitglieds.\n"},
    {1020, "Neues Familienmitglied erstellen", "blue",
     "\nErstellt ein Familien-Mitglied mit dem eingegebenen Namen.\n"},
    {1022, "Löschen", "blue",
     "\nLöscht das markierte Mitglied und alle seine Transaktionen.\nBeides kann wiederhergestellt werden.\n"},
    {1013, "Konto-Name", "blue", "\nDer Name, den das markierte Konto erhalten soll.\n"},
    {1016, "Umbenennen", "blue",
     "\nDas markierte Konto erhält den eingegebenen Namen.\nSeine Transaktionen werden ebenfalls geändert.\n"},
    {1023, "Löschen", "blue",
     "\nLöscht das markierte Konto und seine Transaktionen.\nBeides kann wiederhergestellt werden.\n"},
    {1015, "Betrag ändern", "blue", "\nDer Betrag des markierten Kontos kann jederzeit geändert werden.\n"},
    {1018, "Betrag ändern", "blue", "\nDer Betrag des markierten Kontos kann jederzeit geändert werden.\n"},
    {1028, "Name des neuen Kontos", "blue",
     "\nDer Name des neuen Kontos wird aus der Liste gewählt\noder frei eingegeben.\n"},
    {1029, "Startbetrag des neuen Kontos", "blue", "\nEin Startbetrag für das neue Konto.\n"},
    {1014, "Neues Konto erstellen", "blue", "\nDas neue Konto wird erstellt.\n"},
    {1025, "Farbauswahl für Einnahmen", "green",
     "\nDie Farbe für Einnahmen kann geändert werden.\nVoreingestellt ist Grün.\n"},
    {1026, "Farbauswahl für Ausgaben", "red",
     "\nDie Farbe für Ausgaben kann geändert werden.\nVoreingestellt ist Rot.\n"},
    {1027, "Farbauswahl für Umbuchungen", "blue", "\nDie Farbe für Umbuchungen kann geändert werden.\n"},
    {1061, "Fremd-Konten bearbeiten", "blue",
     "\nFremd-Konten sind die Gegenstücke der Familien-Konten:\n"
     "Wer im Supermarkt Geld ausgibt, macht den Supermarkt zum Fremd-Konto.\n"},
    {1062, "Kategorien bearbeiten", "blue",
     "\nKategorien und Unter-Kategorien können geändert oder ergänzt werden.\nSie gruppieren die Ausgaben.\n"},
    {1063, "Import-Regeln", "blue",
     "\nRegeln füllen beim Import von Kontoauszügen\nFremd-Konto, Nutznießer und Kategorie aus.\n"},
    {1097, "Tooltips", "blue",
     "\nSchaltet die Sprechblasen ein und aus.\nEine Sprechblase ist die kurze Hilfe, die Sie gerade lesen.\n"},
    {1073, "Passwort eingegeben", "blue", "\nEin Passwort, das in der Zeile darunter bestätigt werden muss.\n"},
    {1074, "Passwort bestätigen", "blue",
     "\nSind beide Eingaben gleich, gilt das Passwort\nund im Hauptfenster erscheint das Schloss.\n"
     "Das Programm ist dann vor ungebetenen Besuchern geschützt;\n"
     "ein Klick auf das Schloss schließt es jederzeit.\n"},
};

} // namespace

void FuelleEinstellungsballons(CPPToolTip& ballons, const CBasis& basis,
                               const std::function<QWidget*(int id)>& steuerelement)
{
    ballons.RemoveAllTools();
    if (basis.m_bTooltips == 0 || !basis.Deutsch())
        return;
    for (const Ballon& b : kBallons)
        ballons.AddTool(steuerelement(b.id), BallonHtml(QString::fromUtf8(b.titel), QString::fromUtf8(b.text), 0,
                                                        QString::fromLatin1(b.regel)));
}

} // namespace velmora
