#include "reference/frmHPvTorque.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ButtonRow.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/HistorySection.h"
#include "common/HorsepowerOptions.h"
#include "database/SourcesLine.h"
#include "database/TableNames.h"
#include "reference/HorsepowerList.h"

namespace {

constexpr int columnsPerGrid = 1 + frmHPvTorque::SpeedsPerGrid;

constexpr std::array<int, HorsepowerOptions::Torque.size()> allHorsepowers = [] {
    std::array<int, HorsepowerOptions::Torque.size()> all{};
    for (int i = 0; i < static_cast<int>(all.size()); ++i)
        all[i] = i;
    return all;
}();

int speedOf(int grid, int column) {
    return frmHPvTorque::Speeds[grid * frmHPvTorque::SpeedsPerGrid + column];
}

QStringList speedFields() {
    QStringList fields;
    for (const int rpm : frmHPvTorque::Speeds)
        fields << QStringLiteral("RPM%1").arg(rpm);
    return fields;
}

} // namespace

frmHPvTorque::frmHPvTorque(QWidget* parent, const QString& databasePath)
    : QWidget(parent), database(TableNames::Torque, databasePath) {
    GlobalSubs::CurrentFormKind = FormKind::HPvTorque;
    setObjectName(QStringLiteral("frmHPvTorque"));
    buildControls();
    fraHp->select(0);
    optHp_Click(0);
}

void frmHPvTorque::buildControls() {
    Label6[0] = new QLabel(QStringLiteral("HP vs. Torque vs. RPM"), this);
    Label6[0]->setObjectName(QStringLiteral("Label6_0"));
    setBoldFont(Label6[0], SheetHeadingScale);
    lblSources = makeSourcesLabel(database.sources(), this);
    lblSources->setVisible(!database.sources().isEmpty());

    // Two columns of sixteen keep the list within the window's height.
    fraHp = new HorsepowerList(HorsepowerOptions::Torque, allHorsepowers, this, 2);
    connect(fraHp, &HorsepowerList::chosen, this, &frmHPvTorque::optHp_Click);

    Label1 = new QLabel(QStringLiteral("Torque in Inch Pounds @ Motor R.P.M."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    setBoldFont(Label1);

    auto* grids = new QVBoxLayout;
    grids->setSpacing(4);
    grids->addWidget(Label1);
    for (int g = 0; g < Grids; ++g) {
        QStringList columns;
        QStringList headingNames;
        QStringList headings;
        for (int c = 0; c < columnsPerGrid; ++c) {
            columns << (c == 0 ? QStringLiteral("lblHpGrid%1").arg(g)
                               : QStringLiteral("lblRPM%1").arg(speedOf(g, c - 1)));
            headingNames << QStringLiteral("label2_%1").arg(g * columnsPerGrid + c);
            // The speed over RPM on a second line keeps seven columns within a narrow sheet.
            headings << (c == 0 ? QStringLiteral("HP")
                                : QStringLiteral("%1\nRPM").arg(speedOf(g, c - 1)));
        }
        fraGrid[g] = new HistorySection(this, columns, headingNames, headings);
        fraGrid[g]->setObjectName(QStringLiteral("fraGrid_%1").arg(g));
        // Wide enough for the largest torque in the table, six digits.
        fraGrid[g]->setMinimumColumnWidth(QStringLiteral("888888"));
        for (int row = 0; row < ResultHistory::Rows; ++row) {
            QLabel* cell = fraGrid[g]->history().label(0, row);
            lblHp[g * ResultHistory::Rows + row] = cell;
            cell->setObjectName(QStringLiteral("lblHp_%1").arg(g * ResultHistory::Rows + row));
        }
        grids->addWidget(fraGrid[g]);
    }

    Label3 = new QLabel(QStringLiteral("Torque in Inch Pounds = (HPx63025)/Motor R.P.M."), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 =
        new QLabel(QStringLiteral("To convert to Foot Pounds, divide the Torque by 12."), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    grids->addWidget(Label3);
    grids->addWidget(Label4);

    auto* buttons =
        new ButtonRow(this, {{"cmdClear", "CLEAR"}, {"cmdCalculate", "CALCULATE"}}, Qt::Horizontal);
    cmdClear = buttons->button(0);
    cmdCalculate = buttons->button(1);
    connect(cmdClear, &QPushButton::clicked, this, &frmHPvTorque::cmdClear_Click);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmHPvTorque::cmdCalculate_Click);
    grids->addWidget(buttons, 0, Qt::AlignLeft);
    grids->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(fraHp, 0, Qt::AlignTop);
    body->addLayout(grids);
    body->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addWidget(Label6[0]);
    page->addWidget(lblSources);
    page->addLayout(body);
    page->addStretch();

    setFocusProxy(fraHp->option(0));
    setTabOrder(fraHp->option(fraHp->count() - 1), cmdClear);
    setTabOrder(cmdClear, cmdCalculate);
}

void frmHPvTorque::optHp_Click(int index) {
    if (index < 0 || index >= static_cast<int>(HorsepowerOptions::Torque.size()))
        return;
    m_horsepowerKey = QString::fromLatin1(HorsepowerOptions::Torque[index].key);
    m_horsepowerText = QString::fromLatin1(HorsepowerOptions::Torque[index].text);
}

void frmHPvTorque::cmdCalculate_Click() {
    // All eighteen cells are read before the grids move: a fault in any writes no row at all.
    static const QStringList fields = speedFields();
    const auto torques = database.lookUp(QStringLiteral("HP"), m_horsepowerKey, fields);
    if (!torques)
        return;
    Shift();
    for (int g = 0; g < Grids; ++g)
        fraGrid[g]->history().setNewestRow(QStringList{m_horsepowerText} +
                                           torques->mid(g * SpeedsPerGrid, SpeedsPerGrid));
}

void frmHPvTorque::cmdClear_Click() {
    for (HistorySection* grid : fraGrid)
        grid->history().clear();
}

void frmHPvTorque::Shift() {
    for (HistorySection* grid : fraGrid)
        grid->history().shift();
}
