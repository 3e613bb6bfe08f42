#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// A caption + numeric entry pair, the control group every calculator repeats: the label is the
// box's buddy (its access key focuses the box), the box carries the numeric key filter and is
// announced by its caption to screen readers.
struct EntryRow {
    QLabel* caption = nullptr;
    QLineEdit* box = nullptr;

    // Re-captions the row (label text and the box's accessible name together).
    void setCaption(const QString& text) const;
    // How the box is known in messages: "V" for the caption "V =".
    QString boxName() const;
};

// Creates the pair as children of `parent`, named `captionName` and `boxName`; layout is the
// caller's.
EntryRow makeEntryRow(QWidget* parent, const QString& captionText, const QString& captionName,
                      const QString& boxName);
