#include "menu/about_box.h"

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "shell/resource_scope.h"

namespace {

constexpr unsigned kSplashMilliseconds = 2000;

constexpr const char* kContact =
    "Zarvo Software\r\n"
    "Interface between CAD drawings and the Zarvo civil engineering design suite:\r\n"
    "plot, string, triangle and alignment files, levels, pads and lots.\r\n"
    "For support, contact your Zarvo Software supplier.";

void showAboutBox(bool splash, unsigned milliseconds) {
    zashell::runDialog<ZAboutDlg>(splash, milliseconds);
}

}  // namespace

ZAboutDlg::ZAboutDlg(bool splash, unsigned displayMilliseconds, HWND parent)
    : Dialog("About Zarvo Software ", parent), splash_(splash), displayMilliseconds_(displayMilliseconds) {
    // Four pictures and two etched lines: a text form shows none of them.
    for (const int picture : {1002, 1003, 1004, 1005}) addStatic(picture, {});
    addStatic(1006, "Zarvo AutoCAD Interface");
    addEdit(kVersionId, "Version").setReadOnly(true);
    addStatic(1007, {});
    addEdit(kContactId, "Contact").setReadOnly(true);
    addStatic(1008, {});
    addButton(zplat::IDOK, "OK");
}

bool ZAboutDlg::onInitDialog() {
    setItemText(kVersionId, kZaAboutVersion);
    setItemText(kContactId, kContact);
    if (splash_) setTimer(kSplashTimer, displayMilliseconds_);
    return true;
}

void ZAboutDlg::onTimer(int id) {
    if (id != kSplashTimer) return;
    killTimer(id);
    endDialog(zplat::IDOK);
}

void zaShowSplash() { showAboutBox(true, kSplashMilliseconds); }

void zaZAbout() {
    acutPrintf("\nZARVO Software/AutoCAD Zautil, version %s\n", kZaAboutVersion);
    showAboutBox(false, 0);
}

void zaZHelp() { showAboutBox(false, 0); }
