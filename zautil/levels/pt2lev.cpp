// PT2LEV: a TEXT of its elevation beside each selected POINT.
#include <cstdint>
#include <string>

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "import/import_progress.h"
#include "levels/level_commands.h"
#include "levels/level_dialog_run.h"
#include "levels/level_flags.h"
#include "levels/level_selection.h"
#include "levels/level_text.h"
#include "levels/p2l_dialog.h"
#include "settings/settings_record.h"
#include "shell/text_create.h"
#include "shell/za_advice.h"

namespace {

constexpr const char* kVersion = "V3.0.0  (Apr  2013)";

constexpr ZaSelectionTexts kSelectPoints = {
    "\nSelect 3D points to produce level text",
    "no selection\nUser error\n",
    "Failure in getting elemnets acedSSGet() returned RTREJ\nzarvo_AutoCAD user error\n",
    "Selection error ... acedSSGet() returned RTKWORD\nZarvo_AutoCAD code error\n",
    "Selection error ... acedSSGet() returned unrecognized value\nZarvo_AutoCAD user error\n",
    "Selection error ... acedSSLength()\nUser error\n",
    "\nNo points selected. No action required.\n",
};

// Confirms or changes the run's values; false when the command must end.
bool confirmValues(ZaSettings& run) {
    if (!(run.p2lPreferences & kZaLevelShowDialog)) return true;
    ZaSettings confirmed = run;
    ZConfigDlgPromptP2L dialog(&confirmed, adsw_acadMainWnd());
    int result = 0;
    switch (zaRunLevelDialog(dialog, result)) {
    case ZaDialogRun::Confirmed:
        run = confirmed;
        return true;
    case ZaDialogRun::NotShown:
        return true;
    case ZaDialogRun::Cancelled:
        break;
    }
    acutPrintf("\n*Cancel*\n");
    return false;
}

// Labels every point of the set; false when a failure ended the run.
bool labelPoints(const ZaLevelSelection& selection, int count, const ZaSettings& run) {
    const bool current = zaLayerPreference(run.p2lPreferences) == ZaLayerPreference::Current;
    std::string layer = run.p2lLayerName.empty() ? "0" : run.p2lLayerName;
    std::string level;
    int index = 0;
    return selection.forEach(
        count, "Selection error ... acedSSName()\nZarvo_AutoCAD user error\n",
        "Selection error ...  acdbEntGet()\nZarvo_AutoCAD user error\n", [&](const resbuf* list) {
            const int at = index++;
            if (current) {
                const resbuf* group = zaFindGroup(list, 8);
                if (!group) zaAdviceMessage("Cannot get layer\nLayers not defined in drawing\n");
                layer = group ? zaGroupText(group, "0") : run.p2lLayerName.c_str();
            }
            const resbuf* location = zaFindGroup(list, 10);
            if (!location) return true;
            const double* point = location->resval.rpoint;
            zaFormatLevel(point[2], run.p2lPrecision, level);
            ZaTextRecord text;
            text.text = level.c_str();
            text.point = {point[0] + run.p2lXOffset, point[1] + run.p2lYOffset, point[2]};
            text.height = run.p2lTextHeight;
            text.rotation = run.p2lTextAngle;
            text.layer = layer.c_str();
            if (!zaMakeText(text)) {
                const std::string failure = "Cannot make the level text \"" + level + "\" on layer \"" + layer +
                                            "\"\nZarvo_AutoCAD creation problem\n";
                zaAdviceMessage(failure.c_str());
                return false;
            }
            acutPrintf("Create %d at [%8.3f  %8.3f] level %8.3f layer \"%s\" \n", at, point[0], point[1], point[2],
                       layer.c_str());
            return true;
        });
}

// The values a run used are what it keeps.
void storeSettings(const ZaSettings& run) {
    zaStoreLevelSettings(run.p2lPreferences, zaSettings().p2lPreferences, [&run](ZaSettings& live) {
        live.p2lPrecision = run.p2lPrecision;
        live.p2lXOffset = run.p2lXOffset;
        live.p2lYOffset = run.p2lYOffset;
        live.p2lTextHeight = run.p2lTextHeight;
        live.p2lTextAngle = run.p2lTextAngle;
        live.p2lPreferences = run.p2lPreferences;
        live.p2lLayerName = run.p2lLayerName;
    });
}

}  // namespace

void zaPT2LEV() {
    acutPrintf("\nZARVO Software PT2LEV, ver %s", kVersion);
    ZaSettings run = zaSettings();
    zaAnnounceLayerPreference(zaLayerPreference(run.p2lPreferences), run.p2lLayerName);
    ZaLevelSelection selection("POINT");
    const auto count = selection.choose(kSelectPoints);
    if (!count || !confirmValues(run)) return;
    const std::int64_t start = zaimport::monotonicMilliseconds();
    if (!labelPoints(selection, *count, run)) return;
    const std::int64_t end = zaimport::monotonicMilliseconds();
    acutPrintf("Pt2Lev %d points complete. in %.2f seconds", *count, static_cast<double>(end - start) * 0.001);
    storeSettings(run);
}
