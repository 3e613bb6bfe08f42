#include "common/DrawingView.h"

#include <QSvgRenderer>

DrawingView::DrawingView(const QString& resource, QWidget* parent, QSize size)
    : QSvgWidget(resource, parent) {
    renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
    setFixedSize(size.isValid() ? size : designSize());
}

QSize DrawingView::designSize() const {
    return renderer()->defaultSize();
}
