// Data exchange between a dialog's controls and its members, both ways: the
// DDX_ and DDV_ helpers. A refused value is told to the user, the focus goes
// to its control, and the rest of the exchange is skipped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#pragma GCC visibility push(default)

namespace zplat {

class Dialog;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate) : dialog_(dialog), save_(saveAndValidate) {}
    bool saving() const { return save_; }
    bool failed() const { return failed_; }
    Dialog& dialog() const { return dialog_; }
    void fail(int controlId, std::string_view message);

private:
    Dialog& dialog_;
    bool save_;
    bool failed_ = false;
};

void ddxText(DataExchange& dx, int id, std::string& value);
void ddxText(DataExchange& dx, int id, int& value);     // "Please enter an integer."
void ddxText(DataExchange& dx, int id, double& value);  // "Please enter a number."
void ddxCheck(DataExchange& dx, int id, int& value);
void ddxCheck(DataExchange& dx, int id, bool& value);
// The index of the checked radio in the group that starts at firstId; -1: none.
void ddxRadio(DataExchange& dx, int firstId, int& value);
void ddxListIndex(DataExchange& dx, int id, int& value);

void ddvMinMax(DataExchange& dx, int id, int value, int min, int max);
void ddvMinMax(DataExchange& dx, int id, double value, double min, double max);
void ddvMaxChars(DataExchange& dx, int id, const std::string& value, std::size_t max);

}  // namespace zplat

#pragma GCC visibility pop
