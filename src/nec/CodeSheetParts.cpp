#include "nec/CodeSheetParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>

#include "common/AnswerGrid.h"
#include "common/ButtonRow.h"
#include "common/EntryRow.h"
#include "common/StepsView.h"
#include "nec/CodeSheet.h"

void addAnswers(AnswerGrid* grid, std::span<const AnswerLayout> rows) {
    for (const AnswerLayout& row : rows) {
        const QString name = QString::fromLatin1(row.name);
        grid->addRow(QString::fromUtf8(row.caption), name + QStringLiteral("Caption"), name);
    }
}

void placeEntry(QGridLayout* grid, int row, const EntryRow& entry, int column) {
    // Five digits at the least, however the answers crowd it; eight at most, so the captions
    // keep their width.
    const int digit = entry.box->fontMetrics().horizontalAdvance(u'0');
    entry.box->setMinimumWidth(digit * 5 + 12);
    entry.box->setMaximumWidth(digit * 8 + 12);
    grid->addWidget(entry.caption, row, column);
    grid->addWidget(entry.box, row, column + 1);
}

void fillSizeList(QComboBox* list, std::vector<Nec::ConductorSize>& shown,
                  std::vector<Nec::ConductorSize> sizes) {
    const int chosen = list->currentIndex();
    const std::optional<Nec::ConductorSize> was =
        chosen >= 0 ? std::optional(shown.at(chosen)) : std::nullopt;
    shown = std::move(sizes);
    const QSignalBlocker quiet(list);
    list->clear();
    int keep = -1;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        list->addItem(shown[i].caption());
        if (was && shown[i] == *was)
            keep = static_cast<int>(i);
    }
    // At load "12 AWG"; a size the new metal lacks (aluminum has no 14 AWG) moves to its
    // smallest.
    if (!was)
        keep = list->findText(QStringLiteral("12 AWG"));
    list->setCurrentIndex(std::max(keep, shown.empty() ? -1 : 0));
}

void finishSheet(CodeSheet& sheet, QWidget* lastInput) {
    QPlainTextEdit* steps = sheet.steps()->text();
    QPushButton* calculate = sheet.buttons()->button(0);
    QPushButton* clear = sheet.buttons()->button(1);
    QWidget::setTabOrder(lastInput, calculate);
    QWidget::setTabOrder(calculate, clear);
    QWidget::setTabOrder(clear, steps);
}
