#include "menu/popup_menu.h"

#include <platform/dialog.h>

#include <algorithm>
#include <vector>

#include "shell/resource_scope.h"

namespace {

struct GroupTitle {
    ZaMenuGroup group;
    const char* text;
};

constexpr GroupTitle kSubMenus[] = {
    {ZaMenuGroup::Import, "&Import"},
    {ZaMenuGroup::Export, "&Export"},
    {ZaMenuGroup::GeneralUtilities, "&General Utilities"},
};

// The items of a group in their places, separators where they go.
zplat::Menu groupItems(std::span<const ZaCommandRow> rows, ZaMenuGroup group) {
    std::vector<const ZaMenuItem*> items;
    for (const ZaCommandRow& row : rows) {
        for (const ZaMenuItem& item : row.items) {
            if (item.text && item.group == group) items.push_back(&item);
        }
    }
    std::ranges::sort(items, {}, &ZaMenuItem::place);
    zplat::Menu menu;
    for (const ZaMenuItem* item : items) {
        if (item->separatorBefore) menu.push_back({});
        menu.push_back({item->text, item->id, {}});
    }
    return menu;
}

int selectionOf(std::span<const ZaCommandRow> rows, int id) {
    for (const ZaCommandRow& row : rows) {
        for (const ZaMenuItem& item : row.items) {
            if (item.text && item.id == id) return item.selection;
        }
    }
    return -1;
}

// The menu's window: it tracks the menu as it opens and closes once the
// menu has been shown, handing back the selection of the item chosen.
class PopUpMenu : public zplat::Dialog {
public:
    PopUpMenu(std::span<const ZaCommandRow> rows, int& selection, HWND parent)
        : Dialog({}, parent), rows_(rows), selection_(selection) {}

protected:
    bool onInitDialog() override {
        const int id = zplat::trackPopupMenu(zaPopUpMenu(rows_));
        if (id != 0) selection_ = selectionOf(rows_, id);
        endDialog(zplat::IDOK);
        return true;
    }

private:
    std::span<const ZaCommandRow> rows_;
    int& selection_;
};

}  // namespace

zplat::Menu zaPopUpMenu(std::span<const ZaCommandRow> rows) {
    zplat::Menu menu;
    for (const GroupTitle& sub : kSubMenus) menu.push_back({sub.text, 0, groupItems(rows, sub.group)});
    for (zplat::MenuItem& item : groupItems(rows, ZaMenuGroup::Menu)) menu.push_back(std::move(item));
    return menu;
}

int zaShowPopUpMenu(std::span<const ZaCommandRow> rows) {
    int selection = -1;
    zashell::runDialog<PopUpMenu>(rows, selection);
    return selection;
}

const ZaCommandRow* zaMenuSelectionRow(std::span<const ZaCommandRow> rows, int selection) {
    if (selection < 0) return nullptr;
    const auto gives = [selection](const ZaMenuItem& item) { return item.text && item.selection == selection; };
    const auto found = std::ranges::find_if(rows, [&](const ZaCommandRow& row) {
        return row.otherSelection == selection || std::ranges::any_of(row.items, gives);
    });
    return found == rows.end() ? nullptr : &*found;
}
