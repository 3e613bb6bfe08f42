#include "nec/CodeSheetParts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/AnswerGrid.h"
#include "common/ButtonRow.h"
#include "common/EntryRow.h"
#include "common/StepsView.h"
#include "nec/CodeSheet.h"

namespace {
// The steps box at its smallest; a calculation takes ten lines or so, which scroll.
constexpr int StepsLines = 4;
} // namespace

void addAnswers(AnswerGrid* grid, std::span<const AnswerLayout> rows) {
    for (const AnswerLayout& row : rows) {
        const QString name = QString::fromLatin1(row.name);
        grid->addRow(QString::fromUtf8(row.caption), name + QStringLiteral("Caption"), name);
    }
}

void placeEntry(QGridLayout* grid, int row, const EntryRow& entry, int column) {
    // Room for "1000.5" and a little more, however the captions and answers crowd it.
    const int digit = entry.box->fontMetrics().horizontalAdvance(u'0');
    entry.box->setMinimumWidth(digit * 5 + 12);
    entry.box->setMaximumWidth(digit * 8 + 12);
    grid->addWidget(entry.caption, row, column);
    grid->addWidget(entry.box, row, column + 1);
}

void finishSheet(CodeSheet& sheet, QWidget* lastInput) {
    QPlainTextEdit* steps = sheet.steps()->text();
    const int frame =
        steps->frameWidth() * 2 + static_cast<int>(steps->document()->documentMargin()) * 2;
    steps->setMinimumHeight(steps->fontMetrics().lineSpacing() * StepsLines + frame);
    // The steps take the room the rest leaves: their preferred size would otherwise count when
    // the frame works out whether the sheet needs a scroll bar.
    StepsView* view = sheet.steps();
    view->setMinimumHeight(view->minimumSizeHint().height());
    view->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);

    QPushButton* calculate = sheet.buttons()->button(0);
    QPushButton* clear = sheet.buttons()->button(1);
    QWidget::setTabOrder(lastInput, calculate);
    QWidget::setTabOrder(calculate, clear);
    QWidget::setTabOrder(clear, steps);
}
