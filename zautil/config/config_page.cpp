#include "config/config_page.h"

ZaConfigPage::ZaConfigPage(std::string name, ZaSettingsTabs tabs) : Dialog(std::move(name)), tabs_(std::move(tabs)) {
    addTabControl(kTabsId, "Tabs");
}

bool ZaConfigPage::onInitDialog() {
    auto* control = itemAs<zplat::TabControl>(kTabsId);
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        tabs_[i]->create(*this);
        control->insertItem(static_cast<int>(i), tabs_[i]->title(), tabs_[i].get());
    }
    control->setCurSel(0);
    return true;
}

bool ZaConfigPage::store() {
    auto* control = itemAs<zplat::TabControl>(kTabsId);
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        if (tabs_[i]->store()) continue;
        control->setCurSel(static_cast<int>(i));
        return false;
    }
    return true;
}
