#include "CImageTextButton.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

QPixmap Einfarbig(const QColor& farbe)
{
    QPixmap bild(60, 30);
    bild.fill(farbe);
    return bild;
}

QColor Mitte(QWidget& knopf)
{
    return knopf.grab().toImage().pixelColor(knopf.width() / 2, knopf.height() / 2);
}

class Bildknopf : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fenster.resize(200, 100);
        knopf = new CImageTextButton(QStringLiteral("Einzel-Übersicht"), &fenster);
        knopf->SetzeBilder(Einfarbig(Qt::red), Einfarbig(Qt::blue), Einfarbig(Qt::gray));
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }

    QWidget fenster;
    CImageTextButton* knopf = nullptr;
};

TEST_F(Bildknopf, ZeigtJeNachZustandDasRichtigeBild)
{
    EXPECT_EQ(QSize(60, 30), knopf->size()) << "the size of the first picture";
    EXPECT_EQ(QColor(Qt::red), Mitte(*knopf));

    QSignalSpy klicks(knopf, &QAbstractButton::clicked);
    QTest::mousePress(knopf, Qt::LeftButton);
    EXPECT_EQ(QColor(Qt::blue), Mitte(*knopf)) << "held down";
    QTest::mouseRelease(knopf, Qt::LeftButton);
    EXPECT_EQ(QColor(Qt::red), Mitte(*knopf));
    EXPECT_EQ(1, klicks.count());

    knopf->setEnabled(false);
    EXPECT_EQ(QColor(Qt::gray), Mitte(*knopf)) << "disabled";

    knopf->SetzeBilder(Einfarbig(Qt::green), QPixmap());
    EXPECT_EQ(QColor(Qt::green), Mitte(*knopf)) << "disabled without a third picture";
    knopf->setEnabled(true);
    QTest::mousePress(knopf, Qt::LeftButton);
    EXPECT_EQ(QColor(Qt::green), Mitte(*knopf)) << "held down without a second picture";
    QTest::mouseRelease(knopf, Qt::LeftButton);
}

TEST_F(Bildknopf, BildschirmleserFindenUndDrueckenIhn)
{
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(knopf);
    ASSERT_NE(nullptr, zugang);
    EXPECT_EQ(QAccessible::PushButton, zugang->role());
    EXPECT_EQ(QStringLiteral("Einzel-Übersicht"), zugang->text(QAccessible::Name));

    QSignalSpy klicks(knopf, &QAbstractButton::clicked);
    QAccessibleActionInterface* aktionen = zugang->actionInterface();
    ASSERT_NE(nullptr, aktionen);
    aktionen->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&klicks] { return klicks.count() == 1; }, 1000));

    knopf->SetzeBeschriftung(QStringLiteral("Overview"));
    EXPECT_EQ(QStringLiteral("Overview"), zugang->text(QAccessible::Name)) << "a change of language";
}

} // namespace
} // namespace velmora::test
