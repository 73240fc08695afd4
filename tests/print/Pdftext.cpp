#include "Pdftext.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace velmora::test {

namespace {

QString Lauf(const QString& programm, const QStringList& argumente)
{
    QProcess prozess;
    prozess.start(programm, argumente);
    const bool fertig = prozess.waitForFinished(60000);
    EXPECT_TRUE(fertig && prozess.exitCode() == 0)
        << programm.toStdString()
        << " failed (poppler-utils installed?): " << prozess.readAllStandardError().toStdString();
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

} // namespace

QStringList PdfSeiten(const QString& datei)
{
    QStringList seiten = Lauf(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")})
                             .split(QLatin1Char('\f'));
    // pdftotext ends every page with a form feed, the last one too.
    if (!seiten.isEmpty() && seiten.back().trimmed().isEmpty())
        seiten.removeLast();
    return seiten;
}

QString PdfLage(const QString& datei)
{
    const QString info = Lauf(QStringLiteral("pdfinfo"), {datei});
    const QRegularExpressionMatch groesse =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)")).match(info);
    if (!groesse.hasMatch())
        return QStringLiteral("unknown");
    return groesse.captured(1).toDouble() > groesse.captured(2).toDouble() ? QStringLiteral("landscape")
                                                                           : QStringLiteral("portrait");
}

} // namespace velmora::test
