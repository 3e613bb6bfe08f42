#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QSqlDriver>
#include <QSvgRenderer>

// The floor for start-up time and memory: a Qt Widgets program with an MDI frame and a menu
// bar, linked against Qt Sql and Qt Svg as Kelvo is (the addresses keep the linker from
// dropping them), doing nothing else.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    volatile const void* linked[] = {&QSqlDriver::staticMetaObject,
                                     &QSvgRenderer::staticMetaObject};
    (void)linked;
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setCentralWidget(new QMdiArea);
    for (const char* title : {"&File", "&Geometry", "&Electrical", "E&nclosure Ratings",
                              "&Single Phase AC", "3 &Phase AC", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    window.resize(680, 740);
    window.show();
    return QApplication::exec();
}
