#include "common/DrawingView.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>

namespace {

// The parsed drawings, owned by the application and never changed once read.
QSvgRenderer* sharedDrawing(const QString& resource) {
    static QHash<QString, QPointer<QSvgRenderer>> drawings;
    QPointer<QSvgRenderer>& drawing = drawings[resource];
    if (!drawing) {
        drawing = new QSvgRenderer(resource, QCoreApplication::instance());
        drawing->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return drawing;
}

} // namespace

DrawingView::DrawingView(const QString& resource, QWidget* parent, QSize size)
    : QSvgWidget(parent), m_drawing(sharedDrawing(resource)) {
    const QSize shown = size.isValid() ? size : designSize();
    if (shown.isValid())
        setFixedSize(shown);
    setNeedsLightFace(true);
}

bool DrawingView::onDarkFace() const {
    return palette().color(backgroundRole()).lightness() < 128;
}

void DrawingView::setNeedsLightFace(bool needs) {
    m_needsLightFace = needs;
    setPalette(QPalette()); // back to the inherited colours
    if (needs && onDarkFace()) {
        QPalette dark = palette();
        dark.setColor(QPalette::WindowText, Qt::black);
        dark.setColor(QPalette::Text, Qt::black);
        setPalette(dark);
    }
}

QSize DrawingView::designSize() const {
    return m_drawing ? m_drawing->defaultSize() : QSize();
}

void DrawingView::paintEvent(QPaintEvent*) {
    if (!m_drawing)
        return;
    QPainter painter(this);
    if (m_needsLightFace && onDarkFace())
        painter.fillRect(rect(), Qt::white);
    m_drawing->render(&painter, QRectF(rect()));
}
