// The questions about new and modified pen rows, and the writing of plot.pen.
#include <string>

#include "arx/acedads.h"
#include "files/replace_file.h"
#include "layers/plot_pen_file.h"
#include "layers/plot_pen_table.h"

namespace {

enum class Answer { Yes, No, All, None };

// Only the four keywords count; Enter, a cancel or anything else is No.
Answer ask(const std::string& question) {
    acedInitGet(0, "Yes No All None");
    std::string reply(64, '\0');
    const int status = acedGetKword(question.c_str(), reply.data(), reply.size());
    if (status == RTCAN) acutPrintf("\nCannot cancel");
    if (status != RTNORM) return Answer::No;
    reply.resize(reply.find('\0'));
    if (reply == "Yes") return Answer::Yes;
    if (reply == "All") return Answer::All;
    if (reply == "None") return Answer::None;
    return Answer::No;
}

// One kind of question with its two sticky answers.
class Decider {
public:
    explicit Decider(std::string_view asking) : asking_(asking) {}

    bool accept(const std::string& layerName) {
        if (all_) return true;
        if (none_) return false;
        switch (ask("Layer '" + layerName + "' " + std::string(asking_))) {
        case Answer::All:
            all_ = true;
            return true;
        case Answer::None:
            none_ = true;
            return false;
        case Answer::Yes:
            return true;
        case Answer::No:
            return false;
        }
        return false;
    }

private:
    std::string_view asking_;
    bool all_ = false;
    bool none_ = false;
};

}  // namespace

void ZaPlotPenTable::confirmAndSave() {
    if (path_.empty()) return;
    if (refused_) {
        acutPrintf("\nPen file '%s' could not be read whole and is left as it was.", path_.c_str());
        return;
    }
    Decider adding("is new, add to pen file, Yes, No, All, None ? ");
    Decider updating("has been modified, update layer file, Yes, No, All, None ? ");
    for (ZaPlotPenRow& row : rows_) {
        if (row.state == ZaPenRowState::New && adding.accept(row.layerName)) row.state = ZaPenRowState::Kept;
        if (row.state != ZaPenRowState::Modified) continue;
        if (!updating.accept(row.layerName)) {
            row.colour = row.previousColour;
            row.lineType = row.previousLineType;
        }
        row.state = ZaPenRowState::Kept;
    }
    write();
    rows_.clear();
    rows_.shrink_to_fit();
}

void ZaPlotPenTable::write() {
    std::string out(kZaPlotPenHeader);
    out += "\r\n";
    for (const ZaPlotPenRow& row : rows_) {
        if (row.state == ZaPenRowState::Kept) zaAppendPlotPenRow(out, row);
    }
    out += "/////\r\n";
    if (!zafiles::replaceFile(path_, out)) acutPrintf("\nAn error occured writing to file, '%s'", path_.c_str());
}
