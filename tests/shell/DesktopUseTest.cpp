#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include "support/ErrorRecorder.h"
#include "support/LiveSheets.h"

// What a keyboard or screen-reader user meets on every live sheet of the menu.
namespace {

bool isHistoryCell(const QWidget* w) {
    return w->property("kelvoHistoryCells").isValid();
}

bool isInteractive(const QWidget* w) {
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w);
}

QString who(const LiveSheet& sheet, const QWidget* w) {
    return sheet.caption + QStringLiteral(": ") + w->objectName() + u' ' +
           QLatin1String(w->metaObject()->className());
}

QList<QWidget*> shownControls(QWidget* sheet) {
    QList<QWidget*> out;
    for (QWidget* w : sheet->findChildren<QWidget*>())
        if (w->isVisibleTo(sheet) && isInteractive(w))
            out << w;
    return out;
}

bool takesTab(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled();
}

// An unchecked option of a group with a checked one: Tab enters the group at the checked one.
bool reachedByArrowsOnly(const QWidget* w) {
    auto* option = qobject_cast<const QRadioButton*>(w);
    if (!option || option->isChecked() || !option->autoExclusive())
        return false;
    for (const QRadioButton* other :
         option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (other->isChecked() && other->autoExclusive())
            return true;
    return false;
}

// The visible labels, entries and options of a sheet, to compare two ways of doing one thing.
QStringList sheetState(QWidget* sheet) {
    QStringList out;
    for (QWidget* w : sheet->findChildren<QWidget*>()) {
        QString state = w->objectName() + (w->isVisibleTo(sheet) ? u'+' : u'-');
        if (auto* label = qobject_cast<QLabel*>(w))
            state += label->text();
        else if (auto* box = qobject_cast<QLineEdit*>(w))
            state += box->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            state += button->isChecked() ? u'1' : u'0';
        out << state;
    }
    return out;
}

class DesktopUseTest : public ::testing::Test {
protected:
    void SetUp() override {
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        ASSERT_FALSE(sheets.empty());
    }
    ErrorRecorder errors;
    MDIMain main;
    const std::vector<LiveSheet> sheets = liveSheets();
};

TEST_F(DesktopUseTest, EveryControlAndHistoryCellHasAnAccessibleName) {
    for (const LiveSheet& s : sheets) {
        QWidget* sheet = openLiveSheet(main, s);
        ASSERT_NE(sheet, nullptr) << s.caption.toStdString();
        for (QWidget* w : shownControls(sheet)) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(a, nullptr) << who(s, w).toStdString();
            const QString name = a->text(QAccessible::Name).trimmed();
            EXPECT_FALSE(name.isEmpty()) << who(s, w).toStdString();
            if (isHistoryCell(w)) {
                // Named by a heading found on the sheet, not by the fallback column number.
                EXPECT_FALSE(name.startsWith(QStringLiteral("Column ")))
                    << who(s, w).toStdString() << " is announced as " << name.toStdString();
                EXPECT_TRUE(name.contains(QStringLiteral(", row ")));
            }
        }
    }
}

// The controls Tab reaches, from where the sheet's focus starts until it comes round again
// (or leaves the sheet: the last entry is then outside it).
QList<QWidget*> walkWithTab(QWidget* sheet) {
    QList<QWidget*> visited;
    QWidget* first = QApplication::focusWidget();
    for (QWidget* now = first; now && visited.size() < 200;) {
        visited << now;
        if (!sheet->isAncestorOf(now))
            break;
        QTest::keyClick(now, Qt::Key_Tab);
        now = QApplication::focusWidget();
        if (now == first)
            break;
    }
    return visited;
}

TEST_F(DesktopUseTest, TabReachesEveryControlInReadingOrder) {
    for (const LiveSheet& s : sheets) {
        QWidget* sheet = openLiveSheet(main, s);
        QApplication::processEvents();
        const QList<QWidget*> visited = walkWithTab(sheet);
        ASSERT_FALSE(visited.isEmpty()) << s.caption.toStdString() << " takes no focus";
        for (QWidget* w : visited)
            EXPECT_TRUE(sheet->isAncestorOf(w))
                << "Tab left the sheet for " << who(s, w).toStdString();
        for (QWidget* w : shownControls(sheet)) {
            if (takesTab(w) && !reachedByArrowsOnly(w)) {
                EXPECT_TRUE(visited.contains(w)) << who(s, w).toStdString() << " is never reached";
            }
        }

        // Within one frame: top to bottom, and left to right along a row.
        for (qsizetype i = 1; i < visited.size(); ++i) {
            const QWidget* a = visited[i - 1];
            const QWidget* b = visited[i];
            if (a->parentWidget() != b->parentWidget())
                continue;
            const QRect ra(a->mapTo(sheet, QPoint()), a->size());
            const QRect rb(b->mapTo(sheet, QPoint()), b->size());
            const bool sameRow = std::abs(ra.center().y() - rb.center().y()) <
                                 std::min(ra.height(), rb.height()) / 2;
            const bool inOrder =
                sameRow ? rb.left() > ra.left() : rb.center().y() > ra.center().y();
            EXPECT_TRUE(inOrder) << who(s, a).toStdString() << " -> " << who(s, b).toStdString();
        }
    }
}

// A screen reader toggles an option through its accessible action, not a mouse click.
TEST_F(DesktopUseTest, ToggleActionOnAnOptionDoesWhatAClickDoes) {
    for (const LiveSheet& s : sheets) {
        QStringList names;
        for (QRadioButton* option : openLiveSheet(main, s)->findChildren<QRadioButton*>())
            if (!option->isChecked() && option->isVisibleTo(main.currentSheet()))
                names << option->objectName();
        for (const QString& name : names) {
            auto* option = openLiveSheet(main, s)->findChild<QRadioButton*>(name);
            // On the indicator: a radio button laid out wider than its caption takes clicks
            // on the indicator and caption only, as everywhere on the desktop.
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            const QStringList clicked = sheetState(main.currentSheet());

            option = openLiveSheet(main, s)->findChild<QRadioButton*>(name);
            QAccessibleActionInterface* actions =
                QAccessible::queryAccessibleInterface(option)->actionInterface();
            ASSERT_NE(actions, nullptr);
            actions->doAction(QAccessibleActionInterface::toggleAction());
            EXPECT_TRUE(option->isChecked())
                << s.caption.toStdString() << " " << name.toStdString();
            const QStringList toggled = sheetState(main.currentSheet());
            ASSERT_EQ(toggled.size(), clicked.size()) << s.caption.toStdString();
            for (qsizetype i = 0; i < toggled.size(); ++i)
                EXPECT_EQ(toggled[i].toStdString(), clicked[i].toStdString())
                    << s.caption.toStdString() << " " << name.toStdString();
        }
    }
}

// Typing the start of an item's caption in an open menu moves to that item.
TEST_F(DesktopUseTest, TypingInAMenuFindsTheItem) {
    QMenu* electrical = main.findChild<QMenu*>(QStringLiteral("mnuElectricalItem_0"));
    ASSERT_NE(electrical, nullptr);
    electrical->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(electrical));
    QTest::keyClicks(electrical, QStringLiteral("Ohms Law (D"));
    ASSERT_NE(electrical->activeAction(), nullptr);
    EXPECT_EQ(electrical->activeAction()->text(), "Ohms Law (DC)");
    electrical->close();
}

// Ctrl+C copies the history nearest the focus, headings first; an entry with selected text
// keeps Ctrl+C for itself.
TEST_F(DesktopUseTest, CtrlCCopiesTheHistoryOfTheDcSheet) {
    QWidget* sheet = openLiveSheet(main, {QStringLiteral("mnuGeneralItem_9"), {}});
    auto* a = sheet->findChild<QLineEdit*>(QStringLiteral("txtgiven_0"));
    auto* b = sheet->findChild<QLineEdit*>(QStringLiteral("txtgiven_1"));
    for (const auto& [va, vb] : {std::pair{"12", "4"}, std::pair{"6", "2"}}) {
        a->setText(QString::fromLatin1(va));
        b->setText(QString::fromLatin1(vb));
        QTest::keyClick(b, Qt::Key_Return);
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    a->setFocus();
    a->selectAll();
    QTest::keySequence(a, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "6");

    a->deselect();
    QTest::keySequence(a, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "V(Volts)\tR(ohms)\tI(Amps)\n6.00\t2.00\t3.00\n12.00\t4.00\t3.00\n");
}

// Sheets with one set of answers copy them, caption and value, after a calculation.
TEST_F(DesktopUseTest, CtrlCCopiesTheAnswersWithTheirCaptions) {
    struct Case {
        const char* action;
        std::pair<const char*, const char*> entries[2]; // unused slots left null
        const char* line;                               // one line the copy must hold
    };
    const Case cases[] = {
        {"mnuGeometryItem_0", {{"txtGivenValue_0", "1"}}, "Area\t3.14\n"},
        {"mnuGeometryItem_2", {{"txtGivenValue_0", "3"}, {"txtGivenValue_1", "4"}}, "Area\t12"},
        {"mnu3dGeometryItem_0", {{"txtGivenValue", "1"}}, "Diameter\t2"},
        {"mnuGeometryItem_1", {{"txtInput_0", "3"}, {"txtInput_1", "4"}}, "c=\t5.0\n"},
        {"mnuGeometryItem_9", {{"txtGivenValue", "1"}}, "Octagon\t4.8"},
        {"mnuGeneralItem_6", {}, "Resistor Value\t1 ohm, 1%\n"},
    };
    for (const Case& c : cases) {
        QWidget* sheet = openLiveSheet(main, {QString::fromLatin1(c.action), {}});
        ASSERT_NE(sheet, nullptr) << c.action;
        for (const auto& [name, value] : c.entries)
            if (name)
                sheet->findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(value));
        if (auto* calculate = sheet->findChild<QAbstractButton*>(QStringLiteral("cmdCalculate")))
            calculate->click();
        QGuiApplication::clipboard()->clear();
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::Copy);
        const QString copied = QGuiApplication::clipboard()->text();
        EXPECT_TRUE(copied.contains(QLatin1String(c.line)))
            << c.action << " copied " << copied.toStdString();
        EXPECT_TRUE(errors.shown.empty()) << c.action;
    }
}

} // namespace
