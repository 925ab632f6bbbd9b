// Asks whether to export in the world or the local (user) coordinate
// system. Ok writes the choice into the settings' coordinate system
// preference (0 world, 1 local); the registry is not written.
#pragma once

#include <platform/dialog.h>

#include "settings/settings_record.h"

class ZPromptCoordinateDlg : public zplat::Dialog {
public:
    static constexpr int kBox = 1300;
    static constexpr int kQuestion = 1301;
    static constexpr int kNote = 1302;
    static constexpr int kWorld = 1303;
    static constexpr int kLocal = 1304;

    explicit ZPromptCoordinateDlg(ZaSettings& settings, HWND parent = nullptr);

protected:
    void doDataExchange(zplat::DataExchange& dx) override;
    void onOK() override;

private:
    ZaSettings& settings_;
    int preference_;
};
