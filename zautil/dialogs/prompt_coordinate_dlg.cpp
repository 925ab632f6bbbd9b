#include "dialogs/prompt_coordinate_dlg.h"

#include <platform/data_exchange.h>

ZPromptCoordinateDlg::ZPromptCoordinateDlg(ZaSettings& settings, HWND parent)
    : Dialog("Export Coordinate System Selection", parent),
      settings_(settings),
      // Any preference but world is the user system, as the export reads it.
      preference_(settings.coordinatePreference == 0 ? 0 : 1) {
    addGroupBox(kBox, "( WCS | UCS )");
    addStatic(kQuestion, "Do you want to export the drawing in World or Local coordinate system?");
    addStatic(kNote,
              " (Note: If there is no user definition of Local coordinate system, selecting Local coordinate system "
              "will export the same data as in World coordinate system.)");
    addRadio(kWorld, "World Coordinate System", true);
    addRadio(kLocal, "Local Coordinate System");
    addButton(zplat::IDOK, "&Ok");
}

void ZPromptCoordinateDlg::doDataExchange(zplat::DataExchange& dx) { zplat::ddxRadio(dx, kWorld, preference_); }

void ZPromptCoordinateDlg::onOK() {
    updateData(true);
    settings_.coordinatePreference = preference_ == 1 ? 1 : 0;
    endDialog(zplat::IDOK);
}
