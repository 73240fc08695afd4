// The overview driven by a person's clicks and keys: its range buttons, a date typed into a picker, a
// header that sorts, a cell that filters, the search and the export under a typed file name. What it
// shows is checked against velmora-cli's listing of the same range.

#include "Fernbedienung.h"
#include "Programmlauf.h"

#include <QFile>
#include <QWidget>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

constexpr int kKategorie = 4;
constexpr int kBetrag = 7;
constexpr int kSpalten = 9;
const QString kListe = QStringLiteral("Transaktionen");

int Anzahl(QWidget& uebersicht)
{
    return Text(uebersicht, kListe, QAccessible::EditableText).toInt();
}

// The cells of a row of the overview after its mark, as velmora-cli prints them, tab-separated.
QString Reihe(QWidget& uebersicht, int zeile)
{
    QStringList zellen;
    for (int spalte = 1; spalte < kSpalten; ++spalte)
        zellen << Zelle(uebersicht, kListe, zeile, spalte);
    return zellen.join(QLatin1Char('\t'));
}

TEST(Reise, Uebersicht)
{
    Reisehaushalt haushalt;
    Programmlauf lauf(haushalt.Ordner(), kReiseHeute);
    const std::string heute = std::to_string(kReiseHeute);
    const QString datei = QString::fromStdString(haushalt.Ordner() + "/fruehling.xls");
    lauf.Fahre([&] {
        QWidget* haupt = Fenster(QStringLiteral("Velmora"));
        KlickeAuf(*haupt, QStringLiteral("Einzel-Übersicht"));
        QWidget* uebersicht = Fenster(QStringLiteral("Übersicht Familie"));
        ASSERT_NE(nullptr, uebersicht);
        const int monat = Anzahl(*uebersicht);
        EXPECT_EQ(lauf.CliZeilen({"list", "--from", "20250601", "--to", heute, "--today", heute}).size(), monat);

        KlickeAuf(*uebersicht, QStringLiteral("aktuelles Jahr"));
        EXPECT_EQ(lauf.CliZeilen({"list", "--from", "20250101", "--to", heute, "--today", heute}).size(),
                  Anzahl(*uebersicht));

        // From the first of March, typed into the picker: Home, Tab and Shift+Tab select its day.
        KlickeAuf(Zugang(*uebersicht, QStringLiteral("von"), QAccessible::SpinBox));
        EXPECT_EQ(QStringLiteral("von"), ImFokus());
        Taste(*uebersicht, Qt::Key_Home);
        Taste(*uebersicht, Qt::Key_Tab);
        Taste(*uebersicht, Qt::Key_Backtab, Qt::ShiftModifier);
        Schreibe(*uebersicht, QStringLiteral("01032025"));
        Taste(*uebersicht, Qt::Key_Tab);
        EXPECT_EQ(QStringLiteral("01.03.2025"), Text(*uebersicht, QStringLiteral("von"), QAccessible::SpinBox));
        const QStringList fruehling = lauf.CliZeilen(
            {"list", "--from", "20250301", "--to", heute, "--today", heute, "--sort", "amount", "--ascending"});
        EXPECT_EQ(fruehling.size(), Anzahl(*uebersicht));

        KlickeKopf(*uebersicht, kListe, kBetrag);
        ASSERT_FALSE(fruehling.isEmpty());
        EXPECT_EQ(fruehling.front().section(QLatin1Char('\t'), 1), Reihe(*uebersicht, 0))
            << "the smallest amount first";

        const QString kategorie = Zelle(*uebersicht, kListe, 0, kKategorie);
        KlickeZelle(*uebersicht, kListe, 0, kKategorie);
        const QStringList gefiltert = lauf.CliZeilen({"list", "--from", "20250301", "--to", heute, "--today", heute,
                                                      "--filter", "4", "--key", kategorie.toStdString()});
        EXPECT_EQ(gefiltert.size(), Anzahl(*uebersicht)) << kategorie.toStdString();
        EXPECT_EQ(QStringList(gefiltert.size(), kategorie), Spalte(*uebersicht, kListe, kKategorie));

        const QString suche = Zelle(*uebersicht, kListe, 0, 2);
        KlickeAuf(Zugang(*uebersicht, QStringLiteral("Textsuche"), QAccessible::EditableText));
        Schreibe(*uebersicht, suche);
        EXPECT_EQ(suche, Text(*uebersicht, QStringLiteral("Textsuche"), QAccessible::EditableText));

        // The file dialog opens in the data folder.
        WennOffen({}, [&](QWidget& dialog) {
            Schreibe(dialog, QStringLiteral("fruehling.xls"));
            Taste(dialog, Qt::Key_Return);
        });
        KlickeAuf(*uebersicht, QStringLiteral("Speichern im Excel-Format"));
        EXPECT_TRUE(Warte([&] { return QFile::exists(datei); })) << datei.toStdString();

        KlickeAuf(*haupt, QStringLiteral("Ende"));
    });
    QFile liste(datei);
    ASSERT_TRUE(liste.open(QIODevice::ReadOnly));
    // The header, an empty line, then one line per listed row.
    EXPECT_LE(3, liste.readAll().count('\n'));
}

} // namespace
} // namespace velmora::test
