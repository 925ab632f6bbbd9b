#include <platform/dialog_driver.h>
#include <platform/menu.h>

namespace zplat {

namespace {

void collect(const Menu& menu, std::vector<std::string>& path, std::vector<MenuChoice>& out) {
    for (const auto& item : menu) {
        if (item.separator()) continue;
        path.push_back(item.text);
        if (item.subMenu.empty()) out.push_back(MenuChoice{path, item.id});
        else collect(item.subMenu, path, out);
        path.pop_back();
    }
}

}  // namespace

std::vector<MenuChoice> menuChoices(const Menu& menu) {
    std::vector<MenuChoice> out;
    std::vector<std::string> path;
    collect(menu, path, out);
    return out;
}

int trackPopupMenu(const Menu& menu) {
    const int id = dialogDriver().trackMenu(menu);
    // Only an item of this menu can come back.
    for (const auto& choice : menuChoices(menu))
        if (choice.id == id) return id;
    return 0;
}

}  // namespace zplat
