#include "reference/frmEnclosureRating.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "common/Fonts.h"
#include "common/GlobalSubs.h"
#include "reference/StaticSheet.h"

namespace {

using namespace EnclosureRatingTexts;

// The design's label names: the ratings are Label2, then Label4 to Label11; the descriptions
// Label12 to Label20.
QString ratingName(int row) {
    return QStringLiteral("Label%1").arg(row == 0 ? 2 : row + 3);
}
QString descriptionName(int row) {
    return QStringLiteral("Label%1").arg(row + 12);
}

} // namespace

frmEnclosureRating::frmEnclosureRating(Body body, QWidget* parent) : QWidget(parent) {
    const Sheet& texts = sheet(body);
    GlobalSubs::CurrentFormKind = texts.kind;
    setObjectName(QString::fromLatin1(texts.formName));

    QWidget* page = this; // the shell scrolls a sheet that does not fit its window
    QLabel* title =
        StaticSheet::makeTitle(QStringLiteral("Label21"), QString::fromUtf8(texts.title), page);

    auto* Frame1 = new QGroupBox(page);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    QLabel* header =
        StaticSheet::makeText(QStringLiteral("Label1"), QString::fromLatin1(ratingHeader), Frame1);
    setBoldFont(header);
    header->setWordWrap(false);
    grid->addWidget(header, 0, 0);
    // The description column's heading cell is empty: nothing to select or announce.
    QLabel* descriptionHeader = StaticSheet::makeText(QStringLiteral("Label3"), QString(), Frame1);
    descriptionHeader->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(descriptionHeader, 0, 1);
    for (int row = 0; row < Rows; ++row) {
        QLabel* rating =
            StaticSheet::makeText(ratingName(row), QString::fromLatin1(ratings[row]), Frame1);
        setBoldFont(rating);
        rating->setWordWrap(false);
        grid->addWidget(rating, row + 1, 0);
        grid->addWidget(StaticSheet::makeText(descriptionName(row),
                                              QString::fromUtf8(texts.descriptions[row]), Frame1),
                        row + 1, 1);
    }
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addWidget(Frame1);
    layout->addStretch();
}

QWidget* makeEnclosureNema() {
    return new frmEnclosureRating(Body::Nema);
}
QWidget* makeEnclosureUL() {
    return new frmEnclosureRating(Body::UL);
}
QWidget* makeEnclosureCSA() {
    return new frmEnclosureRating(Body::CSA);
}
