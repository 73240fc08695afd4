#include "CPPHtmlDrawer.h"
#include "CPPToolTip.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

const QString kHilfe = QStringLiteral("<center><h1>Online-Hilfe</h1></center><br><hr color=blue><br><center>\n"
                                      "Öffnet die Hilfe-Seiten im Web-Browser.\n</center><br><bmp idres=189>");

// A small window with two buttons; the balloon (over 370 pixels wide) reaches far beyond it.
class Ballons : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fenster.setGeometry(0, 0, 240, 90);
        knopf = new QPushButton(QStringLiteral("Hilfe"), &fenster);
        knopf->setGeometry(10, 10, 100, 30);
        andere = new QPushButton(QStringLiteral("Info"), &fenster);
        andere->setGeometry(130, 10, 100, 30);
        ballons = new CPPToolTip(&fenster);
        RichteBallonsEin(*ballons);
        ballons->AddTool(knopf, kHilfe);
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }

    void TearDown() override { QTest::mouseMove(&fenster, QPoint(235, 85)); }

    // Rests the pointer on the button until its balloon opens.
    void ZeigeBallon()
    {
        QTest::mouseMove(knopf);
        ASSERT_TRUE(QTest::qWaitFor([this] { return ballons->BallonSichtbar(); }, 3000));
    }

    // A point on the balloon outside the window, in the balloon's coordinates.
    QPoint AufBallonNebenFenster() const
    {
        QWidget* ballon = ballons->Ballon();
        const QPoint punkt =
            ballon->mapFromGlobal(QPoint(ballon->geometry().center().x(), fenster.geometry().bottom() + 30));
        EXPECT_TRUE(ballon->rect().contains(punkt)) << "the balloon should reach below the window";
        return punkt;
    }

    QWidget fenster;
    QPushButton* knopf = nullptr;
    QPushButton* andere = nullptr;
    CPPToolTip* ballons = nullptr;
};

TEST_F(Ballons, OeffnetErstNachEinerSekundeRuhe)
{
    QElapsedTimer uhr;
    uhr.start();
    QTest::mouseMove(knopf, QPoint(20, 15));
    ASSERT_TRUE(QTest::qWaitFor([this] { return ballons->BallonSichtbar(); }, 3000));
    EXPECT_GE(uhr.elapsed(), 1000);
    EXPECT_EQ(knopf, ballons->AngezeigtFuer());

    // It opens next to the pointer without covering it.
    const QPoint zeiger = knopf->mapToGlobal(QPoint(20, 15));
    const QRect ballon = ballons->Ballon()->geometry();
    EXPECT_FALSE(ballon.contains(zeiger));
    EXPECT_LE(std::abs(ballon.left() - zeiger.x()), 30);
    EXPECT_LE(std::abs(ballon.top() - zeiger.y()), 30);
}

TEST_F(Ballons, JedeBewegungBeginntDieRuheNeu)
{
    QElapsedTimer uhr;
    uhr.start();
    QTest::mouseMove(knopf, QPoint(20, 15));
    QTest::qWait(600);
    EXPECT_FALSE(ballons->BallonSichtbar());
    const qint64 bewegt = uhr.elapsed();
    QTest::mouseMove(knopf, QPoint(60, 15));
    ASSERT_TRUE(QTest::qWaitFor([this] { return ballons->BallonSichtbar(); }, 3000));
    EXPECT_GE(uhr.elapsed(), bewegt + 1000);
}

TEST_F(Ballons, BleibtAufSteuerelementUndBallonUndSchliesstDaneben)
{
    ZeigeBallon();
    QTest::mouseMove(knopf, QPoint(80, 20));
    QTest::qWait(400);
    EXPECT_TRUE(ballons->BallonSichtbar()) << "the pointer still rests on the button";

    QTest::mouseMove(ballons->Ballon(), AufBallonNebenFenster());
    QTest::qWait(400);
    EXPECT_TRUE(ballons->BallonSichtbar()) << "the pointer is on the balloon";

    QTest::mouseMove(knopf);
    QTest::qWait(300);
    EXPECT_TRUE(ballons->BallonSichtbar()) << "back on the button";

    // Onto the window between the buttons, where the balloon does not reach.
    QTest::mouseMove(&fenster, QPoint(120, 5));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !ballons->BallonSichtbar(); }, 1000));
}

TEST_F(Ballons, SchliesstWennDerZeigerAllesVerlaesst)
{
    ZeigeBallon();
    QTest::mouseMove(ballons->Ballon(), AufBallonNebenFenster());
    QTest::qWait(200);
    ASSERT_TRUE(ballons->BallonSichtbar());
    // Far away from both windows.
    const QRect bildschirm = fenster.screen()->geometry();
    QTest::mouseMove(&fenster, fenster.mapFromGlobal(bildschirm.bottomRight() - QPoint(2, 2)));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !ballons->BallonSichtbar(); }, 1000));
}

TEST_F(Ballons, OhneVerweilenAufDemBallonSchliesstErBeimVerlassen)
{
    ballons->SetBehaviour(CPPToolTip::kKeinAutoVerstecken);
    ZeigeBallon();
    QTest::mouseMove(ballons->Ballon(), AufBallonNebenFenster());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !ballons->BallonSichtbar(); }, 150));
}

TEST_F(Ballons, EinKlickSchliesstBisDerZeigerGeht)
{
    ZeigeBallon();
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_FALSE(ballons->BallonSichtbar());
    QTest::mouseMove(knopf, QPoint(30, 12));
    QTest::qWait(1300);
    EXPECT_FALSE(ballons->BallonSichtbar()) << "no balloon again while the pointer stays";

    QTest::mouseMove(andere);
    QTest::mouseMove(knopf);
    EXPECT_TRUE(QTest::qWaitFor([this] { return ballons->BallonSichtbar(); }, 3000)) << "after leaving and coming back";
}

// The window system hands a click on the balloon to the balloon's window; it belongs to the button the
// balloon covers, which must take it at the first try.
TEST_F(Ballons, KlickAufDenBallonGehoertDemKnopfDarunter)
{
    auto* darunter = new QPushButton(QStringLiteral("Darunter"), &fenster);
    darunter->setGeometry(60, 55, 170, 30);
    darunter->show();
    QSignalSpy geklickt(darunter, &QPushButton::clicked);
    ZeigeBallon();
    QWidget* ballon = ballons->Ballon();
    const QPoint mitte = darunter->mapToGlobal(darunter->rect().center());
    ASSERT_TRUE(ballon->geometry().contains(mitte)) << "the balloon covers the button";
    QTest::mouseClick(ballon->windowHandle(), Qt::LeftButton, {}, ballon->mapFromGlobal(mitte));
    EXPECT_EQ(1, geklickt.count());
    EXPECT_FALSE(ballons->BallonSichtbar());
}

TEST_F(Ballons, SchliesstMitDemFenster)
{
    ballons->ZeigeFuer(knopf, knopf->mapToGlobal(QPoint(5, 5)));
    ASSERT_TRUE(ballons->BallonSichtbar());
    fenster.hide();
    EXPECT_FALSE(ballons->BallonSichtbar());
}

TEST_F(Ballons, OhneToolsGibtEsKeineUndDerNeubauGiltGanz)
{
    ballons->RemoveAllTools();
    EXPECT_EQ(0, ballons->ToolCount());
    EXPECT_EQ(QString(), knopf->accessibleDescription());
    QTest::mouseMove(knopf);
    QTest::qWait(1300);
    EXPECT_FALSE(ballons->BallonSichtbar());

    ballons->AddTool(andere, QStringLiteral("<h1>Info</h1>"));
    EXPECT_EQ(1, ballons->ToolCount());
    QTest::mouseMove(knopf, QPoint(40, 20));
    QTest::qWait(1300);
    EXPECT_FALSE(ballons->BallonSichtbar()) << "the button left the table";
    QTest::mouseMove(andere);
    ASSERT_TRUE(QTest::qWaitFor([this] { return ballons->BallonSichtbar(); }, 3000));
    EXPECT_EQ(andere, ballons->AngezeigtFuer());
}

TEST_F(Ballons, BildschirmleserLesenDenText)
{
    EXPECT_EQ(QStringLiteral("Online-Hilfe\nÖffnet die Hilfe-Seiten im Web-Browser."), knopf->accessibleDescription());

    ZeigeBallon();
    QAccessibleInterface* ballon = QAccessible::queryAccessibleInterface(ballons->Ballon());
    ASSERT_NE(nullptr, ballon);
    EXPECT_EQ(QAccessible::ToolTip, ballon->role());
    EXPECT_EQ(QStringLiteral("Online-Hilfe"), ballon->text(QAccessible::Name));
    EXPECT_EQ(knopf->accessibleDescription(), ballon->text(QAccessible::Description));

    // A description of the window's own stays.
    andere->setAccessibleDescription(QStringLiteral("Version und Kontakt"));
    ballons->AddTool(andere, QStringLiteral("<h1>Info</h1>"));
    ballons->RemoveAllTools();
    EXPECT_EQ(QStringLiteral("Version und Kontakt"), andere->accessibleDescription());
}

TEST_F(Ballons, BallonBleibtAufDemBildschirm)
{
    const QRect platz = fenster.screen()->availableGeometry();
    const QSize inhalt = CPPHtmlDrawer(kHilfe).Groesse();
    for (const QPoint zeiger :
         {platz.topLeft(), platz.topRight(), platz.bottomLeft(), platz.bottomRight(), platz.center()}) {
        ballons->ZeigeFuer(knopf, zeiger);
        const QRect ballon = ballons->Ballon()->geometry();
        EXPECT_TRUE(platz.contains(ballon)) << zeiger.x() << "," << zeiger.y();
        EXPECT_FALSE(ballon.contains(zeiger)) << zeiger.x() << "," << zeiger.y();
        EXPECT_GE(ballon.width(), inhalt.width() + 20);
        EXPECT_GE(ballon.height(), inhalt.height() + 20);
    }
}

} // namespace
} // namespace velmora::test
