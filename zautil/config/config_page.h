// A page of the configuration dialog (General, Import or Export): a child
// dialog with its own tab control, each tab a settings tab.
#pragma once

#include "config/config_tabs.h"

class ZaConfigPage : public zplat::Dialog {
public:
    static constexpr int kTabsId = 1012;

    ZaConfigPage(std::string name, ZaSettingsTabs tabs);

    // Every tab takes its controls into the working copy; at a refused
    // value its tab is brought forward and false returned.
    bool store();
    const ZaSettingsTabs& tabs() const { return tabs_; }

protected:
    bool onInitDialog() override;

private:
    ZaSettingsTabs tabs_;
};
