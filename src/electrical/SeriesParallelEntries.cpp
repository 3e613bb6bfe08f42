#include "electrical/SeriesParallelEntries.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "common/Conversions.h"
#include "common/EntryReading.h"
#include "common/ErrorBox.h"

namespace {
constexpr int RowsPerColumn = SeriesParallel::EntryCount / 2;
} // namespace

NetworkEntries::NetworkEntries(QWidget* parent, QGridLayout* grid, const QString& boxName) {
    for (int i = 0; i < SeriesParallel::EntryCount; ++i) {
        rows[i] = makeEntryRow(parent, QString(), QStringLiteral("Label1_%1").arg(i),
                               QStringLiteral("%1_%2").arg(boxName).arg(i));
        units[i] = new QLabel(parent);
        units[i]->setObjectName(QStringLiteral("Label4_%1").arg(i));
        const int row = 2 * (i % RowsPerColumn);
        const int column = 2 * (i / RowsPerColumn);
        grid->addWidget(rows[i].caption, row, column, 1, 2);
        grid->addWidget(rows[i].box, row + 1, column);
        grid->addWidget(units[i], row + 1, column + 1);
    }
}

void NetworkEntries::clear() const {
    for (const EntryRow& row : rows)
        row.box->clear();
}

std::optional<SeriesParallel::NetworkTotal> totalOfEntries(const NetworkEntries& entries,
                                                           SumRule rule, QChar letter) {
    std::array<QString, SeriesParallel::EntryCount> texts;
    for (int i = 0; i < SeriesParallel::EntryCount; ++i) {
        texts[i] = entries.rows[i].box->text();
        // The reciprocal rule tests for zero strictly, so it needs a number in every filled box.
        if (rule == SumRule::Reciprocal && !texts[i].isEmpty() && !toNumberStrict(texts[i])) {
            readNumber(entries.rows[i].box, entries.rows[i].boxName());
            return std::nullopt;
        }
    }
    const SeriesParallel::NetworkTotal result = rule == SumRule::Direct
                                                    ? SeriesParallel::directSum(texts, letter)
                                                    : SeriesParallel::reciprocalSum(texts, letter);
    for (int zero : result.zeroEntries) {
        entries.rows[zero].box->clear();
        showError(Messages::cantDivideByZero());
    }
    if (!acceptResult(result.total))
        return std::nullopt;
    return result;
}
