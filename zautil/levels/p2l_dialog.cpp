#include "levels/p2l_dialog.h"

#include <platform/data_exchange.h>
#include <platform/message_box.h>

#include <limits>

#include "levels/level_flags.h"

namespace {

// What the settings store refuses, refused here before it is stored.
constexpr double kLeastTextHeight = 0.5;

}  // namespace

ZConfigDlgPromptP2L::ZConfigDlgPromptP2L(ZaSettings* settings, HWND parent)
    : Dialog("Z.AutoCAD: Point to Level", parent), block_(settings) {
    addEdit(kPrecision, "Precision");
    addEdit(kTextHeight, "Text Height");
    addEdit(kTextAngle, "Text Angle");
    addEdit(kXOffset, "X Offset");
    addEdit(kYOffset, "Y Offset");
    addRadio(kPromptLayer, "Prompt for layer name", true);
    addRadio(kCurrentLayer, "Use current layer");
    addRadio(kDefinedLayer, "Layer");
    addEdit(kLayerName, "Layer name");
    addCheckBox(kSaveDefaults, "Save as new defaults");
    addCheckBox(kNoDialogOnAuto, "Do not show this dialog on auto");
    addStatusLine(kStatus);
    addButton(zplat::IDOK, "&OK");
    addButton(zplat::IDCANCEL, "&Cancel");

    setFocusHint(kPrecision, "Enter the number of decimal digits precision to use.");
    setFocusHint(kTextHeight, "Enter the text height to use for levels");
    setFocusHint(kTextAngle, "Enter the text rotation angle");
    setFocusHint(kXOffset, "Enter the x offset for the Level insertion point");
    setFocusHint(kYOffset, "Enter the y offset for the Level insertion point");
    setFocusHint(kLayerName, "Enter the layer name to put the generated levels on");
    setFocusHint(kSaveDefaults, "Set these values as new defaults on sucessful completion", true);
    setFocusHint(kNoDialogOnAuto, "do not show this dialog when using all defaults", true);
    for (const int radio : {kPromptLayer, kCurrentLayer, kDefinedLayer}) {
        onClicked(radio, [this, radio] { enableItem(kLayerName, radio == kDefinedLayer); });
    }

    if (!block_) return;
    copy_ = *block_;
    const int flags = copy_.p2lPreferences;
    const bool allFixed = flags & kZaLevelAllFixed;
    precisionEditable_ = !allFixed && !(flags & kZaLevelFixedPrecision);
    offsetEditable_ = !allFixed && !(flags & kZaLevelFixedOffset);
    heightEditable_ = !allFixed && !(flags & kZaLevelFixedHeight);
    angleEditable_ = !allFixed && !(flags & kZaLevelFixedAngle);
    preference_ = static_cast<int>(allFixed ? ZaLayerPreference::Defined : zaLayerPreference(flags));
    saveDefaults_ = flags & kZaLevelSaveDefaults;
    noDialogOnAuto_ = !(flags & kZaLevelShowDialog);
}

bool ZConfigDlgPromptP2L::onInitDialog() {
    if (!block_) {
        AfxMessageBox(
            "A NULL pointer was encountered when loading the Point to Level Dialog.\nPlease report it to Zarvo Software.");
        endDialog(zplat::IDCANCEL);
        return true;
    }
    enableItem(kPrecision, precisionEditable_);
    enableItem(kTextHeight, heightEditable_);
    enableItem(kTextAngle, angleEditable_);
    enableItem(kXOffset, offsetEditable_);
    enableItem(kYOffset, offsetEditable_);
    updateData(false);
    enableLayerName();
    return true;
}

void ZConfigDlgPromptP2L::enableLayerName() {
    enableItem(kLayerName, preference_ == static_cast<int>(ZaLayerPreference::Defined));
}

void ZConfigDlgPromptP2L::doDataExchange(zplat::DataExchange& dx) {
    zplat::ddxText(dx, kPrecision, copy_.p2lPrecision);
    zplat::ddvMinMax(dx, kPrecision, copy_.p2lPrecision, 0, std::numeric_limits<int>::max());
    zplat::ddxText(dx, kTextHeight, copy_.p2lTextHeight);
    zplat::ddvMinMax(dx, kTextHeight, copy_.p2lTextHeight, kLeastTextHeight, std::numeric_limits<double>::max());
    zplat::ddxText(dx, kTextAngle, copy_.p2lTextAngle);
    zplat::ddxText(dx, kXOffset, copy_.p2lXOffset);
    zplat::ddxText(dx, kYOffset, copy_.p2lYOffset);
    zplat::ddxRadio(dx, kPromptLayer, preference_);
    zplat::ddxText(dx, kLayerName, copy_.p2lLayerName);
    zplat::ddxCheck(dx, kSaveDefaults, saveDefaults_);
    zplat::ddxCheck(dx, kNoDialogOnAuto, noDialogOnAuto_);
}

void ZConfigDlgPromptP2L::onOK() {
    if (!updateData(true)) return;
    int flags = copy_.p2lPreferences & ~(kZaLevelAllFixed | kZaLevelFixedPrecision | kZaLevelFixedOffset |
                                          kZaLevelFixedHeight | kZaLevelFixedAngle | kZaLevelShowDialog |
                                          kZaLevelSaveDefaults);
    if (!precisionEditable_) flags |= kZaLevelFixedPrecision;
    if (!heightEditable_) flags |= kZaLevelFixedHeight;
    if (!angleEditable_) flags |= kZaLevelFixedAngle;
    if (!offsetEditable_) flags |= kZaLevelFixedOffset;
    if (!precisionEditable_ && !heightEditable_ && !angleEditable_ && !offsetEditable_) flags |= kZaLevelAllFixed;
    if (!noDialogOnAuto_) flags |= kZaLevelShowDialog;
    if (saveDefaults_) flags |= kZaLevelSaveDefaults;
    const auto preference = preference_ < 0 ? ZaLayerPreference::Prompt : static_cast<ZaLayerPreference>(preference_);
    copy_.p2lPreferences = zaWithLayerPreference(flags, preference);
    *block_ = copy_;
    endDialog(zplat::IDOK);
}
