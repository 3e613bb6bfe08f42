#include <gtest/gtest.h>

#include <set>

#include "shell/MenuTable.h"

namespace {

struct Expected {
    ItemArray array;
    int index;
    Selector selector;
    int value;
    int widthMargin, heightMargin;
};

using enum ItemArray;
using enum Selector;

// What each sheet command sets before it loads and how far its sheet stays inside the frame.
const Expected expected[] = {
    {mnuGeometryItem, 0, CircleSelect, 0, 1050, 1050},
    {mnuGeometryItem, 1, None, 0, 1050, 1050},
    {mnuGeometryItem, 2, FigureSelect, 0, 1050, 1050},
    {mnuGeometryItem, 3, FigureSelect, 1, 1050, 1050},
    {mnuGeometryItem, 4, FigureSelect, 2, 1050, 1050},
    {mnuGeometryItem, 5, FigureSelect, 3, 1050, 1050},
    {mnuGeometryItem, 6, FigureSelect, 4, 1050, 1050},
    {mnuGeometryItem, 7, FigureSelect, 5, 1050, 1050},
    {mnuGeometryItem, 8, FigureSelect, 6, 1050, 1050},
    {mnuGeometryItem, 9, None, 0, 1050, 1050},
    {mnuGeometryItem, 10, CircleSelect, 1, 1050, 1050},
    {mnuGeometryItem, 11, CircleSelect, 2, 1050, 1050},
    {mnu3dGeometryItem, 0, None, 0, 1050, 1050},
    {mnu3dGeometryItem, 1, FigureSelect, 7, 1050, 1050},
    {mnu3dGeometryItem, 2, FigureSelect, 8, 1050, 1050},
    {mnu3dGeometryItem, 3, FigureSelect, 9, 1050, 1050},
    {mnu3dGeometryItem, 4, FigureSelect, 10, 1050, 1050},
    {mnu3dGeometryItem, 5, FigureSelect, 11, 1050, 1050},
    {mnu3dGeometryItem, 6, FigureSelect, 12, 1050, 1050},
    {mnuGeneralItem, 0, None, 0, 500, 1000},
    {mnuGeneralItem, 1, None, 0, 500, 1000},
    {mnuGeneralItem, 2, CapacitorMode, -1, 500, 1000},
    {mnuGeneralItem, 3, CapacitorMode, 0, 500, 1000},
    {mnuGeneralItem, 4, None, 0, 500, 1000},
    {mnuGeneralItem, 5, None, 0, 200, 800},
    {mnuGeneralItem, 6, None, 0, 200, 800},
    {mnuGeneralItem, 7, None, 0, 1050, 1050},
    {mnuGeneralItem, 8, None, 0, 1050, 1050},
    {mnuGeneralItem, 9, None, 0, 1050, 1050},
    {mnuGeneralItem, 10, None, 0, 1050, 1050},
    {itmEncRatings, 0, WhiteBackground, 0, 1000, 1000},
    {itmEncRatings, 1, WhiteBackground, 0, 1000, 1000},
    {itmEncRatings, 2, WhiteBackground, 0, 1000, 1000},
    {itmEncRatings, 3, WhiteBackground, 0, 1000, 1000},
    {mnuSinglePhaseItem, 0, ThreePhase, 0, 500, 1000},
    {mnuSinglePhaseItem, 1, ThreePhase, 0, 500, 1000},
    {mnuSinglePhaseItem, 2, ThreePhase, 0, 500, 1000},
    {mnuSinglePhaseItem, 3, ThreePhase, 0, 500, 1000},
    {mnu3PhaseItem, 0, ThreePhase, -1, 500, 1000},
    {mnu3PhaseItem, 1, ThreePhase, -1, 1050, 1050},
    {mnu3PhaseItem, 2, ThreePhase, -1, 1050, 1050},
    {mnu3PhaseItem, 3, ThreePhase, -1, 1050, 1050},
    {mnuNECItem, 2, None, 0, 500, 1000},
    {mnuNECItem, 3, None, 0, 500, 1000},
};

TEST(MenuTable, EverySheetCommandSetsItsSelectorAndMargins) {
    int sheetRows = 0;
    for (const MenuItemRow& row : menuItems())
        sheetRows += row.command == Command::OpenSheet;
    EXPECT_EQ(sheetRows, static_cast<int>(std::size(expected)));

    for (const Expected& e : expected) {
        const MenuItemRow* row = findMenuItem(e.array, e.index);
        ASSERT_NE(row, nullptr) << itemArrayName(e.array) << ' ' << e.index;
        const std::string where =
            std::string(itemArrayName(e.array)) + ' ' + std::to_string(e.index);
        EXPECT_EQ(row->command, Command::OpenSheet) << where;
        EXPECT_EQ(row->selector, e.selector) << where;
        EXPECT_EQ(row->selectorValue, e.value) << where;
        EXPECT_EQ(row->widthMarginTwips, e.widthMargin) << where;
        EXPECT_EQ(row->heightMarginTwips, e.heightMargin) << where;
    }
}

TEST(MenuTable, ExitAndAboutAreElementOneOfTheirArrays) {
    EXPECT_EQ(findMenuItem(mnuFileItem, 1)->command, Command::Exit);
    EXPECT_EQ(findMenuItem(mnuHelpItem, 1)->command, Command::About);
    EXPECT_EQ(findMenuItem(mnuFileItem, 0), nullptr);
    EXPECT_EQ(findMenuItem(mnuGeneralItem, 11), nullptr);
}

TEST(MenuTable, NoItemIsListedTwice) {
    std::set<std::pair<int, int>> seen;
    for (const MenuItemRow& row : menuItems())
        EXPECT_TRUE(seen.insert({static_cast<int>(row.array), row.index}).second)
            << itemArrayName(row.array) << ' ' << row.index;
}

} // namespace
