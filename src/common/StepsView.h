#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The worked steps of a code calculation: a "Steps" caption over a read-only text, one line per
// value used. The text can be selected, read by a screen reader line by line, and copied with the
// sheet's answers (Ctrl+C).
class StepsView : public QWidget {
    Q_OBJECT
public:
    explicit StepsView(QWidget* parent = nullptr);

    // For a sheet with many givens: the text shows `lines` at the least (7 unless set) and asks
    // for no more, so the sheet fits its window; it grows into any room left and scrolls.
    void setShortestLines(int lines);

    void setSteps(const QStringList& lines);
    void clear();
    QStringList steps() const;
    QPlainTextEdit* text() const { return m_text; }

private:
    QLabel* m_caption = nullptr;
    QPlainTextEdit* m_text = nullptr;
};
