// The options of one LEV2PT run: the layer preference with the layer to use
// this time and the defined layer, and the two check boxes. Ok writes the
// dialog's copy into the settings it was given and keeps the layer entered
// for this run.
#pragma once

#include <platform/dialog.h>

#include <string>

#include "settings/settings_record.h"

class ZConfigDlgPromptL2P : public zplat::Dialog {
public:
    static constexpr int kEnteredLayer = 1075;
    static constexpr int kDefinedName = 1076;
    static constexpr int kPromptLayer = 1079;
    static constexpr int kCurrentLayer = 1080;
    static constexpr int kDefinedLayer = 1081;
    static constexpr int kStatus = 1126;
    static constexpr int kLayerBox = 1151;
    static constexpr int kSaveDefaults = 1152;
    static constexpr int kNoDialogOnAuto = 1153;

    // A null block is refused when the dialog opens.
    explicit ZConfigDlgPromptL2P(ZaSettings* settings, HWND parent = nullptr);

    // The layer typed beside "Prompt for layer name", after Ok.
    const std::string& enteredLayer() const { return entered_; }

protected:
    bool onInitDialog() override;
    void doDataExchange(zplat::DataExchange& dx) override;
    void onOK() override;

private:
    void enableLayerEdits(int preference);

    ZaSettings* block_;
    ZaSettings copy_;
    std::string entered_;
    int preference_ = 0;
    bool saveDefaults_ = false;
    bool noDialogOnAuto_ = false;
};
