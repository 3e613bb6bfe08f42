#include <QApplication>
#include <gtest/gtest.h>

#include "common/Resources.h"

// Widget tests need an application object; the offscreen platform lets them run without a
// display (CTest sets it too, this covers running a test binary by hand).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initKelvoResources();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
