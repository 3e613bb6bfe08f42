#include "reference/frmEnclosureIP.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <array>
#include <span>

#include "common/DrawingView.h"
#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "reference/StaticSheet.h"

namespace {

struct Test {
    const char* text;
    const char* pictogram;
};

// Numeral 6 of each column names the IP code's own test: dust-tight, and powerful water jets.
constexpr std::array<Test, 7> firstNumeral{{
    {"No Protection", "ip-none"},
    {"Protected against solid objects up to 50mm, e.g. accidental touch by hands", "ip-solid-1"},
    {"Protected against solid objects up to 12mm, e.g. fingers", "ip-solid-2"},
    {"Protected against solid objects over 2.5mm, e.g. tools and wires", "ip-solid-3"},
    {"Protected against solid objects over 1 mm", "ip-solid-4"},
    {"Protected against dust (limited ingress, no harmful deposit)", "ip-solid-5"},
    {"Dust tight (no ingress of dust)", "ip-solid-6"},
}};

constexpr std::array<Test, 9> secondNumeral{{
    {"No Protection", "ip-none"},
    {"Protected against vertically falling drops of water, e.g. condensation", "ip-water-1"},
    {"Protected against direct sprays of water up to 15 degrees from vertical", "ip-water-2"},
    {"Protected against sprays to 60 degrees from vertical", "ip-water-3"},
    {"Protected against water sprayed from all directions (limited ingress permitted)",
     "ip-water-4"},
    {"Protected against low pressure jets of water from all directions (limited ingress "
     "permitted)",
     "ip-water-5"},
    {"Protected against powerful jets of water from all directions (limited ingress permitted)",
     "ip-water-6"},
    {"Protected against the effects of immersion between 15 cm and 1 m", "ip-water-7"},
    {"Protected against long periods of immersion under pressure", "ip-water-8"},
}};

QLabel* boldText(const QString& name, const QString& text, QWidget* parent) {
    QLabel* label = StaticSheet::makeText(name, text, parent);
    label->setWordWrap(false);
    setBoldFont(label);
    return label;
}

QFrame* separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// One numeral's column: headers "IP" and "Test", the sub-heading, then a row per numeral with
// the numeral, its pictogram and its test, lines between the rows.
QGroupBox* numeralColumn(const QString& prefix, const QString& subHeading,
                         std::span<const Test> tests, QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QStringLiteral("fra") + prefix);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    grid->addWidget(boldText(QStringLiteral("lbl%1IP").arg(prefix), QStringLiteral("IP"), frame), 0,
                    0);
    grid->addWidget(
        boldText(QStringLiteral("lbl%1Test").arg(prefix), QStringLiteral("Test"), frame), 0, 1, 1,
        2);
    grid->addWidget(boldText(QStringLiteral("lbl%1Heading").arg(prefix), subHeading, frame), 1, 1,
                    1, 2);
    int row = 2;
    for (int n = 0; n < static_cast<int>(tests.size()); ++n) {
        grid->addWidget(separator(frame), row++, 0, 1, 3);
        QLabel* numeral = boldText(QStringLiteral("lbl%1Numeral_%2").arg(prefix).arg(n),
                                   QString::number(n), frame);
        grid->addWidget(numeral, row, 0, Qt::AlignTop | Qt::AlignHCenter);
        auto* pictogram = new DrawingView(
            QStringLiteral(":/drawings/%1.svg").arg(QLatin1String(tests[n].pictogram)), frame);
        pictogram->setObjectName(QStringLiteral("img%1_%2").arg(prefix).arg(n));
        grid->addWidget(pictogram, row, 1, Qt::AlignTop);
        grid->addWidget(StaticSheet::makeText(QStringLiteral("lbl%1Text_%2").arg(prefix).arg(n),
                                              QString::fromLatin1(tests[n].text), frame),
                        row, 2);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
    return frame;
}

} // namespace

frmEnclosureIP::frmEnclosureIP(QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = FormKind::EnclosureIP;
    setObjectName(QStringLiteral("frmEnclosureIP"));

    QWidget* page = this; // the shell scrolls a sheet that does not fit its window
    QLabel* title = StaticSheet::makeTitle(
        QStringLiteral("lblTitle"),
        QStringLiteral("International Standards IP Protection Classification"), page);

    auto* columns = new QHBoxLayout;
    columns->addWidget(
        numeralColumn(QStringLiteral("First"), QStringLiteral("First Numeral"), firstNumeral, page),
        1);
    columns->addWidget(numeralColumn(QStringLiteral("Second"), QStringLiteral("Second Numeral"),
                                     secondNumeral, page),
                       1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addLayout(columns);
    layout->addStretch();
}
