#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

#include "common/ResultHistory.h"
#include "shell/MDIMain.h"
#include "support/ErrorRecorder.h"
#include "support/LiveSheets.h"

// Every live sheet of the menu table gets seeded streams of random keys, pastes and clicks.
// It must not crash, no label may ever show "inf" or "nan", and a history row may only be written
// by a CALCULATE or FIND press (an option may clear the history). Each sheet runs the fixed seeds
// below, so a run is repeatable; KELVO_MONKEY_SEED=<seed> replays one seed instead, and
// KELVO_MONKEY_SEED=random explores a fresh one (printed for the replay). KELVO_MONKEY_EVENTS
// sets the number of events per sheet and seed.

namespace {

constexpr quint32 fixedSeeds[] = {1, 2, 3};

std::vector<quint32> monkeySeeds() {
    const QString chosen = qEnvironmentVariable("KELVO_MONKEY_SEED");
    if (chosen.isEmpty())
        return {std::begin(fixedSeeds), std::end(fixedSeeds)};
    if (chosen == QLatin1String("random"))
        return {std::random_device{}()};
    bool ok = false;
    const quint32 seed = chosen.toUInt(&ok);
    if (!ok) {
        std::fprintf(stderr, "KELVO_MONKEY_SEED is a number or \"random\", not \"%s\"\n",
                     qPrintable(chosen));
        std::exit(2);
    }
    return {seed};
}

int eventCount() {
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("KELVO_MONKEY_EVENTS", &ok);
    return ok && count > 0 ? count : 2000;
}

const char* const pasteAtoms[] = {
    "1",   "0",     "9", ".", "..", "-",  "+",   "e",     "E308",   "e-308",  "inf",     "nan",
    "NaN", "1e999", " ", ",", "x",  "\t", "0.0", "1.2.3", "\u00b5", "\u2212", "00000000"};

const Qt::Key controlKeys[] = {
    Qt::Key_Backspace, Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Return,
    Qt::Key_Enter,     Qt::Key_Escape, Qt::Key_Delete,  Qt::Key_Left,
    Qt::Key_Right,     Qt::Key_Up,     Qt::Key_Down,    Qt::Key_Home,
    Qt::Key_End,       Qt::Key_Space,  Qt::Key_PageUp,  Qt::Key_PageDown};

bool isPressButton(const QAbstractButton* button) {
    const QString text = button->text().remove(u'&').toUpper();
    return text.contains(QLatin1String("CALCULATE")) || text.contains(QLatin1String("FIND"));
}

template <class W> QList<W*> usable(QWidget* sheet) {
    QList<W*> found;
    for (W* w : sheet->findChildren<W*>()) {
        if (w->isVisible() && w->isEnabled())
            found.push_back(w);
    }
    return found;
}

class Monkey {
public:
    Monkey(MDIMain& main, quint32 seed) : m_main(main), m_random(seed) {}

    // One random event; returns what it did, for the failure message.
    QString step(QWidget* sheet) {
        const int kind = pick(100);
        if (kind < 35)
            return typeKey(sheet);
        if (kind < 42)
            return focusEntry(sheet);
        if (kind < 46)
            return typeNumber(sheet);
        if (kind < 50)
            return fillAndPress(sheet);
        if (kind < 62)
            return paste(sheet);
        if (kind < 90)
            return clickButton(sheet);
        return chooseFromList(sheet);
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <class T> T* any(const QList<T*>& list) {
        return list.isEmpty() ? nullptr : list.at(pick(static_cast<int>(list.size())));
    }

    QWidget* keyTarget(QWidget* sheet) {
        QWidget* focus = QApplication::focusWidget();
        return focus && m_main.isAncestorOf(focus) ? focus : sheet;
    }

    QString typeKey(QWidget* sheet) {
        QWidget* target = keyTarget(sheet);
        const int kind = pick(4);
        if (kind == 0) {
            const Qt::Key key = controlKeys[pick(std::size(controlKeys))];
            QTest::keyClick(target, key);
            return QStringLiteral("key %1 on %2").arg(int(key)).arg(target->objectName());
        }
        static const char printable[] = "0123456789.0123456789.abcxyzEe-+,;/ *()#%";
        const char c = printable[pick(sizeof printable - 1)];
        const auto modifier = pick(10) == 0 ? Qt::ControlModifier : Qt::NoModifier;
        QTest::keyClick(target, c, modifier);
        return QStringLiteral("key '%1'%2 on %3")
            .arg(QLatin1Char(c))
            .arg(modifier == Qt::ControlModifier ? QStringLiteral(" +Ctrl") : QString())
            .arg(target->objectName());
    }

    QString focusEntry(QWidget* sheet) {
        QLineEdit* box = any(usable<QLineEdit>(sheet));
        if (!box)
            return typeKey(sheet);
        QTest::mouseClick(box, Qt::LeftButton);
        box->setFocus();
        return QStringLiteral("click entry %1").arg(box->objectName());
    }

    // A plausible value typed over an entry, so calculations also succeed now and then.
    QString typeNumber(QWidget* sheet) {
        QLineEdit* box = any(usable<QLineEdit>(sheet));
        if (!box)
            return typeKey(sheet);
        static const char* const values[] = {"0",   "1",    "2.5", "12",          "115",     "0.85",
                                             "460", "1000", ".5",  "99999999999", "0.000001"};
        const char* value = values[pick(std::size(values))];
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(value));
        return QStringLiteral("type %1 into %2").arg(QLatin1String(value), box->objectName());
    }

    // Every entry gets a plausible value, then a CALCULATE or FIND is pressed.
    QString fillAndPress(QWidget* sheet) {
        for (QLineEdit* box : usable<QLineEdit>(sheet)) {
            box->selectAll();
            QTest::keyClicks(box, QString::number(1 + pick(500)));
        }
        QList<QAbstractButton*> pressButtons;
        for (QAbstractButton* button : usable<QAbstractButton>(sheet)) {
            if (isPressButton(button))
                pressButtons.push_back(button);
        }
        QAbstractButton* button = any(pressButtons);
        if (!button)
            return QStringLiteral("fill entries");
        QTest::mouseClick(button, Qt::LeftButton);
        return QStringLiteral("fill entries, click %1").arg(button->objectName());
    }

    QString paste(QWidget* sheet) {
        QLineEdit* box = any(usable<QLineEdit>(sheet));
        if (!box)
            return typeKey(sheet);
        QString text;
        for (int i = pick(4); i >= 0; --i)
            text += QString::fromUtf8(pasteAtoms[pick(std::size(pasteAtoms))]);
        QGuiApplication::clipboard()->setText(text);
        box->setFocus();
        if (pick(3) == 0)
            box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste \"%1\" into %2").arg(text, box->objectName());
    }

    QString clickButton(QWidget* sheet) {
        QAbstractButton* button = any(usable<QAbstractButton>(sheet));
        if (!button)
            return typeKey(sheet);
        QTest::mouseClick(button, Qt::LeftButton);
        return QStringLiteral("click %1").arg(button->objectName());
    }

    QString chooseFromList(QWidget* sheet) {
        if (QComboBox* combo = any(usable<QComboBox>(sheet))) {
            combo->setFocus();
            const Qt::Key key = pick(2) ? Qt::Key_Down : Qt::Key_Up;
            QTest::keyClick(combo, key);
            return QStringLiteral("list %1 key %2").arg(combo->objectName()).arg(int(key));
        }
        if (QAbstractItemView* view = any(usable<QAbstractItemView>(sheet))) {
            const QAbstractItemModel* model = view->model();
            const int rows = model ? model->rowCount(view->rootIndex()) : 0;
            if (rows > 0) {
                const QModelIndex index = model->index(pick(rows), 0, view->rootIndex());
                view->scrollTo(index);
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                  view->visualRect(index).center());
                return QStringLiteral("list %1 row %2").arg(view->objectName()).arg(index.row());
            }
        }
        return clickButton(sheet);
    }

    MDIMain& m_main;
    std::mt19937 m_random;
};

// Watches the sheet's CALCULATE and FIND buttons (those built on demand as well).
class PressWatch {
public:
    void watch(QWidget* sheet) {
        for (QAbstractButton* button : sheet->findChildren<QAbstractButton*>()) {
            if (button->property("monkeyWatched").toBool() || !isPressButton(button))
                continue;
            button->setProperty("monkeyWatched", true);
            QObject::connect(button, &QAbstractButton::clicked, [this] {
                pressed = true;
                ++count;
            });
        }
    }
    bool pressed = false;
    int count = 0;
};

QHash<QLabel*, QString> historyTexts(QWidget* sheet) {
    QHash<QLabel*, QString> texts;
    for (QLabel* label : sheet->findChildren<QLabel*>()) {
        if (label->property(ResultHistory::RowProperty).isValid())
            texts.insert(label, label->text());
    }
    return texts;
}

// A label showing a non-finite value, or null.
QLabel* nonFiniteLabel(QWidget* window) {
    static const QRegularExpression nonFinite(QStringLiteral("\\b(inf|infinity|nan)\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (nonFinite.match(label->text()).hasMatch())
            return label;
    }
    return nullptr;
}

// One stream of events on one sheet; a failure names the seed and the event that broke it.
void runMonkey(const MenuItemRow& row, quint32 seed) {
    const QString sheetName = LiveSheets::label(row);
    std::printf("monkey: %s, seed %u (replay: KELVO_MONKEY_SEED=%u)\n", qPrintable(sheetName), seed,
                seed);
    std::fflush(stdout);

    ErrorRecorder errors; // acknowledges every message
    MDIMain main;
    main.show();
    QAction* action = LiveSheets::action(main, row);
    ASSERT_NE(action, nullptr);
    action->trigger();

    Monkey monkey(main, seed);
    PressWatch presses;
    const int events = eventCount();
    for (int i = 0; i < events; ++i) {
        QWidget* sheet = main.currentSheet();
        ASSERT_NE(sheet, nullptr) << "the sheet closed itself; seed " << seed << ", event " << i;
        presses.watch(sheet);
        presses.pressed = false;
        const auto before = historyTexts(sheet);
        const QString event = monkey.step(sheet);
        QCoreApplication::sendPostedEvents();

        const QString where = QStringLiteral("seed %1, event %2 (%3)").arg(seed).arg(i).arg(event);
        if (QLabel* label = nonFiniteLabel(&main))
            FAIL() << qPrintable(label->objectName()) << " shows \"" << qPrintable(label->text())
                   << "\"; " << qPrintable(where);
        if (presses.pressed || main.currentSheet() != sheet)
            continue;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const QString now = it.key()->text();
            if (!now.isEmpty() && now != it.value())
                FAIL() << "history label " << qPrintable(it.key()->objectName()) << " went from \""
                       << qPrintable(it.value()) << "\" to \"" << qPrintable(now)
                       << "\" without a CALCULATE or FIND press; " << qPrintable(where);
        }
    }
    std::printf("monkey: %d events, %d CALCULATE/FIND presses, %zu messages acknowledged\n", events,
                presses.count, errors.shown.size());
}

class MonkeyTest : public ::testing::TestWithParam<const MenuItemRow*> {};

TEST_P(MonkeyTest, SurvivesRandomEvents) {
    for (const quint32 seed : monkeySeeds()) {
        runMonkey(*GetParam(), seed);
        if (HasFatalFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(EverySheet, MonkeyTest, ::testing::ValuesIn(LiveSheets::rows()),
                         [](const ::testing::TestParamInfo<const MenuItemRow*>& info) {
                             return LiveSheets::actionName(*info.param).toStdString();
                         });

} // namespace
