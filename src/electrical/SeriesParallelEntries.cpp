#include "electrical/SeriesParallelEntries.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/DrawingView.h"
#include "common/EntryReading.h"
#include "common/ErrorBox.h"

namespace {
constexpr int RowsPerColumn = SeriesParallel::EntryCount / 2;
} // namespace

NetworkEntries::NetworkEntries(QWidget* parent, QGridLayout* grid, const QString& boxName) {
    // Each column of six is a group of its own, so Tab reads R1 to R6 down the first column
    // and then R7 to R12 down the second, as the eye does.
    std::array<QGridLayout*, 2> columns{};
    for (int c = 0; c < 2; ++c) {
        auto* column = new QWidget(parent);
        column->setObjectName(QStringLiteral("fraEntries_%1").arg(c));
        columns[c] = new QGridLayout(column);
        columns[c]->setContentsMargins(0, 0, 0, 0);
        columns[c]->setHorizontalSpacing(grid->horizontalSpacing());
        columns[c]->setVerticalSpacing(grid->verticalSpacing());
        grid->addWidget(column, 0, 2 * c, 2 * RowsPerColumn, 2, Qt::AlignTop);
    }
    for (int i = 0; i < SeriesParallel::EntryCount; ++i) {
        QWidget* column = columns[i / RowsPerColumn]->parentWidget();
        rows[i] = makeEntryRow(column, QString(), QStringLiteral("Label1_%1").arg(i),
                               QStringLiteral("%1_%2").arg(boxName).arg(i));
        units[i] = new QLabel(column);
        units[i]->setObjectName(QStringLiteral("Label4_%1").arg(i));
        const int row = 2 * (i % RowsPerColumn);
        QGridLayout* layout = columns[i / RowsPerColumn];
        layout->addWidget(rows[i].caption, row, 0, 1, 2);
        layout->addWidget(rows[i].box, row + 1, 0);
        layout->addWidget(units[i], row + 1, 1);
    }
}

void NetworkEntries::clear() const {
    for (const EntryRow& row : rows)
        row.box->clear();
}

std::optional<SeriesParallel::NetworkTotal> totalOfEntries(const NetworkEntries& entries,
                                                           SumRule rule, QChar letter) {
    // Each filled box is read once, strictly, so the zero test and the sum see the same value.
    std::array<SeriesParallel::Entry, SeriesParallel::EntryCount> values;
    for (int i = 0; i < SeriesParallel::EntryCount; ++i) {
        const EntryRow& row = entries.rows[i];
        if (row.box->text().isEmpty())
            continue;
        values[i] = readNumber(row.box, row.boxName());
        if (!values[i])
            return std::nullopt;
    }
    const SeriesParallel::NetworkTotal result = rule == SumRule::Direct
                                                    ? SeriesParallel::directSum(values, letter)
                                                    : SeriesParallel::reciprocalSum(values, letter);
    for (int zero : result.zeroEntries) {
        entries.rows[zero].box->clear();
        showError(Messages::cantDivideByZero());
    }
    if (!acceptResult(result.total))
        return std::nullopt;
    return result;
}

QLabel* makeNetworkLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

DrawingView* makeCircuitDiagram(QWidget* parent, const char* name, const char* drawing) {
    auto* picture = new DrawingView(QStringLiteral(":/drawings/") + QLatin1String(drawing), parent);
    picture->setObjectName(QLatin1String(name));
    return picture;
}

QGroupBox* makeCircuitOptions(QWidget* parent, std::span<const QString> captions,
                              std::span<QRadioButton*> options, std::function<void(int)> chosen) {
    auto* frame = new QGroupBox(QStringLiteral("Circuit"), parent);
    frame->setObjectName(QStringLiteral("fraSorP"));
    auto* column = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < options.size(); ++i) {
        options[i] = new QRadioButton(captions[i], frame);
        options[i]->setObjectName(QStringLiteral("optSorP_%1").arg(i));
        column->addWidget(options[i]);
    }
    options[0]->setChecked(true); // before the connections: the sheet sets its own first layout
    for (std::size_t i = 0; i < options.size(); ++i)
        QObject::connect(options[i], &QRadioButton::toggled, frame, [chosen, i](bool on) {
            if (on)
                chosen(static_cast<int>(i));
        });
    return frame;
}
