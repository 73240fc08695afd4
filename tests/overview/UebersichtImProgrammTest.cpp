// The overview inside the program: opened by its main button and by other windows through the hub,
// refreshed after changes, its export, and its texts for screen readers in both languages.

#include "Bedienung.h"
#include "Buchung.h"
#include "CPPToolTip.h"
#include "CVelmoraDlg.h"
#include "Datumsfeld.h"
#include "EintragBearbeiten.h"
#include "Eintrag_Bearbeiten.h"
#include "Exportdialog.h"
#include "InOut.h"
#include "Uebersichtshaushalt.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora::test {
namespace {

// The household written to its folder, and the program started on it.
class Programm final
{
public:
    explicit Programm(int sprache = kDeutsch)
        : m_haushalt(sprache)
    {
        CBasis& basis = m_haushalt.Basis();
        for (auto& datei : basis.m_arrLoadedFiles)
            datei->m_bGeaendert = 1;
        basis.m_nLetzterAufruf = kHeute;
        basis.SpeichereMonate();
        basis.SpeichereEinstellungen();
        m_fenster = std::make_unique<CVelmoraDlg>(m_haushalt.Ordner(),
                                                  Startumgebung{FesteUhr(kHeute, 1230), [sprache] { return sprache; }});
    }

    CVelmoraDlg& Fenster() { return *m_fenster; }
    const std::string& Ordner() const { return m_haushalt.Ordner(); }

private:
    Uebersichtshaushalt m_haushalt;
    std::unique_ptr<CVelmoraDlg> m_fenster;
};

std::string Inhalt(const std::filesystem::path& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

TEST(UebersichtImProgramm, HauptknopfOeffnetUndSchliesst)
{
    Programm programm;
    CVelmoraDlg& fenster = programm.Fenster();
    ASSERT_TRUE(Aktiv(fenster, CVelmoraDlg::kUebersicht));
    Klicke(fenster, CVelmoraDlg::kUebersicht);
    ASSERT_NE(nullptr, fenster.Uebersicht());
    EXPECT_TRUE(fenster.Uebersicht()->isVisible());
    EXPECT_EQ(5, fenster.Uebersicht()->Liste().m_nZeilen);
    Klicke(fenster, CVelmoraDlg::kUebersicht);
    RaeumeAuf();
    EXPECT_EQ(nullptr, fenster.Uebersicht());
}

// Other windows open the overview with a preset: kind, range and key as they ask; kind -1 closes it.
TEST(UebersichtImProgramm, ZeigeUebersichtSetztFilterUndZeitraum)
{
    struct Fall
    {
        int art;
        int datum1;
        int datum2;
        const char* text1;
        const char* text2;
        int filterArt;
        const char* schluessel;
        int von;
        int bis;
        int zeilen;
    };
    const Fall faelle[] = {
        {4, 20240300, 0, "Lebensmittel", "Lebensmittel", 4, "Lebensmittel", 20240301, 20240331, 2},
        {5, 20240200, 0, "Auto", "", 5, "Auto", 20240201, 20240229, 0},
        {12, 20240200, kHeute, "x", "Supermarkt", 12, "Supermarkt", 20240201, kHeute, 2},
        {10, 20240200, kHeute, "Bernd", "Bernd", 10, "Bernd", 20240201, kHeute, 3},
        {6, 20240200, kHeute, "Lebensmittel", "Lebensmittel", 4, "Lebensmittel", 20240201, kHeute, 2},
        {6, 20240200, kHeute, "Lebensmittel", "Obst", 5, "Obst", 20240201, kHeute, 0},
        {0, 20240200, kHeute, "", "", 0, "", 20240201, kHeute, 6},
    };
    Programm programm;
    CVelmoraDlg& fenster = programm.Fenster();
    for (const Fall& f : faelle) {
        fenster.ZeigeUebersicht(f.art, f.datum1, f.datum2, f.text1, f.text2);
        Overview* uebersicht = fenster.Uebersicht();
        ASSERT_NE(nullptr, uebersicht);
        const OverviewListing& liste = uebersicht->Liste();
        EXPECT_EQ(f.art != 0, liste.m_bFilter != 0) << f.art;
        EXPECT_EQ(f.filterArt, liste.m_nFilterArt) << f.art;
        EXPECT_EQ(f.schluessel, liste.m_strFilterText) << f.art;
        EXPECT_EQ(f.von, fenster.Basis().m_nVonDatum) << f.art;
        EXPECT_EQ(f.bis, fenster.Basis().m_nBisDatum) << f.art;
        EXPECT_EQ(f.zeilen, liste.m_nZeilen) << f.art << " " << f.text2;
        EXPECT_EQ(f.art != 0, Sichtbar(*uebersicht, Overview::kGesamt)) << f.art;
        EXPECT_EQ(QDate(f.von / 10000, f.von / 100 % 100, 1), Element<QDateEdit>(*uebersicht, Overview::kVon)->date());
    }
    fenster.ZeigeUebersicht(-1, 0, 0, {}, {});
    RaeumeAuf();
    EXPECT_EQ(nullptr, fenster.Uebersicht());
}

// "Zeige Transaktionen" of the rename confirmation lists the entry's transactions while the
// confirmation stays; answering it closes that overview again.
TEST(UebersichtImProgramm, BestaetigungZeigtDieTransaktionen)
{
    Programm programm;
    CVelmoraDlg& fenster = programm.Fenster();
    int zeilen = -1;
    std::string schluessel;
    Eintrag_Bearbeiten::SetzeAntwort([&](Eintrag_Bearbeiten& dialog) {
        Klicke(dialog, 1026);
        if (Overview* uebersicht = fenster.Uebersicht()) {
            zeilen = uebersicht->Liste().m_nZeilen;
            schluessel = uebersicht->Liste().m_strFilterText;
        }
        Klicke(dialog, 1025);
        return dialog.Ergebnis();
    });
    const int antwort = Eintrag_Bearbeiten::Frage(fenster, fenster.Basis(), Eintrag_Bearbeiten::kUmbenennen,
                                                  "Supermarkt", "Markt", 12, &fenster);
    Eintrag_Bearbeiten::SetzeAntwort({});
    EXPECT_EQ(Eintrag_Bearbeiten::kUmbenannt, antwort);
    EXPECT_EQ(2, zeilen) << "the first month 202402 to today";
    EXPECT_EQ("Supermarkt", schluessel);
    RaeumeAuf();
    EXPECT_EQ(nullptr, fenster.Uebersicht());
}

// Every change reaches an open overview through the hub; editing from the overview opens the entry window
// on the transaction, and its commit refreshes the overview.
TEST(UebersichtImProgramm, AenderungenFrischenDieUebersichtAuf)
{
    Programm programm;
    CVelmoraDlg& fenster = programm.Fenster();
    Klicke(fenster, CVelmoraDlg::kUebersicht);
    Overview& uebersicht = *fenster.Uebersicht();
    Buchungseingabe e;
    e.strZahler = "Bernd, Giro";
    e.strEmpfaenger = "Kiosk";
    e.dBetrag = 3.0;
    e.nDatum = 20240315;
    BucheNeu(fenster.Basis(), e);
    fenster.Benachrichtige(kDatenGeaendert, 0);
    ASSERT_EQ(6, uebersicht.Liste().m_nZeilen);
    EXPECT_EQ("Kiosk", uebersicht.Liste().TransaktionDerZeile(0)->m_strEmpfaenger);

    EintragBearbeiten::SetzeAntwort([](EintragBearbeiten&) { return EintragBearbeiten::kBearbeiten; });
    auto* liste = Element<QTableView>(uebersicht, Overview::kListe);
    const QModelIndex zelle = liste->model()->index(0, 2);
    QTest::mouseClick(liste->viewport(), Qt::RightButton, {}, liste->visualRect(zelle).center());
    EintragBearbeiten::SetzeAntwort({});
    InOut* eingabe = fenster.findChild<InOut*>();
    ASSERT_NE(nullptr, eingabe);
    EXPECT_EQ(uebersicht.Liste().TransaktionDerZeile(0)->m_nIndex, eingabe->Bearbeitet());
    Tippe(*eingabe, InOut::kBetrag, QStringLiteral("4"));
    Klicke(*eingabe, InOut::kUebernehmen);
    EXPECT_EQ(0, uebersicht.Liste().m_bBearbeitung);
    EXPECT_EQ(4.0, uebersicht.Liste().TransaktionDerZeile(0)->m_dBetrag);
    RaeumeAuf();
}

// The export writes the table as listed, byte for byte; Cancel writes nothing; a file that cannot be
// written is named in a message.
TEST(UebersichtImProgramm, ExportSchreibtDieAngezeigteTabelle)
{
    const std::string deutsch = "Auftraggeber \t Empf\xE4nger \t Nutznie\xDF"
                                "er \t Kategorie \t Unter-Kategorie \t Kommentar \t Betrag \t Datum \t\r\n\r\n"
                                "Bernd, Giro \tSupermarkt \tAnna \tLebensmittel \t \tBrot \t 7,25 \t14. 3.2024 \t\r\n"
                                "Anna, Giro \tBernd, Giro \tAnna \tTaschengeld \t \tMonat \t50,00 \t12. 3.2024 \t\r\n"
                                "Anna, Giro \tAnna, Spar \tAnna \tSparen \t \tMonat \t100,00 \t10. 3.2024 \t\r\n"
                                "Anna, Giro \tSupermarkt \tAnna \tLebensmittel \t \tB\xE4"
                                "ckerei \t12,50 \t 5. 3.2024 \t\r\n"
                                "Arbeitgeber \tAnna, Giro \tAnna \tGehalt \t \t \t2000,00 \t 1. 3.2024 \t\r\n";
    const std::string englisch =
        "Applicant \t Payee \t Beneficiary \t Category \t Sub-Categorie \t Comment \t Amount \t "
        "Date \t\r\n\r\n"
        "Bernd, Giro \tSupermarkt \tAnna \tLebensmittel \t \tBrot \t 7,25 \t 3/14/2024 \t\r\n"
        "Anna, Giro \tSupermarkt \tAnna \tLebensmittel \t \tB\xE4"
        "ckerei \t12,50 \t 3/ 5/2024 \t\r\n";
    for (const int sprache : {kDeutsch, kEnglisch}) {
        Uebersichtshaushalt haushalt(sprache);
        TestHub hub;
        Uebersichtsfenster fenster(haushalt.Basis(), hub);
        if (sprache == kEnglisch)
            fenster.KlickeZelle(0, 4);
        const auto ziel = std::filesystem::path(haushalt.Ordner()) / "DATA.XLS";
        QString ordner;
        QStringList filter;
        SetzeExportAntwort([&](const QString& start, const QStringList& angeboten) {
            ordner = start;
            filter = angeboten;
            return Exportwahl{QString::fromStdString(ziel.string())};
        });
        Klicke(*fenster, Overview::kExport);
        EXPECT_EQ(QString::fromStdString(haushalt.Ordner()), ordner);
        EXPECT_EQ(sprache == kDeutsch ? QStringLiteral("Excel-Dateien (*.xls)") : QStringLiteral("Excel-Files (*.xls)"),
                  filter.front());
        EXPECT_EQ(sprache == kDeutsch ? deutsch : englisch, Inhalt(ziel.string() + ".xls"));
        EXPECT_FALSE(std::filesystem::exists(ziel));

        // The name decides the format, whatever filter the dialog showed.
        for (const char* name : {"/haushalt.csv", "/liste"}) {
            SetzeExportAntwort([&](const QString&, const QStringList&) {
                return Exportwahl{QString::fromStdString(haushalt.Ordner() + name)};
            });
            Klicke(*fenster, Overview::kExport);
        }
        EXPECT_EQ(0u, Inhalt(haushalt.Ordner() + "/haushalt.csv").find("\xEF\xBB\xBF"));
        EXPECT_EQ(sprache == kDeutsch ? deutsch : englisch, Inhalt(haushalt.Ordner() + "/liste.xls"));

        const auto vorher = std::distance(std::filesystem::directory_iterator(haushalt.Ordner()), {});
        SetzeExportAntwort([](const QString&, const QStringList&) { return Exportwahl{}; });
        MeldungsMitschrift meldungen;
        Klicke(*fenster, Overview::kExport);
        EXPECT_EQ(vorher, std::distance(std::filesystem::directory_iterator(haushalt.Ordner()), {}));
        EXPECT_TRUE(meldungen.texte.empty());

        const std::string fehlt = haushalt.Ordner() + "/fehlt/liste.xls";
        SetzeExportAntwort(
            [&](const QString&, const QStringList&) { return Exportwahl{QString::fromStdString(fehlt)}; });
        Klicke(*fenster, Overview::kExport);
        SetzeExportAntwort({});
        ASSERT_EQ(1u, meldungen.texte.size());
        EXPECT_TRUE(meldungen.texte[0].contains(QString::fromStdString(fehlt))) << meldungen.texte[0].toStdString();
    }
}

// Every control can be found and read by its name, in the language of the book; the English window
// carries English captions, and only the German one has help balloons.
TEST(UebersichtImProgramm, JedesSteuerelementHatEinenNamen)
{
    struct Fall
    {
        int sprache;
        QString export_;
        QString zeilen;
        int ballons;
    };
    const Fall faelle[] = {{kDeutsch, QStringLiteral("Speichern im Excel-Format"), QStringLiteral("Transaktionen"), 11},
                           {kEnglisch, QStringLiteral("Save as Excel-File"), QStringLiteral("Transactions"), 0}};
    for (const Fall& f : faelle) {
        Uebersichtshaushalt haushalt(f.sprache);
        TestHub hub;
        Uebersichtsfenster fenster(haushalt.Basis(), hub);
        EXPECT_EQ(f.export_, Element<QAbstractButton>(*fenster, Overview::kExport)->text());
        EXPECT_EQ(f.zeilen, Element(*fenster, Overview::kZeilen)->accessibleName());
        EXPECT_EQ(f.ballons, fenster->Ballons().ToolCount());
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            if (w->objectName().startsWith(QLatin1Char('c')) && w->isVisibleTo(&*fenster) &&
                !qobject_cast<QLabel*>(w)) {
                EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
            }
        }
        const QList<QToolButton*> leeren = Element(*fenster, Overview::kSuche)->findChildren<QToolButton*>();
        EXPECT_FALSE(leeren.isEmpty());
        for (QToolButton* knopf : leeren)
            EXPECT_FALSE(knopf->accessibleName().isEmpty()) << "the search's clear button";
        // Every date field of the program reads dates as people type them.
        for (QDateEdit* datum : fenster->findChildren<QDateEdit*>())
            EXPECT_NE(nullptr, qobject_cast<Datumsfeld*>(datum)) << datum->objectName().toStdString();
        EXPECT_TRUE(fenster->accessibleDescription().contains(f.sprache == kDeutsch ? QStringLiteral("Einnahmen")
                                                                                    : QStringLiteral("Income")));
    }
}

} // namespace
} // namespace velmora::test
