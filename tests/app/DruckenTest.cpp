// Printing from the three list windows as the program opens them: the commands are there with their
// names and Ctrl+P, and "Als PDF speichern" writes what the window shows, with the longest names and the
// largest amounts of the stage; a file that cannot be written is reported.

#include "Buehne.h"
#include "Dauerauftrag.h"
#include "Druckknoepfe.h"
#include "Meldung.h"
#include "Overview.h"
#include "Pdftext.h"
#include "TempOrdner.h"
#include "grafik.h"

#include <QAction>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// The window's print commands: its Druckknoepfe, and the action Ctrl+P triggers.
Druckknoepfe& Drucken(QWidget& fenster)
{
    Druckknoepfe* knoepfe = fenster.findChild<Druckknoepfe*>();
    EXPECT_NE(knoepfe, nullptr);
    EXPECT_TRUE(fenster.actions().contains(&knoepfe->Drucken()));
    EXPECT_EQ(knoepfe->Drucken().shortcut(), QKeySequence(QKeySequence::Print));
    return *knoepfe;
}

void PruefeKnoepfe(QWidget& fenster, bool deutsch)
{
    const auto* drucken = fenster.findChild<QPushButton*>(QStringLiteral("c%1").arg(Druckknoepfe::kDrucken));
    const auto* pdf = fenster.findChild<QPushButton*>(QStringLiteral("c%1").arg(Druckknoepfe::kAlsPdf));
    ASSERT_TRUE(drucken && pdf);
    EXPECT_EQ(drucken->accessibleName(), deutsch ? QStringLiteral("Drucken…") : QStringLiteral("Print…"));
    EXPECT_EQ(pdf->accessibleName(), deutsch ? QStringLiteral("Als PDF speichern…") : QStringLiteral("Save as PDF…"));
    EXPECT_TRUE(fenster.rect().contains(drucken->geometry()) && fenster.rect().contains(pdf->geometry()));
}

QString Gedruckt(Druckknoepfe& knoepfe, const TempOrdner& ordner, const char* name)
{
    const QString datei = QString::fromStdString(ordner.Pfad() + "/" + name);
    EXPECT_TRUE(knoepfe.SpeichereAlsPdf(datei, {}));
    return PdfSeiten(datei).join(QString());
}

TEST(Drucken, JedesListenfensterDrucktWasEsZeigt)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        SCOPED_TRACE(sprache);
        const bool deutsch = sprache == kDeutsch;
        Buehne b(sprache);
        TempOrdner ordner("velmora-drucken");

        b.KlickeHaupt(CVelmoraDlg::kUebersicht);
        Overview& uebersicht = *b.Haupt().Uebersicht();
        PruefeKnoepfe(uebersicht, deutsch);
        const QString liste = Gedruckt(Drucken(uebersicht), ordner, "uebersicht.pdf");
        EXPECT_TRUE(liste.contains(uebersicht.windowTitle())) << liste.toStdString();
        EXPECT_TRUE(liste.contains(QString::fromUtf8(kLangeFamilie)));

        auto& auftraege = b.Oeffne<Dauerauftrag>(CVelmoraDlg::kDauerAuftraege);
        PruefeKnoepfe(auftraege, deutsch);
        const QString liste2 = Gedruckt(Drucken(auftraege), ordner, "auftraege.pdf");
        EXPECT_TRUE(liste2.contains(deutsch ? QStringLiteral("Gesamt / Jahr") : QStringLiteral("Total / Year")));

        // The analyses have no room for buttons: both commands are in the right-click menu of the window
        // and of its lists.
        auto& auswertung = b.Oeffne<grafik>(CVelmoraDlg::kAuswertung);
        Druckknoepfe& knoepfe = Drucken(auswertung);
        for (QTableView* liste : auswertung.findChildren<QTableView*>()) {
            EXPECT_EQ(liste->contextMenuPolicy(), Qt::ActionsContextMenu);
            EXPECT_TRUE(liste->actions().contains(&knoepfe.AlsPdf()));
        }
        const QString bild = Gedruckt(knoepfe, ordner, "auswertung.pdf");
        for (const char* text :
             {deutsch ? "Jahres-Vergleich" : "Annual-Report", deutsch ? "Monats-Vergleich" : "Months-Report"})
            EXPECT_TRUE(bild.contains(QString::fromUtf8(text))) << text;

        QString meldung;
        SetzeMeldungsAntwort([&meldung](const QString& text) {
            meldung = text;
            return QMessageBox::Ok;
        });
        EXPECT_FALSE(knoepfe.SpeichereAlsPdf(QStringLiteral("/nonexistent/folder/a.pdf"), {}));
        SetzeMeldungsAntwort({});
        EXPECT_TRUE(meldung.contains(QStringLiteral("/nonexistent/folder/a.pdf"))) << meldung.toStdString();
    }
}

} // namespace
} // namespace velmora::test
