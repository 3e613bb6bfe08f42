#include <QApplication>
#include <gtest/gtest.h>

#include "common/Resources.h"
#include "support/ErrorRecorder.h"

// Widget tests need an application object; the offscreen platform lets them run without a
// display (CTest sets it too, this covers running a test binary by hand).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initKelvoResources();
    // A message no test expected fails that test with its text instead of waiting for a click.
    setDefaultErrorSink([](const QString& text, const QString& title) {
        ADD_FAILURE() << "unexpected message box \"" << title.toStdString()
                      << "\": " << text.toStdString();
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
