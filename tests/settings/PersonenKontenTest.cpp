#include "PersonenKonten.h"
#include "CPPToolTip.h"
#include "Testhaushalt.h"
#include "Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

using Einstellungen = Offen<PersonenKonten>;

const QColor kGrau(192, 192, 192);
const QColor kRot(255, 32, 32);

CPerson& Person(CBasis& b, int i)
{
    return *b.Familie()->m_arrPersonen[static_cast<size_t>(i)];
}

// Members and accounts as one line each, to see that a refused command changed nothing.
std::string Schnappschuss(const CBasis& basis)
{
    std::string s = basis.Familie()->m_strName + "\n";
    for (const auto& p : basis.Familie()->m_arrPersonen) {
        s += p->m_strName + Format(" %d\n", p->m_nStatus);
        for (const auto& k : p->m_arrKonten)
            s += "  " + k->m_strName + Format(" %.2f %d\n", k->m_dStand, k->m_nStatus);
    }
    return s;
}

TEST(PersonenKonten, OhneFamiliennamenIstNurDessenFeldFrei)
{
    Einstellungen e(false);
    for (QWidget* w : e.f().findChildren<QWidget*>()) {
        const bool bedienbar = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                               qobject_cast<QComboBox*>(w) || qobject_cast<QTableView*>(w);
        if (bedienbar && w->objectName().startsWith(QLatin1Char('c'))) {
            EXPECT_EQ(w->objectName() == QStringLiteral("c1010"), w->isVisibleTo(&e.f()) && w->isEnabled())
                << w->objectName().toStdString();
        }
    }

    Tippe(e.f(), 1010, QStringLiteral("M"));
    EXPECT_EQ("M", e.b().Familie()->m_strName);
    for (int id : {1017, 1020, 1024, 1025, 1026, 1027, 1061, 1062, 1073, 1074, 1097})
        EXPECT_TRUE(Aktiv(e.f(), id)) << id;
    // Without members there is nothing to rename or to give an account.
    for (int id : {1012, 1021, 1022, 1014, 1028, 1013})
        EXPECT_FALSE(Aktiv(e.f(), id)) << id;
    EXPECT_EQ(kDatenGeaendert, e.hub.codes.back().first);
}

TEST(PersonenKonten, AbgelehnteNamenZeigenIhreMeldungUndAendernNichts)
{
    struct Fall
    {
        int sprache;
        int feld;
        const char* text;
        int knopf;
        const char* meldung;
        const char* feldDanach;
    };
    const Fall faelle[] = {
        {kDeutsch, 1017, "anna", 1020, "'anna' existiert bereits", ""},
        {kDeutsch, 1017, "", 1020, "Eingabe ist leer", ""},
        {kEnglisch, 1017, "ANNA", 1020, "'ANNA' already exists", ""},
        {kDeutsch, 1012, "ANNA", 1021, "'ANNA' existiert bereits", ""},
        {kEnglisch, 1012, "", 1021, "Input is empty", ""},
        {kDeutsch, 1028, "giro-konto", 1014, "'giro-konto' existiert bereits", "giro-konto"},
        {kDeutsch, 1028, "", 1014, "Eingabe ist leer", ""},
    };
    for (const Fall& fall : faelle) {
        Einstellungen e(true, fall.sprache);
        const std::string vorher = Schnappschuss(e.b());
        Tippe(e.f(), fall.feld, QString::fromUtf8(fall.text));
        Klicke(e.f(), fall.knopf);
        EXPECT_EQ(QString::fromUtf8(fall.meldung), e.f().Meldung()) << fall.text;
        EXPECT_EQ(QString::fromUtf8(fall.meldung), e.f().accessibleDescription()) << fall.text;
        EXPECT_EQ(QString::fromUtf8(fall.feldDanach), e.Text(fall.feld)) << fall.text;
        EXPECT_EQ(vorher, Schnappschuss(e.b())) << fall.text;
        // Typing into the field again takes the message away.
        Tippe(e.f(), fall.feld, QStringLiteral("x"));
        EXPECT_EQ(QString(), e.f().Meldung()) << fall.text;
    }
}

TEST(PersonenKonten, BarKontoErlaubtNurDasAendernDesBetrags)
{
    Einstellungen e;
    ASSERT_EQ(QStringLiteral("Bar"), e.Text(1013));
    for (int id : {1013, 1016, 1023})
        EXPECT_FALSE(Aktiv(e.f(), id)) << id;
    Tippe(e.f(), 1015, QStringLiteral("25,5"));
    Klicke(e.f(), 1018);
    EXPECT_EQ(25.5, Person(e.b(), 0).m_arrKonten[0]->m_dStand);
    EXPECT_EQ(QStringLiteral(" 25.50"), e.Liste(1019)->model()->index(0, 1).data().toString());

    KlickeZeile(e.Liste(1019), 1);
    EXPECT_EQ(QStringLiteral("Giro-Konto"), e.Text(1013));
    EXPECT_EQ(QStringLiteral("70.00"), e.Text(1015));
    for (int id : {1013, 1016, 1023})
        EXPECT_TRUE(Aktiv(e.f(), id)) << id;
}

TEST(PersonenKonten, StartbetragMitKommaWirdZumKontostand)
{
    Einstellungen e;
    Tippe(e.f(), 1028, QStringLiteral("Sparbuch"));
    Tippe(e.f(), 1029, QStringLiteral("12,50"));
    Klicke(e.f(), 1014);
    ASSERT_EQ(3u, Person(e.b(), 0).m_arrKonten.size());
    EXPECT_EQ(12.5, Person(e.b(), 0).m_arrKonten[2]->m_dStand);
    EXPECT_EQ(QStringLiteral("Sparbuch"), e.Text(1013));
    EXPECT_EQ(QStringLiteral("12.50"), e.Text(1015));
    EXPECT_EQ(QString(), e.Text(1028) + e.Text(1029));
    EXPECT_EQ(2, e.Liste(1019)->currentIndex().row());
}

TEST(PersonenKonten, WeissFuerEinnahmenSetztAuchDieDunklereVariante)
{
    Einstellungen e;
    std::vector<QColor> startfarben;
    std::optional<QColor> wahl = QColor(255, 255, 255);
    e.f().SetzeFarbwahl([&](const QColor& start, QWidget*) {
        startfarben.push_back(start);
        return wahl;
    });
    Klicke(e.f(), 1025);
    EXPECT_EQ(0xFFFFFF, e.b().m_aFarben[0]);
    EXPECT_EQ(0xC4C4C4, e.b().m_aFarben[3]);
    EXPECT_EQ(kDatenGeaendert, e.hub.codes.back().first);

    wahl.reset();
    e.hub.codes.clear();
    Klicke(e.f(), 1026);
    EXPECT_EQ(kStandardFarben[1], e.b().m_aFarben[1]);
    EXPECT_EQ(kStandardFarben[4], e.b().m_aFarben[4]);
    EXPECT_TRUE(e.hub.codes.empty());
    const std::vector<QColor> erwartet{QColor(0, 164, 0), QColor(255, 0, 0)};
    EXPECT_EQ(erwartet, startfarben);
}

TEST(PersonenKonten, PasswortGiltNurWennBeideFelderGleichSind)
{
    struct Schritt
    {
        int feld;
        const char* text;
        const char* passwort;
        const char* zustand; // what the window paints, as it tells screen readers
    };
    const Schritt schritte[] = {
        {1073, "Geheim", "", "Passwort bestätigen"},
        {1074, "geheim", "", "Passwort bestätigen"},
        {1074, "Geheim", "Geheim", "Passwort o.k."},
        {1073, "", "", ""},
        {1074, "", "", ""},
    };
    Einstellungen e;
    e.b().m_strPasswort = "alt";
    for (const Schritt& s : schritte) {
        Tippe(e.f(), s.feld, QString::fromUtf8(s.text));
        EXPECT_EQ(s.passwort, e.b().m_strPasswort) << s.feld << " " << s.text;
        EXPECT_EQ(QString::fromUtf8(s.zustand), e.f().accessibleDescription()) << s.feld << " " << s.text;
    }
    EXPECT_EQ(QLineEdit::Password, Element<QLineEdit>(e.f(), 1074)->echoMode());

    // Escape closes the window; agreeing fields are taken then.
    Element<QLineEdit>(e.f(), 1073)->setText(QStringLiteral("neu"));
    Element<QLineEdit>(e.f(), 1074)->setText(QStringLiteral("neu"));
    QTest::keyClick(&e.f(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(e.fenster.isNull());
    EXPECT_EQ("neu", e.b().m_strPasswort);
}

TEST(PersonenKonten, BallonsNurAufDeutschUndNurWennEingeschaltet)
{
    struct Fall
    {
        int sprache;
        int tooltips;
        bool ballons;
    };
    for (const Fall& fall : {Fall{kDeutsch, 1, true}, Fall{kEnglisch, 1, false}, Fall{kDeutsch, 0, false}}) {
        Testhaushalt haushalt(fall.sprache);
        haushalt.RichteMeierEin();
        haushalt.Basis().m_bTooltips = fall.tooltips;
        TestHub hub;
        PersonenKonten fenster(haushalt.Basis(), hub);
        EXPECT_EQ(fall.ballons, fenster.Ballons().ToolCount() > 0) << fall.sprache << " " << fall.tooltips;
    }
}

TEST(PersonenKonten, TooltipSchalterLaesstDasHauptfensterSeineBallonsNeuBauen)
{
    Einstellungen e;
    QSignalSpy umgeschaltet(&e.f(), &PersonenKonten::BallonsUmgeschaltet);
    for (int erwartet : {0, 1}) {
        Klicke(e.f(), 1097);
        EXPECT_EQ(erwartet, e.b().m_bTooltips);
        EXPECT_EQ(erwartet == 1, Element<QCheckBox>(e.f(), 1097)->isChecked());
    }
    EXPECT_EQ(2, umgeschaltet.count());
}

TEST(PersonenKonten, EnterInEinemFeldTutNichts)
{
    Einstellungen e;
    for (const auto& [id, text] : {std::pair{1017, "Carla"}, {1012, "Berta"}, {1028, "Spar"}, {1029, "5"}, {1015, "9"}})
        Tippe(e.f(), id, QString::fromUtf8(text));
    e.hub.codes.clear();
    const std::string vorher = Schnappschuss(e.b());
    for (int id : {1010, 1012, 1017, 1013, 1015, 1028, 1029, 1073, 1074}) {
        QWidget* feld = Element(e.f(), id);
        if (auto* liste = qobject_cast<QComboBox*>(feld))
            feld = liste->lineEdit();
        for (Qt::Key taste : {Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(feld, taste);
        EXPECT_TRUE(e.f().isVisible()) << id;
    }
    EXPECT_EQ(vorher, Schnappschuss(e.b()));
    EXPECT_TRUE(e.hub.codes.empty());
    EXPECT_EQ(2, Element<QComboBox>(e.f(), 1028)->count());
}

TEST(PersonenKonten, FamilienKontenFormEndetUeberDenEinstellungen)
{
    Einstellungen voll;
    Einstellungen kurz(true, kDeutsch, PersonenKonten::Form::kFamilienKonten);
    EXPECT_EQ(voll.f().height() - PersonenKonten::kUntererTeil, kurz.f().height());
    for (int id : {1025, 1026, 1027, 1061, 1062, 1073, 1074, 1097})
        EXPECT_GE(Element(kurz.f(), id)->geometry().top(), kurz.f().height()) << id;
    EXPECT_LE(Element(kurz.f(), 1014)->geometry().bottom(), kurz.f().height());
}

TEST(PersonenKonten, BenutztesMitgliedFragtUndGeloeschtBleibtNurWiederherstellen)
{
    Einstellungen e;
    Tippe(e.f(), 1012, QStringLiteral("Berta"));
    Klicke(e.f(), 1021);
    EXPECT_EQ("Anna", Person(e.b(), 0).m_strName);
    e.antwort = 1;
    Tippe(e.f(), 1012, QStringLiteral("Berta"));
    Klicke(e.f(), 1021);
    e.antwort = 2;
    Klicke(e.f(), 1022);
    const std::vector<std::tuple<int, std::string, std::string, int>> fragen{
        {0, "Anna", "Berta", 10}, {0, "Anna", "Berta", 10}, {1, "Berta", "Berta", 10}};
    EXPECT_EQ(fragen, e.fragen);
    EXPECT_EQ("Berta, Giro-Konto", e.b().m_arrInOut.front()->m_strAuftraggeber);
    EXPECT_GT(0, Person(e.b(), 0).m_nStatus);
    EXPECT_EQ(kGrau, Zeilenfarbe(e.Liste(1024), 0));
    EXPECT_EQ(kGrau, Zeilenfarbe(e.Liste(1019), 1));
    for (int id : {1030, 1033})
        EXPECT_TRUE(Sichtbar(e.f(), id)) << id;
    for (int id : {1021, 1022, 1012})
        EXPECT_FALSE(Sichtbar(e.f(), id)) << id;
    for (int id : {1014, 1015, 1018, 1028, 1029})
        EXPECT_FALSE(Aktiv(e.f(), id)) << id;

    Klicke(e.f(), 1030);
    EXPECT_EQ(1, Person(e.b(), 0).m_nStatus);
    EXPECT_EQ(70.0, Person(e.b(), 0).m_arrKonten[1]->m_dStand);
    EXPECT_EQ(kRot, Zeilenfarbe(e.Liste(1024), 0));
    EXPECT_TRUE(Sichtbar(e.f(), 1021));
}

TEST(PersonenKonten, UnbenutztesMitgliedUndKontoOhneFrageLoeschenUndEndgueltig)
{
    Einstellungen e;
    EXPECT_EQ(QColor(Qt::black), Zeilenfarbe(e.Liste(1024), 1));
    KlickeZeile(e.Liste(1024), 1);
    EXPECT_EQ(QStringLiteral("Bernd"), e.Text(1012));
    Klicke(e.f(), 1022);
    EXPECT_EQ(kGrau, Zeilenfarbe(e.Liste(1024), 1));
    Klicke(e.f(), 1033);
    EXPECT_EQ(1u, e.b().Familie()->m_arrPersonen.size());
    EXPECT_EQ(QStringLiteral("Anna"), e.Text(1012));

    KlickeZeile(e.Liste(1019), 1);
    e.antwort = 2;
    Klicke(e.f(), 1023);
    for (int id : {1032, 1034})
        EXPECT_TRUE(Sichtbar(e.f(), id)) << id;
    for (int id : {1016, 1023, 1013})
        EXPECT_FALSE(Sichtbar(e.f(), id)) << id;
    Klicke(e.f(), 1034);
    EXPECT_EQ(1u, Person(e.b(), 0).m_arrKonten.size());
    EXPECT_TRUE(e.b().m_arrInOut.empty());
    EXPECT_EQ(QStringLiteral("Bar"), e.Text(1013));
    EXPECT_EQ(1u, e.fragen.size());
}

TEST(PersonenKonten, OhneRueckfrageFragtEinMeldungsfenster)
{
    Einstellungen e;
    e.f().SetzeEintragsfrage({});
    MeldungsMitschrift mitschrift;
    Tippe(e.f(), 1012, QStringLiteral("Berta"));
    Klicke(e.f(), 1021);
    ASSERT_EQ(1u, mitschrift.texte.size());
    EXPECT_TRUE(mitschrift.texte[0].contains(QStringLiteral("'Anna' in 'Berta'"))) << mitschrift.texte[0].toStdString();
    EXPECT_EQ("Berta", Person(e.b(), 0).m_strName);
}

TEST(PersonenKonten, KnoepfeOeffnenDieEditoren)
{
    Einstellungen e;
    Klicke(e.f(), 1061);
    Klicke(e.f(), 1062);
    const std::vector<std::pair<int, int>> erwartet{{kOeffneFremdKonten, -1}, {kOeffneKategorien, -1}};
    EXPECT_EQ(erwartet, e.hub.codes);
}

} // namespace
} // namespace velmora::test
