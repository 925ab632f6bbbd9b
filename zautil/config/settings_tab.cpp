#include "config/settings_tab.h"

#include <platform/data_exchange.h>

ZaSettingsTab::ZaSettingsTab(std::string name, ZaSettings& working) : Dialog(std::move(name)), working_(working) {}

bool ZaSettingsTab::store() {
    ZaSettings taken = working_;
    zplat::DataExchange dx(*this, true);
    exchange(dx, taken);
    if (dx.failed()) return false;
    working_ = std::move(taken);
    return true;
}

void ZaSettingsTab::doDataExchange(zplat::DataExchange& dx) {
    exchange(dx, working_);
    if (!dx.saving()) updateEnabling();
}

void ZaSettingsTab::onCommand(int controlId, zplat::Notify what) {
    if (what == zplat::Notify::Clicked) onClick(controlId);
}

zplat::CheckBox& ZaSettingsTab::addCheck(int id, std::string caption, std::string hint) {
    zplat::CheckBox& box = addCheckBox(id, std::move(caption));
    setFocusHint(id, std::move(hint));
    return box;
}

zplat::RadioButton& ZaSettingsTab::addRadioChoice(int id, std::string caption, bool first, std::string hint) {
    zplat::RadioButton& radio = addRadio(id, std::move(caption), first);
    setFocusHint(id, std::move(hint));
    return radio;
}

zplat::Button& ZaSettingsTab::addBrowse(int id, std::string hint) {
    zplat::Button& button = addButton(id, "&Browse...");
    setFocusHint(id, std::move(hint));
    return button;
}

ZaChecksTab::ZaChecksTab(std::string name, ZaSettings& working, std::vector<Check> checks)
    : ZaSettingsTab(std::move(name), working), checks_(std::move(checks)) {
    for (const Check& check : checks_) addCheck(check.id, check.caption, check.hint);
}

void ZaChecksTab::exchange(zplat::DataExchange& dx, ZaSettings& settings) {
    for (const Check& check : checks_) zplat::ddxCheck(dx, check.id, settings.*check.flag);
}
