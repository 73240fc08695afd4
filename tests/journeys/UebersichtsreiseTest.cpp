// The overview driven by a person's clicks and keys: its range buttons, a date typed into a picker, a
// header that sorts (by a click and by a screen reader's action), a cell that filters, the search (its
// first hit told as the current cell) and the export under a typed file name. What it shows is checked
// against velmora-cli's listing of the same range. Then the keyboard alone: Tab rounds and the pop-up.

#include "Fernbedienung.h"
#include "Programmlauf.h"

#include <QDate>
#include <QFile>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>

namespace velmora::test {
namespace {

constexpr int kKategorie = 4;
constexpr int kBetrag = 7;
constexpr int kDatum = 8;
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

        // A screen reader sorts by the header's action: the oldest first now.
        const QString kleinste = Reihe(*uebersicht, 0);
        DrueckeKopf(*uebersicht, kListe, QStringLiteral("Datum"));
        const QStringList daten = Spalte(*uebersicht, kListe, kDatum);
        QStringList aufsteigend = daten;
        std::stable_sort(aufsteigend.begin(), aufsteigend.end(), [](const QString& a, const QString& b) {
            return QDate::fromString(a, QStringLiteral("dd.MM.yyyy")) <
                   QDate::fromString(b, QStringLiteral("dd.MM.yyyy"));
        });
        EXPECT_EQ(aufsteigend, daten);
        EXPECT_NE(kleinste, Reihe(*uebersicht, 0));

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
        // The first hit is the current, selected cell, as a screen reader is told; typing goes on.
        const QPoint treffer = ZelleImFokus(*uebersicht, kListe);
        EXPECT_TRUE(Zelle(*uebersicht, kListe, treffer.y(), treffer.x()).contains(suche, Qt::CaseInsensitive))
            << treffer.y() << ", " << treffer.x();
        EXPECT_EQ(QStringLiteral("Textsuche"), ImFokus());

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

// Tab and Shift+Tab walk every control from the list round to it, through the date pickers' day,
// month and year, and leave the chosen row chosen; Shift+F10 opens the row's pop-up, which a screen
// reader finds among the program's windows, and Escape closes it.
TEST(Reise, UebersichtMitTasten)
{
    Reisehaushalt haushalt;
    Programmlauf lauf(haushalt.Ordner(), kReiseHeute);
    lauf.Fahre([&] {
        QWidget* haupt = Fenster(QStringLiteral("Velmora"));
        KlickeAuf(*haupt, QStringLiteral("Einzel-Übersicht"));
        QWidget* uebersicht = Fenster(QStringLiteral("Übersicht Familie"));
        ASSERT_NE(nullptr, uebersicht);
        const int zeilen = Zeilen(*uebersicht, kListe);
        ASSERT_LE(4, zeilen);
        for (int i = 0; i < 3; ++i)
            Taste(*uebersicht, Qt::Key_Down);
        const QList<int> gewaehlt = GewaehlteZeilen(*uebersicht, kListe);
        ASSERT_EQ(1, gewaehlt.size());

        const QStringList runde = {QStringLiteral("von"),
                                   QStringLiteral("bis"),
                                   QStringLiteral("aktueller Monat"),
                                   QStringLiteral("aktuelles Jahr"),
                                   QStringLiteral("Speichern im Excel-Format"),
                                   QStringLiteral("Drucken…"),
                                   QStringLiteral("Als PDF speichern…"),
                                   QStringLiteral("Zeige"),
                                   QStringLiteral("Textsuche"),
                                   QStringLiteral("Transaktionen")};
        EXPECT_EQ(runde, TabRunde(*uebersicht, Qt::Key_Tab));
        QStringList zurueck = runde;
        std::reverse(zurueck.begin(), zurueck.end());
        EXPECT_EQ(zurueck, TabRunde(*uebersicht, Qt::Key_Backtab));
        EXPECT_EQ(gewaehlt, GewaehlteZeilen(*uebersicht, kListe));
        EXPECT_EQ(zeilen, Zeilen(*uebersicht, kListe));

        bool gefunden = false;
        WennOffen(QStringLiteral("Eintrag"), [&](QWidget& popup) {
            gefunden = ImBaum(QStringLiteral("Eintrag"));
            EXPECT_EQ(QStringLiteral("Eintrag bearbeiten"), ImFokus());
            Taste(popup, Qt::Key_Down);
            EXPECT_EQ(QStringLiteral("Eintrag löschen"), ImFokus());
            Taste(popup, Qt::Key_Escape);
        });
        Taste(*uebersicht, Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_TRUE(gefunden) << "the pop-up is not among the program's windows";
        EXPECT_FALSE(Offen(QStringLiteral("Eintrag")));
        EXPECT_EQ(zeilen, Zeilen(*uebersicht, kListe));

        KlickeAuf(*haupt, QStringLiteral("Ende"));
    });
}

} // namespace
} // namespace velmora::test
