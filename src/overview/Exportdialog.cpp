#include "Exportdialog.h"

#include <QFileDialog>

namespace velmora {

namespace {

ExportAntwort& Antwort()
{
    static ExportAntwort antwort;
    return antwort;
}

} // namespace

QStringList Exportfilter(bool deutsch)
{
    if (deutsch)
        return {QStringLiteral("Excel-Dateien (*.xls)"), QStringLiteral("CSV-Dateien, UTF-8 (*.csv)")};
    return {QStringLiteral("Excel-Files (*.xls)"), QStringLiteral("CSV-Files, UTF-8 (*.csv)")};
}

Exportwahl FrageExportdatei(QWidget* eltern, bool deutsch, const QString& ordner)
{
    const QStringList filter = Exportfilter(deutsch);
    if (Antwort())
        return Antwort()(ordner, filter);
    QString gewaehlt = filter.front();
    // An existing file is replaced without asking: the name the user typed may still get its ending.
    const QString pfad = QFileDialog::getSaveFileName(eltern, QString(), ordner, filter.join(QStringLiteral(";;")),
                                                      &gewaehlt, QFileDialog::DontConfirmOverwrite);
    return {pfad};
}

void SetzeExportAntwort(ExportAntwort antwort)
{
    Antwort() = std::move(antwort);
}

} // namespace velmora
