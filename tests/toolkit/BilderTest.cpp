#include "Bilder.h"

#include <QImage>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(Bilder, BallonbilderHabenGenauIhreGroesse)
{
    const struct
    {
        int nummer;
        QSize groesse;
    } bilder[] = {
        {181, {278, 110}}, {182, {296, 195}}, {183, {287, 299}}, {184, {429, 255}}, {185, {276, 334}},
        {186, {436, 107}}, {187, {271, 221}}, {188, {436, 175}}, {189, {372, 50}},  {190, {0, 0}},
        {191, {0, 0}},     {192, {0, 0}},     {193, {436, 174}}, {194, {0, 0}},     {195, {166, 95}},
        {196, {191, 95}},  {197, {264, 26}},
    };
    for (const auto& bild : bilder)
        EXPECT_EQ(bild.groesse, Bild(bild.nummer).size()) << bild.nummer;
}

// Gray washed-out pictures: no colour left, and nothing darker than the caption's grey.
bool Ausgegraut(const QImage& bild)
{
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QColor farbe = bild.pixelColor(x, y);
            if (farbe.alpha() > 0 &&
                (farbe.red() != farbe.green() || farbe.green() != farbe.blue() || farbe.red() < 110))
                return false;
        }
    }
    return true;
}

int Helligkeit(const QImage& bild)
{
    qint64 summe = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x)
            summe += qGray(bild.pixel(x, y));
    }
    return static_cast<int>(summe / (bild.width() * bild.height()));
}

TEST(Bilder, HauptknoepfeInBeidenSprachen)
{
    // German and English picture of the same button: up, down and, for the four working windows, the
    // inactive look-alike.
    const struct
    {
        int deutsch;
        int englisch;
        bool inaktiv;
    } knoepfe[] = {
        {161, 278, true},  {164, 281, true},  {167, 284, true},  {170, 287, true},
        {173, 290, false}, {175, 274, false}, {178, 276, false},
    };
    const QSize groesse = Bild(161).size();
    EXPECT_EQ(QSize(140, 60), groesse);
    for (const auto& knopf : knoepfe) {
        for (int oben : {knopf.deutsch, knopf.englisch}) {
            SCOPED_TRACE(oben);
            const QImage hoch = Bild(oben).toImage();
            const QImage runter = Bild(oben + 1).toImage();
            EXPECT_EQ(groesse, hoch.size());
            EXPECT_EQ(groesse, runter.size());
            EXPECT_LT(Helligkeit(runter), Helligkeit(hoch)) << "a pressed button looks darker";
            if (knopf.inaktiv) {
                EXPECT_EQ(groesse, Bild(oben + 2).size());
                EXPECT_TRUE(Ausgegraut(Bild(oben + 2).toImage()));
            }
        }
        EXPECT_NE(Bild(knopf.deutsch).toImage(), Bild(knopf.englisch).toImage()) << "captions in their language";
    }
    EXPECT_TRUE(Bild(177).isNull());
}

TEST(Bilder, KleineBilder)
{
    for (int symbol : {132, 133, 134, 135, 141, 142})
        EXPECT_EQ(QSize(16, 16), Bild(symbol).size()) << symbol;
    EXPECT_EQ(Bild(1100).size(), Bild(1101).size()) << "the two flags";
    EXPECT_EQ(Bild(1095).size(), Bild(1114).size()) << "the two welcome pictures";
    for (int nummer : {kProgrammBild, 151, 1025, 1095, 1100})
        EXPECT_FALSE(Bild(nummer).isNull()) << nummer;
    EXPECT_TRUE(Bild(0).isNull());
    EXPECT_TRUE(Bild(-5).isNull());
}

} // namespace
} // namespace velmora::test
