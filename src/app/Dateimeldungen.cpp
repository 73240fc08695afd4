#include "Dateimeldungen.h"

#include "Meldung.h"
#include "QtText.h"

#include <QFile>

namespace velmora {

namespace {

QString Pfadname(const std::string& pfad)
{
    return QFile::decodeName(QByteArray::fromStdString(pfad));
}

QString Zeilen(const std::vector<std::string>& pfade)
{
    QStringList namen;
    for (const std::string& pfad : pfade)
        namen << Pfadname(pfad);
    return namen.join(QLatin1Char('\n'));
}

void Melde(QWidget* fenster, QMessageBox::Icon art, const QString& text, const QString& was)
{
    Meldung(fenster, art, QStringLiteral("Velmora"), text + QStringLiteral("\n\n") + was);
}

} // namespace

void MeldeAbgeschnitteneDateien(QWidget* fenster, bool deutsch, const std::vector<std::string>& pfade)
{
    Melde(fenster, QMessageBox::Warning,
          Sprachtext(deutsch,
                     "Diese Dateien sind beschädigt oder abgeschnitten; gelesen wurde, was vor der Stelle steht:",
                     "These files are damaged or cut short; what stands before the damage was read:"),
          Zeilen(pfade));
}

void MeldeSicherungsfehler(QWidget* fenster, bool deutsch, const std::string& grund)
{
    Melde(fenster, QMessageBox::Warning,
          Sprachtext(deutsch,
                     "Die Sicherung der bisherigen Dateien in \"Sicherungen\" konnte nicht angelegt werden; "
                     "das Haushalts-Buch wird trotzdem gespeichert. Grund:",
                     "The backup of the previous files in \"Sicherungen\" could not be made; the household "
                     "book is saved all the same. Reason:"),
          Pfadname(grund));
}

void MeldeSchreibgeschuetzteDateien(QWidget* fenster, bool deutsch, const std::vector<std::string>& pfade)
{
    Melde(fenster, QMessageBox::Critical,
          Sprachtext(deutsch,
                     "Diese Dateien sind schreibgeschützt; es wurde nichts gespeichert. Bitte das Schreibrecht "
                     "geben und erneut \"Ende\" wählen:",
                     "These files are read-only; nothing was saved. Please make them writable and choose "
                     "\"End\" again:"),
          Zeilen(pfade));
}

void MeldeNichtGeschriebeneDateien(QWidget* fenster, bool deutsch, const std::vector<std::string>& pfade)
{
    Melde(fenster, QMessageBox::Critical,
          Sprachtext(deutsch,
                     "Diese Dateien konnten nicht geschrieben werden. Bitte Speicherplatz oder Zugriffsrechte "
                     "prüfen und erneut \"Ende\" wählen:",
                     "These files could not be written. Please check the free space or the permissions and "
                     "choose \"End\" again:"),
          Zeilen(pfade));
}

} // namespace velmora
