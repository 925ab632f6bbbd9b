// ZPlotQueueDlg: the plot queue of the current job's directory, to choose
// a plot file to draw, to add and take out plot files, or to move to
// another job's queue.
#pragma once

#include <platform/dialog.h>

#include <string>

#include "plot/plot_queue.h"

class ZPlotQueueDlg : public zplat::Dialog {
public:
    enum Id {
        kDirectory = 1075,
        kChooseQueue = 1108,  // "..."
        kLoadFile = 1109,
        kAddFile = 1110,
        kQuit = 1112,
        kList = 1113,
        kRemoveFile = 1156,
        kDeleteFile = 1157,
    };

    explicit ZPlotQueueDlg(HWND parent = nullptr);

    // The plot file chosen; empty when none was.
    const std::string& chosenFile() const { return chosen_; }
    // Another queue was chosen: the dialog is to be shown again on it.
    bool reopen() const { return reopen_; }
    const ZaPlotQueue& queue() const { return queue_; }

protected:
    bool onInitDialog() override;
    void onOK() override { loadFile(); }
    // Closing the window keeps what was changed, as Quit does.
    void onCancel() override { quit(); }

private:
    void chooseQueue();
    void addFile();
    void loadFile();
    void takeOut(bool deleteFile);
    void quit();
    // The selected entry, or nothing after telling the user to select one.
    std::optional<std::size_t> selectedEntry();
    void enableEntryButtons();
    void writeBackIfChanged();

    ZaPlotQueue queue_{{}};
    std::string chosen_;
    bool changed_ = false;
    bool reopen_ = false;
};
