// ZCONFIG driven from C++: each dialog that opens gets a script that works
// its pages, tabs and controls as a user would.
#pragma once

#include "../settings/settings_fixture.h"

#include <platform/user_input.h>

#include "config/config_master_dlg.h"
#include "config/zconfig.h"
#include "files/byte_source.h"
#include "settings/config_file.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"

#include <functional>

class ConfigTest : public SettingsTest {
protected:
    using Script = std::function<void(ZConfigMasterDlg&)>;

    void SetUp() override {
        SettingsTest::SetUp();
        ASSERT_TRUE(zaCreateDefaultSettings(zaSettings()));
        defaults_ = zaSettings();
        output_.clear();
    }
    void TearDown() override {
        zaSettings() = defaults_;
        SettingsTest::TearDown();
    }

    // Settings in the configuration file's "key=value" lines.
    static void set(ZaSettings& settings, const std::string& lines) {
        zaReadConfigFile(zafiles::memorySource(lines), settings);
    }
    static std::string value(const ZaSettings& settings, const char* key) {
        return zaConfigValueText(settings, *zaFindSettingValue(key));
    }

    void onNextDialog(Script script) {
        driver().onNextDialog([script = std::move(script)](zplat::Dialog& d) {
            script(dynamic_cast<ZConfigMasterDlg&>(d));
        });
    }

    // Brings a page and one of its tabs forward, as clicks do.
    static ZaSettingsTab& show(ZConfigMasterDlg& d, int page, int tab) {
        zplat::user::clickItem(*d.itemAs<zplat::ListView>(ZConfigMasterDlg::kPages), page);
        ZaConfigPage& p = d.page(page);
        zplat::user::selectTab(*p.itemAs<zplat::TabControl>(ZaConfigPage::kTabsId), tab);
        return *p.tabs()[static_cast<std::size_t>(tab)];
    }
    static bool click(zplat::Dialog& d, int id) { return zplat::user::click(*d.item(id)); }
    static bool type(zplat::Dialog& d, int id, const std::string& text) {
        return zplat::user::type(*d.itemAs<zplat::Edit>(id), text);
    }
    // What a control shows: "1" or "0" for a check box or radio, else its text.
    static std::string shown(const zplat::Dialog& d, int id) {
        const zplat::Control* c = d.item(id);
        if (c->kind() == zplat::ControlKind::CheckBox || c->kind() == zplat::ControlKind::Radio)
            return d.isChecked(id) ? "1" : "0";
        return c->text();
    }

    ZaSettings defaults_;
};
