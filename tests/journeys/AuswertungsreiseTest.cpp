// The analyses driven by a person: the navigation buttons move the compared years, the selection combo
// is chosen by keys, and a click on a category row lists that month's transactions in the overview.

#include "Fernbedienung.h"
#include "Programmlauf.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

const QString kMonate = QStringLiteral("Monats-Vergleich");

TEST(Reise, Auswertung)
{
    Reisehaushalt haushalt;
    Programmlauf lauf(haushalt.Ordner(), kReiseHeute);
    lauf.Fahre([&] {
        QWidget* haupt = Fenster(QStringLiteral("Velmora"));
        KlickeAuf(*haupt, QStringLiteral("Auswertung"));
        QWidget* auswertung = Fenster(QStringLiteral("Auswertung"));
        ASSERT_NE(nullptr, auswertung);
        EXPECT_FALSE(Beschreibung(*auswertung).contains(QStringLiteral("2023")))
            << Beschreibung(*auswertung).toStdString();
        KlickeAuf(*auswertung, QStringLiteral("Beide Jahre zurück"));
        EXPECT_TRUE(Beschreibung(*auswertung).contains(QStringLiteral("2023")))
            << Beschreibung(*auswertung).toStdString();
        KlickeAuf(*auswertung, QStringLiteral("Beide Jahre vor"));
        EXPECT_FALSE(Beschreibung(*auswertung).contains(QStringLiteral("2023")));

        // The family accounts, chosen from the open list by keys.
        KlickeAuf(*auswertung, QStringLiteral("Auswahl"));
        Taste(*auswertung, Qt::Key_Down);
        Taste(*auswertung, Qt::Key_Return);
        EXPECT_EQ(QStringLiteral("Familien-Konten"), Text(*auswertung, QStringLiteral("Auswahl")));
        EXPECT_NE(nullptr, Zugang(*auswertung, QStringLiteral("Familien-Konten"), QAccessible::ComboBox));
        KlickeAuf(*auswertung, QStringLiteral("Auswahl"));
        Taste(*auswertung, Qt::Key_Up);
        Taste(*auswertung, Qt::Key_Return);

        // The category of the first row, in month A; a screen reader hears the row with its month.
        const QString kategorie = Zelle(*auswertung, kMonate, 1, 0).section(QStringLiteral(", "), 0, 0).trimmed();
        KlickeZelle(*auswertung, kMonate, 1, 0);
        QWidget* uebersicht = Fenster(QStringLiteral("Übersicht Familie"));
        ASSERT_NE(nullptr, uebersicht);
        const QString von = Text(*uebersicht, QStringLiteral("von"), QAccessible::SpinBox);
        const QString bis = Text(*uebersicht, QStringLiteral("bis"), QAccessible::SpinBox);
        // Nothing is booked after today.
        const auto datum = [](const QString& text) {
            return std::min(kReiseHeute, (text.mid(6, 4) + text.mid(3, 2) + text.left(2)).toInt());
        };
        EXPECT_EQ(
            lauf.CliZeilen({"list", "--from", std::to_string(datum(von)), "--to", std::to_string(datum(bis)), "--today",
                            std::to_string(kReiseHeute), "--filter", "4", "--key", kategorie.toStdString()})
                .size(),
            Text(*uebersicht, QStringLiteral("Transaktionen"), QAccessible::EditableText).toInt())
            << kategorie.toStdString() << " " << von.toStdString();

        KlickeAuf(*haupt, QStringLiteral("Ende"));
    });
}

} // namespace
} // namespace velmora::test
