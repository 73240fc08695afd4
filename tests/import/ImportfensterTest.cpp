// The import window driven as a user drives it, and the main window's way to it.

#include "Auszugsbau.h"
#include "Bedienung.h"
#include "CVelmoraDlg.h"
#include "Gedaechtnisdatei.h"
#include "Generator.h"
#include "Hub.h"
#include "ImportModell.h"
#include "Kontoimport.h"
#include "Meldung.h"
#include "Spaltenwahl.h"
#include "Text.h"
#include "Uebersicht.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace velmora::test {
namespace {

struct Aufruf
{
    int art, datum1, datum2;
};

class MerkHub final : public Hub
{
public:
    void Benachrichtige(int code, int) override { codes.push_back(code); }
    void ZeigeUebersicht(int art, int datum1, int datum2, const std::string&, const std::string&) override
    {
        uebersichten.push_back({art, datum1, datum2});
    }
    std::vector<int> codes;
    std::vector<Aufruf> uebersichten;
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

// Chooses an entry of the combo box the way the keyboard does, so that it counts as the user's choice.
void WaehleIn(QComboBox& auswahl, const QString& text)
{
    const int ziel = auswahl.findText(text);
    ASSERT_GE(ziel, 0) << text.toStdString();
    auswahl.setCurrentIndex(ziel > 0 ? ziel - 1 : 1);
    QTest::keyClick(&auswahl, ziel > 0 ? Qt::Key_Down : Qt::Key_Up);
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

TEST(Importfenster, HakenKategorieUndBuchenBuchenGenauDieAngehaktenZeilen)
{
    Importhaushalt h;
    MerkHub hub;
    auto* fenster = new Kontoimport(h.Basis(), hub, h.Gedaechtnis());
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<Kontoimport> offen(fenster);
    fenster->show();
    QAbstractItemModelTester pruefer(&fenster->Modell());
    ASSERT_EQ(1, fenster->FuegeHinzu({QString::fromStdString(Auszug(h))}));
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

    // The electricity bill gets its category from the list the entry window offers.
    const QModelIndex kategorie = modell.index(2, ImportModell::kKategorie);
    liste->setCurrentIndex(kategorie);
    liste->edit(kategorie);
    auto* auswahl = liste->viewport()->findChild<QComboBox*>();
    ASSERT_NE(nullptr, auswahl);
    WaehleIn(*auswahl, QStringLiteral("Wohnen"));
    QApplication::processEvents();
    EXPECT_EQ(QStringLiteral("Wohnen"), kategorie.data().toString());
    EXPECT_EQ(QStringLiteral("Strom"), modell.index(2, ImportModell::kUKategorie).data().toString());
    EXPECT_EQ(Qt::Checked, modell.index(2, ImportModell::kHaken).data(Qt::CheckStateRole).toInt());
    EXPECT_EQ(QStringLiteral("3 Zeilen, 2 angehakt, 0 schon gebucht, 1 vorgemerkt (übersprungen)"),
              Element<QLabel>(*fenster, Kontoimport::kZaehler)->text());

    const size_t vorher = h.Basis().m_arrInOut.size();
    Klicke(*fenster, Kontoimport::kBuchen);
    RaeumeAuf();
    EXPECT_TRUE(offen.isNull());
    EXPECT_EQ(vorher + 2, h.Basis().m_arrInOut.size());
    EXPECT_DOUBLE_EQ(1000.0 - 23.45 - 42.0, h.Stand("Anna"));
    EXPECT_EQ((std::vector<int>{kLadeFremdKonten, kLadeKategorien, kDatenGeaendert}), hub.codes);
    ASSERT_EQ(1u, hub.uebersichten.size());
    const Aufruf& aufruf = hub.uebersichten.front();
    EXPECT_EQ(0, aufruf.art);
    EXPECT_EQ(20240300, aufruf.datum1);
    EXPECT_EQ(20240307, aufruf.datum2);

    // What the overview lists for that period: exactly the two ticked lines.
    h.Basis().m_nVonDatum = aufruf.datum1 + 1;
    h.Basis().m_nBisDatum = aufruf.datum2;
    OverviewListing uebersicht(h.Basis());
    uebersicht.LadeZeitraum();
    uebersicht.ZeigeAlle();
    ASSERT_EQ(2u, uebersicht.m_arrZeilen.size());
    std::vector<std::string> empfaenger;
    for (int z = 0; z < 2; ++z)
        empfaenger.push_back(uebersicht.TransaktionDerZeile(z)->m_strEmpfaenger);
    std::sort(empfaenger.begin(), empfaenger.end());
    EXPECT_EQ((std::vector<std::string>{"Stadtwerke", "Supermarkt"}), empfaenger);
    EXPECT_EQ("Stadtwerke", h.Gedaechtnis().gegenkonten.at("name:stadtwerke"));
}

TEST(Importfenster, UnbekannteSpaltenFragtEinmalUndUnbekannteKontenNachDemKonto)
{
    Importhaushalt h;
    MerkHub hub;
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
