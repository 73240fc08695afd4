// The import driven by a person: the statement chosen by its typed name in the file dialog, a line
// unticked by keys, a missing category chosen in the cell's list, "Buchen"; the balance moves by exactly
// the ticked lines, and "Ende" writes them.

#include "Auszugsbau.h"
#include "Fernbedienung.h"
#include "Programmlauf.h"

#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

constexpr int kHaken = 0;
constexpr int kKategorie = 7;
const QString kListe = QStringLiteral("Vorgeschlagene Buchungen");

TEST(Reise, Import)
{
    Importhaushalt h;
    h.Datei("maerz.xml",
            Camt(8, kIbanAnna,
                 {{"23.45", "DBIT", "BOOK", "2024-03-04", false, "M1", "Supermarkt Nord", kIbanMarkt, "Obst"},
                  {"2500.00", "CRDT", "BOOK", "2024-03-01", false, "M2", "Arbeitgeber", kIbanFirma, "Gehalt"},
                  {"42.00", "DBIT", "BOOK", "2024-03-07", false, "M3", "Stadtwerke", "", "Strom März"}}));
    h.Hinterlege();
    Programmlauf lauf(h.Ordner(), 20240315);
    // The file dialog opens in the current folder, where the statement was saved.
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(h.Ordner()));
    lauf.Fahre([&] {
        QWidget* haupt = Fenster(QStringLiteral("Velmora"));
        WennOffen(QStringLiteral("Kontoauszüge wählen"), [&](QWidget& dialog) {
            Schreibe(dialog, QStringLiteral("maerz.xml"));
            Taste(dialog, Qt::Key_Return);
        });
        KlickeAuf(*haupt, QStringLiteral("Kontoauszug importieren"));
        QWidget* import = Fenster(QStringLiteral("Kontoauszug importieren"));
        ASSERT_NE(nullptr, import);
        ASSERT_EQ(3, Zeilen(*import, kListe));
        EXPECT_EQ(QStringLiteral("3 Zeilen, 2 angehakt, 0 schon gebucht, 0 vorgemerkt (übersprungen)"),
                  Text(*import, QStringLiteral("3 Zeilen, 2 angehakt, 0 schon gebucht, 0 vorgemerkt (übersprungen)")));

        // The salary is not booked this time: its line unticked by the space bar.
        const int gehalt = Spalte(*import, kListe, 3).indexOf(QStringLiteral("2500.00"));
        ASSERT_LE(0, gehalt) << Spalte(*import, kListe, 3).join(QLatin1Char('|')).toStdString();
        KlickeZelle(*import, kListe, gehalt, 2);
        Taste(*import, Qt::Key_Home);
        Taste(*import, Qt::Key_Space);

        // The electricity bill gets its category, typed in the cell's list.
        const int strom = Spalte(*import, kListe, kKategorie).indexOf(QString());
        ASSERT_LE(0, strom);
        KlickeZelle(*import, kListe, strom, kKategorie, Qt::LeftButton, true);
        Schreibe(*import, QStringLiteral("W"));
        if (Hat(*import, QStringLiteral("Kategorie"), QAccessible::ComboBox))
            Taste(*import, Qt::Key_Return);
        EXPECT_EQ(QStringLiteral("Wohnen"), Zelle(*import, kListe, strom, kKategorie));
        EXPECT_TRUE(Hat(*import, QStringLiteral("3 Zeilen, 2 angehakt, 0 schon gebucht, 0 vorgemerkt (übersprungen)")))
            << Baum(*import).toStdString();

        KlickeAuf(*import, QStringLiteral("Buchen"));
        EXPECT_TRUE(Warte([] { return !Offen(QStringLiteral("Kontoauszug importieren")); }));
        const QStringList konten = Spalte(*haupt, QStringLiteral("Kontostände"), 1);
        EXPECT_EQ(
            QStringLiteral("934.55"),
            Zelle(*haupt, QStringLiteral("Kontostände"), konten.indexOf(QStringLiteral("Anna, Giro")), 2).trimmed());
        KlickeAuf(*haupt, QStringLiteral("Ende"));
    });
    QDir::setCurrent(vorher);
    const QStringList gebucht = lauf.CliZeilen({"list", "--from", "20240301", "--to", "20240315", "--today", "20240315",
                                                "--filter", "1", "--key", "Anna, Giro"});
    EXPECT_EQ(2,
              gebucht.filter(QStringLiteral("Stadtwerke")).size() + gebucht.filter(QStringLiteral("Supermarkt")).size())
        << gebucht.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(gebucht.filter(QStringLiteral("Arbeitgeber")).isEmpty());
}

} // namespace
} // namespace velmora::test
