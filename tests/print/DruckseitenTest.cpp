// The printed overview, read back from its PDF: pages, the header on every page, every row's amount, the
// totals on the last page, the footer, the paper's orientation and the deleted rows, in both languages.

#include "Basis.h"
#include "Druckmaler.h"
#include "Pdftext.h"
#include "TempOrdner.h"
#include "Uebersicht.h"
#include "Uebersichtsdruck.h"

#include <QPrinter>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// Family Meier on 15 March 2024 with `zeilen` transactions in March: row i pays 1000 + i + 0.37, income
// on even rows and expenses on odd ones, so that every amount prints once and differently.
class Druckbuch
{
public:
    Druckbuch(int sprache, int zeilen, const std::string& kommentar = {}, std::initializer_list<int> geloescht = {})
    {
        m_basis.m_nSprache = sprache;
        m_basis.m_nHeute = 20240315;
        auto familie = std::make_unique<CFAMILY>();
        familie->m_strName = "Meier";
        m_basis.m_arrFamilien.push_back(std::move(familie));
        m_basis.m_nFamilie = 0;
        for (int i = 0; i < zeilen; ++i) {
            auto t = std::make_unique<CInOut>();
            t->m_strAuftraggeber = i % 2 ? "Anna, Giro" : "Arbeitgeber";
            t->m_strEmpfaenger = i % 2 ? "Laden" : "Anna, Giro";
            t->m_strNutzniesser = "Anna";
            t->m_strKategorie = "Haushalt";
            t->m_strUKategorie = "Einkauf";
            t->m_strKommentar = kommentar;
            t->m_nArt = i % 2;
            t->m_dBetrag = Betrag(i);
            t->m_nDatum = 20240301 + i % 28;
            t->m_nIndex = i;
            t->m_nStatus = std::find(geloescht.begin(), geloescht.end(), i) != geloescht.end() ? -1 : 1;
            m_basis.m_arrInOut.push_back(std::move(t));
        }
        m_basis.m_nVonDatum = 20240301;
        m_basis.m_nBisDatum = 20240331;
        m_liste.ZeigeAlle();
    }

    static double Betrag(int i) { return 1000 + i + 0.37; }
    // The amount as printed: with its sign, as a whole word.
    static QRegularExpression Muster(int i)
    {
        const QString betrag = QString::number(Betrag(i), 'f', 2).prepend(QLatin1Char(i % 2 ? '-' : '+'));
        return QRegularExpression(QStringLiteral("(^|\\s)%1(\\s|$)").arg(QRegularExpression::escape(betrag)));
    }

    // Writes the overview's PDF and answers its pages' texts.
    QStringList Pdf(Seitenlage lage = Seitenlage::kPassend, bool ohneGeloeschte = false)
    {
        EXPECT_TRUE(SchreibePdf(UebersichtsDruck(m_liste, ohneGeloeschte), Datei(), lage));
        return PdfSeiten(Datei());
    }
    QString Datei() const { return QString::fromStdString(m_ordner.Pfad() + "/liste.pdf"); }
    const OverviewListing& Liste() const { return m_liste; }

private:
    TempOrdner m_ordner{"velmora-druck"};
    CBasis m_basis;
    OverviewListing m_liste{m_basis};
};

struct Sprache
{
    int nummer;
    const char* kopf;
    const char* seite;
    const char* fuss;
    const char* umbuchungen;
};

TEST(Druckseiten, HundertZwanzigZeilenFuellenDieSeitenMitKopfAufJederUndSummenAufDerLetzten)
{
    for (const Sprache& sprache :
         {Sprache{kDeutsch, "Auftraggeber", "Seite %1 von %2", "Familie Meier · Gedruckt am 15. 3.2024", "Umbuchungen"},
          Sprache{kEnglisch, "Applicant", "Page %1 of %2", "Family Meier · Printed on 3/15/2024", "Transfer"}}) {
        SCOPED_TRACE(sprache.nummer);
        Druckbuch buch(sprache.nummer, 120);
        const QStringList seiten = buch.Pdf();
        ASSERT_GE(seiten.size(), 3);
        const QString summe = QString::asprintf("%+.2f", buch.Liste().m_dEinnahmen);

        std::vector<int> zeilenJeSeite(static_cast<size_t>(seiten.size()), 0);
        for (int i = 0; i < 120; ++i) {
            int gefunden = 0;
            for (int s = 0; s < seiten.size(); ++s) {
                const int hier = static_cast<int>(seiten[s].count(Druckbuch::Muster(i)));
                gefunden += hier;
                zeilenJeSeite[static_cast<size_t>(s)] += hier;
            }
            EXPECT_EQ(gefunden, 1) << "amount of row " << i;
        }
        for (int s = 0; s < seiten.size(); ++s) {
            const QString& text = seiten[s];
            EXPECT_TRUE(text.contains(QString::fromUtf8(sprache.kopf))) << "header missing on page " << s + 1;
            EXPECT_TRUE(text.contains(QString::fromUtf8(sprache.seite).arg(s + 1).arg(seiten.size())))
                << "page number missing on page " << s + 1;
            EXPECT_TRUE(text.contains(QString::fromUtf8(sprache.fuss))) << text.toStdString();
            const bool letzte = s == seiten.size() - 1;
            EXPECT_EQ(text.contains(summe), letzte) << "totals on page " << s + 1;
            EXPECT_EQ(text.contains(QString::fromUtf8(sprache.umbuchungen)), letzte) << "totals on page " << s + 1;
            // No page is left short but the one whose last rows go with the totals onto the last page.
            if (s > 0 && s < seiten.size() - 2) {
                EXPECT_EQ(zeilenJeSeite[static_cast<size_t>(s)], zeilenJeSeite[1]) << "page " << s + 1;
            }
        }
        for (int zeilen : zeilenJeSeite)
            EXPECT_GT(zeilen, 0);
        // One page fewer would not hold every row.
        EXPECT_GT(120, zeilenJeSeite.front() + (seiten.size() - 2) * zeilenJeSeite[1]);
    }
}

TEST(Druckseiten, DieSpaltenWaehlenHochkantOderQuerUndDieWahlGehtVor)
{
    Druckbuch schmal(kDeutsch, 10);
    Druckbuch breit(kDeutsch, 10, "Rechnung der Schreinerei fuer die neue Kuechenzeile, zweite Rate");
    const struct
    {
        Druckbuch& buch;
        Seitenlage lage;
        const char* erwartet;
    } faelle[] = {
        {schmal, Seitenlage::kPassend, "portrait"},
        {breit, Seitenlage::kPassend, "landscape"},
        {schmal, Seitenlage::kQuerformat, "landscape"},
        {breit, Seitenlage::kHochformat, "portrait"},
    };
    for (const auto& fall : faelle) {
        const QStringList seiten = fall.buch.Pdf(fall.lage);
        EXPECT_EQ(PdfLage(fall.buch.Datei()).toStdString(), fall.erwartet);
        // Landscape has room for the whole comment; every row's amount prints in any orientation.
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(seiten.join(QString()).count(Druckbuch::Muster(i)), 1) << fall.erwartet << " row " << i;
    }
    EXPECT_TRUE(breit.Pdf().join(QString()).contains(QStringLiteral("Kuechenzeile, zweite Rate")));
}

TEST(Druckseiten, GeloeschteZeilenStehenGrauDaOderFehlenUndZaehlenNie)
{
    Druckbuch buch(kDeutsch, 12, {}, {3, 8});
    const QString summe = QString::asprintf("%+.2f", buch.Liste().m_dEinnahmen);
    const QString mit = buch.Pdf(Seitenlage::kPassend, false).join(QString());
    const QString ohne = buch.Pdf(Seitenlage::kPassend, true).join(QString());
    for (int i : {3, 8}) {
        EXPECT_EQ(mit.count(Druckbuch::Muster(i)), 1) << i;
        EXPECT_EQ(ohne.count(Druckbuch::Muster(i)), 0) << i;
    }
    EXPECT_EQ(ohne.count(Druckbuch::Muster(4)), 1);
    EXPECT_TRUE(mit.contains(summe) && ohne.contains(summe)) << summe.toStdString();
    EXPECT_TRUE(mit.contains(QStringLiteral("12 Zeilen")) && ohne.contains(QStringLiteral("10 Zeilen")));
}

// The printer gets the same pages as the PDF file: here a printer that prints into a file.
TEST(Druckseiten, DerDruckerBekommtDieSeitenDerPdfDatei)
{
    Druckbuch buch(kEnglisch, 120);
    const QStringList pdf = buch.Pdf(Seitenlage::kQuerformat);
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(buch.Datei());
    const Drucksache sache = UebersichtsDruck(buch.Liste(), false);
    ASSERT_EQ(Drucke(sache, drucker, QPageLayout::Landscape), pdf.size());
    const QStringList gedruckt = PdfSeiten(buch.Datei());
    ASSERT_EQ(gedruckt.size(), pdf.size());
    const QString alles = gedruckt.join(QString());
    for (int i = 0; i < 120; ++i)
        EXPECT_EQ(alles.count(Druckbuch::Muster(i)), 1) << "row " << i;
    EXPECT_TRUE(gedruckt.back().contains(QStringLiteral("Page %1 of %1").arg(pdf.size())));
    EXPECT_EQ(PdfLage(buch.Datei()), QStringLiteral("landscape"));
}

TEST(Druckseiten, EinOrtOhneOrdnerMeldetFehler)
{
    Druckbuch buch(kDeutsch, 3);
    EXPECT_FALSE(SchreibePdf(UebersichtsDruck(buch.Liste(), false), QStringLiteral("/nonexistent/folder/liste.pdf"),
                             Seitenlage::kPassend));
}

} // namespace
} // namespace velmora::test
