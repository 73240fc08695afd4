// The standing-order list driven by a person: a header click sorts, a cell click filters and "Zeige
// Alles" lifts it, an order is deleted through its pop-up (the question answered "Ja" by its key) and
// restored, and another stays deleted until "Ende" writes it. Then the keyboard alone.

#include "Fernbedienung.h"
#include "Programmlauf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

constexpr int kAuftraggeber = 1;
constexpr int kBetrag = 7;
constexpr int kZyklus = 8;
constexpr int kSpalten = 10;
const QString kListe = QStringLiteral("Daueraufträge");

QString Reihe(QWidget& liste, int zeile, int ab = 1)
{
    QStringList zellen;
    for (int spalte = ab; spalte < kSpalten; ++spalte)
        zellen << Zelle(liste, kListe, zeile, spalte);
    return zellen.join(QLatin1Char('\t'));
}

// The row of the list showing that order (its cells after the state), or -1.
int ZeileVon(QWidget& liste, const QString& auftrag)
{
    for (int zeile = 0; zeile < Zeilen(liste, kListe); ++zeile) {
        if (Reihe(liste, zeile) == auftrag)
            return zeile;
    }
    return -1;
}

// A right click on the order's row opens its pop-up; there `wahl` is clicked, and a question that follows
// is answered "Ja" by its key (the book is German, and so are Qt's buttons).
void WaehleImPopup(QWidget& liste, const QString& auftrag, const QString& wahl)
{
    WennOffen(QStringLiteral("Eintrag"), [wahl](QWidget& popup) {
        WennOffen({}, [](QWidget& frage) { Taste(frage, Qt::Key_J); });
        KlickeAuf(popup, wahl);
    });
    KlickeZelle(liste, kListe, ZeileVon(liste, auftrag), kBetrag, Qt::RightButton);
}

bool Geloescht(QWidget& liste, const QString& auftrag)
{
    return Zelle(liste, kListe, ZeileVon(liste, auftrag), 0).contains(QStringLiteral("gelöscht"));
}

// The deleted orders in the files, each as its row's payer, payee and cycle.
QSet<QString> Geloeschte(const Programmlauf& lauf)
{
    QSet<QString> geloescht;
    const QJsonDocument buch = QJsonDocument::fromJson(QByteArray::fromStdString(lauf.Cli({"dump"})));
    for (const QJsonValue auftrag : buch[QStringLiteral("m_arrDauerAuftraege")].toArray()) {
        if (auftrag[QStringLiteral("m_n48")].toInt() < 0)
            geloescht << QStringList{auftrag[QStringLiteral("m_strAuftraggeber")].toString(),
                                     auftrag[QStringLiteral("m_strEmpfaenger")].toString(),
                                     auftrag[QStringLiteral("m_strZyklus")].toString()}
                             .join(QLatin1Char('|'));
    }
    return geloescht;
}

TEST(Reise, Dauerauftraege)
{
    Reisehaushalt haushalt;
    Programmlauf lauf(haushalt.Ordner(), kReiseHeute);
    const QStringList alle = lauf.CliZeilen({"orders", "--sort", "amount", "--ascending"});
    const QSet<QString> vorher = Geloeschte(lauf);
    QString bleibtGeloescht;
    lauf.Fahre([&] {
        QWidget* haupt = Fenster(QStringLiteral("Velmora"));
        KlickeAuf(*haupt, QStringLiteral("Daueraufträge"));
        QWidget* liste = Fenster(kListe);
        ASSERT_NE(nullptr, liste);
        ASSERT_EQ(alle.size(), Zeilen(*liste, kListe));
        const int geloeschte = Spalte(*liste, kListe, 0).filter(QStringLiteral("gelöscht")).size();

        KlickeKopf(*liste, kListe, kBetrag);
        EXPECT_EQ(alle.front().section(QLatin1Char('\t'), 1), Reihe(*liste, 0)) << "the smallest amount first";

        const QString zahler = Zelle(*liste, kListe, 0, kAuftraggeber);
        KlickeZelle(*liste, kListe, 0, kAuftraggeber);
        EXPECT_EQ(lauf.CliZeilen({"orders", "--filter", "1", "--key", zahler.toStdString()}).size(),
                  Zeilen(*liste, kListe));
        EXPECT_EQ(QStringList(Zeilen(*liste, kListe), zahler), Spalte(*liste, kListe, kAuftraggeber));
        // "Zeige Alles" lists every order that is not deleted.
        KlickeAuf(*liste, QStringLiteral("Zeige Alles"));
        EXPECT_EQ(alle.size() - geloeschte, Zeilen(*liste, kListe));

        const QString auftrag = Reihe(*liste, 0);
        WaehleImPopup(*liste, auftrag, QStringLiteral("Eintrag löschen"));
        EXPECT_TRUE(Geloescht(*liste, auftrag));
        WaehleImPopup(*liste, auftrag, QStringLiteral("Wiederherstellen"));
        EXPECT_FALSE(Geloescht(*liste, auftrag));
        bleibtGeloescht = QStringList{Zelle(*liste, kListe, 1, kAuftraggeber), Zelle(*liste, kListe, 1, 2),
                                      Zelle(*liste, kListe, 1, kZyklus)}
                              .join(QLatin1Char('|'));
        const QString zweiter = Reihe(*liste, 1);
        WaehleImPopup(*liste, zweiter, QStringLiteral("Eintrag löschen"));
        EXPECT_TRUE(Geloescht(*liste, zweiter));

        KlickeAuf(*haupt, QStringLiteral("Ende"));
    });
    EXPECT_EQ(QSet<QString>{bleibtGeloescht}, Geloeschte(lauf) - vorher);
}

// The keyboard alone, as a screen-reader user: the "Betrag" header sorts by its action; Shift+F10 opens the chosen
// order's pop-up, which a screen reader finds among the program's windows with its buttons named; Escape closes it, the
// arrows and Return delete the order. Tab and Shift+Tab walk every control of the filtered list round to it and leave
// the chosen row chosen.
TEST(Reise, DauerauftraegeMitTasten)
{
    Reisehaushalt haushalt;
    Programmlauf lauf(haushalt.Ordner(), kReiseHeute);
    lauf.Fahre([&] {
        QWidget* haupt = Fenster(QStringLiteral("Velmora"));
        KlickeAuf(*haupt, QStringLiteral("Daueraufträge"));
        QWidget* liste = Fenster(kListe);
        ASSERT_NE(nullptr, liste);
        EXPECT_EQ(kListe, ImFokus());
        DrueckeKopf(*liste, kListe, QStringLiteral("Betrag"));
        EXPECT_EQ(lauf.CliZeilen({"orders", "--sort", "amount", "--ascending"}).front().section(QLatin1Char('\t'), 1),
                  Reihe(*liste, 0))
            << "the header's action sorts as its click does";
        Taste(*liste, Qt::Key_Down);
        const QList<int> gewaehlt = GewaehlteZeilen(*liste, kListe);
        ASSERT_EQ(1, gewaehlt.size());
        const QString auftrag = Reihe(*liste, gewaehlt.front());

        bool imBaum = false;
        WennOffen(QStringLiteral("Eintrag"), [&](QWidget& popup) {
            imBaum = ImBaum(QStringLiteral("Eintrag"));
            EXPECT_TRUE(Hat(popup, QStringLiteral("Eintrag löschen"), QAccessible::Button))
                << Baum(popup).toStdString();
            Taste(popup, Qt::Key_Down);
            Taste(popup, Qt::Key_Escape);
        });
        Taste(*liste, Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_TRUE(imBaum) << "the pop-up is not among the program's windows";
        EXPECT_FALSE(Geloescht(*liste, auftrag));
        WennOffen(QStringLiteral("Eintrag"), [](QWidget& popup) {
            WennOffen({}, [](QWidget& frage) { Taste(frage, Qt::Key_J); });
            Taste(popup, Qt::Key_Down);
            EXPECT_EQ(QStringLiteral("Eintrag löschen"), ImFokus());
            Taste(popup, Qt::Key_Return);
        });
        Taste(*liste, Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_TRUE(Geloescht(*liste, auftrag));

        KlickeZelle(*liste, kListe, 0, kAuftraggeber);
        Taste(*liste, Qt::Key_End);
        const QList<int> vorher = GewaehlteZeilen(*liste, kListe);
        ASSERT_EQ(1, vorher.size());
        const int zeilen = Zeilen(*liste, kListe);
        const QStringList runde = {QStringLiteral("Neuer Dauer-Auftrag"), QStringLiteral("Zeige Alles"),
                                   QStringLiteral("Textsuche"), QStringLiteral("Drucken…"),
                                   QStringLiteral("Als PDF speichern…")};
        EXPECT_EQ(runde, TabRunde(*liste, Qt::Key_Tab));
        EXPECT_EQ(QStringList(runde.rbegin(), runde.rend()), TabRunde(*liste, Qt::Key_Backtab));
        EXPECT_EQ(vorher, GewaehlteZeilen(*liste, kListe));
        EXPECT_EQ(zeilen, Zeilen(*liste, kListe));

        KlickeAuf(*haupt, QStringLiteral("Ende"));
    });
}

} // namespace
} // namespace velmora::test
