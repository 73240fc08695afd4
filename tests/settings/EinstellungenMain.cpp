#include <QApplication>
#include <gtest/gtest.h>

// Window tests run without a display; the platform is chosen before the application starts.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
