// Test entry point. Widget suites get a QApplication (offscreen under CTest);
// painting suites a QGuiApplication; the lower layers only a QCoreApplication, so they never link the widget library.
#include <gtest/gtest.h>
#if defined(MW_TEST_GUI)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(MW_TEST_GUIAPP)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
