#include <platform/data_exchange.h>
#include <platform/dialog.h>
#include <platform/message_box.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <zcad/text.h>

namespace zplat {

namespace {

std::string formatNumber(const char* format, double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

}  // namespace

void DataExchange::fail(int controlId, std::string_view message) {
    if (failed_) return;
    failed_ = true;
    // The focus that shows the field on a screen is not seen in a script or
    // at a terminal: the box names it.
    const Control* field = dialog_.item(controlId);
    const std::string caption = field && !field->label().empty() ? "zcad: " + field->label() : "zcad";
    messageBox(message, caption, MB_OK | MB_ICONEXCLAMATION);
    dialog_.gotoControl(controlId);
}

void ddxText(DataExchange& dx, int id, std::string& value) {
    if (dx.failed()) return;
    if (!dx.saving()) {
        dx.dialog().setItemText(id, value);
        return;
    }
    if (dx.dialog().item(id)) value = dx.dialog().itemText(id);
}

void ddxText(DataExchange& dx, int id, int& value) {
    if (dx.failed() || !dx.dialog().item(id)) return;
    if (!dx.saving()) {
        dx.dialog().setItemText(id, std::to_string(value));
        return;
    }
    const std::string text(zcad::trimmed(dx.dialog().itemText(id)));
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE || n < INT_MIN || n > INT_MAX) {
        dx.fail(id, "Please enter an integer.");
        return;
    }
    value = static_cast<int>(n);
}

void ddxText(DataExchange& dx, int id, double& value) {
    if (dx.failed() || !dx.dialog().item(id)) return;
    if (!dx.saving()) {
        dx.dialog().setItemText(id, formatNumber("%.15g", value));
        return;
    }
    const std::string text(zcad::trimmed(dx.dialog().itemText(id)));
    char* end = nullptr;
    errno = 0;
    const double d = std::strtod(text.c_str(), &end);
    // "nan" would pass any range check after this one.
    if (text.empty() || *end != '\0' || errno == ERANGE || !std::isfinite(d)) {
        dx.fail(id, "Please enter a number.");
        return;
    }
    value = d;
}

void ddxCheck(DataExchange& dx, int id, int& value) {
    if (dx.failed()) return;
    if (!dx.saving()) {
        dx.dialog().checkButton(id, value);
        return;
    }
    if (dx.dialog().item(id)) value = dx.dialog().isChecked(id);
}

void ddxCheck(DataExchange& dx, int id, bool& value) {
    int state = value ? BST_CHECKED : BST_UNCHECKED;
    ddxCheck(dx, id, state);
    value = state != BST_UNCHECKED;
}

void ddxRadio(DataExchange& dx, int firstId, int& value) {
    if (dx.failed()) return;
    const auto* first = dx.dialog().itemAs<RadioButton>(firstId);
    if (!first) return;
    const auto group = dx.dialog().radioGroup(*first);
    std::size_t start = 0;
    while (start < group.size() && group[start] != first) ++start;
    if (!dx.saving()) {
        for (std::size_t i = start; i < group.size(); ++i)
            group[i]->setCheck(static_cast<int>(i - start) == value);
        return;
    }
    value = -1;
    for (std::size_t i = start; i < group.size(); ++i)
        if (group[i]->checked()) value = static_cast<int>(i - start);
}

void ddxListIndex(DataExchange& dx, int id, int& value) {
    if (dx.failed()) return;
    auto* list = dx.dialog().itemAs<ListBox>(id);
    if (!list) return;
    if (!dx.saving()) {
        list->setCurSel(value);
        return;
    }
    value = list->curSel();
}

void ddvMinMax(DataExchange& dx, int id, int value, int min, int max) {
    if (!dx.saving() || dx.failed() || (value >= min && value <= max)) return;
    dx.fail(id, "Please enter an integer between " + std::to_string(min) + " and " +
                    std::to_string(max) + ".");
}

void ddvMinMax(DataExchange& dx, int id, double value, double min, double max) {
    if (!dx.saving() || dx.failed() || (value >= min && value <= max)) return;
    dx.fail(id, "Please enter a number between " + formatNumber("%g", min) + " and " +
                    formatNumber("%g", max) + ".");
}

void ddvMaxChars(DataExchange& dx, int id, const std::string& value, std::size_t max) {
    if (!dx.saving() || dx.failed() || value.size() <= max) return;
    dx.fail(id, "Please enter no more than " + std::to_string(max) + " characters.");
}

}  // namespace zplat
