#include "EditKategorie.h"
#include "Empfaenger.h"
#include "Fenstereingabe.h"
#include "PersonenKonten.h"
#include "Testhaushalt.h"

#include <QAccessible>
#include <QApplication>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace velmora::test {
namespace {

using FremdKonten = Offen<Empfaenger>;
using Kategorien = Offen<EditKategorie>;

const QColor kGrau(192, 192, 192);

// The exists and empty messages of both editors, and how typing takes them away.
TEST(Editoren, AbgelehnteNamenZeigenIhreMeldung)
{
    struct Fall
    {
        bool kategorien;
        int sprache;
        int zeile; // row of the first list clicked first
        int feld;
        const char* text;
        int knopf;
        const char* meldung;
    };
    const Fall faelle[] = {
        {false, kDeutsch, 0, 1036, "supermarkt", 1032, "'supermarkt' existiert bereits"},
        {false, kEnglisch, 0, 1036, "", 1032, "Input is empty"},
        {false, kDeutsch, 0, 1035, "BANK", 1033, "'BANK' existiert bereits"},
        {true, kDeutsch, 0, 1004, "wohnen", 1025, "'wohnen' existiert bereits"},
        {true, kEnglisch, 0, 1002, "AUTO", 1026, "'AUTO' already exists"},
        {true, kDeutsch, 0, 1005, "strom", 1028, "'strom' existiert bereits"},
        {true, kDeutsch, 1, 1002, "", 1026, ""}, // an empty category name is taken
    };
    for (const Fall& fall : faelle) {
        std::unique_ptr<FremdKonten> fremd;
        std::unique_ptr<Kategorien> kategorien;
        QWidget* fenster = nullptr;
        QString meldung;
        if (fall.kategorien) {
            kategorien = std::make_unique<Kategorien>(true, fall.sprache);
            fenster = &kategorien->f();
        } else {
            fremd = std::make_unique<FremdKonten>(true, fall.sprache);
            fenster = &fremd->f();
        }
        KlickeZeile(Element<QTableView>(*fenster, 1024), fall.zeile);
        Tippe(*fenster, fall.feld, QString::fromUtf8(fall.text));
        Klicke(*fenster, fall.knopf);
        meldung = fall.kategorien ? kategorien->f().Meldung() : fremd->f().Meldung();
        EXPECT_EQ(QString::fromUtf8(fall.meldung), meldung) << fall.text;
        EXPECT_EQ(meldung, fenster->accessibleDescription()) << fall.text;
        Tippe(*fenster, fall.feld, QStringLiteral("x"));
        EXPECT_EQ(QString(), fenster->accessibleDescription()) << fall.text;
    }
}

TEST(Editoren, FremdKontenAnlegenUmbenennenLoeschenWiederherstellen)
{
    FremdKonten e(true);
    e.b().m_arrZielKonten.clear();
    e.f().Aktualisiere();
    for (int id : {1037, 1038})
        EXPECT_FALSE(Sichtbar(e.f(), id)) << id;
    for (int id : {1033, 1034, 1035})
        EXPECT_FALSE(Aktiv(e.f(), id)) << id;

    for (const char* name : {"Bank", "Supermarkt"}) {
        Tippe(e.f(), 1036, QString::fromUtf8(name));
        Klicke(e.f(), 1032);
    }
    ASSERT_EQ(2u, e.b().m_arrZielKonten.size());
    EXPECT_EQ(QStringLiteral("Supermarkt"), e.Text(1035));
    EXPECT_EQ(QString(), e.Text(1036));
    EXPECT_EQ(1, e.Liste(1024)->currentIndex().row());

    KlickeZeile(e.Liste(1024), 0);
    Klicke(e.f(), 1034);
    EXPECT_EQ(kGrau, Zeilenfarbe(e.Liste(1024), 0));
    EXPECT_TRUE(Sichtbar(e.f(), 1037) && Sichtbar(e.f(), 1038));
    EXPECT_FALSE(Sichtbar(e.f(), 1033) || Sichtbar(e.f(), 1034) || Sichtbar(e.f(), 1035));
    Klicke(e.f(), 1037);
    EXPECT_EQ(1, e.b().m_arrZielKonten[0]->m_bGebucht);
    EXPECT_TRUE(Sichtbar(e.f(), 1033));
    Tippe(e.f(), 1035, QStringLiteral("Sparkasse"));
    Klicke(e.f(), 1033);
    EXPECT_EQ("Sparkasse", e.b().m_arrZielKonten[0]->m_strName);
    EXPECT_TRUE(e.fragen.empty());
    const std::vector<std::pair<int, int>> codes{{kLadeFremdKonten, 0}, {kDatenGeaendert, 0},  {kLadeFremdKonten, 0},
                                                 {kDatenGeaendert, 0},  {kLadeFremdKonten, 0}, {kDatenGeaendert, 0},
                                                 {kDatenGeaendert, 0},  {kDatenGeaendert, 0},  {kLadeFremdKonten, 0}};
    EXPECT_EQ(codes, e.hub.codes);
}

TEST(Editoren, BenutztesFremdKontoFragtUndLoeschtNachBestaetigung)
{
    FremdKonten e;
    e.antwort = 1;
    Tippe(e.f(), 1035, QStringLiteral("Markt"));
    Klicke(e.f(), 1033);
    e.antwort = 2;
    Klicke(e.f(), 1034);
    const std::vector<std::tuple<int, std::string, std::string, int>> fragen{{0, "Supermarkt", "Markt", 12},
                                                                             {1, "Markt", "Markt", 12}};
    EXPECT_EQ(fragen, e.fragen);
    EXPECT_EQ("Markt", e.b().m_arrInOut.front()->m_strEmpfaenger);
    EXPECT_GT(0, e.b().m_arrInOut.front()->m_nStatus);
    Klicke(e.f(), 1038);
    EXPECT_EQ(1u, e.b().m_arrZielKonten.size());
    EXPECT_TRUE(e.b().m_arrInOut.empty());
    EXPECT_EQ(QStringLiteral("Bank"), e.Text(1035));
}

TEST(Editoren, UnterkategorieUmbenennenUndLoeschen)
{
    Kategorien e;
    ASSERT_EQ(QStringLiteral("Strom"), e.Text(1003));
    e.antwort = 1;
    Tippe(e.f(), 1003, QStringLiteral("Energie"));
    Klicke(e.f(), 1029);
    EXPECT_EQ(std::make_tuple(0, std::string("Strom"), std::string("Energie"), 5), e.fragen.at(0));
    EXPECT_EQ("Energie", e.b().m_arrInOut.front()->m_strUKategorie);
    EXPECT_EQ(kLadeKategorien, e.hub.codes.back().first);

    KlickeZeile(e.Liste(1019), 1);
    EXPECT_EQ(QStringLiteral("Miete"), e.Text(1003));
    Klicke(e.f(), 1030);
    EXPECT_TRUE(Sichtbar(e.f(), 1085) && Sichtbar(e.f(), 1086));
    EXPECT_FALSE(Sichtbar(e.f(), 1029) || Sichtbar(e.f(), 1030) || Sichtbar(e.f(), 1003));
    Klicke(e.f(), 1086);
    ASSERT_EQ(1u, e.b().m_arrKategorien[0]->m_arrUKategorien.size());
    EXPECT_EQ(QStringLiteral("Energie"), e.Text(1003));
}

TEST(Editoren, GeloeschteKategorieBietetNurWiederherstellenUndEndgueltig)
{
    Kategorien e(true, kDeutsch, 1);
    EXPECT_EQ(QStringLiteral("Auto"), e.Text(1002));
    Klicke(e.f(), 1027);
    EXPECT_TRUE(e.fragen.empty());
    EXPECT_EQ(kGrau, Zeilenfarbe(e.Liste(1024), 1));
    for (int id : {1032, 1033, 1029, 1030, 1003})
        EXPECT_TRUE(Sichtbar(e.f(), id)) << id;
    for (int id : {1026, 1027, 1002})
        EXPECT_FALSE(Sichtbar(e.f(), id)) << id;
    for (int id : {1029, 1030, 1003, 1005, 1028})
        EXPECT_FALSE(Aktiv(e.f(), id)) << id;
    Klicke(e.f(), 1032);
    EXPECT_TRUE(Sichtbar(e.f(), 1026));
    Klicke(e.f(), 1027);
    Klicke(e.f(), 1033);
    ASSERT_EQ(1u, e.b().m_arrKategorien.size());
    EXPECT_EQ(QStringLiteral("Wohnen"), e.Text(1002));
}

TEST(Editoren, OhneKategorienLaesstSichDieErsteAnlegen)
{
    Kategorien e;
    e.b().m_arrKategorien.clear();
    e.f().Aktualisiere();
    for (int id : {1002, 1026, 1027, 1003, 1029, 1030, 1028})
        EXPECT_FALSE(Aktiv(e.f(), id)) << id;
    Tippe(e.f(), 1004, QStringLiteral("Wohnen"));
    Klicke(e.f(), 1025);
    EXPECT_EQ(QStringLiteral("Wohnen"), e.Text(1002));
    EXPECT_EQ(QString(), e.Text(1004));
    EXPECT_FALSE(Aktiv(e.f(), 1003));
    Tippe(e.f(), 1005, QStringLiteral("Strom"));
    Klicke(e.f(), 1028);
    ASSERT_EQ(1u, e.b().m_arrKategorien.at(0)->m_arrUKategorien.size());
    EXPECT_EQ(QStringLiteral("Strom"), e.Text(1003));
    EXPECT_TRUE(Aktiv(e.f(), 1003));
    // The create button follows its field.
    Tippe(e.f(), 1004, QStringLiteral("X"));
    EXPECT_TRUE(Aktiv(e.f(), 1025));
    Tippe(e.f(), 1004, QString());
    EXPECT_FALSE(Aktiv(e.f(), 1025));
}

TEST(Editoren, EnterTutNichtsUndEscapeSchliesst)
{
    FremdKonten fremd;
    Kategorien kategorien;
    const std::pair<QWidget*, std::vector<int>> felder[] = {{&fremd.f(), {1035, 1036}},
                                                            {&kategorien.f(), {1002, 1003, 1004, 1005}}};
    for (const auto& [fenster, ids] : felder) {
        for (int id : ids) {
            Tippe(*fenster, id, QStringLiteral("Neu"));
            for (Qt::Key taste : {Qt::Key_Return, Qt::Key_Enter})
                QTest::keyClick(Element(*fenster, id), taste);
        }
        EXPECT_TRUE(fenster->isVisible());
    }
    EXPECT_EQ("Supermarkt", fremd.b().m_arrZielKonten[0]->m_strName);
    EXPECT_EQ(2u, fremd.b().m_arrZielKonten.size());
    EXPECT_EQ("Wohnen", kategorien.b().m_arrKategorien[0]->m_strName);
    EXPECT_EQ(2u, kategorien.b().m_arrKategorien.size());
    EXPECT_TRUE(fremd.hub.codes.empty() && kategorien.hub.codes.empty());
    for (QWidget* fenster : {static_cast<QWidget*>(fremd.fenster), static_cast<QWidget*>(kategorien.fenster)})
        QTest::keyClick(fenster, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fremd.fenster.isNull() && kategorien.fenster.isNull());
}

// Tab and Shift+Tab walk every control of each settings window and leave every list; walking never
// moves a list's marked row, so the form below keeps the entry the user clicked.
TEST(Tastatur, TabVerlaesstJedeListeUndLaesstDieWahlStehen)
{
    Offen<PersonenKonten> personen;
    FremdKonten fremd;
    Kategorien kategorien;
    const std::pair<QWidget*, std::vector<int>> fenster[] = {
        {&personen.f(), {1024, 1019}}, {&fremd.f(), {1024}}, {&kategorien.f(), {1024, 1019}}};
    for (const auto& [f, listen] : fenster) {
        for (int id : listen) {
            SCOPED_TRACE(f->windowTitle().toStdString() + " c" + std::to_string(id));
            auto* liste = Element<QTableView>(*f, id);
            if (liste->model()->rowCount() == 0)
                ASSERT_TRUE(KlickeZeile(Element<QTableView>(*f, 1024), QStringLiteral("Wohnen")));
            const int zeile = liste->model()->rowCount() - 1;
            ASSERT_GE(zeile, 0);
            Fokus(*liste);
            Maus(*liste->viewport(), Qt::LeftButton, liste->visualRect(liste->model()->index(zeile, 0)).center());
            ASSERT_EQ(liste, QApplication::focusWidget());
            const std::vector<QWidget*> vor = Tabrunde(*f);
            ASSERT_FALSE(vor.empty());
            EXPECT_NE(liste, vor.front()) << "Tab leaves the list";
            EXPECT_EQ(liste, QApplication::focusWidget()) << "the round comes back";
            for (QWidget* ziel : TabZiele(*f)) {
                EXPECT_TRUE(ziel == liste || std::find(vor.begin(), vor.end(), ziel) != vor.end())
                    << "not reached: " << ziel->objectName().toStdString();
            }
            std::vector<QWidget*> zurueck = Tabrunde(*f, true);
            std::reverse(zurueck.begin(), zurueck.end());
            EXPECT_EQ(vor, zurueck) << "Shift+Tab walks the same round backwards";
            EXPECT_EQ(zeile, liste->currentIndex().row());
            EXPECT_EQ(zeile, liste->selectionModel()->selectedRows().value(0).row());
        }
    }
}

// The grey of a deleted entry and the red of a used one are told to screen readers in words.
TEST(Zugang, GeloeschtUndBenutztInWorten)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        Kategorien k(true, sprache);
        const bool deutsch = sprache == kDeutsch;
        auto* liste = k.Liste(1024);
        const auto beschreibung = [liste](const char* name) {
            QAccessibleTableInterface* tabelle = QAccessible::queryAccessibleInterface(liste)->tableInterface();
            for (int zeile = 0; zeile < tabelle->rowCount(); ++zeile) {
                QAccessibleInterface* zelle = tabelle->cellAt(zeile, 0);
                if (zelle->text(QAccessible::Name) == QLatin1String(name))
                    return zelle->text(QAccessible::Description);
            }
            return QStringLiteral("?");
        };
        EXPECT_EQ(deutsch ? QStringLiteral("benutzt") : QStringLiteral("used"), beschreibung("Wohnen"));
        EXPECT_EQ(QString(), beschreibung("Auto"));
        for (auto& kategorie : k.b().m_arrKategorien) {
            if (kategorie->m_strName == "Auto")
                kategorie->m_nKat0C = -1;
        }
        k.f().Aktualisiere();
        EXPECT_EQ(deutsch ? QStringLiteral("gelöscht") : QStringLiteral("deleted"), beschreibung("Auto"));
    }
}

// Opened from the entry window the editor turns to the entry's category; its rows keep their names.
TEST(Zugang, ZeilenDesKategorieEditorsHabenNamen)
{
    Kategorien k;
    for (int kategorie : {1, 0}) {
        SCOPED_TRACE(kategorie);
        k.f().WaehleKategorie(kategorie);
        QCoreApplication::processEvents();
        for (int id : {1024, 1019}) {
            QAccessibleInterface* liste = QAccessible::queryAccessibleInterface(k.Liste(id));
            QAccessibleTableInterface* tabelle = liste->tableInterface();
            if (id == 1024 || kategorie == 0) {
                EXPECT_GT(tabelle->rowCount(), 0) << id; // Auto has no sub-categories
            }
            for (int zeile = 0; zeile < tabelle->rowCount(); ++zeile) {
                EXPECT_EQ(k.Liste(id)->model()->index(zeile, 0).data().toString(),
                          tabelle->cellAt(zeile, 0)->text(QAccessible::Name))
                    << id << " row " << zeile;
            }
            // Screen readers name a row by its row header, even where the header is not shown.
            for (int i = 0; i < liste->childCount(); ++i) {
                QAccessibleInterface* kind = liste->child(i);
                if (kind->role() == QAccessible::RowHeader || kind->role() == QAccessible::Cell) {
                    EXPECT_FALSE(kind->text(QAccessible::Name).isEmpty()) << id << " child " << i;
                }
            }
        }
    }
}

} // namespace
} // namespace velmora::test
