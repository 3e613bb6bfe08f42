#include "nec/frmRacewayFill.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>

#include "common/AnswerGrid.h"
#include "common/ButtonRow.h"
#include "common/DisplayMask.h"
#include "common/ElidedComboBox.h"
#include "common/GlobalSubs.h"
#include "common/ResultCopy.h"
#include "common/StepsView.h"
#include "database/SheetDatabase.h"
#include "database/TableNames.h"
#include "nec/FillTableReader.h"

namespace {

constexpr QLatin1StringView table4 = TableNames::RacewayAreas;
constexpr QLatin1StringView table5 = TableNames::ConductorAreas;
constexpr QLatin1StringView table8 = TableNames::ConductorProperties;

// What the sheet chooses at load: EMT, and the building wire most runs are pulled with.
const QString racewayAtLoad = QStringLiteral("EMT");
const QString typeAtLoad = QStringLiteral("THHN, THWN, THWN-2");
const Nec::ConductorSize sizeAtLoad{QStringLiteral("12"), QStringLiteral("AWG")};

// The answers, in the order they are shown.
enum Answer { Conductors, ConductorArea, FillLimit, SmallestTradeSize, FillPercent };
struct AnswerText {
    const char* caption;
    const char* name; // lbl<name>Caption, lbl<name>
};
const AnswerText answerTexts[] = {
    {"Conductors", "Conductors"}, {"Conductor area (in²)", "ConductorArea"},
    {"Fill limit", "FillLimit"},  {"Smallest trade size", "SmallestTradeSize"},
    {"Fill (%)", "FillPercent"},
};

// The characters a type list shows at the first window size.
constexpr int typeLength = 13;

enum GridColumn { TradeSizeColumn, FillColumn, MaxColumn, GridColumns };
const char* const gridHeadings[GridColumns] = {"Trade size", "Fill (%)", "Max of group 1"};

QString groupName(int g) {
    return QStringLiteral("Group %1").arg(g + 1);
}

// The grid copies as a block of its own once it shows fills: headings, then a line per size.
class GridCopy final : public ResultCopySource {
public:
    explicit GridCopy(QTableWidget* grid) : ResultCopySource(grid), m_grid(grid) {
        offerCopy(grid);
    }

    QString copyText() const override {
        QStringList lines;
        QStringList headings;
        for (int c = 0; c < m_grid->columnCount(); ++c)
            headings << m_grid->horizontalHeaderItem(c)->text();
        bool filled = false;
        for (int r = 0; r < m_grid->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < m_grid->columnCount(); ++c) {
                const QTableWidgetItem* item = m_grid->item(r, c);
                cells << (item ? item->text() : QString());
                filled = filled || (c != TradeSizeColumn && !cells.back().isEmpty());
            }
            lines << tabSeparated(cells);
        }
        if (!filled)
            return {};
        lines.prepend(tabSeparated(headings));
        return lines.join(u'\n') + u'\n';
    }

    QList<QWidget*> resultWidgets() const override { return {m_grid}; }

private:
    QTableWidget* m_grid;
};

QTableWidgetItem* gridItem(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

} // namespace

frmRacewayFill::frmRacewayFill(QWidget* parent)
    : CodeSheet(parent, QStringLiteral("frmRacewayFill"), QStringLiteral("Raceway Fill"),
                {table4, table5, table8}) {
    GlobalSubs::CurrentFormKind = FormKind::forForm("frmRacewayFill");
    // The lists are the tables' own, so they are read when the sheet loads.
    if (tables().isOpen()) {
        m_raceways = CodeTableReader::racewayAreas(tables().table(table4));
        m_conductors =
            CodeTableReader::conductorAreas(tables().table(table5), tables().table(table8));
    }
    buildControls();
}

void frmRacewayFill::buildControls() {
    QGridLayout* grid = inputs();
    auto* lblRaceway = new QLabel(QStringLiteral("Raceway"), this);
    lblRaceway->setObjectName(QStringLiteral("lblRaceway"));
    cboRaceway = new QComboBox(this);
    cboRaceway->setObjectName(QStringLiteral("cboRaceway"));
    cboRaceway->setAccessibleName(QStringLiteral("Raceway"));
    lblRaceway->setBuddy(cboRaceway);
    for (const QString& raceway : m_raceways.raceways())
        cboRaceway->addItem(
            Nec::withSingleSourceMark(raceway, m_raceways.singleSourceOnly(raceway)), raceway);
    cboRaceway->setCurrentIndex(std::max(0, cboRaceway->findData(racewayAtLoad)));
    grid->addWidget(lblRaceway, 0, 0);
    grid->addWidget(cboRaceway, 0, 1, 1, 2, Qt::AlignLeft);

    int column = 1;
    for (const char* heading : {"Type", "Size", "Count"}) {
        auto* label = new QLabel(QString::fromLatin1(heading), this);
        label->setObjectName(QStringLiteral("lbl%1Heading").arg(QLatin1String(heading)));
        grid->addWidget(label, 1, column++);
    }

    QList<QWidget*> order{cboRaceway};
    for (int g = 0; g < Nec::racewayGroupCount; ++g) {
        const QString group = groupName(g);
        txtCount[g] = addEntry(group, QStringLiteral("lblGroup_%1").arg(g),
                               QStringLiteral("txtCount_%1").arg(g));
        txtCount[g].box->setAccessibleName(group + QStringLiteral(" Count"));
        txtCount[g].box->setMaximumWidth(
            txtCount[g].box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        // Table 5 prints long type lines: the box may show them cut short, the list whole.
        cboType[g] = new ElidedComboBox(this, typeLength);
        cboType[g]->setObjectName(QStringLiteral("cboType_%1").arg(g));
        cboType[g]->setAccessibleName(group + QStringLiteral(" Type"));
        cboSize[g] = new QComboBox(this);
        cboSize[g]->setObjectName(QStringLiteral("cboSize_%1").arg(g));
        cboSize[g]->setAccessibleName(group + QStringLiteral(" Size"));
        cboSize[g]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        txtCount[g].caption->setBuddy(cboType[g]);
        fillTypes(cboType[g]);
        connect(cboType[g], &QComboBox::currentIndexChanged, this, [this, g] { cboType_Click(g); });
        cboType_Click(g);
        const int row = g + 2;
        grid->addWidget(txtCount[g].caption, row, 0);
        grid->addWidget(cboType[g], row, 1);
        grid->addWidget(cboSize[g], row, 2);
        grid->addWidget(txtCount[g].box, row, 3);
        order << cboType[g] << cboSize[g] << txtCount[g].box;
    }

    chkNipple = new QCheckBox(QStringLiteral("Nipple (24 in or less)"), this);
    chkNipple->setObjectName(QStringLiteral("chkNipple"));
    grid->addWidget(chkNipple, Nec::racewayGroupCount + 2, 0, 1, 4);
    order << chkNipple;

    lblFootnote = new QLabel(Nec::singleSourceFootnote(), this);
    lblFootnote->setObjectName(QStringLiteral("lblFootnote"));
    lblFootnote->setWordWrap(true);
    grid->addWidget(lblFootnote, Nec::racewayGroupCount + 3, 0, 1, 4);
    bool marks = false;
    for (const Nec::RacewayRow& row : m_raceways.rows)
        marks = marks || row.singleSource;
    for (const Nec::ConductorAreaRow& row : m_conductors.rows)
        marks = marks || row.singleSource;
    lblFootnote->setVisible(marks);
    grid->setRowStretch(Nec::racewayGroupCount + 4, 1);

    for (const AnswerText& a : answerTexts)
        answers()->addRow(QString::fromUtf8(a.caption),
                          QStringLiteral("lbl%1Caption").arg(QLatin1String(a.name)),
                          QStringLiteral("lbl%1").arg(QLatin1String(a.name)));

    grdTradeSizes = new QTableWidget(0, GridColumns, this);
    grdTradeSizes->setObjectName(QStringLiteral("grdTradeSizes"));
    grdTradeSizes->setAccessibleName(QStringLiteral("Trade sizes"));
    QStringList headings;
    for (const char* heading : gridHeadings)
        headings << QString::fromLatin1(heading);
    grdTradeSizes->setHorizontalHeaderLabels(headings);
    grdTradeSizes->verticalHeader()->hide();
    const int rowHeight = fontMetrics().height() + 4;
    grdTradeSizes->verticalHeader()->setDefaultSectionSize(rowHeight);
    grdTradeSizes->verticalHeader()->setMinimumSectionSize(rowHeight);
    QHeaderView* header = grdTradeSizes->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);
    grdTradeSizes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTradeSizes->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdTradeSizes->setSelectionMode(QAbstractItemView::SingleSelection);
    grdTradeSizes->setTabKeyNavigation(false);
    grdTradeSizes->setWordWrap(false);
    new GridCopy(grdTradeSizes);
    // As wide as its columns; tall enough for the usual raceways (up to ten trade sizes) at the
    // first window size, taller when the window is.
    const int frame = 2 * grdTradeSizes->frameWidth();
    int width = frame + grdTradeSizes->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < GridColumns; ++c)
        width += header->sectionSizeHint(c);
    grdTradeSizes->setMinimumSize(width, header->sizeHint().height() + 10 * rowHeight + frame);
    grdTradeSizes->setMaximumWidth(width);
    // The results keep the grid's width; a wider window widens the type lists instead.
    buttons()->setMaximumWidth(width);
    answers()->setMaximumWidth(width);
    inputs()->setColumnStretch(1, 1);
    inputs()->setColumnStretch(4, 1);
    resultsColumn()->addWidget(grdTradeSizes, 1);
    setBodyStretch(1);
    connect(cboRaceway, &QComboBox::currentIndexChanged, this, [this] { cboRaceway_Click(); });
    cboRaceway_Click();

    // Reading order: the raceway, the groups row by row, the nipple, then the results.
    order << buttons()->button(0) << buttons()->button(1) << grdTradeSizes << steps()->text();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    setFocusProxy(cboRaceway);
}

void frmRacewayFill::fillTypes(QComboBox* box) const {
    for (const QString& type : m_conductors.types())
        box->addItem(Nec::withSingleSourceMark(type, m_conductors.singleSourceOnly(type)), type);
    box->setCurrentIndex(std::max(0, box->findData(typeAtLoad)));
}

void frmRacewayFill::cboRaceway_Click() {
    // Like the answers, a computed grid stays until the next CALCULATE or CLEAR; until then the
    // grid lists the chosen raceway's trade sizes.
    if (answers()->value(Conductors)->text().isEmpty())
        showGrid(nullptr);
}

void frmRacewayFill::cboType_Click(int group) {
    QComboBox* sizes = cboSize[group];
    const QStringList kept = sizes->count() > 0 ? sizes->currentData().toStringList()
                                                : QStringList{sizeAtLoad.size, sizeAtLoad.unit};
    const QString type = cboType[group]->currentData().toString();
    const QSignalBlocker quiet(sizes);
    sizes->clear();
    for (const Nec::ConductorSize& size : m_conductors.sizes(type)) {
        const Nec::ConductorAreaRow* row = m_conductors.find(type, size);
        sizes->addItem(Nec::withSingleSourceMark(size.caption(), row && row->singleSource),
                       QStringList{size.size, size.unit});
    }
    sizes->setCurrentIndex(std::max(0, sizes->findData(kept)));
}

void frmRacewayFill::showGrid(const Nec::RacewayFillResult* result) {
    std::vector<Nec::TradeSizeFill> lines;
    if (result) {
        lines = result->grid;
    } else {
        for (const Nec::RacewayRow& row :
             m_raceways.tradeSizes(cboRaceway->currentData().toString()))
            lines.push_back({row.tradeSize, row.singleSource, {}, {}, false});
    }
    grdTradeSizes->clearContents();
    grdTradeSizes->setRowCount(static_cast<int>(lines.size()));
    for (int r = 0; r < grdTradeSizes->rowCount(); ++r) {
        const Nec::TradeSizeFill& line = lines[std::size_t(r)];
        QString fill;
        QString most;
        if (result) {
            fill = line.fillPercent ? formatMask(*line.fillPercent, u"0.00")
                                    : QString::fromLatin1(NoValueText);
            most = line.maxOfGroup1 ? QString::number(*line.maxOfGroup1) : QString();
        }
        const QString size = Nec::withSingleSourceMark(line.tradeSize, line.singleSource);
        QTableWidgetItem* items[GridColumns] = {gridItem(size, false), gridItem(fill, true),
                                                gridItem(most, true)};
        const bool smallest = result && line.tradeSize == result->smallestTradeSize;
        for (int c = 0; c < GridColumns; ++c) {
            if (smallest) {
                QFont font = items[c]->font();
                font.setBold(true);
                items[c]->setFont(font);
            }
            grdTradeSizes->setItem(r, c, items[c]);
        }
        if (smallest)
            grdTradeSizes->scrollToItem(items[0]);
    }
}

void frmRacewayFill::cmdCalculate_Click() {
    if (!tables().checkOpen())
        return;
    Nec::RacewayFillInput input;
    input.raceway = cboRaceway->currentData().toString();
    input.nipple = chkNipple->isChecked();
    for (int g = 0; g < Nec::racewayGroupCount; ++g) {
        // A group without a count is not used.
        if (txtCount[g].box->text().trimmed().isEmpty())
            continue;
        const std::optional<double> count = read(txtCount[g]);
        if (!count)
            return;
        const QStringList size = cboSize[g]->currentData().toStringList();
        input.groups[std::size_t(g)] = {
            cboType[g]->currentData().toString(), {size.value(0), size.value(1)}, count};
    }
    const auto outcome = Nec::racewayFill(input, m_raceways, m_conductors);
    const Nec::RacewayFillResult* r = accept(outcome);
    if (!r)
        return;

    answers()->setValue(Conductors, QString::number(r->conductors));
    answers()->setValue(ConductorArea, formatMask(r->conductorArea, u"0.0000"));
    answers()->setValue(FillLimit, r->fillLimit);
    answers()->setValue(SmallestTradeSize,
                        Nec::withSingleSourceMark(r->smallestTradeSize, r->smallestSingleSource));
    answers()->setValue(FillPercent, formatMask(r->fillPercent, u"0.00"));
    showGrid(r);
    steps()->setSteps(r->steps);
}

void frmRacewayFill::cmdClear_Click() {
    clearResults();
    showGrid(nullptr);
    for (const EntryRow& row : txtCount)
        row.box->clear();
}
