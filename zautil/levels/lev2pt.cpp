// LEV2PT: a POINT at the level each selected TEXT states.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "drawing/groups.h"
#include "import/import_progress.h"
#include "levels/l2p_dialog.h"
#include "levels/level_commands.h"
#include "levels/level_flags.h"
#include "levels/level_selection.h"
#include "levels/level_text.h"
#include "settings/settings_record.h"
#include "shell/entity_maker.h"
#include "shell/prompt_dialog.h"
#include "shell/za_advice.h"

namespace {

constexpr const char* kVersion = "V3.0.0  (Apr  2013)";
constexpr const char* kFallbackLayer = "L2P";
constexpr std::size_t kMostEnteredLayerChars = 63;

constexpr zadrawing::DrawingTexts kTexts{
    .nothingSelected = "Selection error.... no selection",
    .rejected = "Selection error.... acedSSGet() returned RTREJ\n\nZarvo_AutoCAD creation problem\n",
    .keyword = "Selection error .. acedSSGet() returned RTKWORD\n\nZarvo_AutoCAD creation problem\n",
    .unrecognized = "Selection error.... acedSSGet() returned unrecognized value\n\nZarvo_AutoCAD creation problem\n",
    .noLength = "Selection error.... acedSSLength()\nSelect process failed to find objects\n",
    .noName = "Selection error .... acedSSName() \nNo Name",
    .noList = "Selection error .... acdbEntGet()\nNo objects selected\n",
};

// What the run works with: the settings as confirmed, and the layer for
// the points when it is not taken from each text.
struct LevelRun {
    ZaSettings settings;
    std::string layer;
    ZaLayerPreference preference() const { return zaLayerPreference(settings.l2pPreferences); }
};

// Shows the dialog when the preference asks for a layer or the settings
// say so; false when the command must end.
bool confirmLayer(LevelRun& run) {
    const bool prompt = run.preference() == ZaLayerPreference::Prompt;
    if (!prompt && !(run.settings.l2pPreferences & kZaLevelShowDialog)) return true;
    ZaSettings confirmed = run.settings;
    ZConfigDlgPromptL2P dialog(&confirmed, adsw_acadMainWnd());
    int result = 0;
    switch (zashell::runPromptDialog(dialog, result, " fail \n")) {
    case zashell::PromptRun::NotShown:
        return true;
    case zashell::PromptRun::Cancelled:
        acutPrintf("\n*Cancel*  %d\n", result);
        return false;
    case zashell::PromptRun::Confirmed:
        break;
    }
    run.settings = confirmed;
    if (run.preference() == ZaLayerPreference::Prompt && !dialog.enteredLayer().empty()) {
        run.layer = dialog.enteredLayer().substr(0, kMostEnteredLayerChars);
    }
    return true;
}

// The layer of a text, or the defined layer when it has none.
void takeLayerOfText(const resbuf* list, const ZaSettings& settings, std::string& layer) {
    if (zadrawing::findGroup(list, 8)) {
        layer = zadrawing::groupText(list, 8).value_or("0");
        return;
    }
    zaAdviceMessage("Cannot get layer\nNo entity type 8 found in object\n");
    layer = settings.l2pLayerName.empty() ? kFallbackLayer : settings.l2pLayerName.c_str();
}

// "Create %d  point at [%7.3f, %7.3f] level = %7.3f layer  \"%s\" \n"
constexpr ZaMadeLineForm kMadeLine{"  point at [", ", ", "] level = ", " layer  \"", 7};

// Makes the points; the count of valid texts, or nothing when a failure
// ended the run.
std::optional<int> makePoints(const zadrawing::Selection& selection, const LevelRun& run) {
    const bool current = run.preference() == ZaLayerPreference::Current;
    std::string layer = run.layer;
    ZaEntityMaker maker;
    std::string line;
    int valid = 0;
    const zadrawing::DrawingFault fault = zadrawing::forEachEntity(selection, [&](const ads_name, const resbuf* list) {
        if (current) takeLayerOfText(list, run.settings, layer);
        const bool hasText = zadrawing::findGroup(list, 1) != nullptr;
        const auto insertion = zadrawing::groupPoint(list, 10);
        if (!hasText || !insertion) {
            zaAdviceMessage("Cannot get insertion point information\nAutoCAD file structure error\n");
            return false;
        }
        const std::string_view text = zadrawing::groupText(list, 1).value_or("0");
        const auto level = zaLevelOfText(text);
        if (!level) return true;
        const ZaPoint& at = *insertion;
        if (!maker.point({at.x, at.y, *level}, layer)) {
            const std::string failure = "Cannot make the point of level " + std::string(text) +
                                        " on layer \"" + layer + "\"\nZarvo_AutoCAD creation problem\n";
            zaAdviceMessage(failure.c_str());
            return false;
        }
        ++valid;
        zaFormatMadeLine(kMadeLine, valid, {at.x, at.y, *level}, layer, line);
        acutPrintf("%s", line.c_str());
        return true;
    });
    zalevels::sayFault(fault, kTexts);
    if (fault != zadrawing::DrawingFault::None) return std::nullopt;
    return valid;
}

// The confirmed flag word and defined layer are what a run keeps.
void storeSettings(const ZaSettings& run) {
    zaStoreLevelSettings(run.l2pPreferences, zaSettings().l2pPreferences, [&run](ZaSettings& live) {
        live.l2pPreferences = run.l2pPreferences;
        live.l2pLayerName = run.l2pLayerName;
    });
}

}  // namespace

void zaLEV2PT() {
    LevelRun run{zaSettings(), {}};
    acutPrintf("\nZARVO Software LEV2PT, ver %s\n", kVersion);
    if (run.preference() == ZaLayerPreference::Defined) run.layer = run.settings.l2pLayerName;
    zaAnnounceLayerPreference(run.preference(), run.settings.l2pLayerName);

    zadrawing::Selection selection("TEXT");
    if (!zalevels::chooseSomething(selection, "\nSelect levels to produce 3D points", "\nNo levels Selected\n",
                                   kTexts)) {
        return;
    }
    const int count = selection.size();
    acutPrintf("Levels %d selected. \n", count);
    if (!confirmLayer(run)) return;
    acutPrintf("\r\n new layer %s \r\n", run.layer.c_str());
    if (run.preference() == ZaLayerPreference::Defined) run.layer = run.settings.l2pLayerName;
    if (run.layer.empty()) run.layer = kFallbackLayer;

    const std::int64_t start = zaimport::monotonicMilliseconds();
    const auto valid = makePoints(selection, run);
    if (!valid) return;
    if (*valid != count) {
        acutPrintf(" %d invalid text selections found\n", count - *valid);
    } else {
        acutPrintf("\n");
    }
    const std::int64_t end = zaimport::monotonicMilliseconds();
    acutPrintf("Lev2Pt %d points created in %.2f seconds.\n", *valid, static_cast<double>(end - start) * 0.001);
    storeSettings(run.settings);
}
