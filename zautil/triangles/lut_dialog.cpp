#include "triangles/lut_dialog.h"

#include <platform/data_exchange.h>
#include <platform/file_dialog.h>
#include <platform/message_box.h>

#include <array>

#include "files/text_rules.h"
#include "settings/current_job.h"
#include "controls/cza_file_name.h"
#include "controls/edit_za_run_number.h"
#include "settings/job_path.h"
#include "settings/path_text.h"

namespace {

constexpr int kMethods = 4;

struct Hover {
    int id;
    const char* text;
};

constexpr std::array<Hover, 9> kHovers = {{
    {ZPromptLUTDlg::kBrowseId, "Browse for an existing job, or job directory"},
    {ZPromptLUTDlg::kMeshId, "Import as a monolithic, Polyface Mesh"},
    {ZPromptLUTDlg::kMeshId + 1, "Import as a 2D Solid"},
    {ZPromptLUTDlg::kMeshId + 2, "Import as a collection of 3D Faces"},
    {ZPromptLUTDlg::kMeshId + 3, "Import as a set of Catchment strings"},
    {ZPromptLUTDlg::kBreaklinesId, "Show only the edges along String Breaklines"},
    {ZPromptLUTDlg::kBreaklinesId + 1, "Show the edges of all triangles"},
    {ZPromptLUTDlg::kBreaklinesId + 2, "Do not show any triangle edges"},
    {ZPromptLUTDlg::kBreaklinesId + 3, "Show Boundaries, Streams and Ridges at triangle edges"},
}};

constexpr const char* kBadExtension =
    "The filename specified has an invalid extension\nMust be of the format <jobname>.ut<run number>\n\nWhere <run "
    "number> is a single alphanumeric character.";

int clamped(int value) { return value < 0 || value >= kMethods ? 0 : value; }

std::string withoutFinalSeparator(std::string directory) {
    if (directory.size() > 1 && zaEndsInSeparator(directory)) directory.pop_back();
    return directory;
}

}  // namespace

ZPromptLUTDlg::ZPromptLUTDlg(HWND parent) : Dialog("Zarvo to AutoCAD: Loading a Zarvo Triangle File  LUT", parent) {
    addEdit(kDirectoryId, "Working Directory");
    add<CzaFileName>(kJobNameId, "Job Name");
    add<CEditZaRunNumber>(kRunId, "Run");
    addButton(kBrowseId, "&Browse");
    addEdit(kTriangleFileId, "Zarvo Triangle File").setReadOnly(true);
    addGroupBox(kMethodGroupId, "Import as ...");
    addRadio(kMeshId, "3D &Polyface Mesh", true);
    addRadio(kMeshId + 1, "&2D Solids");
    addRadio(kMeshId + 2, "&3D Faces");
    addRadio(kMeshId + 3, "&Catchments");
    addGroupBox(kEdgesGroupId, "Boundary Display");
    addRadio(kBreaklinesId, "&Show breaking edges", true);
    addRadio(kBreaklinesId + 1, "&All triangle edges");
    addRadio(kBreaklinesId + 2, "&None");
    addRadio(kBreaklinesId + 3, "&Streams + Ridges");
    addButton(zplat::IDOK, "OK");
    addButton(zplat::IDCANCEL, "Cancel");
    addStatusLine(kStatusId, "Import a Zarvo Triangle File");

    setFocusHint(kDirectoryId, "Enter a valid working directory for the current job");
    setFocusHint(kRunId, "Enter a valid run number for the current job (1 alphanumeric character)");
    onClicked(kBrowseId, [this] { browse(); });
    for (const int id : {kDirectoryId, kJobNameId, kRunId}) {
        on(id, zplat::Notify::Changed, [this] { showTriangleFile(); });
    }
    for (int m = 0; m < kMethods; ++m) {
        // Solids have no edges to show.
        onClicked(kMeshId + m, [this, m] { enableEdges(m != 1); });
    }
}

std::string_view ZPromptLUTDlg::hoverText(int id) {
    for (const Hover& hover : kHovers) {
        if (hover.id == id) return hover.text;
    }
    return {};
}

bool ZPromptLUTDlg::onInitDialog() {
    method = clamped(method);
    edges = clamped(edges);
    std::string job;
    if (zaGetCurrentJob(job) < 0) {
        AfxMessageBox("An error occured while trying to retrieve the current job from Zarvo Environment");
        endDialog(zplat::IDCANCEL);
        return true;
    }
    ZaJobPathParts parts;
    zaSplitJobPath(job, parts);
    directory = withoutFinalSeparator(parts.directory);
    jobName = parts.name;
    run = parts.run;
    // The rule may have changed since the dialog was last open.
    itemAs<CzaFileName>(kJobNameId)->setLimit(zaJobNameLimit());
    setFocusHint(kJobNameId, zaJobNameStatusText());
    Dialog::onInitDialog();
    enableEdges(method == 0 || method == 2);
    showTriangleFile();
    return true;
}

void ZPromptLUTDlg::doDataExchange(zplat::DataExchange& dx) {
    zplat::ddxText(dx, kDirectoryId, directory);
    zplat::ddxText(dx, kJobNameId, jobName);
    zplat::ddxText(dx, kRunId, run);
    zplat::ddxRadio(dx, kMeshId, method);
    zplat::ddxRadio(dx, kBreaklinesId, edges);
}

void ZPromptLUTDlg::enableEdges(bool on) {
    enableItem(kEdgesGroupId, on);
    for (int e = 0; e < kMethods; ++e) enableItem(kBreaklinesId + e, on);
}

void ZPromptLUTDlg::showTriangleFile() {
    const std::string dir = itemText(kDirectoryId);
    const std::string file = (dir.empty() ? std::string() : zaWithSeparator(dir)) + itemText(kJobNameId) + "." +
                             extension + itemText(kRunId);
    setItemText(kTriangleFileId, file);
}

void ZPromptLUTDlg::browse() {
    const std::string name = itemText(kJobNameId) + "." + extension + itemText(kRunId);
    zplat::FileDialog dialog(true, {}, name, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, "Zarvo Triangle Files (*.ut?)|*.ut?||",
                             hwnd());
    dialog.setInitialDir(itemText(kDirectoryId));
    if (dialog.doModal() != zplat::IDOK) return;
    const std::string path = dialog.pathName();
    const auto cut = path.find_last_of("/\\");
    const std::string file = cut == std::string::npos ? path : path.substr(cut + 1);
    const auto dot = file.rfind('.');
    const std::string_view ext = dot == std::string::npos ? std::string_view() : std::string_view(file).substr(dot);
    const bool triangleFile = ext.size() == 4 && zafiles::lowerAscii(ext[1]) == 'u' &&
                              zafiles::lowerAscii(ext[2]) == 't' && zafiles::isAsciiAlnum(ext[3]);
    if (!triangleFile) {
        AfxMessageBox(kBadExtension);
        return;
    }
    setItemText(kDirectoryId, cut == std::string::npos ? std::string() : withoutFinalSeparator(path.substr(0, cut + 1)));
    setItemText(kJobNameId, file.substr(0, dot));
    setItemText(kRunId, ext.substr(3));
}
