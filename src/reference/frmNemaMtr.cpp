#include "reference/frmNemaMtr.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "common/DrawingView.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "common/ValueLabel.h"
#include "database/SourcesLine.h"

namespace {

const QString drawing = QStringLiteral(":/drawings/motor-frame.svg");

// Where each dimension's value sits on the drawing, in the drawing's own pixels: beside the
// letter of the dimension line it names (see motor-frame.svg).
struct DimensionLabel {
    const char* name;
    const char* field;
    QRect place;
    Qt::Alignment align;
};

constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

const std::array dimensionLabels{
    DimensionLabel{"lblD", "D", {0, 162, 46, 18}, Qt::AlignRight | Qt::AlignTop},
    DimensionLabel{"lblE1", "E", {95, 243, 55, 18}, centred},
    DimensionLabel{"lblE2", "E", {150, 243, 55, 18}, centred},
    DimensionLabel{"lblF1", "F", {295, 243, 55, 34}, centred},
    DimensionLabel{"lblF2", "F", {350, 243, 55, 34}, centred},
    DimensionLabel{"lblU", "U", {552, 111, 48, 18}, Qt::AlignLeft | Qt::AlignTop},
    DimensionLabel{"lblV", "V", {442, 78, 78, 18}, centred},
    DimensionLabel{"lblMN", "M+N", {405, 294, 115, 18}, centred},
};

const std::array<const char*, MotorFrameChart::Columns> chartHeaders{
    "Motor Frame", "D", "E", "F", "U", "V", "M+N", "Keyway"};
const std::array<const char*, MotorFrameChart::Columns> chartNames{
    "lblFrameChart", "lblDChart", "lblEChart",  "lblFChart",
    "lblUChart",     "lblVChart", "lblMNChart", "lblKeywayChart"};

void setBold(QLabel* label, bool bold) {
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

frmNemaMtr::frmNemaMtr(QWidget* parent, const QString& databasePath)
    : QWidget(parent), database(QString::fromLatin1(MotorFrameChart::table), databasePath) {
    GlobalSubs::CurrentFormKind = FormKind::NemaMtr;
    setObjectName(QStringLiteral("frmNemaMtr"));
    buildControls();
    LoadComboBox();
}

frmNemaMtr::~frmNemaMtr() = default;

void frmNemaMtr::buildControls() {
    lblHeading = new QLabel(QStringLiteral("NEMA Electric Motor Frames"), this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    setBoldFont(lblHeading, SheetHeadingScale);
    lblSources = makeSourcesLabel(database.sources(), this);
    lblSources->setVisible(!database.sources().isEmpty());

    Label1 = new QLabel(QStringLiteral("Motor Frame"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    cmbFrame = new QComboBox(this);
    cmbFrame->setObjectName(QStringLiteral("cmbFrame"));
    cmbFrame->setAccessibleName(QStringLiteral("Motor Frame"));
    cmbFrame->setMinimumContentsLength(8);
    Label1->setBuddy(cmbFrame);
    connect(cmbFrame, &QComboBox::activated, this, [this] { cmbFrame_Click(); });

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    QPalette black = Picture1->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    Picture1->setPalette(black);
    auto* view = new DrawingView(drawing, Picture1);
    view->setNeedsLightFace(false); // light lines on the black panel
    view->move(0, 0);
    Picture1->setFixedSize(view->designSize());

    QLabel* frmNemaMtr::*members[] = {&frmNemaMtr::lblD,  &frmNemaMtr::lblE1, &frmNemaMtr::lblE2,
                                      &frmNemaMtr::lblF1, &frmNemaMtr::lblF2, &frmNemaMtr::lblU,
                                      &frmNemaMtr::lblV,  &frmNemaMtr::lblMN};
    for (std::size_t i = 0; i < dimensionLabels.size(); ++i) {
        const DimensionLabel& d = dimensionLabels[i];
        auto* label = new QLabel(Picture1);
        label->setObjectName(QString::fromLatin1(d.name));
        label->setGeometry(d.place);
        label->setAlignment(d.align);
        label->setWordWrap(true);
        setBold(label, true);
        exposeValue(label, QString::fromLatin1(d.field));
        this->*members[i] = label;
        dimensionValues[i] = label;
    }

    lblFrame = new QLabel(this);
    lblFrame->setObjectName(QStringLiteral("lblFrame"));
    setBoldFont(lblFrame);
    exposeValue(lblFrame, Label1);
    lblKeyway = new QLabel(this);
    lblKeyway->setObjectName(QStringLiteral("lblKeyway"));
    exposeValue(lblKeyway, QStringLiteral("Keyway"));

    fraResults = new QGroupBox(this);
    fraResults->setObjectName(QStringLiteral("fraResults"));
    auto* grid = new QGridLayout(fraResults);
    for (int c = 0; c < MotorFrameChart::Columns; ++c) {
        auto* header = new QLabel(QString::fromLatin1(chartHeaders[c]), fraResults);
        header->setObjectName(QStringLiteral("lblChartHeader_%1").arg(c));
        setBold(header, true);
        grid->addWidget(header, 0, c);
        for (int r = 0; r < MotorFrameChart::Rows; ++r) {
            auto* cell = new QLabel(fraResults);
            cell->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(chartNames[c])).arg(r));
            grid->addWidget(cell, r + 1, c);
            // Read as a history cell is: "D, row 2", then the value.
            exposeValue(cell, QStringLiteral("%1, row %2").arg(header->text()).arg(r + 1));
            chart[c][r] = cell;
        }
    }

    auto* choice = new QHBoxLayout;
    choice->addWidget(Label1);
    choice->addWidget(cmbFrame);
    choice->addStretch();
    auto* below = new QVBoxLayout;
    below->setSpacing(2);
    below->addWidget(lblFrame);
    below->addWidget(lblKeyway);

    auto* page = new QVBoxLayout(this);
    page->addWidget(lblHeading);
    page->addWidget(lblSources);
    page->addLayout(choice);
    page->addWidget(Picture1);
    page->addLayout(below);
    page->addWidget(fraResults);
    page->addStretch();

    setFocusProxy(cmbFrame);
    showDimensions(false);
}

void frmNemaMtr::LoadComboBox() {
    cmbFrame->clear();
    Recordset& table = database.table();
    const QString key = QString::fromLatin1(MotorFrameChart::fields[0]);
    if (table.HasField(key)) {
        for (table.MoveFirst(); !table.EOF(); table.MoveNext())
            cmbFrame->addItem(table.Field(key));
    }
    cmbFrame->setCurrentIndex(-1);
}

void frmNemaMtr::SetFontToNormal() {
    for (const auto& column : chart)
        for (QLabel* cell : column)
            setBold(cell, false);
}

void frmNemaMtr::showDimensions(bool shown) {
    for (QLabel* label : {lblD, lblE1, lblE2, lblF1, lblF2, lblU, lblV, lblMN, lblFrame, lblKeyway})
        label->setVisible(shown);
    fraResults->setVisible(shown);
}

void frmNemaMtr::cmbFrame_Click() {
    SetFontToNormal();
    const QString chosen = cmbFrame->currentText();
    // Every field the drawing and the chart show, so a missing one is told before anything is.
    QStringList fields;
    for (const DimensionLabel& d : dimensionLabels)
        fields << QString::fromLatin1(d.field);
    for (const char* field : MotorFrameChart::fields)
        fields << QString::fromLatin1(field);
    const auto cells =
        database.lookUp(QString::fromLatin1(MotorFrameChart::fields[0]), chosen, fields);
    if (!cells) {
        // Nothing of an earlier frame may stay on show under the new choice.
        showDimensions(false);
        return;
    }

    for (std::size_t i = 0; i < dimensionLabels.size(); ++i)
        dimensionValues[i]->setText(cells->at(static_cast<qsizetype>(i)));
    Recordset& table = database.table(); // on the chosen frame's row
    lblFrame->setText(table.Field(QString::fromLatin1(MotorFrameChart::fields[0])));
    lblKeyway->setText(QStringLiteral("Keyway = ") + cells->last()); // the chart's last field

    const auto rows = MotorFrameChart::walk(table, chosen);
    for (int r = 0; r < MotorFrameChart::Rows; ++r) {
        for (int c = 0; c < MotorFrameChart::Columns; ++c) {
            chart[c][r]->setText(rows[r].cells[c]);
            if (rows[r].chosen)
                setBold(chart[c][r], true);
        }
    }
    showDimensions(true);
}
