// velmora-cli list, orders and compare --pdf, run as a person runs them without a display: the PDF holds
// every row's amount and the totals the same command prints as text, and mistakes are refused.

#include "Pdftext.h"
#include "TempOrdner.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

struct Ergebnis
{
    int status = -1;
    QString aus;
    QString fehler;
};

Ergebnis Cli(const QStringList& argumente)
{
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.remove(QStringLiteral("QT_QPA_PLATFORM"));
    umgebung.remove(QStringLiteral("DISPLAY"));
    prozess.setProcessEnvironment(umgebung);
    prozess.start(QStringLiteral(VELMORA_CLI), argumente);
    if (!prozess.waitForFinished(120000))
        return {};
    return {prozess.exitCode(), QString::fromUtf8(prozess.readAllStandardOutput()),
            QString::fromUtf8(prozess.readAllStandardError())};
}

// The text listing's rows, each split into its cells; the totals line last.
std::vector<QStringList> Zeilen(const QString& ausgabe)
{
    std::vector<QStringList> zeilen;
    for (const QString& zeile : ausgabe.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        zeilen.push_back(zeile.split(QLatin1Char('\t')));
    return zeilen;
}

TEST(Druckbefehl, ListeAuftraegeUndVergleichWerdenOhneBildschirmZuPdf)
{
    TempOrdner temp("velmora-druckbefehl");
    const QString buch = QString::fromStdString(temp.Unterordner("buch"));
    const QString pdf = QString::fromStdString(temp.Pfad() + "/aus.pdf");
    const QStringList heute = {QStringLiteral("--today"), QStringLiteral("20261208")};
    ASSERT_EQ(Cli(QStringList{"generate", buch, "--years", "1", "--seed", "5"} + heute).status, 0);

    const QStringList liste = QStringList{"list", buch, "--from", "20261101", "--to", "20261208"} + heute;
    const std::vector<QStringList> text = Zeilen(Cli(liste).aus);
    ASSERT_GT(text.size(), 100u);
    const Ergebnis gedruckt = Cli(liste + QStringList{"--pdf", pdf});
    ASSERT_EQ(gedruckt.status, 0) << gedruckt.fehler.toStdString();
    EXPECT_EQ(gedruckt.aus.trimmed(), pdf);
    EXPECT_EQ(gedruckt.fehler, QString());
    const QString seiten = PdfSeiten(pdf).join(QString());
    for (size_t z = 0; z + 1 < text.size(); ++z)
        EXPECT_TRUE(seiten.contains(text[z][7].trimmed())) << "row " << z << ": " << text[z][7].toStdString();
    const QStringList summen = text.back();
    EXPECT_TRUE(seiten.contains(QLatin1Char('+') + summen[1]) && seiten.contains(QLatin1Char('-') + summen[2]))
        << summen.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(PdfLage(pdf), QStringLiteral("landscape"));
    ASSERT_EQ(Cli(liste + QStringList{"--pdf", pdf, "--portrait"}).status, 0);
    EXPECT_EQ(PdfLage(pdf), QStringLiteral("portrait"));

    const QStringList auftraege = QStringList{"orders", buch} + heute;
    const QStringList auftragsSummen = Zeilen(Cli(auftraege).aus).back();
    ASSERT_EQ(Cli(auftraege + QStringList{"--pdf", pdf}).status, 0);
    EXPECT_TRUE(PdfSeiten(pdf).join(QString()).contains(QLatin1Char('+') + auftragsSummen[1]))
        << auftragsSummen.join(QLatin1Char(' ')).toStdString();

    const QStringList vergleich =
        QStringList{"compare", buch, "--years", "2026", "2025", "--months", "12", "11", "--pdf", pdf} + heute;
    ASSERT_EQ(Cli(vergleich).status, 0);
    const QString auswertung = PdfSeiten(pdf).join(QString()).simplified();
    for (const char* text : {"Jahres-Vergleich 2026 / 2025", "Monats-Vergleich Dezember 2026 / November 2025"})
        EXPECT_TRUE(auswertung.contains(QString::fromUtf8(text))) << text;

    EXPECT_EQ(Cli(liste + QStringList{"--pdf", pdf, "--portrait", "--landscape"}).status, 2);
    EXPECT_EQ(Cli(vergleich + QStringList{"--without-deleted"}).status, 2);
    EXPECT_EQ(Cli(liste + QStringList{"--pdf", pdf, "--export", pdf}).status, 2);
    const Ergebnis ohneOrdner = Cli(liste + QStringList{"--pdf", "/nonexistent/folder/aus.pdf"});
    EXPECT_EQ(ohneOrdner.status, 1);
    EXPECT_TRUE(ohneOrdner.fehler.contains(QStringLiteral("cannot write"))) << ohneOrdner.fehler.toStdString();
}

} // namespace
} // namespace velmora::test
