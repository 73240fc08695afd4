#include "Bilder.h"
#include "CPPHtmlDrawer.h"
#include "Zeichnung.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

QImage Gemalt(const QString& html, int breite = 400, int rand = 0)
{
    const CPPHtmlDrawer text(html);
    QImage bild = WeissesBild(breite + 2 * rand, text.Groesse().height() + 2 * rand);
    QPainter maler(&bild);
    text.Male(maler, QRect(rand, rand, breite, text.Groesse().height()));
    return bild;
}

TEST(HtmlDrawer, UeberschriftIstGroesserAlsTextUndSchwarz)
{
    const QSize text = CPPHtmlDrawer(QStringLiteral("Auswertung")).Groesse();
    const QSize kopf = CPPHtmlDrawer(QStringLiteral("<h1>Auswertung</h1>")).Groesse();
    // 14 pt bold against 10 pt.
    EXPECT_GE(kopf.height() * 10, text.height() * 13) << kopf.height() << " against " << text.height();
    EXPECT_GE(kopf.width() * 10, text.width() * 14) << kopf.width() << " against " << text.width();

    const QImage bild = Gemalt(QStringLiteral("<h1>Auswertung</h1>"));
    const QRect schwarz = Umriss(bild, [](QColor c) { return c.red() < 40 && c.green() < 40 && c.blue() < 40; });
    EXPECT_GT(schwarz.width(), kopf.width() / 2) << "the heading is drawn in black";
    const QRect bunt = Umriss(bild, [](QColor c) { return c.saturation() > 60; });
    EXPECT_TRUE(bunt.isNull()) << "no coloured pixels";
}

struct Ausrichtung
{
    const char* html;
    int zeile; // which line to look at
    bool zentriert;
};

class HtmlAusrichtung : public ::testing::TestWithParam<Ausrichtung>
{
};

TEST_P(HtmlAusrichtung, ZentrierteZeilenStehenInDerMitte)
{
    const Ausrichtung fall = GetParam();
    const CPPHtmlDrawer text(QString::fromUtf8(fall.html));
    const QImage bild = Gemalt(QString::fromUtf8(fall.html), 400);
    const int zeilenHoehe = CPPHtmlDrawer(QStringLiteral("x")).Groesse().height();
    const QRect tinte = Tinte(bild.copy(0, fall.zeile * zeilenHoehe, bild.width(), zeilenHoehe));
    ASSERT_FALSE(tinte.isNull());
    const int links = tinte.left();
    const int rechts = bild.width() - 1 - tinte.right();
    if (fall.zentriert) {
        EXPECT_NEAR(links, rechts, 3) << "left margin " << links << ", right margin " << rechts;
    } else {
        EXPECT_LE(links, 2);
        EXPECT_GT(rechts, 200);
    }
}

INSTANTIATE_TEST_SUITE_P(HtmlDrawer, HtmlAusrichtung,
                         ::testing::Values(Ausrichtung{"<center>Mitte</center>", 0, true},
                                           Ausrichtung{"Links", 0, false},
                                           Ausrichtung{"<CENTER>Gro\xC3\x9F geschrieben</CENTER>", 0, true},
                                           Ausrichtung{"<center>Oben</center><br>Unten", 1, false},
                                           Ausrichtung{"<center>\nzweite Zeile\n</center>", 1, true},
                                           Ausrichtung{"<center>eins</center>\nzwei", 0, true},
                                           // The break after </center> still ends a centred line.
                                           Ausrichtung{"<center>Kopf</center><br>", 0, true}));

struct Regel
{
    const char* farbe;
    QColor erwartet;
};

class HtmlRegel : public ::testing::TestWithParam<Regel>
{
};

TEST_P(HtmlRegel, ReichtUeberDieGanzeBreiteInDerFarbe)
{
    const Regel fall = GetParam();
    const QString html = QStringLiteral("Kurz<br><hr color=%1><br>Text").arg(QString::fromLatin1(fall.farbe));
    const QImage bild = Gemalt(html, 300, 10);
    const QRect regel = Umriss(bild, [&fall](QColor c) { return c == fall.erwartet; });
    ASSERT_FALSE(regel.isNull()) << "no pixel in the colour of the rule";
    EXPECT_EQ(10, regel.left());
    EXPECT_EQ(309, regel.right());
    EXPECT_LE(regel.height(), 3);
    // The rule has a line of its own: nothing else is drawn on its rows.
    const QImage zeilen = bild.copy(0, regel.top() - 2, bild.width(), regel.height() + 4);
    EXPECT_EQ(QRect(), Umriss(zeilen, [&fall](QColor c) { return c != fall.erwartet && c != QColor(Qt::white); }));
}

INSTANTIATE_TEST_SUITE_P(HtmlDrawer, HtmlRegel,
                         ::testing::Values(Regel{"blue", QColor(0, 0, 255)}, Regel{"red", QColor(255, 0, 0)},
                                           Regel{"green", QColor(0, 128, 0)}, Regel{"\"blue\"", QColor(0, 0, 255)},
                                           Regel{"purpurn", QColor(Qt::gray)}));

TEST(HtmlDrawer, BildNimmtGenauSeineGroesseEin)
{
    for (int nummer : {181, 189, 197}) {
        SCOPED_TRACE(nummer);
        const QSize bild = Bild(nummer).size();
        const QSize ohne = CPPHtmlDrawer(QStringLiteral("<center>Ende</center><br>")).Groesse();
        const QSize mit =
            CPPHtmlDrawer(QStringLiteral("<center>Ende</center><br><bmp idres=%1>").arg(nummer)).Groesse();
        EXPECT_EQ(ohne.height() + bild.height(), mit.height());
        EXPECT_EQ(bild.width(), mit.width());
    }

    // Drawn at its own size, below the text, from the left edge.
    const QImage gemalt = Gemalt(QStringLiteral("Ende<br><bmp idres=197>"), 300);
    const QImage bild = Bild(197).toImage().convertToFormat(QImage::Format_RGB32);
    const int oben = gemalt.height() - bild.height();
    EXPECT_EQ(bild, gemalt.copy(0, oben, bild.width(), bild.height()));
}

TEST(HtmlDrawer, ZeilenumbruchDurchBrUndNeueZeile)
{
    const int eine = CPPHtmlDrawer(QStringLiteral("ab")).Groesse().height();
    ASSERT_GT(eine, 0);
    const struct
    {
        const char* html;
        int zeilen;
    } faelle[] = {
        {"ab", 1},         {"a\nb", 2},         {"a<br>b", 2},
        {"a<BR/>b", 2},    {"a\r\nb", 2},       {"\nab\n", 2}, // the break at the end closes the line, it opens none
        {"a<br><br>b", 3}, {"a<br>\n<br>b", 4},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(fall.zeilen * eine, CPPHtmlDrawer(QString::fromUtf8(fall.html)).Groesse().height()) << fall.html;
    }
}

TEST(HtmlDrawer, DerUmbruchNachEinerRegelSchliesstNurIhreZeile)
{
    const int zeile = CPPHtmlDrawer(QStringLiteral("ab")).Groesse().height();
    EXPECT_EQ(CPPHtmlDrawer::kRegelHoehe + zeile, CPPHtmlDrawer(QStringLiteral("<hr><br>ab")).Groesse().height());
    EXPECT_EQ(zeile + CPPHtmlDrawer::kRegelHoehe + zeile, CPPHtmlDrawer(QStringLiteral("ab<hr>ab")).Groesse().height());
    EXPECT_EQ(CPPHtmlDrawer::kRegelHoehe + 2 * zeile,
              CPPHtmlDrawer(QStringLiteral("<hr><br><br>ab")).Groesse().height());
}

TEST(HtmlDrawer, KlarTextOhneTagsMitUmlauten)
{
    const struct
    {
        const char* html;
        const char* text;
    } faelle[] = {
        {"<center><h1>Info</h1></center><br><hr color=blue><br><center>\nVersion und Kontakt.\n</center><br>"
         "<bmp idres=188>",
         "Info\nVersion und Kontakt."},
        {"<center>Gr\xC3\xBC\xC3\x9F"
         "e aus \xC3\x9C"
         "berlingen</center>",
         "Gr\xC3\xBC\xC3\x9F"
         "e aus \xC3\x9C"
         "berlingen"},
        {"<b>fett</b> und <font color=red>rot</font>", "fett und rot"},
        {"a < b", "a < b"},
        {"x <h1 ohne Ende", "x <h1 ohne Ende"},
        {"Soll &amp; Haben &lt;3&gt;", "Soll & Haben <3>"},
        {"&unbekannt; &", "&unbekannt; &"},
        {"<bmp idres=99999>Bild fehlt", "Bild fehlt"},
        {"", ""},
    };
    for (const auto& fall : faelle) {
        const QString html = QString::fromUtf8(fall.html);
        EXPECT_EQ(QString::fromUtf8(fall.text), CPPHtmlDrawer(html).KlarText()) << fall.html;
        EXPECT_EQ(QString::fromUtf8(fall.text), CPPHtmlDrawer::NurText(html)) << fall.html;
    }
    EXPECT_EQ(QStringLiteral("Info"), CPPHtmlDrawer(QString::fromUtf8(faelle[0].html)).Titel());
    EXPECT_EQ(QStringLiteral("fett und rot"), CPPHtmlDrawer(QString::fromUtf8(faelle[2].html)).Titel());
}

TEST(HtmlDrawer, UnbekannteTagsAendernDieGroesseNicht)
{
    EXPECT_EQ(CPPHtmlDrawer(QStringLiteral("Betrag: 12,50")).Groesse(),
              CPPHtmlDrawer(QStringLiteral("<b>Betrag:</b> <font face=Arial>12,50</font><!-- x -->")).Groesse());
}

} // namespace
} // namespace velmora::test
