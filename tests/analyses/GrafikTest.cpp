// The analyses window driven offscreen as a user drives it, against a stand-in for the main window that
// records what the window asks of it.

#include "grafik.h"
#include "Ansagen.h"
#include "Auswertungsbild.h"
#include "Basis.h"
#include "Bedienung.h"
#include "CPPToolTip.h"
#include "Datenbau.h"
#include "Fenstereingabe.h"
#include "Hub.h"
#include "TempOrdner.h"
#include "Uebersicht.h"
#include "Vergleichsliste.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QSet>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace velmora::test {
namespace {

constexpr int kHeute = 20261208;

struct Uebersichtswunsch
{
    int art;
    int datum1;
    int datum2;
    std::string text1;
    std::string text2;
    bool operator==(const Uebersichtswunsch&) const = default;
};

void PrintTo(const Uebersichtswunsch& w, std::ostream* aus)
{
    *aus << w.art << " " << w.datum1 << " " << w.datum2 << " " << w.text1 << "/" << w.text2;
}

class AufzeichnenderHub final : public Hub
{
public:
    void Benachrichtige(int code, int arg) override { codes.emplace_back(code, arg); }
    void ZeigeUebersicht(int art, int datum1, int datum2, const std::string& text1, const std::string& text2) override
    {
        wuensche.push_back({art, datum1, datum2, text1, text2});
    }

    std::vector<std::pair<int, int>> codes;
    std::vector<Uebersichtswunsch> wuensche;
};

struct Buchung
{
    const char* zahler;
    const char* empfaenger;
    double betrag;
    int datum;
    int art;
    const char* kategorie = "Wohnen";
    const char* ukategorie = "";
};

// Family Meier on 8 December 2026, its book begun in January 2025: Anna (Giro, Bar) and Bernd (Bar);
// the external accounts Arbeitgeber and Markt; the categories Wohnen (Strom, Miete), Gehalt and Auto.
struct Auswertung
{
    explicit Auswertung(std::initializer_list<Buchung> buchungen, int sprache = kDeutsch)
    {
        basis.m_strPfad = ordner.Pfad();
        basis.m_nHeute = kHeute;
        basis.m_nErsterMonat = 202501;
        basis.m_nSprache = sprache;
        basis.m_arrFamilien.push_back(std::make_unique<CFAMILY>());
        basis.m_nFamilie = 0;
        CFAMILY& familie = *basis.m_arrFamilien.front();
        familie.m_strName = "Meier";
        NeuesMitglied(familie, "Anna", {{"Giro", 0.0}, {"Bar", 0.0}});
        NeuesMitglied(familie, "Bernd", {{"Bar", 0.0}});
        for (const char* name : {"Arbeitgeber", "Markt"})
            basis.m_arrZielKonten.push_back(std::make_unique<CZIELKONTO>(CZIELKONTO{name}));
        for (const char* name : {"Wohnen", "Gehalt", "Auto"})
            basis.m_arrKategorien.emplace_back(std::make_unique<CKategorie>())->m_strName = name;
        for (const char* name : {"Strom", "Miete"})
            basis.m_arrKategorien[0]->m_arrUKategorien.push_back(std::make_unique<CUKategorie>(CUKategorie{name}));
        for (const Buchung& b : buchungen) {
            CInOut& t = basis.NeueTransaktion();
            t = {b.zahler, b.empfaenger, "Anna", b.kategorie, b.ukategorie, "", b.art, b.betrag,
                 b.datum,  t.m_nIndex,   1};
        }
        fenster = new grafik(basis, hub);
        fenster->show();
    }
    ~Auswertung() { delete fenster.data(); }

    grafik& f() { return *fenster; }
    QTableView* Liste(int id) { return Element<QTableView>(*fenster, id); }
    // The painted lines: headings, then year A and B, month A, month B, then the totals box.
    QStringList Gemalt() { return fenster->GemalteTexte(); }

    TempOrdner ordner{"velmora-auswertung"};
    CBasis basis;
    AufzeichnenderHub hub;
    QPointer<grafik> fenster;
};

void Waehle(grafik& fenster, int id, int zeile)
{
    Element<QComboBox>(fenster, id)->setCurrentIndex(zeile);
}

TEST(Auswertung, DieNavigationHaeltBeimHeutigenMonat)
{
    Auswertung a({});
    const auto vorwaerts = [&a] {
        return std::array<bool, 5>{Aktiv(a.f(), 1026), Aktiv(a.f(), 1028), Aktiv(a.f(), 1068), Aktiv(a.f(), 1030),
                                   Aktiv(a.f(), 1032)};
    };
    EXPECT_EQ((std::array<bool, 5>{false, true, false, false, true}), vorwaerts());
    EXPECT_EQ(QStringLiteral("2026 2025"), a.Gemalt()[1]);
    EXPECT_EQ(QStringLiteral("Dezember 2026"), a.Gemalt()[3]);
    EXPECT_EQ(QStringLiteral("Dezember 2025"), a.Gemalt()[4]);

    Klicke(a.f(), 1025);
    EXPECT_EQ(QStringLiteral("2025 2025"), a.Gemalt()[1]);
    EXPECT_EQ((std::array<bool, 5>{true, true, true, true, true}), vorwaerts());
    Klicke(a.f(), 1029);
    Klicke(a.f(), 1029);
    Klicke(a.f(), 1026);
    EXPECT_EQ(QStringLiteral("Oktober 2026"), a.Gemalt()[3]) << "an earlier month keeps its place";
    for (int i = 0; i < 4; ++i)
        Klicke(a.f(), 1030);
    EXPECT_EQ(QStringLiteral("Dezember 2026"), a.Gemalt()[3]) << "no further than today's month";
    EXPECT_EQ((std::array<bool, 5>{false, true, false, false, true}), vorwaerts());

    Klicke(a.f(), 1025);
    Klicke(a.f(), 1067);
    EXPECT_EQ(QStringLiteral("2024 2024"), a.Gemalt()[1]);
    Klicke(a.f(), 1068);
    Klicke(a.f(), 1068);
    Klicke(a.f(), 1068);
    EXPECT_EQ(QStringLiteral("2026 2026"), a.Gemalt()[1]);
    EXPECT_EQ((std::array<bool, 5>{false, false, false, false, false}), vorwaerts());

    // Month B steps back over New Year; the year beside it and the annual list move with it.
    for (int i = 0; i < 12; ++i)
        Klicke(a.f(), 1031);
    EXPECT_EQ(QStringLiteral("Dezember 2025"), a.Gemalt()[4]);
    EXPECT_EQ(QStringLiteral("2026 2025"), a.Gemalt()[1]);
}

TEST(Auswertung, EinKlickAufDenMonatsvergleichListetDieTransaktionen)
{
    Auswertung a({{"Anna, Giro", "Markt", 30.0, 20261203, 1, "Wohnen", "Strom"}});
    QTableView* monate = a.Liste(1024);
    QAbstractItemModelTester pruefer(monate->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    ASSERT_EQ(6, monate->model()->rowCount());
    KlickeZeile(monate, 1);
    KlickeZeile(monate, 2);
    EXPECT_EQ(
        (std::vector<Uebersichtswunsch>{{4, 20261200, 0, "Wohnen", "Wohnen"}, {4, 20251200, 0, "Gehalt", "Gehalt"}}),
        a.hub.wuensche);

    a.hub.wuensche.clear();
    Waehle(a.f(), 1065, 4);
    ASSERT_EQ(4, monate->model()->rowCount()) << "the sub-categories of Wohnen";
    KlickeZeile(monate, 3);
    monate->setCurrentIndex(monate->model()->index(0, 0));
    QTest::keyClick(monate, Qt::Key_Return);
    EXPECT_EQ((std::vector<Uebersichtswunsch>{{kFilterUKategorieIn, 20261200, 0, "Wohnen", "Miete"},
                                              {kFilterUKategorieIn, 20251200, 0, "Wohnen", "Strom"}}),
              a.hub.wuensche);

    // Under an account the row is the category within that account, so the overview's totals are the row's.
    a.hub.wuensche.clear();
    Waehle(a.f(), 1065, kAuswahlFamilienKonto);
    KlickeZeile(monate, 1);
    EXPECT_EQ((std::vector<Uebersichtswunsch>{{kFilterKategorieBeiKonto, 20261200, 0, "Anna, Giro", "Wohnen"}}),
              a.hub.wuensche);
}

// The colours along the middle line of a bar cell, as runs of equal pixels from the left edge.
std::vector<std::pair<QColor, int>> Laeufe(QTableView* liste, int zeile)
{
    const QImage bild = liste->viewport()->grab().toImage();
    const QRect zelle = liste->visualRect(liste->model()->index(zeile, Vergleichsliste::kBalken));
    std::vector<std::pair<QColor, int>> laeufe;
    for (int x = zelle.left(); x <= zelle.right(); ++x) {
        const QColor farbe = bild.pixelColor(x, zelle.top() + zelle.height() / 2);
        if (laeufe.empty() || laeufe.back().first != farbe)
            laeufe.emplace_back(farbe, 0);
        ++laeufe.back().second;
    }
    return laeufe;
}

TEST(Auswertung, DieBalkenHabenIhreLaengenUndFarben)
{
    Auswertung a({
        {"Arbeitgeber", "Anna, Giro", 100.0, 20260115, 0},
        {"Anna, Giro", "Markt", 40.0, 20260116, 1},
        {"Arbeitgeber", "Anna, Giro", 40.0, 20260215, 0},
        {"Anna, Giro", "Markt", 100.0, 20260216, 1},
        {"Arbeitgeber", "Anna, Giro", 70.0, 20260315, 0},
        {"Anna, Giro", "Markt", 70.0, 20260316, 1},
        {"Arbeitgeber", "Anna, Giro", 200.0, 20260415, 0},
        {"Arbeitgeber", "Anna, Giro", 0.1, 20260515, 0},
        {"Arbeitgeber", "Anna, Giro", 0.2, 20260515, 0},
        {"Anna, Giro", "Markt", 0.3, 20260516, 1},
        {"Arbeitgeber", "Anna, Giro", 100.0, 20250115, 0},
        {"Anna, Giro", "Markt", 40.0, 20250116, 1},
    });
    QTableView* jahre = a.Liste(1019);
    QAbstractItemModelTester pruefer(jahre->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    jahre->scrollToTop();
    ASSERT_EQ(200.0, a.f().Stand().Massstab());
    const int breite = jahre->columnWidth(Vergleichsliste::kBalken) - 1;
    const auto laenge = [breite](double betrag) { return static_cast<int>(betrag * breite / 200.0); };
    const QColor weiss(Qt::white), gruen(0, 164, 0), rot(255, 0, 0), grau(164, 164, 164);
    // The first defaults' darker colours read as black; the second year is drawn readable.
    const QColor dunkelgruen(0, 126, 0), dunkelrot(196, 0, 0);
    using Laeufe_t = std::vector<std::pair<QColor, int>>;

    const int einnahmen = laenge(100) + 2;
    EXPECT_EQ((Laeufe_t{{rot, laenge(40)}, {gruen, einnahmen - laenge(40)}, {weiss, breite - einnahmen}}),
              Laeufe(jahre, 1))
        << "January 2026: the expenses lie over the longer income bar";
    EXPECT_EQ((Laeufe_t{{rot, laenge(100) + 2}, {weiss, breite - laenge(100) - 2}}), Laeufe(jahre, 3))
        << "February 2026: only the expenses bar";
    EXPECT_EQ((Laeufe_t{{grau, laenge(70)}, {weiss, breite - laenge(70)}}), Laeufe(jahre, 5))
        << "March 2026: equal amounts, one grey bar";
    EXPECT_EQ((Laeufe_t{{gruen, breite}}), Laeufe(jahre, 7)) << "April 2026: the largest month fills its cell";
    EXPECT_EQ((Laeufe_t{{dunkelrot, laenge(40)}, {dunkelgruen, einnahmen - laenge(40)}, {weiss, breite - einnahmen}}),
              Laeufe(jahre, 0))
        << "January 2025 in the darker colours";

    // 0.1 + 0.2 is not 0.3 in binary; what prints alike counts as equal.
    EXPECT_EQ((Laeufe_t{{weiss, breite}}), Laeufe(jahre, 9)) << "May 2026: no bar of the rounding dust";
    EXPECT_EQ(grau, jahre->model()->index(9, Vergleichsliste::kDifferenz).data(Qt::ForegroundRole).value<QColor>());

    const QModelIndex maerz = jahre->model()->index(5, Vergleichsliste::kDifferenz);
    EXPECT_EQ(QStringLiteral("   0.00"), maerz.data().toString());
    EXPECT_EQ(grau, maerz.data(Qt::ForegroundRole).value<QColor>());
    const QModelIndex januar = jahre->model()->index(1, Vergleichsliste::kDifferenz);
    EXPECT_EQ(QStringLiteral("  60.00"), januar.data().toString());
    EXPECT_EQ(gruen, januar.data(Qt::ForegroundRole).value<QColor>());
    EXPECT_EQ(QStringLiteral("  Jan"), jahre->model()->index(1, 0).data().toString());
    EXPECT_EQ(QColor(0, 128, 255), jahre->model()->index(1, 0).data(Qt::ForegroundRole).value<QColor>());
    EXPECT_EQ(QColor(206, 67, 0), jahre->model()->index(0, 0).data(Qt::ForegroundRole).value<QColor>());
}

TEST(Auswertung, DieAuswahlFuelltDieZweiteListeUndFolgtDemNamen)
{
    Auswertung a({
        {"Arbeitgeber", "Anna, Giro", 100.0, 20261201, 0, "Gehalt"},
        {"Anna, Giro", "Bernd, Bar", 30.0, 20261202, 2, "Auto"},
    });
    auto* auswahl = Element<QComboBox>(a.f(), 1065);
    auto* zweite = Element<QComboBox>(a.f(), 1066);
    ASSERT_EQ(7, auswahl->count());
    EXPECT_EQ(QStringLiteral("Alle Einnahmen/Ausgaben"), auswahl->itemText(0));
    EXPECT_EQ(QStringLiteral("Kategorie: Gehalt"), auswahl->itemText(5));
    EXPECT_FALSE(Sichtbar(a.f(), 1066));

    Waehle(a.f(), 1065, 1);
    EXPECT_TRUE(Sichtbar(a.f(), 1066));
    EXPECT_EQ(3, zweite->count());
    EXPECT_EQ("Anna, Giro", a.f().Stand().m_strName);
    Waehle(a.f(), 1066, 2);
    EXPECT_EQ("Bernd, Bar", a.f().Stand().m_strName);
    EXPECT_EQ(30.0, a.f().Stand().m_aJahrestabelle[kEinnahmenA][12]) << "the transfer is the account's income";

    Waehle(a.f(), 1065, 5);
    EXPECT_FALSE(Sichtbar(a.f(), 1066));
    EXPECT_EQ(QStringLiteral(""), zweite->itemText(0)) << "Gehalt has no sub-categories";
    EXPECT_EQ(0, a.Liste(1024)->model()->rowCount());
    EXPECT_EQ(100.0, a.f().Stand().m_aJahrestabelle[kEinnahmenA][12]);

    // A booking re-sorts the categories by use; the comparison stays on Gehalt and counts the booking.
    std::swap(a.basis.m_arrKategorien[0], a.basis.m_arrKategorien[1]);
    a.basis.NeueTransaktion() = {"Arbeitgeber", "Anna, Giro", "Anna", "Gehalt", "", "", 0, 50.0, 20261205, 99, 1};
    a.f().Aktualisiere();
    EXPECT_EQ(4, auswahl->currentIndex());
    EXPECT_EQ(150.0, a.f().Stand().m_aJahrestabelle[kEinnahmenA][12]);
}

TEST(Auswertung, DerSummenkastenFaerbtDieDifferenzenUndHaeltJedenText)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        Auswertung a(
            {
                {"Arbeitgeber", "Anna, Giro", 1000.0, 20260301, 0},
                {"Anna, Giro", "Markt", 400.0, 20260302, 1},
                {"Arbeitgeber", "Anna, Giro", 100.0, 20250301, 0},
                {"Anna, Giro", "Markt", 250.0, 20250302, 1},
            },
            sprache);
        const Summenkasten kasten(a.basis, a.f().Stand(), QRect(12, 338, 380, 90));
        std::map<QString, QColor> farben;
        for (const GemalterText& t : kasten.texte)
            farben[t.text] = t.farbe;
        const QColor plus(0, 164, 0), minus(255, 0, 0);
        EXPECT_EQ(plus, farben[QStringLiteral("600.00")]) << "year A's difference";
        EXPECT_EQ(minus, farben[QStringLiteral("-150.00")]) << "year B's difference, negative";
        EXPECT_EQ(plus, farben[QStringLiteral("900.00")]) << "more income than the year before";
        EXPECT_EQ(minus, farben[QStringLiteral("150.00")]) << "more expenses than the year before";
        EXPECT_EQ(plus, farben[QStringLiteral("750.00")]) << "the difference grew";

        // No text runs into the next one or out of the box.
        const QFontMetrics masse(SchriftFuer(kasten.texte.front().schrift));
        for (size_t i = 0; i < kasten.texte.size(); ++i) {
            const GemalterText& t = kasten.texte[i];
            const QRect flaeche(t.ort, QSize(masse.horizontalAdvance(t.text), masse.height()));
            EXPECT_TRUE(kasten.rahmen.contains(flaeche)) << t.text.toStdString();
            if (i + 1 < kasten.texte.size() && kasten.texte[i + 1].ort.y() == t.ort.y()) {
                EXPECT_LT(flaeche.right(), kasten.texte[i + 1].ort.x()) << t.text.toStdString();
            }
        }
    }
}

// Every label and figure of a list fits its cell, beside the room the painter leaves, and every column
// lies within the list.
void PruefeZellen(QTableView* liste)
{
    EXPECT_LE(liste->horizontalHeader()->length(), liste->viewport()->width());
    for (int zeile = 0; zeile < liste->model()->rowCount(); ++zeile) {
        for (int spalte : {0, 2, 3, 4}) {
            const QModelIndex index = liste->model()->index(zeile, spalte);
            // Labels stand left with their leading blank; figures stand right, where leading blanks give way.
            const QString text = spalte == 0 ? index.data().toString() : index.data().toString().trimmed();
            const int rand = spalte == 0 ? 0 : 4;
            EXPECT_LE(liste->fontMetrics().horizontalAdvance(text) + rand, liste->visualRect(index).width())
                << text.toStdString();
        }
    }
}

// Headings and periods stay within their places in both languages and every month, and no painted
// text runs under a control; the lists' headers, labels and figures fit their columns with the longest
// names and the largest amount.
TEST(Auswertung, JederGemalteTextPasstAnSeinenPlatz)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        Auswertung a({{"Anna, Giro", "Markt", 9999999.99, 20261201, 1, "Wohnen", "Strom"}}, sprache);
        a.basis.m_arrKategorien[2]->m_strName = "Versicherungen und Steuer";
        a.basis.m_arrKategorien[0]->m_arrUKategorien[1]->m_strName = "Wohngeb\xE4udeversicherungen";
        a.f().Aktualisiere();
        PruefeZellen(a.Liste(1019));
        PruefeZellen(a.Liste(1024));
        Waehle(a.f(), 1065, 4);
        PruefeZellen(a.Liste(1024));
        for (int schritt = 0; schritt < 12; ++schritt) {
            std::vector<QRect> plaetze;
            const auto texte = Beschriftungen(a.basis, a.f().Stand(), [&a, &plaetze](int id) {
                plaetze.push_back(Element(a.f(), id)->geometry());
                return plaetze.back().topLeft();
            });
            for (size_t i = 0; i < texte.size(); ++i) {
                const QFontMetrics masse(SchriftFuer(texte[i].schrift));
                const QRect flaeche(texte[i].ort, QSize(masse.horizontalAdvance(texte[i].text), masse.height()));
                EXPECT_LE(flaeche.width(), plaetze[i].width()) << texte[i].text.toStdString();
                for (QWidget* w : a.f().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    // The silent labels that tell the texts to screen readers lie on them on purpose.
                    if (w->isVisibleTo(a.fenster) && !IstAnsage(*w)) {
                        EXPECT_FALSE(w->geometry().intersects(flaeche))
                            << texte[i].text.toStdString() << " under " << w->objectName().toStdString();
                    }
                }
            }
            Klicke(a.f(), 1029);
        }
        for (QTableView* liste : {a.Liste(1019), a.Liste(1024)}) {
            const QHeaderView* kopf = liste->horizontalHeader();
            const int rand = 2 * kopf->style()->pixelMetric(QStyle::PM_HeaderMargin);
            for (int spalte = 0; spalte < kopf->count(); ++spalte) {
                const QString text = liste->model()->headerData(spalte, Qt::Horizontal).toString();
                EXPECT_LE(kopf->fontMetrics().horizontalAdvance(text) + rand, kopf->sectionSize(spalte))
                    << text.toStdString();
            }
        }
    }
}

// Tab leaves both lists and walks every control of the window; the lists keep their marked rows.
TEST(Auswertung, TabVerlaesstDieListen)
{
    Auswertung a({{"Arbeitgeber", "Anna, Giro", 100.0, 20261105, 0, "Gehalt"}});
    for (int id : {1019, 1024}) {
        QTableView* liste = a.Liste(id);
        Fokus(*liste);
        liste->setCurrentIndex(liste->model()->index(1, 0));
        const std::vector<QWidget*> runde = Tabrunde(a.f());
        EXPECT_EQ(liste, QApplication::focusWidget()) << id;
        for (QWidget* ziel : TabZiele(a.f())) {
            EXPECT_TRUE(ziel == liste || std::find(runde.begin(), runde.end(), ziel) != runde.end())
                << id << " did not reach " << ziel->objectName().toStdString();
        }
        EXPECT_EQ(1, liste->currentIndex().row()) << id;
    }
}

TEST(Auswertung, ZugaenglichInBeidenSprachenUndBallonsNurAufDeutsch)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        Auswertung a({}, sprache);
        const bool deutsch = sprache == kDeutsch;
        for (QWidget* w : a.f().findChildren<QWidget*>()) {
            const bool steuerelement =
                qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QTableView*>(w);
            if (steuerelement && w->isVisibleTo(a.fenster)) {
                EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
            }
        }
        EXPECT_EQ(deutsch ? QStringLiteral("Auswertung") : QStringLiteral("Analyses"), a.f().windowTitle());
        EXPECT_EQ(deutsch ? QStringLiteral("Monat A zurück") : QStringLiteral("Month A back"),
                  Element(a.f(), 1029)->accessibleName());
        EXPECT_TRUE(a.f().accessibleDescription().startsWith(deutsch ? QStringLiteral("Jahres-Vergleich, 2026 2025")
                                                                     : QStringLiteral("Annual-Report, 2026 2025")))
            << a.f().accessibleDescription().toStdString();
        // Each row is named with its period, not told from its twin by colour; the bars are told in words.
        QAccessibleTableInterface* jahre = QAccessible::queryAccessibleInterface(a.Liste(1019))->tableInterface();
        QStringList namen;
        for (int zeile = 0; zeile < jahre->rowCount(); ++zeile)
            namen << jahre->cellAt(zeile, 0)->text(QAccessible::Name);
        EXPECT_EQ(deutsch ? QStringLiteral("Januar 2025") : QStringLiteral("January 2025"), namen.value(0));
        EXPECT_EQ(deutsch ? QStringLiteral("Januar 2026") : QStringLiteral("January 2026"), namen.value(1));
        EXPECT_EQ(24, QSet<QString>(namen.begin(), namen.end()).size());
        EXPECT_TRUE(
            jahre->cellAt(0, 1)->text(QAccessible::Name).startsWith(deutsch ? u"Einnahmen 0.00" : u"Income 0.00"))
            << jahre->cellAt(0, 1)->text(QAccessible::Name).toStdString();
        QAccessibleTableInterface* monate = QAccessible::queryAccessibleInterface(a.Liste(1024))->tableInterface();
        ASSERT_GE(monate->rowCount(), 2);
        EXPECT_NE(monate->cellAt(0, 0)->text(QAccessible::Name), monate->cellAt(1, 0)->text(QAccessible::Name));
        // Headings, periods and the totals box are elements of their own.
        QAccessibleInterface* fenster = QAccessible::queryAccessibleInterface(a.fenster.data());
        for (const QString& text :
             {deutsch ? QStringLiteral("Jahres-Vergleich") : QStringLiteral("Annual-Report"), QStringLiteral("2025")}) {
            EXPECT_NE(nullptr, FindeZugang(fenster,
                                           [&text](QAccessibleInterface* z) {
                                               return z->role() == QAccessible::StaticText &&
                                                      z->text(QAccessible::Name) == text;
                                           }))
                << text.toStdString();
        }
        QAccessibleInterface* kasten = QAccessible::queryAccessibleInterface(Element(a.f(), 1093));
        EXPECT_GE(kasten->childCount(), 3);
        EXPECT_EQ(deutsch ? 14 : 0, a.f().Ballons().ToolCount());
        if (deutsch) {
            EXPECT_TRUE(a.f().Ballons().ToolText(Element(a.f(), 1019)).endsWith(QStringLiteral("<bmp idres=195>")));
            EXPECT_TRUE(
                a.f().Ballons().ToolText(Element(a.f(), 1030)).contains(QStringLiteral("<h1>Monats-Auswahl</h1>")));
        }
    }
}

} // namespace
} // namespace velmora::test
