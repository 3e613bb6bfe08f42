#include <gtest/gtest.h>

#include <QString>
#include <map>
#include <set>

#include "shell/MenuTable.h"

namespace {

using enum ItemArray;

std::string where(const MenuItemRow& row) {
    return std::string(itemArrayName(row.array)) + '_' + std::to_string(row.index);
}

TEST(MenuTable, NoItemIsListedTwice) {
    std::set<std::pair<int, int>> seen;
    for (const MenuItemRow& row : menuItems())
        EXPECT_TRUE(seen.insert({static_cast<int>(row.array), row.index}).second) << where(row);
}

// An item whose array no menu holds would never be shown; a submenu must name a menu before it.
TEST(MenuTable, EveryItemArrayIsHeldByExactlyOneMenu) {
    std::map<ItemArray, int> holders;
    for (std::size_t i = 0; i < menus().size(); ++i) {
        const MenuRow& m = menus()[i];
        EXPECT_LT(m.parent, static_cast<int>(i)) << m.objectName;
        if (m.holdsItems)
            ++holders[m.items];
    }
    for (const MenuItemRow& row : menuItems())
        EXPECT_EQ(holders[row.array], 1) << where(row);
}

// The captions the design spells its own way, which a well-meant correction would break.
TEST(MenuTable, CaptionsKeepTheDesignsSpelling) {
    const std::tuple<ItemArray, int, const char*> cases[] = {
        {mnuSinglePhaseItem, 1, "Current Calcuations"},
        {mnuGeneralItem, 6, "Resister Color Codes"},
        {mnuGeneralItem, 8, "HP vs. Torque "},
        {mnuFileItem, 1, "&Exit"},
        {mnuHelpItem, 1, "About"},
    };
    for (const auto& [array, index, caption] : cases) {
        const MenuItemRow* row = findMenuItem(array, index);
        ASSERT_NE(row, nullptr) << caption;
        EXPECT_STREQ(row->caption, caption);
    }
    EXPECT_EQ(findMenuItem(mnuFileItem, 1)->command, Command::Exit);
    EXPECT_EQ(findMenuItem(mnuHelpItem, 1)->command, Command::About);
}

// Margins belong to the command, not the sheet: the supply menus open the same sheets with
// different margins.
TEST(MenuTable, SupplyMenusOpenTheSameSheetWithTheirOwnMargins) {
    const std::tuple<int, int, int, int, int> cases[] = {
        // index, single-phase width / height, three-phase width / height
        {0, 500, 1000, 500, 1000},
        {1, 500, 1000, 1050, 1050},
        {2, 500, 1000, 1050, 1050},
        {3, 500, 1000, 1050, 1050},
    };
    for (const auto& [index, singleW, singleH, threeW, threeH] : cases) {
        const MenuItemRow* single = findMenuItem(mnuSinglePhaseItem, index);
        const MenuItemRow* three = findMenuItem(mnu3PhaseItem, index);
        ASSERT_TRUE(single && three) << index;
        EXPECT_EQ(single->factory, three->factory) << index;
        EXPECT_EQ(std::pair(single->widthMarginTwips, single->heightMarginTwips),
                  std::pair(singleW, singleH))
            << index;
        EXPECT_EQ(std::pair(three->widthMarginTwips, three->heightMarginTwips),
                  std::pair(threeW, threeH))
            << index;
        EXPECT_EQ(single->selectorValue, 0);
        EXPECT_EQ(three->selectorValue, -1);
    }
}

// Alt and a letter must lead to one menu of the bar only, and to one item within a menu.
TEST(MenuTable, AccessKeysAreUniqueWithinEachMenu) {
    const auto key = [](const char* caption) -> QChar {
        const QString text = QString::fromLatin1(caption);
        const qsizetype amp = text.indexOf(u'&');
        return amp >= 0 && amp + 1 < text.size() ? text.at(amp + 1).toLower() : QChar();
    };
    std::map<std::pair<int, QChar>, std::string> taken; // (menu or -1 for the bar, key)
    const auto claim = [&](int menu, QChar k, const std::string& who) {
        if (k.isNull())
            return;
        const auto [it, fresh] = taken.insert({{menu, k}, who});
        EXPECT_TRUE(fresh) << who << " and " << it->second << " share the key "
                           << QString(k).toStdString();
    };
    for (std::size_t i = 0; i < menus().size(); ++i)
        claim(menus()[i].parent, key(menus()[i].title), menus()[i].objectName);
    for (const MenuItemRow& row : menuItems())
        claim(1000 + static_cast<int>(row.array), key(row.caption), where(row));
}

} // namespace
