#pragma once

// The save dialog of the overview's export: the data folder to start in, no proposed name, and the
// spreadsheet formats as filters. Tests answer it through a hook instead of a person.

#include "Tabellenexport.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace velmora {

// The format follows the name the user typed (ExportformatVon), whatever filter the dialog showed.
struct Exportwahl
{
    QString strPfad; // empty when cancelled
};

// The filters of the dialog in the book's language, the Excel one first.
QStringList Exportfilter(bool deutsch);

Exportwahl FrageExportdatei(QWidget* eltern, bool deutsch, const QString& ordner);

// While set, the dialog is not shown: the hook gets the starting folder and the filters and answers.
using ExportAntwort = std::function<Exportwahl(const QString& ordner, const QStringList& filter)>;
void SetzeExportAntwort(ExportAntwort antwort);

} // namespace velmora
