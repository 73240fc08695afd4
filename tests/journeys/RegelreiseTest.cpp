// A rule made from a preview line by a person: "Regel anlegen…" on the electricity bill, its category
// chosen in the rule dialog, "Speichern"; the line is filled by the rule at once and again when the
// statement is imported anew, the settings show it among the rules, and "Ende" keeps the rule.

#include "Auszugsbau.h"
#include "Fernbedienung.h"
#include "Programmlauf.h"

#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

constexpr int kBetrag = 3;
constexpr int kKategorie = 7;
constexpr int kRegel = 10;
const QString kImport = QStringLiteral("Kontoauszug importieren");
const QString kListe = QStringLiteral("Vorgeschlagene Buchungen");
// What a screen reader reads in the rule column of a line the new rule filled.
const QString kVonRegel = QStringLiteral("Regel 1: Name enthält „Stadtwerke“, Ausgang");

// Opens the import on the statement typed into the file dialog; null when it does not open.
QWidget* Importiere(QWidget& haupt)
{
    WennOffen(QStringLiteral("Kontoauszüge wählen"), [](QWidget& dialog) {
        Schreibe(dialog, QStringLiteral("maerz.xml"));
        Taste(dialog, Qt::Key_Return);
    });
    KlickeAuf(haupt, kImport);
    return Fenster(kImport);
}

TEST(Reise, ImportRegel)
{
    Importhaushalt h;
    h.Datei("maerz.xml",
            Camt(8, kIbanAnna,
                 {{"23.45", "DBIT", "BOOK", "2024-03-04", false, "M1", "Supermarkt Nord", kIbanMarkt, "Obst"},
                  {"42.00", "DBIT", "BOOK", "2024-03-07", false, "M3", "Stadtwerke", "", "Strom März"}}));
    h.Hinterlege();
    Programmlauf lauf(h.Ordner(), 20240315);
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(h.Ordner()));
    lauf.Fahre([&] {
        QWidget* haupt = Fenster(QStringLiteral("Velmora"));
        QWidget* import = Importiere(*haupt);
        ASSERT_NE(nullptr, import);
        const int strom = Spalte(*import, kListe, kBetrag).indexOf(QStringLiteral("42.00"));
        ASSERT_LE(0, strom);
        EXPECT_EQ(QString(), Zelle(*import, kListe, strom, kKategorie));
        KlickeZelle(*import, kListe, strom, 2);

        WennOffen(QStringLiteral("Import-Regel"), [](QWidget& dialog) {
            EXPECT_EQ(QStringLiteral("Stadtwerke"), Text(dialog, QStringLiteral("Name enthält")));
            EXPECT_TRUE(Hat(dialog, QStringLiteral("Trifft 1 von 2 Zeilen dieses Imports und 0 Buchungen im Buch.")))
                << Baum(dialog).toStdString();
            KlickeAuf(dialog, QStringLiteral("Kategorie"), Qt::LeftButton);
            Schreibe(*Fenster(), QStringLiteral("W"));
            Taste(*Fenster(), Qt::Key_Return);
            EXPECT_EQ(QStringLiteral("Wohnen"), Text(dialog, QStringLiteral("Kategorie")));
            KlickeAuf(dialog, QStringLiteral("Speichern"));
        });
        KlickeAuf(*import, QStringLiteral("Regel anlegen…"));
        EXPECT_FALSE(Offen(QStringLiteral("Import-Regel")));
        EXPECT_EQ(QStringLiteral("Wohnen"), Zelle(*import, kListe, strom, kKategorie));
        EXPECT_EQ(kVonRegel, Zelle(*import, kListe, strom, kRegel));
        KlickeAuf(*import, QStringLiteral("Abbrechen"));
        EXPECT_TRUE(Warte([] { return !Offen(kImport); }));

        import = Importiere(*haupt);
        ASSERT_NE(nullptr, import);
        EXPECT_EQ(QStringLiteral("Wohnen"), Zelle(*import, kListe, strom, kKategorie));
        EXPECT_EQ(QStringLiteral("Strom"), Zelle(*import, kListe, strom, kKategorie + 1));
        EXPECT_EQ(kVonRegel, Zelle(*import, kListe, strom, kRegel));
        EXPECT_EQ(QStringLiteral("keine Regel"), Zelle(*import, kListe, 1 - strom, kRegel));
        KlickeAuf(*import, QStringLiteral("Abbrechen"));

        // The settings lead to the rules as well.
        KlickeAuf(*haupt, QStringLiteral("Grund-Einstellungen"));
        QWidget* einstellungen = Fenster(QStringLiteral("Grundeinstellungen"));
        ASSERT_NE(nullptr, einstellungen);
        KlickeAuf(*einstellungen, QStringLiteral("Import-Regeln…"));
        QWidget* regeln = Fenster(QStringLiteral("Import-Regeln"));
        ASSERT_NE(nullptr, regeln);
        EXPECT_EQ(QStringLiteral("Name enthält „Stadtwerke“, Ausgang"),
                  Zelle(*regeln, QStringLiteral("Import-Regeln"), 0, 1));
        KlickeAuf(*regeln, QStringLiteral("Schließen"));
        KlickeAuf(*haupt, QStringLiteral("Ende"));
    });
    QDir::setCurrent(vorher);
    const QString regeln = QString::fromStdString(lauf.Cli({"rules", "--list"}));
    EXPECT_TRUE(regeln.contains(QStringLiteral("\"name_contains\":\"Stadtwerke\""))) << regeln.toStdString();
    EXPECT_TRUE(regeln.contains(QStringLiteral("\"category\":\"Wohnen\""))) << regeln.toStdString();
}

} // namespace
} // namespace velmora::test
