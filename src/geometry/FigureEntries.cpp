#include "geometry/FigureEntries.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <algorithm>

#include "common/EntryReading.h"

bool isBlank(const QLineEdit* box) {
    return box->text().trimmed().isEmpty();
}

bool anyBlank(std::span<QLineEdit* const> boxes) {
    return std::any_of(boxes.begin(), boxes.end(), isBlank);
}

std::optional<double> readNumberOrZero(const QLineEdit* box, const QString& boxName) {
    if (isBlank(box))
        return 0.0;
    return readNumber(box, boxName);
}

void showAnswers(std::span<QLabel* const> labels, const QStringList& texts) {
    const auto n = std::min<qsizetype>(static_cast<qsizetype>(labels.size()), texts.size());
    for (qsizetype i = 0; i < n; ++i)
        labels[static_cast<std::size_t>(i)]->setText(texts[i]);
}
