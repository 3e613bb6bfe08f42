#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/GlobalSubs.h"
#include "geometry/frmPolygon.h"
#include "geometry/frmSphere.h"
#include "support/ErrorRecorder.h"

namespace {

QStringList texts(QWidget& sheet, const QStringList& names) {
    QStringList shown;
    for (const QString& name : names)
        shown << sheet.findChild<QLabel*>(name)->text();
    return shown;
}

const QStringList sphereAnswers{"lblRadius", "lblDiameter", "lblCircum", "lblArea", "lblVolume"};

void calculate(QWidget& sheet, const QString& text) {
    auto* box = sheet.findChild<QLineEdit*>(QStringLiteral("txtGivenValue"));
    box->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

TEST(frmSphere, EachGivenQuantity) {
    frmSphere sheet;
    sheet.show();
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::Sphere);
    const std::tuple<int, const char*, const char*, QStringList> cases[] = {
        {4, "Volume =", "1", {".62", "1.241", "3.9", "4.84", "1.0"}},
        {0, "Radius = ", "1", {"1.00", "2.00", "6.28", "12.57", "4.19"}},
        {1, "Diameter = ", "", {".00", ".00", ".0", ".0", ".0"}},
        {3, "Surface area = ", "12.5664", {"1.00", "2.00", "6.28", "12.57", "4.19"}},
    };
    for (const auto& [option, caption, text, expected] : cases) {
        calculate(sheet, QStringLiteral("9"));
        QTest::mouseClick(
            sheet.findChild<QRadioButton*>(QStringLiteral("optGivensphere_%1").arg(option)),
            Qt::LeftButton, {}, QPoint(6, 6));
        EXPECT_EQ(sheet.findChild<QLabel*>(QStringLiteral("lblGivenValue"))->text(), caption);
        // Choosing another quantity empties the entry and the answers.
        EXPECT_EQ(texts(sheet, sphereAnswers), (QStringList{"", "", "", "", ""}));
        calculate(sheet, QString::fromLatin1(text));
        EXPECT_EQ(texts(sheet, sphereAnswers), expected) << caption;
    }
}

QStringList polygonAnswers() {
    QStringList names;
    for (int i = 0; i < 10; ++i)
        names << QStringLiteral("lblAnswer_%1").arg(i);
    return names;
}

TEST(frmPolygon, RowsAndAreas) {
    frmPolygon sheet;
    EXPECT_EQ(GlobalSubs::CurrentFormKind, FormKind::Polygon);
    EXPECT_EQ(texts(sheet, {"lblResult_0", "lblResult_14", "lblResult_4", "lblResult_10",
                            "lblResult_5", "lblResult_15", "lblResult_20", "lblResult_21"}),
              (QStringList{"Eq. Triangle", "3", "Heptagon", "7", "Octagon", "8", "Polygon",
                           "No. of Sides"}));
    calculate(sheet, QStringLiteral("2"));
    EXPECT_EQ(texts(sheet, polygonAnswers()),
              (QStringList{"1.732", "4.00", "6.882", "10.392", "14.536", "19.314", "24.727",
                           "30.777", "37.462", "44.784"}));
}

TEST(frmPolygon, EmptyOrMalformedSideIsToldAndKeepsTheAreas) {
    frmPolygon sheet;
    ErrorRecorder errors;
    calculate(sheet, QStringLiteral("2"));
    const QStringList before = texts(sheet, polygonAnswers());
    for (const char* text : {"", ".", "1.2.3"}) {
        errors.shown.clear();
        calculate(sheet, QString::fromLatin1(text));
        EXPECT_EQ(errors.shown.size(), 1u) << text;
        EXPECT_EQ(texts(sheet, polygonAnswers()), before) << text;
    }
    sheet.cmdClear_Click();
    EXPECT_EQ(texts(sheet, polygonAnswers()), QStringList(10, QString()));
}

} // namespace
