#pragma once

#include <QList>
#include <QObject>
#include <vector>

class QAction;
class QLabel;
class QWidget;

// Results a user can copy into a report or a spreadsheet: a history section, a set of answer
// rows. Each source lives as a child of its sheet, so the sheet's copy command finds every one
// of them without the sheet listing them.
class ResultCopySource : public QObject {
    Q_OBJECT
public:
    explicit ResultCopySource(QObject* parent);

    // Tab-separated lines, "" when there is nothing to copy.
    virtual QString copyText() const = 0;
    // The widgets that show the results: the copy command takes the source nearest the focus.
    virtual QList<QWidget*> resultWidgets() const = 0;

    // Puts copyText() on the clipboard; leaves the clipboard alone when there is nothing to copy.
    bool copyToClipboard() const;

protected:
    // Gives `widget` a context menu with "Copy", which copies this whole source.
    void offerCopy(QWidget* widget);

private:
    QAction* m_copy = nullptr;
};

// Answer rows of a sheet that shows one set of results: caption and value labels side by side.
struct AnswerRow {
    QLabel* caption = nullptr;
    QLabel* value = nullptr;
};

// Answer rows made copyable ("caption<TAB>value" per line, hidden or empty rows left out), with
// "Copy" offered on their labels and each value read by screen readers under its caption.
class AnswerCopy final : public ResultCopySource {
    Q_OBJECT
public:
    AnswerCopy(QWidget* parent, std::vector<AnswerRow> rows = {});
    void addRow(const AnswerRow& row);

    QString copyText() const override;
    QList<QWidget*> resultWidgets() const override;

private:
    std::vector<AnswerRow> m_rows;
};

// An AnswerCopy over `rows`, a child of `parent` (the sheet).
ResultCopySource* makeAnswerCopy(QWidget* parent, std::vector<AnswerRow> rows);

// Copies the source nearest `focus` on `sheet` (by the deepest ancestor they share); where
// several are as near, all of them, one block each with an empty line between. Returns false
// when there was nothing to copy.
bool copySheetResults(QWidget* sheet, const QWidget* focus);

// Gives `sheet` Ctrl+C for its results. An entry box with selected text keeps Ctrl+C for
// itself; without a selection the results are copied.
void installResultCopy(QWidget* sheet);

// "a<TAB>b" with tabs and line breaks inside a cell turned into blanks, so a cell stays a cell.
QString tabSeparated(const QStringList& cells);
