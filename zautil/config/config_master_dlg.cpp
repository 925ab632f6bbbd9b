#include "config/config_master_dlg.h"

#include <platform/message_box.h>

#include "arx/acedads.h"
#include "config/config_file_choice.h"
#include "settings/config_file.h"
#include "settings/settings_store.h"

namespace {

constexpr const char* kOpeningStatus = "Configure Zarvo AutoCAD Interface global default settings.";

bool confirmed(const char* question) { return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES; }

}  // namespace

ZConfigMasterDlg::ZConfigMasterDlg(ZaSettings* settings, HWND parent)
    : Dialog("Zarvo configurations while using AutoCAD", parent), settings_(settings) {
    if (settings_) working_ = *settings_;
    pages_[0] = std::make_unique<ZaConfigPage>("General", zaGeneralTabs(working_, *this));
    pages_[1] = std::make_unique<ZaConfigPage>("Import", zaImportTabs(working_, *this));
    pages_[2] = std::make_unique<ZaConfigPage>("Export", zaExportTabs(working_));

    addListView(kPages, "Pages");
    addStatic(kTabArea, {});
    addButton(kOk, "&OK");
    addButton(kCancel, "&Cancel");
    addButton(kApply, "&Apply");
    addButton(kRestore, "&Restore");
    addButton(kReload, "&Reload");
    addButton(kSaveConfig, "&SaveConfig");
    addButton(kGetConfig, "&GetConfig");
    addStatusLine(kStatus);
    setDefaultButton(kOk);

    setFocusHint(kOk, "Save defaults, and return to program.");
    setFocusHint(kCancel, "Return to program, discarding changes to configuration.");
    setFocusHint(kApply, "Save defaults to windows registry");
    setFocusHint(kRestore, "Restore the defaults to Zarvo Install defaults.");
    setFocusHint(kReload, "Restore the saved settings.");
    setFocusHint(kSaveConfig, "Save ZautilConfig into text default file.");
    setFocusHint(kGetConfig, "Get ZautilConfig from text default file.");

    onClicked(kPages, [this] { onPageClicked(); });
    onClicked(kOk, [this] {
        if (apply()) endDialog(zplat::IDOK);
    });
    onClicked(kCancel, [this] { onCancel(); });
    onClicked(kApply, [this] { apply(); });
    onClicked(kRestore, [this] { restore(); });
    onClicked(kReload, [this] { reload(); });
    onClicked(kSaveConfig, [this] { saveConfig(); });
    onClicked(kGetConfig, [this] { getConfig(); });
}

bool ZConfigMasterDlg::onInitDialog() {
    if (!settings_) {
        AfxMessageBox("A NULL pointer has been found in ZConfigMasterDlg()\nContact Zarvo Software");
        endDialog(zplat::IDCANCEL);
        return true;
    }
    settings_->reopen = false;
    working_ = *settings_;
    for (const auto& page : pages_) page->create(*this);
    auto* view = itemAs<zplat::ListView>(kPages);
    view->setImageList({"general.bmp", "import.bmp", "export.bmp"});
    for (int i = 0; i < kPageCount; ++i) view->insertItem(i, page(i).title(), i);
    selectPage(0);
    setStatusText(kOpeningStatus);
    return true;
}

void ZConfigMasterDlg::selectPage(int index) {
    for (int i = 0; i < kPageCount; ++i) page(i).showWindow(i == index);
    itemAs<zplat::ListView>(kPages)->setSelected(index);
}

// A click beside every item keeps the page shown.
void ZConfigMasterDlg::onPageClicked() {
    const int hit = itemAs<zplat::ListView>(kPages)->hitItem();
    if (hit >= 0 && hit < kPageCount) selectPage(hit);
}

bool ZConfigMasterDlg::storePages() {
    for (int i = 0; i < kPageCount; ++i) {
        if (page(i).store()) continue;
        selectPage(i);
        return false;
    }
    return true;
}

bool ZConfigMasterDlg::apply() {
    if (!storePages()) return false;
    *settings_ = working_;
    zaWriteAllSettings(*settings_);
    return true;
}

void ZConfigMasterDlg::onCancel() {
    for (const auto& page : pages_) page->destroyWindow();
    endDialog(zplat::IDCANCEL);
}

void ZConfigMasterDlg::restore() {
    if (!confirmed("This will restore the original Zarvo default settings, and will\noverwrite any changes you have "
                   "made.\nDo you want to procede with the restore?"))
        return;
    zaCreateDefaultSettings(*settings_);
    settings_->reopen = true;
    endDialog(zplat::IDOK);
}

void ZConfigMasterDlg::reload() {
    if (!confirmed("This will restore the saved settings, and will\noverwrite any changes you have made.\nDo you want "
                   "to procede with the reload?"))
        return;
    settings_->reopen = true;
    endDialog(zplat::IDCANCEL);
}

std::string ZConfigMasterDlg::configDirectory() const { return installDir; }

void ZConfigMasterDlg::saveConfig() {
    const auto path = zaChooseConfigFile(configDirectory(), false, hwnd());
    if (!path || !storePages()) return;
    *settings_ = working_;
    acutPrintf("\nThe selected ZautilConfig file '%s' \n", path->c_str());
    zaSaveConfiguration(*settings_, *path);
}

void ZConfigMasterDlg::getConfig() {
    const auto path = zaChooseConfigFile(configDirectory(), true, hwnd());
    if (!path) return;
    acutPrintf("\nThe selected ZautilConfig file is '%s'.\n", path->c_str());
    zaLoadConfiguration(*settings_, *path);
    working_ = *settings_;
    settings_->reopen = true;
    endDialog(zplat::IDOK);
}
