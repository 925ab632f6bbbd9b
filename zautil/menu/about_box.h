// The about box, also shown as the splash box while the module loads.
#pragma once

#include <platform/dialog.h>

#include <string>

inline constexpr const char* kZaAboutVersion = "V3.0.0  (Aug 2014)";

class ZAboutDlg : public zplat::Dialog {
public:
    static constexpr int kVersionId = 1000;
    static constexpr int kContactId = 1001;
    static constexpr int kSplashTimer = 1;

    // A splash box closes itself after the display time; an about box waits for OK.
    ZAboutDlg(bool splash, unsigned displayMilliseconds, HWND parent);

protected:
    bool onInitDialog() override;
    void onTimer(int id) override;

private:
    bool splash_;
    unsigned displayMilliseconds_;
};

// The splash box at load: two seconds, or at once when nobody is watching.
void zaShowSplash();

// ZABOUT: the banner, then the about box. ZHELP: the about box alone.
void zaZAbout();
void zaZHelp();
