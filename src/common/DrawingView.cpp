#include "common/DrawingView.h"

#include <QSvgRenderer>

DrawingView::DrawingView(const QString& resource, QWidget* parent, QSize size)
    : QSvgWidget(resource, parent) {
    renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
    const QSize shown = size.isValid() ? size : designSize();
    if (shown.isValid())
        setFixedSize(shown);
}

QSize DrawingView::designSize() const {
    return renderer()->defaultSize();
}
