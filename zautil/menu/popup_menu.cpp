#include "menu/popup_menu.h"

#include <platform/dialog.h>

#include <algorithm>
#include <vector>

#include "shell/resource_scope.h"

namespace zamenu {
namespace {

struct GroupTitle {
    MenuGroup group;
    const char* text;
};

constexpr GroupTitle kSubMenus[] = {
    {MenuGroup::Import, "&Import"},
    {MenuGroup::Export, "&Export"},
    {MenuGroup::GeneralUtilities, "&General Utilities"},
};

// The items of a group in their places, separators where they go.
zplat::Menu groupItems(std::span<const CommandRow> rows, MenuGroup group) {
    std::vector<const MenuItem*> items;
    for (const CommandRow& row : rows) {
        for (const MenuItem& item : row.items) {
            if (item.text && item.group == group) items.push_back(&item);
        }
    }
    std::ranges::sort(items, {}, &MenuItem::place);
    zplat::Menu menu;
    for (const MenuItem* item : items) {
        if (item->separatorBefore) menu.push_back({});
        menu.push_back({item->text, item->id, {}});
    }
    return menu;
}

int selectionOf(std::span<const CommandRow> rows, int id) {
    for (const CommandRow& row : rows) {
        for (const MenuItem& item : row.items) {
            if (item.text && item.id == id) return item.selection;
        }
    }
    return -1;
}

// The menu's window: it tracks the menu as it opens and closes once the
// menu has been shown, handing back the selection of the item chosen.
class PopUpMenu : public zplat::Dialog {
public:
    PopUpMenu(std::span<const CommandRow> rows, int& selection, HWND parent)
        : Dialog({}, parent), rows_(rows), selection_(selection) {}

protected:
    bool onInitDialog() override {
        const int id = zplat::trackPopupMenu(popUpMenu(rows_));
        if (id != 0) selection_ = selectionOf(rows_, id);
        endDialog(zplat::IDOK);
        return true;
    }

private:
    std::span<const CommandRow> rows_;
    int& selection_;
};

}  // namespace

zplat::Menu popUpMenu(std::span<const CommandRow> rows) {
    zplat::Menu menu;
    for (const GroupTitle& sub : kSubMenus) menu.push_back({sub.text, 0, groupItems(rows, sub.group)});
    for (zplat::MenuItem& item : groupItems(rows, MenuGroup::Menu)) menu.push_back(std::move(item));
    return menu;
}

const CommandRow* selectionRow(std::span<const CommandRow> rows, int selection) {
    if (selection < 0) return nullptr;
    const auto gives = [selection](const MenuItem& item) { return item.text && item.selection == selection; };
    const auto found = std::ranges::find_if(rows, [&](const CommandRow& row) {
        return row.otherSelection == selection || std::ranges::any_of(row.items, gives);
    });
    return found == rows.end() ? nullptr : &*found;
}

}  // namespace zamenu

int zaShowPopUpMenu(std::span<const zamenu::CommandRow> rows) {
    int selection = -1;
    zashell::runDialog<zamenu::PopUpMenu>(rows, selection);
    return selection;
}
