// Pop-up menus: items with command ids, separators and sub-menus.
#pragma once

#include <string>
#include <vector>

#pragma GCC visibility push(default)

namespace zplat {

struct MenuItem {
    std::string text;  // "&Plot File (pfin)"; empty (with no sub-menu): a separator
    int id = 0;
    std::vector<MenuItem> subMenu;

    bool separator() const { return text.empty() && subMenu.empty(); }
};
using Menu = std::vector<MenuItem>;

// Shows the menu through the dialog driver; the id of the item chosen, or 0
// when it was closed without a choice.
int trackPopupMenu(const Menu& menu);

// Every item that can be chosen, with the texts of the sub-menus it lies in.
struct MenuChoice {
    std::vector<std::string> path;
    int id;
};
std::vector<MenuChoice> menuChoices(const Menu& menu);

}  // namespace zplat

#pragma GCC visibility pop
