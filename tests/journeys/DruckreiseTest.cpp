// Printing driven by a person's keys and clicks: Ctrl+P in the overview asks first and can be cancelled;
// "Als PDF speichern…" with deleted rows left out, under a typed file name, writes the listing the window
// shows, as velmora-cli lists it.

#include "Fernbedienung.h"
#include "Pdftext.h"
#include "Programmlauf.h"

#include <QFile>
#include <QWidget>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(Reise, DruckenUndPdf)
{
    Reisehaushalt haushalt;
    Programmlauf lauf(haushalt.Ordner(), kReiseHeute);
    const std::string heute = std::to_string(kReiseHeute);
    const QString datei = QString::fromStdString(haushalt.Ordner() + "/juni.pdf");
    lauf.Fahre([&] {
        QWidget* haupt = Fenster(QStringLiteral("Velmora"));
        KlickeAuf(*haupt, QStringLiteral("Einzel-Übersicht"));
        QWidget* uebersicht = Fenster(QStringLiteral("Übersicht Familie"));
        ASSERT_NE(nullptr, uebersicht);

        bool gefragt = false;
        WennOffen(QStringLiteral("Drucken"), [&](QWidget& wahl) {
            gefragt = true;
            Taste(wahl, Qt::Key_Escape);
        });
        Taste(*uebersicht, Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(Warte([&] { return gefragt; }));

        // The choice, then the file dialog, which opens in the data folder.
        WennOffen(QStringLiteral("Drucken"), [&](QWidget& wahl) {
            KlickeAuf(wahl, QStringLiteral("weglassen"));
            WennOffen({}, [&](QWidget& dialog) {
                Schreibe(dialog, QStringLiteral("juni"));
                Taste(dialog, Qt::Key_Return);
            });
            KlickeAuf(wahl, QStringLiteral("OK"));
        });
        KlickeAuf(*uebersicht, QStringLiteral("Als PDF speichern…"));
        EXPECT_TRUE(Warte([&] { return QFile::exists(datei); })) << datei.toStdString();

        KlickeAuf(*haupt, QStringLiteral("Ende"));
    });
    const QStringList zeilen = lauf.CliZeilen({"list", "--from", "20250601", "--to", heute, "--today", heute});
    const QString text = PdfSeiten(datei).join(QString());
    EXPECT_TRUE(text.contains(QStringLiteral("%1 Zeilen").arg(zeilen.size()))) << text.left(300).toStdString();
    for (const QString& zeile : zeilen)
        EXPECT_TRUE(text.contains(zeile.section(QLatin1Char('\t'), 7, 7).trimmed())) << zeile.toStdString();
}

} // namespace
} // namespace velmora::test
