#include "levels/l2p_dialog.h"

#include <platform/data_exchange.h>
#include <platform/message_box.h>

#include "levels/level_flags.h"

namespace {

constexpr std::size_t kMostEnteredChars = 255;

}  // namespace

ZConfigDlgPromptL2P::ZConfigDlgPromptL2P(ZaSettings* settings, HWND parent)
    : Dialog("Z.AutoCAD: Level to Point Settings", parent), block_(settings) {
    addGroupBox(kLayerBox, "Layer");
    addRadio(kPromptLayer, "Prompt for layer name", true);
    addEdit(kEnteredLayer, "Layer to use").setLimitText(kMostEnteredChars);
    addRadio(kCurrentLayer, "Use current layer");
    addRadio(kDefinedLayer, "Layer Name");
    addEdit(kDefinedName, "Defined layer");
    addCheckBox(kSaveDefaults, "Set as new defaults");
    addCheckBox(kNoDialogOnAuto, "Do not show this dialog on auto");
    addButton(zplat::IDOK, "&Ok");
    addButton(zplat::IDCANCEL, "&Cancel");
    addStatusLine(kStatus, "none");

    setFocusHint(kPromptLayer, "Prompt for AutoCAD Layer - this has no effect if set as default is unselected");
    setFocusHint(kCurrentLayer, "Use the current AutoCAD Layer");
    setFocusHint(kDefinedLayer, "Use the defined layer");
    setFocusHint(kDefinedName, "Enter the layer name to put the generated levels on");
    for (const int radio : {kPromptLayer, kCurrentLayer, kDefinedLayer}) {
        onClicked(radio, [this, radio] { enableLayerEdits(radio - kPromptLayer); });
    }

    if (!block_) return;
    copy_ = *block_;
    entered_ = copy_.l2pLayerName;
    const int flags = copy_.l2pPreferences;
    preference_ = static_cast<int>(zaLayerPreference(flags));
    saveDefaults_ = flags & kZaLevelSaveDefaults;
    noDialogOnAuto_ = !(flags & kZaLevelShowDialog);
}

bool ZConfigDlgPromptL2P::onInitDialog() {
    if (!block_) {
        AfxMessageBox(
            "A NULL pointer was encountered when loading the Level to Point Dialog.\nPlease report it to Zarvo "
            "Software.");
        endDialog(zplat::IDCANCEL);
        return true;
    }
    updateData(false);
    enableLayerEdits(preference_);
    return true;
}

void ZConfigDlgPromptL2P::enableLayerEdits(int preference) {
    enableItem(kEnteredLayer, preference == static_cast<int>(ZaLayerPreference::Prompt));
    enableItem(kDefinedName, preference == static_cast<int>(ZaLayerPreference::Defined));
}

void ZConfigDlgPromptL2P::doDataExchange(zplat::DataExchange& dx) {
    zplat::ddxRadio(dx, kPromptLayer, preference_);
    zplat::ddxText(dx, kEnteredLayer, entered_);
    zplat::ddvMaxChars(dx, kEnteredLayer, entered_, kMostEnteredChars);
    zplat::ddxText(dx, kDefinedName, copy_.l2pLayerName);
    zplat::ddxCheck(dx, kSaveDefaults, saveDefaults_);
    zplat::ddxCheck(dx, kNoDialogOnAuto, noDialogOnAuto_);
}

void ZConfigDlgPromptL2P::onOK() {
    if (!updateData(true)) return;
    int flags = copy_.l2pPreferences & ~(kZaLevelShowDialog | kZaLevelSaveDefaults);
    if (!noDialogOnAuto_) flags |= kZaLevelShowDialog;
    if (saveDefaults_) flags |= kZaLevelSaveDefaults;
    const auto preference = preference_ < 0 ? ZaLayerPreference::Prompt : static_cast<ZaLayerPreference>(preference_);
    copy_.l2pPreferences = zaWithLayerPreference(flags, preference);
    *block_ = copy_;
    endDialog(zplat::IDOK);
}
