#include <QApplication>
#include <QIcon>

#include "common/Resources.h"
#include "shell/frmSplash.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvo"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // Lets the desktop match the windows to the launcher entry (and its icon) it started.
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvo"));
    // The main window ends the program itself, even while the About box is still open.
    QApplication::setQuitOnLastWindowClosed(false);
    initKelvoResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kelvo.svg")));

    frmSplash splash;
    splash.show();
    return QApplication::exec();
}
