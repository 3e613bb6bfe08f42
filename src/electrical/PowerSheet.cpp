#include "electrical/PowerSheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/Fonts.h"
#include "common/GlobalSubs.h"

PowerSheet::PowerSheet(const SheetLayout& layout, QWidget* parent) : QWidget(parent) {
    GlobalSubs::CurrentFormKind = layout.kind;
    setObjectName(QString::fromLatin1(layout.objectName));
    const bool threePhase = GlobalSubs::ThreePhase == -1;

    heading = new QLabel(
        QString::fromLatin1(threePhase ? layout.headingThreePhase : layout.headingSinglePhase),
        this);
    heading->setObjectName(QString::fromLatin1(layout.headingName));
    setBoldFont(heading, SheetHeadingScale);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 4, 6, 4);
    page->setSpacing(4);
    page->addWidget(heading);
    for (const Section::Layout& s : layout.sections) {
        sections.push_back(new PowerSection(s, label2, threePhase, this));
        page->addWidget(sections.back());
    }
    page->addStretch();
    if (!sections.empty())
        setFocusProxy(sections.front()->entry(0).box);
}
