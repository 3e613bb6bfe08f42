#pragma once

#include <QSvgWidget>

// Shows one SVG drawing from the resources at its design size (logical pixels), or at the size
// given; being vector-drawn it stays sharp on high-DPI screens.
class DrawingView : public QSvgWidget {
    Q_OBJECT
public:
    explicit DrawingView(const QString& resource, QWidget* parent = nullptr, QSize size = {});

    QSize designSize() const;
};
