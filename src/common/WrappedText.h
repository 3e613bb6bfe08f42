#pragma once

#include <QLabel>

// A word-wrapped plain-text label that is cheap to show again. Laying a long text out is most
// of the cost of opening a text-heavy sheet, and layouts ask a wrapped label for its size hints
// and its height at several widths each time; the answers are remembered for the session, keyed
// by what they depend on (text, font, resolution, margin), so a sheet opened again lays out only
// what it paints.
//
// The text can be selected with the mouse (and with the keyboard when it is a Tab stop). The
// text control that selection needs is made when the user first clicks or tabs to the text.
class WrappedText : public QLabel {
    Q_OBJECT
public:
    enum class Focus { ClickOnly, TabStop };

    WrappedText(const QString& text, QWidget* parent, Focus focus = Focus::ClickOnly);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Measures;
    Measures& measures() const;
    void makeSelectable();
    void changeEvent(QEvent* event) override;

    Focus m_focus;
    // The key of the remembered sizes, and the text and margin it was made for (a font change
    // clears it).
    mutable QString m_key;
    mutable QString m_keyText;
    mutable int m_keyMargin = -1;
};
