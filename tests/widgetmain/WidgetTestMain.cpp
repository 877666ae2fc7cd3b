// Widget tests need a QApplication for the whole test run.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // The build lists the tests by running this program without ctest's
    // environment, and without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
