// The small modal dialogs: the entry pop-up, the rename/delete confirmation and the accounts chooser.

#include "EintragBearbeiten.h"
#include "Eintrag_Bearbeiten.h"
#include "FremdKonten.h"
#include "Testhaushalt.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

QPushButton& Knopf(QWidget& dialog, int id)
{
    auto* knopf = dialog.findChild<QPushButton*>(QStringLiteral("c%1").arg(id));
    if (!knopf)
        throw std::invalid_argument("no button c" + std::to_string(id));
    return *knopf;
}

// Shown modally for real; once it is up, the action runs on the dialog a person would see.
template<class Zeige>
int Modal(Zeige zeige, std::function<void(QWidget&)> handlung)
{
    QTimer::singleShot(0, [handlung] {
        QWidget* dialog = QApplication::activePopupWidget();
        if (!dialog)
            dialog = QApplication::activeModalWidget();
        ASSERT_NE(nullptr, dialog);
        handlung(*dialog);
    });
    return zeige();
}

void Escape(QWidget& dialog)
{
    QTest::keyClick(&dialog, Qt::Key_Escape);
}

TEST(EintragBearbeiten, GeloeschterEintragBietetNurWiederherstellenUndEndgueltigLoeschen)
{
    Testhaushalt haushalt;
    for (bool geloescht : {false, true}) {
        EintragBearbeiten popup(haushalt.Basis(), geloescht, QPoint(300, 200));
        EXPECT_EQ(QPoint(310, 215), popup.pos());
        popup.show();
        QApplication::processEvents();
        EXPECT_EQ(!geloescht, Knopf(popup, 1022).isVisible()) << geloescht;
        EXPECT_EQ(geloescht, Knopf(popup, 1025).isVisible()) << geloescht;
        EXPECT_EQ(geloescht, Knopf(popup, 1023).isVisible()) << geloescht;
        EXPECT_TRUE(Knopf(popup, 2).isVisible());
        // Edit stays, disabled, under restore.
        EXPECT_TRUE(Knopf(popup, 1021).isVisible());
        EXPECT_EQ(!geloescht, Knopf(popup, 1021).isEnabled());
        if (geloescht) {
            EXPECT_EQ(Knopf(popup, 1021).geometry(), Knopf(popup, 1025).geometry());
            EXPECT_EQ(&Knopf(popup, 1025), popup.childAt(Knopf(popup, 1025).geometry().center()));
        }
    }
}

TEST(EintragBearbeiten, KnoepfeUndEscapeGebenIhreZahl)
{
    Testhaushalt haushalt;
    const CBasis& basis = haushalt.Basis();
    const struct
    {
        bool geloescht;
        int id;
        int ergebnis;
    } faelle[] = {{false, 1021, 1}, {false, 1022, 2}, {true, 1025, 3}, {true, 1023, 4}, {false, 2, 0}};
    for (const auto& fall : faelle) {
        EXPECT_EQ(fall.ergebnis, Modal([&] { return EintragBearbeiten::Frage(basis, fall.geloescht, QPoint(50, 50)); },
                                       [&](QWidget& d) { QTest::mouseClick(&Knopf(d, fall.id), Qt::LeftButton); }))
            << fall.id;
    }
    for (bool geloescht : {false, true})
        EXPECT_EQ(0, Modal([&] { return EintragBearbeiten::Frage(basis, geloescht, QPoint(50, 50)); }, Escape));
}

TEST(EintragBearbeiten, AntwortHakenSiehtDenDialog)
{
    Testhaushalt haushalt;
    bool wiederherstellenSichtbar = false;
    EintragBearbeiten::SetzeAntwort([&](EintragBearbeiten& popup) {
        wiederherstellenSichtbar = !Knopf(popup, 1025).isHidden();
        return EintragBearbeiten::kWiederherstellen;
    });
    EXPECT_EQ(3, EintragBearbeiten::Frage(haushalt.Basis(), true, QPoint()));
    EintragBearbeiten::SetzeAntwort({});
    EXPECT_TRUE(wiederherstellenSichtbar);
}

TEST(Eintrag_Bearbeiten, UmbenennenOderLoeschenMitIhrenTexten)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        Testhaushalt haushalt(sprache);
        TestHub hub;
        const bool deutsch = sprache == kDeutsch;
        Eintrag_Bearbeiten umbenennen(hub, haushalt.Basis(), Eintrag_Bearbeiten::kUmbenennen, "Supermarkt", "Markt",
                                      12);
        umbenennen.show();
        EXPECT_EQ(deutsch ? QStringLiteral("Eintrag umbenennen") : QStringLiteral("Rename entry"),
                  umbenennen.windowTitle());
        EXPECT_TRUE(Knopf(umbenennen, 1025).isVisible());
        EXPECT_FALSE(Knopf(umbenennen, 1022).isVisible());
        EXPECT_FALSE(Knopf(umbenennen, 1023).isVisible());
        const QStringList erwartet = deutsch ? QStringList{QString::fromUtf8("Es existieren bereits Transaktionen mit"),
                                                           "'Supermarkt'",
                                                           "Transaktionen mit",
                                                           "'Supermarkt'",
                                                           "in",
                                                           "'Markt'"}
                                             : QStringList{"There are already transactions existing with",
                                                           "'Supermarkt'",
                                                           "Transactions with",
                                                           "'Supermarkt'",
                                                           "in",
                                                           "'Markt'"};
        EXPECT_EQ(erwartet, umbenennen.GemalteTexte());
        EXPECT_TRUE(umbenennen.accessibleDescription().contains(QStringLiteral("'Markt'")));

        Eintrag_Bearbeiten loeschen(hub, haushalt.Basis(), Eintrag_Bearbeiten::kLoeschen, "Supermarkt", "", 12);
        loeschen.show();
        EXPECT_EQ(deutsch ? QString::fromUtf8("Eintrag löschen") : QStringLiteral("Delete entry"),
                  loeschen.windowTitle());
        EXPECT_FALSE(Knopf(loeschen, 1025).isVisible());
        EXPECT_TRUE(Knopf(loeschen, 1022).isVisible());
        EXPECT_EQ(4, loeschen.GemalteTexte().size());
    }
}

TEST(Eintrag_Bearbeiten, ZeigtTransaktionenUndSchliesstDieUebersichtMitDerAntwort)
{
    Testhaushalt haushalt;
    const CBasis& basis = haushalt.Basis();
    const struct
    {
        int modus;
        int id;
        int ergebnis;
    } faelle[] = {{Eintrag_Bearbeiten::kUmbenennen, 1025, 1},
                  {Eintrag_Bearbeiten::kLoeschen, 1022, 2},
                  {Eintrag_Bearbeiten::kLoeschen, 2, 0}};
    for (const auto& fall : faelle) {
        TestHub hub;
        bool offenNachZeigen = false;
        const int ergebnis = Modal([&] { return Eintrag_Bearbeiten::Frage(hub, basis, fall.modus, "Anna", "Anne", 1); },
                                   [&](QWidget& d) {
                                       QTest::mouseClick(&Knopf(d, 1026), Qt::LeftButton);
                                       offenNachZeigen = d.isVisible();
                                       QTest::mouseClick(&Knopf(d, fall.id), Qt::LeftButton);
                                   });
        EXPECT_EQ(fall.ergebnis, ergebnis) << fall.id;
        EXPECT_TRUE(offenNachZeigen) << "show transactions leaves the dialog open";
        ASSERT_EQ(2u, hub.uebersichten.size());
        const Uebersichtsaufruf& zeigen = hub.uebersichten[0];
        EXPECT_EQ(1, zeigen.art);
        EXPECT_EQ(20240100, zeigen.datum1);
        EXPECT_EQ(kHeute, zeigen.datum2);
        EXPECT_EQ("Anna", zeigen.text1);
        EXPECT_EQ("Anna", zeigen.text2);
        EXPECT_EQ(-1, hub.uebersichten[1].art) << "a button closes the overview";
    }
}

TEST(Eintrag_Bearbeiten, EscapeGibtNullUndLaesstDieUebersichtOffen)
{
    Testhaushalt haushalt;
    TestHub hub;
    const int ergebnis = Modal(
        [&] { return Eintrag_Bearbeiten::Frage(hub, haushalt.Basis(), Eintrag_Bearbeiten::kLoeschen, "Auto", "", 4); },
        [](QWidget& d) {
            QTest::mouseClick(&Knopf(d, 1026), Qt::LeftButton);
            Escape(d);
        });
    EXPECT_EQ(0, ergebnis);
    ASSERT_EQ(1u, hub.uebersichten.size());
    EXPECT_EQ(4, hub.uebersichten[0].art);
}

TEST(Eintrag_Bearbeiten, LangeNamenVerbreiternDasFenster)
{
    Testhaushalt haushalt;
    TestHub hub;
    const Eintrag_Bearbeiten kurz(hub, haushalt.Basis(), Eintrag_Bearbeiten::kUmbenennen, "Kurz", "Lang", 12);
    const Eintrag_Bearbeiten lang(hub, haushalt.Basis(), Eintrag_Bearbeiten::kUmbenennen, "Kurz", std::string(60, 'W'),
                                  12);
    EXPECT_GE(kurz.width(), 470);
    EXPECT_GT(lang.width(), kurz.width() + 300);
}

TEST(FremdKonten, DreiKnoepfeUndIhreAntworten)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        Testhaushalt haushalt(sprache);
        const bool deutsch = sprache == kDeutsch;
        const std::pair<int, const char*> texte[] = {
            {1023, deutsch ? "Familien-Konten bearbeiten" : "Edit Famlily Accounts"},
            {1024, deutsch ? "Fremd-Konten bearbeiten" : "Edit External Accounts"},
            {2, deutsch ? "Abbruch" : "CANCEL"}};
        FremdKonten chooser(haushalt.Basis(), QPoint(100, 100));
        EXPECT_EQ(QPoint(110, 115), chooser.pos());
        for (const auto& [id, text] : texte)
            EXPECT_EQ(QString::fromUtf8(text), Knopf(chooser, id).text());
    }
    Testhaushalt haushalt;
    for (const auto& [id, ergebnis] : {std::pair{1023, 1}, std::pair{1024, 2}, std::pair{2, 0}}) {
        EXPECT_EQ(ergebnis, Modal([&] { return FremdKonten::Frage(haushalt.Basis(), QPoint()); },
                                  [id = id](QWidget& d) { QTest::mouseClick(&Knopf(d, id), Qt::LeftButton); }));
    }
    EXPECT_EQ(0, Modal([&] { return FremdKonten::Frage(haushalt.Basis(), QPoint()); }, Escape));
}

} // namespace
} // namespace velmora::test
