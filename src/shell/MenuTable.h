#pragma once

#include <QtGlobal>
#include <span>

class QWidget;

// The menu tree as data. The menu bar is built from it and every menu handler looks its item up
// in it, so adding a sheet is one row of the item table, and adding a menu is one name in the
// array list below plus one row of the menu table.

// The menu-item arrays. Each gets an `ItemArray` value, its name ("mnuGeneralItem", as its
// items' object names start) and a click handler `<name>_Click(int index)` on the main window.
#define KELVO_ITEM_ARRAYS(X)                                                                       \
    X(mnuFileItem)                                                                                 \
    X(mnuGeometryItem)                                                                             \
    X(mnu3dGeometryItem)                                                                           \
    X(mnuGeneralItem)                                                                              \
    X(itmEncRatings)                                                                               \
    X(mnuSinglePhaseItem)                                                                          \
    X(mnu3PhaseItem)                                                                               \
    X(mnuNECItem)                                                                                  \
    X(mnuHelpItem)

enum class ItemArray {
#define KELVO_ITEM_ARRAY_VALUE(name) name,
    KELVO_ITEM_ARRAYS(KELVO_ITEM_ARRAY_VALUE)
#undef KELVO_ITEM_ARRAY_VALUE
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
