#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

// kelvo_icon_render <icon.svg> <hicolor directory> <size>...: renders the scalable icon into
// <hicolor directory>/<size>x<size>/apps/<name>.png for each size, so launchers and menus that
// want a bitmap get one drawn from the same source as the SVG.
int main(int argc, char** argv) {
    // The icon holds no text, but painting still wants a platform; offscreen needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: kelvo_icon_render <icon.svg> <hicolor dir> <size>...\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "kelvo_icon_render: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QString name = QFileInfo(args[1]).completeBaseName();
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "kelvo_icon_render: bad size %s\n", qPrintable(args[i]));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            svg.render(&painter, QRectF(0, 0, size, size));
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        const QString file = dir + u'/' + name + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "kelvo_icon_render: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
