#include <gtest/gtest.h>

#include <QApplication>

#include "FontFallbacks.h"

// The window tests run headless on Qt's offscreen platform unless a display platform is asked
// for (the frame test runs under a real window manager).
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    installFontFallbacks();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
