#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "common/ValueLabel.h"
#include "support/ErrorRecorder.h"
#include "support/LiveSheets.h"

// After a calculation on each sheet of the menu, a screen reader reads every result: what shows
// it is named, and its value is the text on screen.
namespace {

// A label's text, or a read-only box's (the network totals); nothing for other widgets.
std::optional<QString> resultText(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(w); box && box->isReadOnly())
        return box->text();
    return std::nullopt;
}

// Types "1" into every open empty entry (the right triangle locks the rest after two), picks the
// first item of every list with no choice yet, and presses every button that calculates or finds.
// False when the sheet has nothing to calculate with.
bool calculate(QWidget* sheet) {
    bool any = false;
    for (QLineEdit* box : sheet->findChildren<QLineEdit*>())
        if (box->isVisibleTo(sheet) && box->isEnabled() && !box->isReadOnly() &&
            box->text().isEmpty())
            QTest::keyClicks(box, QStringLiteral("1"));
    for (QComboBox* list : sheet->findChildren<QComboBox*>()) {
        if (list->isVisibleTo(sheet) && list->currentIndex() < 0) {
            QTest::keyClick(list, Qt::Key_Down);
            any = true;
        }
    }
    for (QPushButton* button : sheet->findChildren<QPushButton*>()) {
        const QString name = button->objectName();
        if ((name.startsWith(QStringLiteral("cmdCalculate")) ||
             name.startsWith(QStringLiteral("cmdFind"))) &&
            button->isVisibleTo(sheet)) {
            button->click();
            any = true;
        }
    }
    return any;
}

} // namespace

TEST(ResultAccessibilityTest, EveryResultIsReadWithItsValue) {
    ErrorRecorder errors;
    MDIMain main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    for (const LiveSheet& s : liveSheets()) {
        QWidget* sheet = openLiveSheet(main, s);
        ASSERT_NE(sheet, nullptr) << s.caption.toStdString();
        QHash<const QWidget*, QString> before;
        for (const QWidget* w : sheet->findChildren<QWidget*>())
            before.insert(w, resultText(w).value_or(QString()));
        const bool calculated = calculate(sheet);
        for (const auto& shown : errors.shown)
            ADD_FAILURE() << s.caption.toStdString() << ": " << shown.text.toStdString();
        errors.shown.clear();

        int results = 0;
        for (QWidget* w : sheet->findChildren<QWidget*>()) {
            auto* label = qobject_cast<const QLabel*>(w);
            const bool marked = label && !exposedValueName(label).isEmpty();
            const QString text = resultText(w).value_or(QString());
            if (text.isEmpty() || !w->isVisibleTo(sheet) || (before.value(w) == text && !marked))
                continue;
            ++results;
            const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            const std::string who = (s.caption + u' ' + w->objectName()).toStdString();
            EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << who;
            EXPECT_EQ(a->text(QAccessible::Value).toStdString(), text.toStdString()) << who;
        }
        if (calculated) {
            EXPECT_GT(results, 0) << s.caption.toStdString() << " showed no result";
        }
    }
}
