// The settings driven by a person: a new member typed and created, an account with its start amount
// created for her, and both in the main window's balances and, after the main window is closed, in the
// files.

#include "Fernbedienung.h"
#include "Programmlauf.h"

#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(Reise, Einstellungen)
{
    Reisehaushalt haushalt;
    Programmlauf lauf(haushalt.Ordner(), kReiseHeute);
    lauf.Fahre([&] {
        QWidget* haupt = Fenster(QStringLiteral("Velmora"));
        KlickeAuf(*haupt, QStringLiteral("Grund-Einstellungen"));
        QWidget* einstellungen = Fenster(QStringLiteral("Grundeinstellungen"));
        ASSERT_NE(nullptr, einstellungen);
        const int mitglieder = Zeilen(*einstellungen, QStringLiteral("Familien-Mitglieder"));

        KlickeAuf(*einstellungen, QStringLiteral("Name des neuen Familien-Mitglieds"));
        Schreibe(*einstellungen, QStringLiteral("Zoë"));
        KlickeAuf(*einstellungen, QStringLiteral("Neues Mitglied erstellen"));
        const QStringList namen = Spalte(*einstellungen, QStringLiteral("Familien-Mitglieder"), 0);
        EXPECT_EQ(mitglieder + 1, namen.size());
        ASSERT_TRUE(namen.contains(QStringLiteral("Zoë"))) << namen.join(QLatin1Char('|')).toStdString();

        KlickeZelle(*einstellungen, QStringLiteral("Familien-Mitglieder"), namen.indexOf(QStringLiteral("Zoë")), 0);
        EXPECT_EQ(QStringLiteral("Zoë"), Text(*einstellungen, QStringLiteral("Konten von"), QAccessible::EditableText));
        KlickeAuf(*einstellungen, QStringLiteral("Name des neuen Kontos"));
        Schreibe(*einstellungen, QStringLiteral("Sparbuch"));
        KlickeAuf(*einstellungen, QStringLiteral("Start-Betrag des neuen Kontos"));
        Schreibe(*einstellungen, QStringLiteral("250,00"));
        KlickeAuf(Zugang(*einstellungen, QStringLiteral("Neues Konto erstellen"), QAccessible::Button));
        EXPECT_TRUE(Spalte(*einstellungen, QStringLiteral("Konten"), 0).contains(QStringLiteral("Sparbuch")))
            << Spalte(*einstellungen, QStringLiteral("Konten"), 0).join(QLatin1Char('|')).toStdString();

        Taste(*einstellungen, Qt::Key_Escape);
        EXPECT_TRUE(Warte([] { return !Offen(QStringLiteral("Grundeinstellungen")); }));
        EXPECT_TRUE(Spalte(*haupt, QStringLiteral("Kontostände"), 1).contains(QStringLiteral("Zoë, Sparbuch")))
            << Spalte(*haupt, QStringLiteral("Kontostände"), 1).join(QLatin1Char('|')).toStdString();
        // Closed by its title bar's close button, as the window manager closes it: that saves as "Ende" does.
        haupt->windowHandle()->close();
    });
    const std::string gespeichert = lauf.Cli({"dump", "--today", std::to_string(kReiseHeute)});
    EXPECT_NE(std::string::npos, gespeichert.find("Zoë")) << gespeichert.substr(0, 2000);
    EXPECT_NE(std::string::npos, gespeichert.find("Sparbuch"));
}

} // namespace
} // namespace velmora::test
