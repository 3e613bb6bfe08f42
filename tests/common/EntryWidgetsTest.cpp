#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include "common/EntryFilterWidget.h"
#include "common/EntryReading.h"
#include "common/ErrorBox.h"
#include "support/ErrorRecorder.h"

namespace {

class EntryFilterWidgetTest : public ::testing::Test {
protected:
    void SetUp() override { attachEntryFilter(&box); }
    QLineEdit box;
};

TEST_F(EntryFilterWidgetTest, RefusedCharactersChangeNothing) {
    for (const char* typed : {"-", "+", "e", ",", " ", "a", "Z", "%", "/"}) {
        box.setText(QStringLiteral("12"));
        QTest::keyClicks(&box, QString::fromLatin1(typed));
        EXPECT_EQ(box.text(), "12") << "typed " << typed;
    }
}

TEST_F(EntryFilterWidgetTest, DigitsAndPointsAreTyped) {
    QTest::keyClicks(&box, QStringLiteral("1.5"));
    EXPECT_EQ(box.text(), "1.5");
    QTest::keyClicks(&box, QStringLiteral(".3"));
    EXPECT_EQ(box.text(), "1.5.3") << "a second point is not the filter's business";
}

TEST_F(EntryFilterWidgetTest, EditingKeysStillWork) {
    QTest::keyClicks(&box, QStringLiteral("123"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "12");
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), "1");
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box.selectedText(), "1");
}

TEST_F(EntryFilterWidgetTest, ClipboardKeysPass) {
    box.setText(QStringLiteral("4.5"));
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    box.clear();
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    if (QApplication::clipboard()->text() != "4.5")
        GTEST_SKIP() << "no clipboard on this platform";
    EXPECT_EQ(box.text(), "4.5");
}

struct ReadCase {
    const char* text;
    bool accepted;
    const char* messageContains;
};

TEST(ReadNumber, RefusesWhatDoesNotConvertWithAPlainMessage) {
    const ReadCase cases[] = {
        {"12.5", true, ""},
        {"", false, "The V box is empty."},
        {"   ", false, "The V box is empty."},
        {".", false, "\".\" in the V box is not a number."},
        {"1.2.3", false, "\"1.2.3\" in the V box is not a number."},
        {"12abc", false, "\"12abc\" in the V box is not a number."},
    };
    for (const ReadCase& c : cases) {
        ErrorRecorder errors;
        QLineEdit box(QString::fromLatin1(c.text));
        const auto value = readNumber(&box, QStringLiteral("V"));
        EXPECT_EQ(value.has_value(), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_TRUE(errors.shown.empty());
            continue;
        }
        ASSERT_EQ(errors.shown.size(), 1u) << c.text;
        EXPECT_TRUE(errors.shown[0].text.contains(QString::fromLatin1(c.messageContains)))
            << errors.shown[0].text.toStdString();
        EXPECT_EQ(errors.shown[0].title, "Error");
    }
}

TEST(AcceptResult, TellsEachFaultInItsOwnWords) {
    const std::pair<ArithmeticFault, const char*> cases[] = {
        {ArithmeticFault::DivisionByZero, "divisor is zero"},
        {ArithmeticFault::Overflow, "too large"},
        {ArithmeticFault::NotReal, "no real result"},
    };
    for (const auto& [fault, words] : cases) {
        ErrorRecorder errors;
        EXPECT_FALSE(acceptResult({0.0, fault}));
        ASSERT_EQ(errors.shown.size(), 1u);
        EXPECT_TRUE(errors.shown[0].text.contains(QString::fromLatin1(words)));
    }
    ErrorRecorder errors;
    EXPECT_TRUE(acceptResult({3.0, ArithmeticFault::None}));
    EXPECT_TRUE(errors.shown.empty());
}

TEST(BoxNameFromCaption, StripsTheEqualsSignAndAccessKey) {
    EXPECT_EQ(boxNameFromCaption(QStringLiteral("V =")), "V");
    EXPECT_EQ(boxNameFromCaption(QStringLiteral("&Power =")), "Power");
}

// Messages quote pasted text, so markup in it must reach the user as the characters typed.
TEST(ErrorBox, ShowsEveryMessageAsPlainText) {
    for (const char* pasted : {"<img src=x.png>", "<a href=\"http://x\">5</a>", "<b>5"}) {
        const Message message =
            Messages::entryNotANumber(QStringLiteral("R1"), QString::fromLatin1(pasted));
        const auto box = ErrorBox::build(message.text, message.title, nullptr);
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box->windowTitle(), "Error");
        int shown = 0;
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text() != message.text)
                continue;
            ++shown;
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << pasted;
        }
        EXPECT_EQ(shown, 1) << pasted;
    }
}

} // namespace
