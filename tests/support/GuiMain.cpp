#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

// Window tests run without a display; the platform is chosen before the application starts, and the
// number format is the program's own, as its main sets it.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("VelmoraTest"));
    QApplication::setApplicationName(QStringLiteral("VelmoraTest"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
