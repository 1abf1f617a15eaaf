// MenuModel.h: the menus of the main window, one set while no document is
// open and one while a document is, and the toolbar's buttons, as data the
// window builds its menus and toolbar from.
#pragma once

#include <span>
#include <string_view>
#include <vector>

enum class MenuSet { noDocument, document };

struct MenuItem {
    enum class Kind { command, separator, submenu, recentFiles };
    Kind kind = Kind::command;
    int text = 0;     // string number of the caption, shortcut after a tab
    int command = 0;  // command number, for Kind::command
    bool checkable = false;
    std::vector<MenuItem> items;  // for Kind::submenu
};

// The menu bar's menus, left to right, each a Kind::submenu.
const std::vector<MenuItem>& menuBar(MenuSet set);

struct ToolbarButton {
    int command = 0;  // 0 stands for a separator
    std::string_view icon;
};

std::span<const ToolbarButton> toolbarButtons();
