// The options of one PT2LEV run: precision, text height and angle, offset,
// the layer preference and name, and the two check boxes. The value fields
// the flag word fixes cannot be edited. Ok writes the dialog's copy into
// the settings it was given.
#pragma once

#include <platform/dialog.h>

#include "settings/settings_record.h"

class ZConfigDlgPromptP2L : public zplat::Dialog {
public:
    static constexpr int kPrecision = 1075;
    static constexpr int kTextHeight = 1076;
    static constexpr int kTextAngle = 1077;
    static constexpr int kXOffset = 1078;
    static constexpr int kYOffset = 1079;
    static constexpr int kPromptLayer = 1080;
    static constexpr int kCurrentLayer = 1081;
    static constexpr int kDefinedLayer = 1148;
    static constexpr int kLayerName = 1149;
    static constexpr int kSaveDefaults = 1150;
    static constexpr int kNoDialogOnAuto = 1151;
    static constexpr int kStatus = 1126;

    // A null block is refused when the dialog opens.
    explicit ZConfigDlgPromptP2L(ZaSettings* settings, HWND parent = nullptr);

protected:
    bool onInitDialog() override;
    void doDataExchange(zplat::DataExchange& dx) override;
    void onOK() override;

private:
    void enableLayerName();

    ZaSettings* block_;
    ZaSettings copy_;
    bool precisionEditable_ = false;
    bool offsetEditable_ = false;
    bool heightEditable_ = false;
    bool angleEditable_ = false;
    int preference_ = 0;
    bool saveDefaults_ = false;
    bool noDialogOnAuto_ = false;
};
