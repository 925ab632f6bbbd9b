#include "plot/plot_queue_dialog.h"

#include <platform/message_box.h>
#include <platform/services.h>

#include <filesystem>
#include <optional>

#include "arx/acedads.h"
#include "files/file_tests.h"
#include "import/open_file_dialog.h"
#include "plot/plot_file_filter.h"
#include "plot/plot_queue_job.h"
#include "settings/current_job.h"
#include "settings/job_path.h"
#include "settings/path_text.h"
#include "shell/za_advice.h"

namespace {

constexpr const char* kQueueFilter = "Plot Queue File (*.que )|*.que|All Files (*.*)|*.*||";
constexpr const char* kSelectFirst = "Please select a plot file from list box first!";

ZaJobPathParts currentJobParts() {
    std::string job;
    zaGetCurrentJob(job);
    ZaJobPathParts parts;
    zaSplitJobPath(job, parts);
    return parts;
}

std::string directoryOf(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string fileNameOf(const std::string& path) { return path.substr(path.find_last_of("\\/") + 1); }

bool inDirectory(const std::string& file, const std::string& directory) {
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(file).parent_path(), directory, error);
}

}  // namespace

ZPlotQueueDlg::ZPlotQueueDlg(HWND parent) : Dialog("Plot Queue", parent) {
    addEdit(kDirectory, "Queue directory").setReadOnly(true);
    addButton(kChooseQueue, "...");
    addListBox(kList, "Plot files");
    addButton(kLoadFile, "Load File");
    addButton(kAddFile, "Add file");
    addButton(kRemoveFile, "Remove File");
    addButton(kDeleteFile, "Delete File");
    addButton(kQuit, "Quit");
    setDefaultButton(kLoadFile);
    onClicked(kChooseQueue, [this] { chooseQueue(); });
    onClicked(kLoadFile, [this] { loadFile(); });
    on(kList, zplat::Notify::DoubleClicked, [this] { loadFile(); });
    onClicked(kAddFile, [this] { addFile(); });
    onClicked(kRemoveFile, [this] { takeOut(false); });
    onClicked(kDeleteFile, [this] { takeOut(true); });
    onClicked(kQuit, [this] { quit(); });
}

bool ZPlotQueueDlg::onInitDialog() {
    setTitle("Zarvo to AutoCAD Plot Queue Manager");
    const std::string directory = zaWithSeparator(currentJobParts().directory);
    setItemText(kDirectory, directory);
    queue_ = ZaPlotQueue(directory);
    acutPrintf("file \"%s\" \n", queue_.path().c_str());
    if (!queue_.load()) acutPrintf("\nCannot read plot queue file \"%s\"\n", queue_.path().c_str());
    zplat::ListBox& list = *itemAs<zplat::ListBox>(kList);
    list.resetContent();
    for (std::size_t i = 0; i < queue_.size(); ++i) list.addString(queue_.name(i));
    enableEntryButtons();
    changed_ = false;
    return true;
}

void ZPlotQueueDlg::enableEntryButtons() {
    const bool any = queue_.size() > 0;
    for (const int id : {kLoadFile, kDeleteFile, kRemoveFile}) enableItem(id, any);
}

// A queue that could not be read is never written over; changes that
// cannot be kept are said to be lost, not dropped unseen.
void ZPlotQueueDlg::writeBackIfChanged() {
    if (!changed_) return;
    changed_ = false;
    const std::optional<std::size_t> written = queue_.writable() ? queue_.write() : std::nullopt;
    if (written) {
        acutPrintf("file \"%s\" written out %d lines\n", queue_.path().c_str(), static_cast<int>(*written));
        return;
    }
    const std::string advice = "Cannot write the plot queue file '" + queue_.path() +
                               "'\nThe changes to the queue are lost\nZarvo_AutoCAD filing problem";
    zaAdviceMessage(advice.c_str());
}

void ZPlotQueueDlg::chooseQueue() {
    const ZaJobPathParts job = currentJobParts();
    const std::optional<std::string> chosen =
        zaimport::chooseFileToOpen("Open Plot Queue Files", kQueueFilter, zaWithSeparator(job.directory));
    if (!chosen) {
        acutPrintf("\n*Browse For new path - Cancelled*\n");
        return;
    }
    writeBackIfChanged();
    const std::string directory = directoryOf(*chosen);
    queue_ = ZaPlotQueue(directory);
    itemAs<zplat::ListBox>(kList)->resetContent();
    const ZaDirectoryJob newJob = zaDirectoryJob(directory);
    acutPrintf("File 3 check %s  %d\n", newJob.path.c_str(), static_cast<int>(newJob.lineLength));
    zaSetCurrentJob(newJob.path);
    reopen_ = true;
    endDialog(zplat::IDOK);
}

void ZPlotQueueDlg::addFile() {
    zaimport::OpenFileRequest request;
    request.title = "Open Zarvo Plot Files";
    request.filter = kZaPlotFileFilter;
    request.directory = queue_.directory();
    request.mustExist = true;
    const std::optional<std::string> chosen = zaimport::chooseFileToOpen(request);
    if (!chosen) {
        acutPrintf("\n*Add Plotfile - Cancelled*\n");
        return;
    }
    if (!inDirectory(*chosen, queue_.directory())) {
        AfxMessageBox("The file selected has to be in the same directory as plot.que file.");
        return;
    }
    const std::string name = fileNameOf(*chosen);
    if (!queue_.add(name)) {
        AfxMessageBox("The file selected is already in the queue.");
        return;
    }
    zplat::ListBox& list = *itemAs<zplat::ListBox>(kList);
    list.setCurSel(list.addString(name));
    changed_ = true;
    enableEntryButtons();
}

std::optional<std::size_t> ZPlotQueueDlg::selectedEntry() {
    const int selected = itemAs<zplat::ListBox>(kList)->curSel();
    if (queue_.size() == 0 || selected < 0) {
        AfxMessageBox(kSelectFirst);
        return std::nullopt;
    }
    return static_cast<std::size_t>(selected);
}

void ZPlotQueueDlg::loadFile() {
    const std::optional<std::size_t> entry = selectedEntry();
    if (entry) {
        chosen_ = queue_.fullPath(*entry);
        writeBackIfChanged();
    }
    acutPrintf("File \"%s\" selected \n", chosen_.c_str());
    if (entry) endDialog(zplat::IDOK);
}

// A file that is there but cannot be deleted stays in the queue, and the
// user is told.
void ZPlotQueueDlg::takeOut(bool deleteFile) {
    const std::optional<std::size_t> entry = selectedEntry();
    if (!entry) return;
    const std::string path = queue_.fullPath(*entry);
    acutPrintf("\nDelete file. \"%s\" at %d of %d\n", path.c_str(), static_cast<int>(*entry),
               static_cast<int>(queue_.size()));
    if (deleteFile && !DeleteFileA(path.c_str()) && zafiles::isFile(path)) {
        acutPrintf("\nCannot delete \"%s\": it stays in the queue\n", path.c_str());
        return;
    }
    queue_.remove(*entry);
    zplat::ListBox& list = *itemAs<zplat::ListBox>(kList);
    list.deleteString(static_cast<int>(*entry));
    if (list.count() > 0) list.setCurSel(std::min(static_cast<int>(*entry), list.count() - 1));
    changed_ = true;
    enableEntryButtons();
}

void ZPlotQueueDlg::quit() {
    writeBackIfChanged();
    endDialog(zplat::IDCANCEL);
}
