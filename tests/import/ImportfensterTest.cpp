// The import window driven as a user drives it, and the main window's way to it.

#include "Auszugsbau.h"
#include "Bedienung.h"
#include "Buchung.h"
#include "CPPToolTip.h"
#include "CVelmoraDlg.h"
#include "Fenstereingabe.h"
#include "Gedaechtnisdatei.h"
#include "Generator.h"
#include "Hub.h"
#include "ImportModell.h"
#include "InOut.h"
#include "Kontoimport.h"
#include "Meldung.h"
#include "Overview.h"
#include "Spaltenwahl.h"
#include "Text.h"
#include "Uebersicht.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace velmora::test {
namespace {

class StillerHub final : public Hub
{
public:
    void Benachrichtige(int, int) override {}
    void ZeigeUebersicht(int, int, int, const std::string&, const std::string&) override {}
};

std::string Auszug(Importhaushalt& h)
{
    return h.Datei("maerz.xml",
                   Camt(8, kIbanAnna,
                        {{"23.45", "DBIT", "BOOK", "2024-03-04", false, "M1", "Supermarkt Nord", kIbanMarkt, "Obst"},
                         {"2500.00", "CRDT", "BOOK", "2024-03-01", false, "M2", "Arbeitgeber", kIbanFirma, "Gehalt"},
                         {"42.00", "DBIT", "BOOK", "2024-03-07", false, "M3", "Stadtwerke", "", "Strom März"},
                         {"9.99", "DBIT", "PDNG", "2024-03-08", false, "M4", "Kiosk", "", "Zeitung"}}));
}

// Drags the files over the window and drops them, as the window system delivers it.
void LegeAb(QWidget& fenster, const QMimeData& daten)
{
    QDragEnterEvent betreten(QPoint(300, 300), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fenster, &betreten);
    ASSERT_TRUE(betreten.isAccepted());
    QDropEvent fallen(QPointF(300, 300), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&fenster, &fallen);
}

// The household as a previous run left it in its folder, with the import's memory; Bernd paid 9.00 by
// hand within the statement's days. The program is started on it.
std::unique_ptr<CVelmoraDlg> Programm(Importhaushalt& h)
{
    BucheNeu(h.Basis(), {"Bernd, Giro", "Supermarkt", "Bernd", "Lebensmittel", "Obst", "von Hand", 9.0, 20240305});
    h.Hinterlege();
    auto haupt = std::make_unique<CVelmoraDlg>(h.Ordner(), Startumgebung{FesteUhr(20240315, 1200), {}});
    haupt->show();
    return haupt;
}

// The main window's balance of a family account, as its list shows it.
QString Kontostand(CVelmoraDlg& haupt, const QString& konto)
{
    const QAbstractItemModel& modell = *Element<QTableView>(haupt, CVelmoraDlg::kKontostaende)->model();
    for (int z = 0; z < modell.rowCount(); ++z) {
        if (modell.index(z, 1).data().toString() == konto)
            return modell.index(z, 2).data().toString().trimmed();
    }
    return {};
}

// Untick a line, give another its category, "Buchen": the balances change by exactly the ticked lines, an
// open entry window offers the new external account, and the overview opens on the booked days of the
// statement's account, listing exactly those lines with their totals.
TEST(Importfenster, HakenKategorieUndBuchenBuchenGenauDieAngehaktenZeilen)
{
    Importhaushalt h;
    const std::string datei = Auszug(h);
    const std::unique_ptr<CVelmoraDlg> haupt = Programm(h);
    Klicke(*haupt, CVelmoraDlg::kEingabe);
    haupt->Importiere({QString::fromStdString(datei)});
    QPointer<Kontoimport> fenster = haupt->findChild<Kontoimport*>();
    ASSERT_FALSE(fenster.isNull());
    QAbstractItemModelTester pruefer(&fenster->Modell());
    EXPECT_EQ(QStringLiteral("3 Zeilen, 2 angehakt, 0 schon gebucht, 1 vorgemerkt (übersprungen)"),
              Element<QLabel>(*fenster, Kontoimport::kZaehler)->text());

    auto* liste = Element<QTableView>(*fenster, Kontoimport::kListe);
    ASSERT_NE(nullptr, liste);
    for (QWidget* element : fenster->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^c\\d+$"))))
        EXPECT_FALSE(element->accessibleName().isEmpty()) << element->objectName().toStdString();
    const QAbstractItemModel& modell = *liste->model();
    EXPECT_EQ(QStringLiteral("Kategorie fehlt"), modell.index(2, ImportModell::kHinweis).data().toString());

    // The salary is not to be booked this time.
    liste->setCurrentIndex(modell.index(1, ImportModell::kHaken));
    QTest::keyClick(liste, Qt::Key_Space);
    EXPECT_EQ(Qt::Unchecked, modell.index(1, ImportModell::kHaken).data(Qt::CheckStateRole).toInt());

    // The electricity bill gets its category from the list the entry window offers, by keys: F2 opens
    // the cell's editor, which screen readers find; an arrow only opens its list, Return takes the choice.
    const QModelIndex kategorie = modell.index(2, ImportModell::kKategorie);
    Fokus(*liste);
    liste->setCurrentIndex(kategorie);
    Taste(*fenster, Qt::Key_F2);
    auto* auswahl = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_NE(nullptr, auswahl);
    EXPECT_NE(nullptr, FindeZugang(QAccessible::queryAccessibleInterface(fenster.data()),
                                   [auswahl](QAccessibleInterface* z) { return z->object() == auswahl; }));
    Taste(*fenster, Qt::Key_Down);
    EXPECT_EQ(QString(), kategorie.data().toString()) << "an arrow changes nothing";
    EXPECT_EQ(Qt::Unchecked, modell.index(2, ImportModell::kHaken).data(Qt::CheckStateRole).toInt());
    ASSERT_TRUE(auswahl->view()->isVisible()) << "the arrow opened the list";
    for (int i = 0; i < auswahl->count() && auswahl->view()->currentIndex().data() != QStringLiteral("Wohnen"); ++i)
        Taste(*auswahl->view(), Qt::Key_Down);
    EXPECT_EQ(QString(), kategorie.data().toString());
    Taste(*auswahl->view(), Qt::Key_Return);
    EXPECT_EQ(QStringLiteral("Wohnen"), kategorie.data().toString());
    EXPECT_EQ(QStringLiteral("Strom"), modell.index(2, ImportModell::kUKategorie).data().toString());
    EXPECT_EQ(Qt::Checked, modell.index(2, ImportModell::kHaken).data(Qt::CheckStateRole).toInt());
    EXPECT_EQ(QStringLiteral("3 Zeilen, 2 angehakt, 0 schon gebucht, 1 vorgemerkt (übersprungen)"),
              Element<QLabel>(*fenster, Kontoimport::kZaehler)->text());

    // Tab leaves the table for the tolerance and the buttons, and leaves the marked line where it was.
    Fokus(*liste);
    const QModelIndex vorher = liste->currentIndex();
    const std::vector<QWidget*> runde = Tabrunde(*fenster);
    for (int id : {Kontoimport::kToleranz, Kontoimport::kBuchen, Kontoimport::kAbbrechen}) {
        QWidget* ziel = Element(*fenster, id);
        EXPECT_TRUE(std::any_of(runde.begin(), runde.end(), [ziel](QWidget* w) {
            return w == ziel || ziel->isAncestorOf(w);
        })) << id;
    }
    EXPECT_EQ(liste, QApplication::focusWidget());
    EXPECT_EQ(vorher, liste->currentIndex());

    Klicke(*fenster, Kontoimport::kBuchen);
    RaeumeAuf();
    EXPECT_TRUE(fenster.isNull());
    EXPECT_EQ(QStringLiteral("934.55"), Kontostand(*haupt, QStringLiteral("Anna, Giro")));
    EXPECT_EQ(QStringLiteral("491.00"), Kontostand(*haupt, QStringLiteral("Bernd, Giro")));
    InOut* eingabe = haupt->findChild<InOut*>();
    ASSERT_NE(nullptr, eingabe);
    EXPECT_TRUE(KlickeZeile(Element<QTableView>(*eingabe, InOut::kEmpfaenger), QStringLiteral("Stadtwerke")));

    Overview* uebersicht = haupt->Uebersicht();
    ASSERT_NE(nullptr, uebersicht);
    EXPECT_EQ(20240304, haupt->Basis().m_nVonDatum);
    EXPECT_EQ(20240307, haupt->Basis().m_nBisDatum);
    const OverviewListing& gezeigt = uebersicht->Liste();
    std::vector<std::string> zeilen;
    for (int z = 0; z < gezeigt.m_nZeilen; ++z) {
        const CInOut& t = *gezeigt.TransaktionDerZeile(z);
        zeilen.push_back(Format("%d %s %s %s %.2f", t.m_nDatum, t.m_strAuftraggeber.c_str(), t.m_strEmpfaenger.c_str(),
                                t.m_strKategorie.c_str(), t.m_dBetrag));
    }
    EXPECT_EQ((std::vector<std::string>{"20240307 Anna, Giro Stadtwerke Wohnen 42.00",
                                        "20240304 Anna, Giro Supermarkt Lebensmittel 23.45"}),
              zeilen);
    EXPECT_EQ(2, Element<QTableView>(*uebersicht, Overview::kListe)->model()->rowCount());
    EXPECT_DOUBLE_EQ(0.0, gezeigt.m_dEinnahmen);
    EXPECT_DOUBLE_EQ(65.45, gezeigt.m_dAusgaben);
    EXPECT_EQ("Konto|Anna, Giro", uebersicht->GemalteTexte().mid(2, 2).join(QLatin1Char('|')).toStdString());
}

TEST(Importfenster, UnbekannteSpaltenFragtEinmalUndUnbekannteKontenNachDemKonto)
{
    Importhaushalt h;
    StillerHub hub;
    Kontoimport fenster(h.Basis(), hub, h.Gedaechtnis());
    const std::string datei = h.Datei("bank.csv", "Tag;Wer;Wieviel\n04.03.2024;Supermarkt;-5,00\n"
                                                  "05.03.2024;Kiosk;-2,00\n");
    int gefragt = 0;
    Spaltenwahl::SetzeAntwort([&gefragt](Spaltenwahl& dialog) {
        ++gefragt;
        Element<QComboBox>(dialog, Spaltenwahl::kErsteRolle + kRolleDatum)->setCurrentIndex(1);
        Element<QComboBox>(dialog, Spaltenwahl::kErsteRolle + kRolleName)->setCurrentIndex(2);
        Element<QComboBox>(dialog, Spaltenwahl::kErsteRolle + kRolleBetrag)->setCurrentIndex(3);
        return true;
    });
    QStringList angeboten;
    Kontoimport::SetzeKontofrage([&angeboten](const QString&, const QString&, const QStringList& konten) {
        angeboten = konten;
        return QStringLiteral("Bernd, Giro");
    });
    EXPECT_EQ(1, fenster.FuegeHinzu({QString::fromStdString(datei)}));
    EXPECT_EQ(1, fenster.FuegeHinzu({QString::fromStdString(datei)}));
    Spaltenwahl::SetzeAntwort({});
    Kontoimport::SetzeKontofrage({});
    EXPECT_EQ(1, gefragt);
    EXPECT_EQ((QStringList{"Anna, Giro", "Bernd, Giro"}), angeboten);
    EXPECT_EQ("Bernd, Giro", h.Gedaechtnis().konten.at("layout:Tag;Wer;Wieviel"));
    ASSERT_EQ(4, fenster.Modell().rowCount());
    // The same file twice in one import: the second copy's lines are already there.
    EXPECT_EQ(2, fenster.Modell().Duplikate());
    EXPECT_EQ("Bernd, Giro", fenster.Modell().Vorschlaege()[0].eingabe.strZahler);
}

// Both windows explain their controls in German balloons, as every window does: not in English, and not
// while the balloon switch is off.
TEST(Importfenster, BallonsNurAufDeutschUndWennEingeschaltet)
{
    struct Fall
    {
        int sprache;
        int tooltips;
        int import;
        int spalten;
    };
    const Fall faelle[] = {{kDeutsch, 1, 6, 11}, {kEnglisch, 1, 0, 0}, {kDeutsch, 0, 0, 0}};
    for (const Fall& f : faelle) {
        Importhaushalt h;
        h.Basis().m_nSprache = f.sprache;
        h.Basis().m_bTooltips = f.tooltips;
        StillerHub hub;
        Kontoimport fenster(h.Basis(), hub, h.Gedaechtnis());
        Spaltenwahl spalten(h.Basis(), "bank.csv", {{"Tag", "Wer", "Wieviel"}, {}, ""});
        EXPECT_EQ(f.import, fenster.Ballons().ToolCount()) << f.sprache << " " << f.tooltips;
        EXPECT_EQ(f.spalten, spalten.Ballons().ToolCount()) << f.sprache << " " << f.tooltips;
        if (f.import > 0) {
            EXPECT_TRUE(
                fenster.Ballons().ToolText(Element(fenster, Kontoimport::kBuchen)).contains(QStringLiteral("Ende")));
            EXPECT_TRUE(spalten.Ballons()
                            .ToolText(Element(spalten, Spaltenwahl::kErsteRolle + kRolleSoll))
                            .contains(QStringLiteral("Ausgängen")));
        }
    }
}

TEST(Hauptfenster, ImportKnopfUndAbgelegteDateienUndEndeSchreibtDasGedaechtnis)
{
    TempOrdner ordner("velmora-import-haupt");
    Haushaltsparameter parameter;
    parameter.nJahre = 1;
    parameter.nHeute = 20240315;
    std::string fehler;
    ASSERT_EQ(0, ErzeugeHaushalt(ordner.Pfad(), parameter, fehler)) << fehler;
    auto haupt = std::make_unique<CVelmoraDlg>(ordner.Pfad(), Startumgebung{FesteUhr(20240315, 1200), {}});
    haupt->show();
    auto* knopf = Element<QPushButton>(*haupt, CVelmoraDlg::kImport);
    ASSERT_NE(nullptr, knopf);
    EXPECT_TRUE(knopf->isVisible());
    EXPECT_EQ(QStringLiteral("Kontoauszug importieren"), knopf->accessibleName());
    EXPECT_GT(knopf->x(), Element(*haupt, CVelmoraDlg::kInfo)->x());

    const std::string kaputt = ordner.Pfad() + "/kaputt.xml";
    std::ofstream(kaputt) << "<Document>";
    const std::string gut = ordner.Pfad() + "/gut.csv";
    std::ofstream(gut) << "Buchungstag;Empfänger;Betrag\n04.03.2024;Bäckerei Schäfer;-3,10\n";
    std::vector<QString> meldungen;
    SetzeMeldungsAntwort([&meldungen](const QString& text) {
        meldungen.push_back(text);
        return QMessageBox::Ok;
    });
    Kontoimport::SetzeKontofrage(
        [](const QString&, const QString&, const QStringList& konten) { return konten.front(); });
    QMimeData daten;
    daten.setUrls({QUrl::fromLocalFile(QString::fromStdString(kaputt))});
    LegeAb(*haupt, daten);
    RaeumeAuf();
    ASSERT_EQ(1u, meldungen.size());
    EXPECT_TRUE(meldungen[0].contains(QStringLiteral("kaputt.xml, Zeile 1: Das XML ist nicht wohlgeformt")))
        << meldungen[0].toStdString();
    EXPECT_EQ(nullptr, haupt->findChild<Kontoimport*>());

    daten.setUrls({QUrl::fromLocalFile(QString::fromStdString(gut))});
    LegeAb(*haupt, daten);
    SetzeMeldungsAntwort({});
    Kontoimport::SetzeKontofrage({});
    auto* import = haupt->findChild<Kontoimport*>();
    ASSERT_NE(nullptr, import);
    ASSERT_EQ(1, import->Modell().rowCount());
    EXPECT_EQ(1, import->Modell().Angehakt());
    Klicke(*import, Kontoimport::kBuchen);
    RaeumeAuf();
    // Nothing reaches the data folder before "Ende".
    EXPECT_FALSE(std::filesystem::exists(GedaechtnisPfad(ordner.Pfad())));
    Klicke(*haupt, CVelmoraDlg::kEnde);
    EXPECT_TRUE(std::filesystem::exists(GedaechtnisPfad(ordner.Pfad())));
}

} // namespace
} // namespace velmora::test
