#pragma once

#include <QtGlobal>
#include <span>

class QWidget;

// The menu tree as data. The menu bar is built from it and every menu handler looks its item up
// in it, so adding a sheet is one row.

// The menu-item arrays; each has its own click handler that receives the item's index.
enum class ItemArray {
    mnuFileItem,
    mnuGeometryItem,
    mnu3dGeometryItem,
    mnuGeneralItem,
    itmEncRatings,
    mnuSinglePhaseItem,
    mnu3PhaseItem,
    mnuNECItem,
    mnuHelpItem,
};

// The global a command sets before it loads its sheet.
enum class Selector {
    None,
    FigureSelect,
    CircleSelect,
    ThreePhase,
    CapacitorMode,
    WhiteBackground, // not a selector: the frame turns white for the enclosure sheets
};

enum class Command { OpenSheet, Exit, About };

// Loads a sheet; its constructor is its load step.
using SheetFactory = QWidget* (*)();

struct MenuItemRow {
    ItemArray array;
    qint16 index;
    const char* caption;
    Command command;
    Selector selector = Selector::None;
    qint16 selectorValue = 0;
    SheetFactory factory = nullptr; // null while the sheet is not built: the item is disabled
    int widthMarginTwips = 0;
    int heightMarginTwips = 0;
};

// A menu of the menu bar, or a submenu of one when `parent` is not -1 (an index into menus()).
struct MenuRow {
    const char* objectName;
    const char* title;
    int parent;
    bool holdsItems; // false for a menu that holds only submenus
    ItemArray items;
};

std::span<const MenuRow> menus();
std::span<const MenuItemRow> menuItems();

// The row of an item, or null when the array has no such index.
const MenuItemRow* findMenuItem(ItemArray array, int index);

// "mnuGeneralItem", as the item's object name starts.
const char* itemArrayName(ItemArray array);
