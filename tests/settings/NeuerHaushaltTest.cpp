#include "Buchung.h"
#include "EditKategorie.h"
#include "Empfaenger.h"
#include "Familienverwaltung.h"
#include "Fremdkontenverwaltung.h"
#include "Kategorienverwaltung.h"
#include "PersonenKonten.h"
#include "Testhaushalt.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// Opens the editors the way the main window does on the codes 3 and 5.
struct Hauptfenster
{
    CBasis& basis;
    TestHub hub;
    QPointer<PersonenKonten> einstellungen;
    QPointer<Empfaenger> fremdKonten;
    QPointer<EditKategorie> kategorien;

    explicit Hauptfenster(CBasis& b)
        : basis(b)
    {
        hub.beiAenderung = [this] {
            if (einstellungen)
                einstellungen->Aktualisiere();
            if (fremdKonten)
                fremdKonten->Aktualisiere();
        };
    }
    ~Hauptfenster()
    {
        for (QDialog* fenster : {static_cast<QDialog*>(einstellungen), static_cast<QDialog*>(fremdKonten),
                                 static_cast<QDialog*>(kategorien)})
            delete fenster;
    }
    void Oeffne()
    {
        for (const auto& [code, arg] : hub.codes) {
            if (code == kOeffneFremdKonten && !fremdKonten) {
                fremdKonten = new Empfaenger(basis, hub);
                fremdKonten->show();
            }
            if (code == kOeffneKategorien && !kategorien) {
                kategorien = new EditKategorie(basis, hub, nullptr, arg);
                kategorien->show();
            }
        }
    }
};

void Schliesse(QDialog* fenster)
{
    QTest::keyClick(fenster, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(NeuerHaushalt, VomLeerenOrdnerBisZurErstenBuchungUndNachDemNeustartWieder)
{
    Testhaushalt haushalt;
    {
        Hauptfenster haupt(haushalt.Basis());
        haupt.einstellungen = new PersonenKonten(haushalt.Basis(), haupt.hub);
        PersonenKonten& f = *haupt.einstellungen;
        f.show();
        Tippe(f, 1010, QStringLiteral("Müller"));
        for (const char* name : {"Anna", "Bernd"}) {
            Tippe(f, 1017, QString::fromUtf8(name));
            Klicke(f, 1020);
        }
        KlickeZeile(Element<QTableView>(f, 1024), 0);
        Tippe(f, 1028, QStringLiteral("Giro-Konto"));
        Tippe(f, 1029, QStringLiteral("1234,50"));
        Klicke(f, 1014);
        KlickeZeile(Element<QTableView>(f, 1024), 1);
        Tippe(f, 1028, QStringLiteral("Sparbuch"));
        Tippe(f, 1029, QStringLiteral("250"));
        Klicke(f, 1014);
        ASSERT_EQ(QString(), f.Meldung());

        Klicke(f, 1061);
        Klicke(f, 1062);
        haupt.Oeffne();
        ASSERT_TRUE(haupt.fremdKonten && haupt.kategorien);
        for (const char* name : {"Supermarkt", "Arbeitgeber"}) {
            Tippe(*haupt.fremdKonten, 1036, QString::fromUtf8(name));
            Klicke(*haupt.fremdKonten, 1032);
        }
        Tippe(*haupt.kategorien, 1004, QStringLiteral("Lebensmittel"));
        Klicke(*haupt.kategorien, 1025);
        Tippe(*haupt.kategorien, 1005, QStringLiteral("Obst"));
        Klicke(*haupt.kategorien, 1028);
        Schliesse(haupt.fremdKonten);
        Schliesse(haupt.kategorien);

        BucheNeu(haushalt.Basis(),
                 {"Anna, Giro-Konto", "Supermarkt", "Anna", "Lebensmittel", "Obst", "", 12.5, kHeute});
        haupt.hub.Benachrichtige(kDatenGeaendert, 0);
        EXPECT_EQ(QStringLiteral("Sparbuch"), Element<QTableView>(f, 1019)->model()->index(1, 0).data().toString())
            << "the refresh keeps Bernd marked";
        Schliesse(haupt.einstellungen);
    }

    CBasis& b = haushalt.NeuerStart();
    ASSERT_NE(nullptr, b.Familie());
    EXPECT_EQ("M\xFCller", b.Familie()->m_strName);
    ASSERT_EQ(2u, b.Familie()->m_arrPersonen.size());
    const CPerson& anna = *b.Familie()->m_arrPersonen[0];
    const CPerson& bernd = *b.Familie()->m_arrPersonen[1];
    EXPECT_EQ("Anna", anna.m_strName);
    EXPECT_EQ("Bernd", bernd.m_strName);
    ASSERT_EQ(2u, anna.m_arrKonten.size());
    EXPECT_EQ("Bar", anna.m_arrKonten[0]->m_strName);
    EXPECT_EQ("Giro-Konto", anna.m_arrKonten[1]->m_strName);
    EXPECT_DOUBLE_EQ(1222.0, anna.m_arrKonten[1]->m_dStand);
    ASSERT_EQ(2u, bernd.m_arrKonten.size());
    EXPECT_EQ("Sparbuch", bernd.m_arrKonten[1]->m_strName);
    EXPECT_DOUBLE_EQ(250.0, bernd.m_arrKonten[1]->m_dStand);
    ASSERT_EQ(2u, b.m_arrZielKonten.size());
    EXPECT_EQ("Supermarkt", b.m_arrZielKonten[0]->m_strName);
    ASSERT_EQ(1u, b.m_arrKategorien.size());
    EXPECT_EQ("Lebensmittel", b.m_arrKategorien[0]->m_strName);
    ASSERT_EQ(1u, b.m_arrKategorien[0]->m_arrUKategorien.size());
    EXPECT_EQ("Obst", b.m_arrKategorien[0]->m_arrUKategorien[0]->m_strName);
    ASSERT_EQ(1u, b.m_arrInOut.size());
    const CInOut& t = *b.m_arrInOut[0];
    EXPECT_EQ("Anna, Giro-Konto", t.m_strAuftraggeber);
    EXPECT_EQ("Supermarkt", t.m_strEmpfaenger);
    EXPECT_EQ("Obst", t.m_strUKategorie);
    EXPECT_EQ(1, t.m_nArt);
    EXPECT_EQ(1, t.m_nStatus);
    EXPECT_EQ(12.5, t.m_dBetrag);

    // The settings window of the new run shows what the first one set up.
    TestHub hub;
    PersonenKonten wieder(b, hub);
    EXPECT_EQ(QStringLiteral("Müller"), Element<QLineEdit>(wieder, 1010)->text());
    auto* konten = Element<QTableView>(wieder, 1019);
    EXPECT_EQ(QStringLiteral("1222.00"), konten->model()->index(1, 1).data().toString());
    EXPECT_EQ(QColor(255, 32, 32), Zeilenfarbe(konten, 1));
}

// Both languages: every control named for screen readers, every list model sound, and pictures of the
// windows to look at.
TEST(NeuerHaushalt, FensterInBeidenSprachen)
{
    const QString ordner = QDir::temp().filePath(QStringLiteral("velmora-einstellungen-bilder"));
    QDir().mkpath(ordner);
    for (int sprache : {kDeutsch, kEnglisch}) {
        const bool deutsch = sprache == kDeutsch;
        Testhaushalt haushalt(sprache);
        haushalt.RichteMeierEin();
        // Grey rows too: a deleted member, external account and category.
        LoescheMitglied(haushalt.Basis(), 1, {});
        LoescheFremdKonto(haushalt.Basis(), 1, {});
        LoescheKategorie(haushalt.Basis(), 1, {});
        TestHub hub;
        PersonenKonten voll(haushalt.Basis(), hub);
        PersonenKonten kurz(haushalt.Basis(), hub, nullptr, PersonenKonten::Form::kFamilienKonten);
        Empfaenger fremd(haushalt.Basis(), hub);
        EditKategorie kategorien(haushalt.Basis(), hub);
        EXPECT_EQ(deutsch ? QStringLiteral("Grundeinstellungen") : QStringLiteral("Settings"), voll.windowTitle());
        EXPECT_EQ(deutsch ? QStringLiteral("Farbe für Umbuchungen") : QStringLiteral("Color for Tranfers"),
                  Element(voll, 1027)->accessibleName());
        EXPECT_EQ(deutsch ? QStringLiteral("Familien-Name") : QStringLiteral("Family name"),
                  Element(voll, 1010)->accessibleName());
        EXPECT_EQ(deutsch ? QStringLiteral("Fremd-Konten") : QStringLiteral("External Accounts"),
                  Element<QTableView>(fremd, 1024)->model()->headerData(0, Qt::Horizontal).toString());

        const std::pair<QWidget*, QString> fenster[] = {{&voll, QStringLiteral("einstellungen")},
                                                        {&kurz, QStringLiteral("familienkonten")},
                                                        {&fremd, QStringLiteral("fremdkonten")},
                                                        {&kategorien, QStringLiteral("kategorien")}};
        for (const auto& [w, name] : fenster) {
            for (QWidget* kind : w->findChildren<QWidget*>()) {
                if (kind->objectName().size() == 5 && kind->objectName().startsWith(QLatin1Char('c'))) {
                    EXPECT_FALSE(kind->accessibleName().isEmpty()) << kind->objectName().toStdString();
                }
            }
            for (QTableView* liste : w->findChildren<QTableView*>())
                QAbstractItemModelTester pruefer(liste->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        }

        // A message and a password state, to see them painted.
        Tippe(voll, 1017, QStringLiteral("Anna"));
        Klicke(voll, 1020);
        Tippe(voll, 1073, QStringLiteral("geheim"));
        Tippe(fremd, 1036, QStringLiteral("Supermarkt"));
        Klicke(fremd, 1032);
        Tippe(kategorien, 1004, QStringLiteral("Wohnen"));
        Klicke(kategorien, 1025);
        for (const auto& [w, name] : fenster) {
            w->show();
            QCoreApplication::processEvents();
            const QString datei = ordner + QLatin1Char('/') + name + QLatin1Char('-') +
                                  (deutsch ? QStringLiteral("de") : QStringLiteral("en")) + QStringLiteral(".png");
            EXPECT_TRUE(w->grab().save(datei)) << datei.toStdString();
        }
    }
}

} // namespace
} // namespace velmora::test
