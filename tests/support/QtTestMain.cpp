// Runs GoogleTest inside a QApplication, for tests of widgets. The tests run
// without a display (QT_QPA_PLATFORM=offscreen unless set otherwise).
#include "dialogs/ComboBoxAccessible.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    QApplication application(argc, argv);
    // As the program does at start.
    ComboBoxAccessible::install();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
