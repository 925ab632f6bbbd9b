#include "alignment/halout.h"

#include <optional>
#include <string>

#include "alignment/alignment_list.h"
#include "alignment/alignment_path.h"
#include "alignment/hal_file_choice.h"
#include "alignment/hal_files.h"
#include "alignment/polyline_reader.h"
#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "dialogs/prompt_coordinate_dlg.h"
#include "files/formatted.h"
#include "files/replace_file.h"
#include "settings/current_job.h"
#include "settings/settings_record.h"
#include "shell/za_advice.h"
#include "shell/resource_scope.h"

namespace {

using zadrawing::DrawingFault;

constexpr const char* kVersion = "V3.0.0  (Apr 2013)";

// Says a fault in HALOUT's words; false when it ends the command.
bool refuse(DrawingFault fault) {
    if (const char* text = zadrawing::faultText(fault, zaalignment::kAlignmentTexts)) zaAdviceMessage(text);
    return false;
}

// One alignment export: the picked polylines (highlighted until it ends)
// and their vertex lists.
class HalExport {
public:
    void run() {
        exportAlignments();
        for (int i = 0; i < highlighted_; ++i) acedRedraw(picked_[i], REDRAW_UNHIGHLIGHT);
        acutPrintf("HAL output complete\n");
    }

private:
    void exportAlignments();
    void askCoordinateSystem();
    bool readPicked(const ads_name entity, ZaAlignment& list);
    bool pickPegged();
    bool pickShift();
    bool computePaths();
    bool fitsTheFiles(const char* name, const ZaAlignment& list, bool writesRv);
    bool writeHal(const std::string& path, const ZaHalIntervals& intervals);
    void writeRv(const std::string& halPath);

    ads_name picked_[2] = {};
    int highlighted_ = 0;
    ads_point pick_ = {0, 0, 0};
    zadrawing::TargetSystem target_ = zadrawing::TargetSystem::World;
    ZaAlignment pegged_;
    ZaAlignment shift_;  // empty without a shift alignment
};

void HalExport::askCoordinateSystem() {
    ZaSettings& settings = zaSettings();
    if (!settings.coordinateUseDefaults) {
        zashell::runDialog<ZPromptCoordinateDlg>(settings);
    }
    target_ = settings.coordinatePreference == 1 ? zadrawing::TargetSystem::User : zadrawing::TargetSystem::World;
}

bool HalExport::readPicked(const ads_name entity, ZaAlignment& list) {
    ads_name_set(entity, picked_[highlighted_]);
    ++highlighted_;
    acedRedraw(entity, REDRAW_HIGHLIGHT);
    const DrawingFault fault = zaalignment::readAlignmentPolyline(entity, target_, list);
    if (fault != DrawingFault::None) return refuse(fault);
    if (!list.empty()) acutPrintf(" - %d vertices", static_cast<int>(list.size()));
    zaDropRepeatedVertices(list);
    // A single point is no alignment.
    if (list.size() < 2) list.clear();
    return true;
}

bool HalExport::pickPegged() {
    ads_name entity;
    const int status = acedEntSel("\nSelect pegged alignment (near start chainage): ", entity, pick_);
    const DrawingFault fault = zadrawing::answerFault(status);
    if (fault == DrawingFault::None) return readPicked(entity, pegged_);
    if (fault == DrawingFault::NothingSelected) acutPrintf("no pegged alignment\n");
    return refuse(fault);
}

bool HalExport::pickShift() {
    const ZaSettings& settings = zaSettings();
    if (!settings.halGetShiftLine && !settings.useDialogs) return true;
    acedInitGet(0, "Pegged");
    ads_name entity;
    ads_point pick;
    const DrawingFault fault = zadrawing::answerFault(acedEntSel("\nSelect shift alignment: ", entity, pick));
    if (fault == DrawingFault::None) return readPicked(entity, shift_);
    if (fault == DrawingFault::NothingSelected) return true;
    // The keyword offered here names no alignment either.
    return refuse(fault == DrawingFault::Keyword ? DrawingFault::Unrecognized : fault);
}

bool HalExport::fitsTheFiles(const char* name, const ZaAlignment& list, bool writesRv) {
    const ZaAlignmentVertex* unfit = zaFirstUnfitRecord(list, writesRv);
    if (!unfit) return true;
    zaAdviceMessage(zafiles::formatted("%s alignment cannot be written to the HAL file\nA value near (%.3f, %.3f) "
                                       "does not fit its column\nZarvo_AutoCAD user error\n",
                                       name, unfit->x, unfit->y)
                        .c_str());
    return false;
}

bool HalExport::computePaths() {
    ZaAlignment* shift = shift_.empty() ? nullptr : &shift_;
    zaOrientAlignments({pick_[0], pick_[1], pick_[2]}, pegged_, shift);
    if (!FixArcs("Pegged", pegged_)) return false;
    if (shift && !FixArcs("Shift", *shift)) return false;
    if (!CalcPath("Pegged", pegged_)) return false;
    if (shift && !CalcPath("Shift", *shift)) return false;
    return fitsTheFiles("Pegged", pegged_, false) && (!shift || fitsTheFiles("Shift", *shift, true));
}

bool HalExport::writeHal(const std::string& path, const ZaHalIntervals& intervals) {
    acutPrintf("\nWriting file: \"%s\" as HAL transfer file", path.c_str());
    // Written whole beside the old file and renamed over it: a failure
    // leaves no part-written file and the old one as it was.
    if (!zafiles::replaceFile(path, zaHalFileText(pegged_, shift_.empty() ? nullptr : &shift_, intervals))) {
        zaAdviceMessage("Cannot create H1 file\nMaybe access to directory restricted\nZarvo_AutoCAD filing problem");
        return false;
    }
    acutPrintf("Outputs.\n");
    if (!shift_.empty()) acutPrintf("Outputs.\n");
    return true;
}

void HalExport::writeRv(const std::string& halPath) {
    const std::string path = zaRvFileName(halPath);
    acutPrintf("Verticals.\n");
    acutPrintf("\nWriting file: \"%s\" \n", path.c_str());
    if (!zafiles::replaceFile(path, zaRvFileText(shift_))) {
        zaAdviceMessage(
            "Cannot create RV file/r/nMaybe wrong access rights to directory\nZarvo_AutoCAD filing problem\n");
    }
}

void HalExport::exportAlignments() {
    acutPrintf("\nZARVO Software HAL Export Ver %s", kVersion);
    askCoordinateSystem();
    if (!pickPegged()) return;
    if (pegged_.empty()) {
        zaAdviceMessage("Pegged alignment has fewer than 2 vertices\nNothing to export\nZarvo_AutoCAD user error\n");
        return;
    }
    if (!pickShift()) return;
    if (!computePaths()) return;
    const std::optional<ZaHalTarget> target = zaChooseHalFile(zaHalIntervals(zaSettings()));
    if (!target || !writeHal(target->path, target->intervals)) return;
    // Recorded once the file exists, so the job never names a file that
    // failed to be written.
    if (zaSettings().saveJobHALOUT && zaSetCurrentJob(target->path)) {
        acutPrintf("Set file \"%s\" as current job\n", target->path.c_str());
    }
    if (!shift_.empty()) writeRv(target->path);
}

}  // namespace

void zaHALOUT() {
    HalExport halExport;
    halExport.run();
}
