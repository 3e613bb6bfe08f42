#include "geometry/FigureEntries.h"

#include <QLineEdit>
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
