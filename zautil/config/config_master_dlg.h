// ZConfigMasterDlg: every option of the settings record on three pages
// (General, Import, Export), chosen from a list view. It works on a copy
// of the record and touches the record itself only when the user applies,
// restores, reloads or saves or loads a configuration file.
#pragma once

#include "config/config_page.h"
#include "settings/settings_record.h"
#include "settings/za_env.h"

#include <array>
#include <memory>

class ZConfigMasterDlg : public zplat::Dialog, public ZsAcEnviron {
public:
    static constexpr int kPages = 1005, kTabArea = 1011, kOk = 1006, kCancel = 1007, kApply = 1008, kRestore = 1009,
                         kReload = 1010, kSaveConfig = 1013, kGetConfig = 1015, kStatus = 1036;

    // settings: the process's record; a null one is reported and cancels.
    ZConfigMasterDlg(ZaSettings* settings, HWND parent);

    ZaConfigPage& page(int index) { return *pages_[static_cast<std::size_t>(index)]; }

protected:
    bool onInitDialog() override;
    void onCancel() override;

private:
    bool storePages();
    void selectPage(int index);
    void onPageClicked();
    bool apply();
    void restore();
    void reload();
    void saveConfig();
    void getConfig();
    // The directory the configuration file dialogs open in.
    std::string configDirectory() const;

    ZaSettings* settings_;
    ZaSettings working_;
    static constexpr int kPageCount = 3;
    std::array<std::unique_ptr<ZaConfigPage>, kPageCount> pages_;
};
