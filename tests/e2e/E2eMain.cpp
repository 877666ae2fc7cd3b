// The whole-program test runs the desktop program's main window in this
// process, under an application object made as the program makes its own.

#include <QApplication>

#include <gtest/gtest.h>

#include "gui/ToolbarImages.h"

int main(int argc, char** argv)
{
    // Without a display the tests can still be listed; the road itself then
    // fails, asking for an X server.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ApplicationIcon());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
