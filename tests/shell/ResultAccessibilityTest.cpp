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

// After a calculation on each sheet of the menu, a screen reader reads every result: the label
// that shows it is named, and its value is the text on screen.
namespace {

// What a widget shows as a result: a label's text, or a read-only box's (the network totals).
std::optional<QString> resultText(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(w); box && box->isReadOnly())
        return box->text();
    return std::nullopt;
}

QHash<const QWidget*, QString> resultTexts(QWidget* sheet) {
    QHash<const QWidget*, QString> out;
    for (const QWidget* w : sheet->findChildren<QWidget*>())
        if (const auto text = resultText(w))
            out.insert(w, *text);
    return out;
}

bool calculates(const QPushButton* button) {
    return button->objectName().startsWith(QStringLiteral("cmdCalculate")) ||
           button->objectName().startsWith(QStringLiteral("cmdFind"));
}

// Types "2" into every open entry (the right triangle locks the rest after two), picks the first
// item of every list and presses every button that calculates or finds. Returns whether the sheet
// had anything to calculate with.
bool calculate(QWidget* sheet) {
    bool any = false;
    for (QLineEdit* box : sheet->findChildren<QLineEdit*>())
        if (box->isVisibleTo(sheet) && box->isEnabled() && !box->isReadOnly())
            QTest::keyClicks(box, QStringLiteral("2"));
    for (QComboBox* list : sheet->findChildren<QComboBox*>()) {
        if (list->isVisibleTo(sheet)) {
            QTest::keyClick(list, Qt::Key_Down);
            any = true;
        }
    }
    for (QPushButton* button : sheet->findChildren<QPushButton*>()) {
        if (calculates(button) && button->isVisibleTo(sheet) && button->isEnabled()) {
            button->click();
            any = true;
        }
    }
    return any;
}

} // namespace

TEST(ResultAccessibilityTest, EveryResultLabelIsReadWithItsValue) {
    ErrorRecorder errors;
    MDIMain main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    for (const LiveSheet& s : liveSheets()) {
        QWidget* sheet = openLiveSheet(main, s);
        ASSERT_NE(sheet, nullptr) << s.caption.toStdString();
        const auto before = resultTexts(sheet);
        const bool calculated = calculate(sheet);
        for (const auto& shown : errors.shown)
            ADD_FAILURE() << s.caption.toStdString() << ": " << shown.text.toStdString();
        errors.shown.clear();

        int results = 0;
        for (QWidget* w : sheet->findChildren<QWidget*>()) {
            const auto shown = resultText(w);
            if (!shown || shown->isEmpty() || !w->isVisibleTo(sheet))
                continue;
            auto* label = qobject_cast<const QLabel*>(w);
            const bool marked = label && !exposedValueName(label).isEmpty();
            const QString text = *shown;
            if (before.value(w) == text && !marked)
                continue;
            ++results;
            const std::string who =
                (s.caption + QStringLiteral(": ") + w->objectName()).toStdString();
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr) << who;
            EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << who;
            EXPECT_EQ(a->text(QAccessible::Value).toStdString(), text.toStdString())
                << who << " named " << a->text(QAccessible::Name).toStdString();
        }
        if (calculated) {
            EXPECT_GT(results, 0) << s.caption.toStdString() << " showed no result";
        }
    }
}
