#include "reference/frmHPvTorque.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/HorsepowerOptions.h"
#include "database/SourcesLine.h"
#include "reference/HorsepowerList.h"

namespace {

constexpr int columnsPerGrid = 1 + frmHPvTorque::SpeedsPerGrid;
constexpr int cellWidth = 64;

constexpr std::array<int, HorsepowerOptions::Torque.size()> allHorsepowers = [] {
    std::array<int, HorsepowerOptions::Torque.size()> all{};
    for (int i = 0; i < static_cast<int>(all.size()); ++i)
        all[i] = i;
    return all;
}();

int speedOf(int grid, int column) {
    return frmHPvTorque::Speeds[grid * frmHPvTorque::SpeedsPerGrid + column];
}

// The history's columns in grid order; the horsepower columns are renamed to their lblHp
// elements once made.
QStringList historyColumns() {
    QStringList names;
    for (int g = 0; g < frmHPvTorque::Grids; ++g) {
        names << QStringLiteral("lblHpGrid%1").arg(g);
        for (int s = 0; s < frmHPvTorque::SpeedsPerGrid; ++s)
            names << QStringLiteral("lblRPM%1").arg(speedOf(g, s));
    }
    return names;
}

QStringList speedFields() {
    QStringList fields;
    for (const int rpm : frmHPvTorque::Speeds)
        fields << QStringLiteral("RPM%1").arg(rpm);
    return fields;
}

QLabel* makeHeader(const QString& text, int grid, int column, QWidget* parent) {
    auto* header = new QLabel(text, parent);
    header->setObjectName(QStringLiteral("label2_%1").arg(grid * columnsPerGrid + column));
    header->setAlignment(Qt::AlignCenter);
    setBoldFont(header);
    return header;
}

} // namespace

frmHPvTorque::frmHPvTorque(QWidget* parent, const QString& databasePath)
    : QWidget(parent), history(this, historyColumns()),
      database(QStringLiteral("HPvTorque"), databasePath) {
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

    fraHp = new HorsepowerList(HorsepowerOptions::Torque, allHorsepowers, this);
    connect(fraHp, &HorsepowerList::chosen, this, &frmHPvTorque::optHp_Click);

    Label1 = new QLabel(QStringLiteral("Torque in Inch Pounds @ Motor R.P.M."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    setBoldFont(Label1);

    auto* grids = new QVBoxLayout;
    grids->addWidget(Label1);
    for (int g = 0; g < Grids; ++g) {
        fraGrid[g] = new QGroupBox(this);
        fraGrid[g]->setObjectName(QStringLiteral("fraGrid_%1").arg(g));
        auto* grid = new QGridLayout(fraGrid[g]);
        grid->setHorizontalSpacing(4);
        for (int c = 0; c < columnsPerGrid; ++c) {
            // The speed over RPM on a second line keeps seven columns within a narrow sheet.
            const QString heading =
                c == 0 ? QStringLiteral("HP") : QStringLiteral("%1\nRPM").arg(speedOf(g, c - 1));
            grid->addWidget(makeHeader(heading, g, c, fraGrid[g]), 0, c);
            for (int row = 0; row < ResultHistory::Rows; ++row) {
                QLabel* cell = history.label(g * columnsPerGrid + c, row);
                cell->setParent(fraGrid[g]);
                cell->setMinimumWidth(cellWidth);
                grid->addWidget(cell, row + 1, c);
                if (c == 0) {
                    lblHp[g * ResultHistory::Rows + row] = cell;
                    cell->setObjectName(
                        QStringLiteral("lblHp_%1").arg(g * ResultHistory::Rows + row));
                }
            }
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

    cmdClear = new QPushButton(QStringLiteral("CLEAR"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClear->setAutoDefault(false);
    connect(cmdClear, &QPushButton::clicked, this, &frmHPvTorque::cmdClear_Click);
    cmdCalculate = new QPushButton(QStringLiteral("CALCULATE"), this);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setAutoDefault(false);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmHPvTorque::cmdCalculate_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdClear);
    buttons->addWidget(cmdCalculate);
    buttons->addStretch();
    grids->addLayout(buttons);
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
    QStringList row;
    for (int g = 0; g < Grids; ++g)
        row << m_horsepowerText << torques->mid(g * SpeedsPerGrid, SpeedsPerGrid);
    Shift();
    history.setNewestRow(row);
}

void frmHPvTorque::cmdClear_Click() {
    history.clear();
}

void frmHPvTorque::Shift() {
    history.shift();
}
