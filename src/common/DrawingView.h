#pragma once

#include <QPointer>
#include <QSvgRenderer>
#include <QSvgWidget>

// Shows one SVG drawing from the resources at its design size (logical pixels), or at the size
// given; being vector-drawn it stays sharp on high-DPI screens. Each drawing is read once per
// session and shared by every view of it, so opening a sheet again parses no SVG.
class DrawingView : public QSvgWidget {
    Q_OBJECT
public:
    explicit DrawingView(const QString& resource, QWidget* parent = nullptr, QSize size = {});

    QSize designSize() const;

    // Most drawings are dark lines made for a light face and get a white one, with dark text
    // for the labels placed on them, on a dark desktop; a drawing made for a dark face (light
    // lines) keeps whatever lies behind it.
    void setNeedsLightFace(bool needs);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool onDarkFace() const;

    QPointer<QSvgRenderer> m_drawing;
    bool m_needsLightFace = true;
};
