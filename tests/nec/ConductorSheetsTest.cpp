#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QLabel>
#include <QPlainTextEdit>

#include "support/ErrorRecorder.h"
#include "support/LiveSheets.h"

namespace {

TEST(ConductorSheets, FitTheirAreaAtTheDefaultSize) {
    ErrorRecorder errors;
    MDIMain main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    for (const char* action : {"mnuNECItem_0", "mnuNECItem_1"}) {
        QWidget* sheet = openLiveSheet(main, {QString::fromLatin1(action), {}});
        ASSERT_NE(sheet, nullptr) << action;
        QApplication::processEvents();
        auto* scroller = qobject_cast<QScrollArea*>(sheet->parentWidget()->parentWidget());
        ASSERT_NE(scroller, nullptr);
        qDebug() << action << sheet->size() << sheet->minimumSizeHint() << scroller->viewport()->size()
                 << sheet->findChild<QLabel*>("lblSources")->minimumSizeHint()
                 << sheet->findChild<QPlainTextEdit*>("txtSteps")->size();
        for (QWidget* w : sheet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            qDebug() << w->objectName() << w->metaObject()->className() << w->geometry() << w->minimumSizeHint();
        EXPECT_FALSE(scroller->verticalScrollBar()->isVisible()) << action;
        EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible()) << action;
    }
}

} // namespace
