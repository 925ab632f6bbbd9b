#include "config/setting_exchange.h"

#include <platform/dialog.h>

#include "settings/settings_table.h"

#include <cassert>
#include <charconv>
#include <cstdio>

namespace zaconfig {

namespace {

const ZaSettingValue& settingOf(const char* name) {
    const ZaSettingValue* v = zaFindSettingValue(name);
    assert(v && "a control names a value of the settings table");
    static const ZaSettingValue unknown{.name = "", .field = &ZaSettings::reopen};
    return v ? *v : unknown;
}

std::string numberText(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// A bound as a user reads it: 0.00001, never 1e-05.
std::string boundText(double value) {
    char text[400];
    std::snprintf(text, sizeof text, "%.5f", value);
    std::string bound = text;
    bound.erase(bound.find_last_not_of('0') + 1);
    if (bound.back() == '.') bound.pop_back();
    return bound;
}

std::string rangeText(const ZaSettingValue& v, const char* kind) {
    const bool low = v.low != -kZaUnbounded;
    const bool high = v.high != kZaUnbounded;
    std::string text = std::string("Please enter ") + kind;
    if (low && high) return text + " between " + boundText(v.low) + " and " + boundText(v.high) + ".";
    if (low) return text + " of at least " + boundText(v.low) + ".";
    if (high) return text + " of at most " + boundText(v.high) + ".";
    return text + ".";
}

// The edit's number, when it is one the setting accepts.
template <class T>
void takeNumber(zplat::DataExchange& dx, int id, const char* setting, T& value, const char* kind) {
    T number = value;
    zplat::ddxText(dx, id, number);
    if (dx.failed()) return;
    const ZaSettingValue& v = settingOf(setting);
    if (!zaSettingAccepts(v, number)) {
        dx.fail(id, rangeText(v, kind));
        return;
    }
    value = number;
}

}  // namespace

void exchangeRadios(zplat::DataExchange& dx, std::span<const RadioChoice> choices, int& value) {
    if (dx.failed()) return;
    zplat::Dialog& dialog = dx.dialog();
    if (!dx.saving()) {
        for (const RadioChoice& c : choices)
            dialog.checkButton(c.id, c.value == value || c.alias == value ? zplat::BST_CHECKED : zplat::BST_UNCHECKED);
        return;
    }
    for (const RadioChoice& c : choices) {
        if (dialog.isChecked(c.id) != zplat::BST_CHECKED) continue;
        // A value the radio shows under another name keeps that name.
        if (c.alias != value) value = c.value;
        return;
    }
}

void exchangeRadios(zplat::DataExchange& dx, std::span<const RadioChoice> choices, bool& value) {
    int number = value ? 1 : 0;
    exchangeRadios(dx, choices, number);
    value = number != 0;
}

void exchangeBits(zplat::DataExchange& dx, int id, int& word, int bits, int shownBy) {
    if (dx.failed()) return;
    if (!dx.saving()) {
        dx.dialog().checkButton(id, (word & shownBy) == shownBy ? zplat::BST_CHECKED : zplat::BST_UNCHECKED);
        return;
    }
    if (dx.dialog().isChecked(id) == zplat::BST_CHECKED) word |= bits;
    else word &= ~bits;
}

void exchangeNumber(zplat::DataExchange& dx, int id, const char* setting, int& value) {
    if (dx.failed()) return;
    if (!dx.saving()) {
        dx.dialog().setItemText(id, std::to_string(value));
        return;
    }
    takeNumber(dx, id, setting, value, "a whole number");
}

void exchangeNumber(zplat::DataExchange& dx, int id, const char* setting, double& value, const char* format) {
    if (dx.failed()) return;
    if (dx.saving()) {
        takeNumber(dx, id, setting, value, "a number");
        return;
    }
    if (!format) {
        dx.dialog().setItemText(id, numberText(value));
        return;
    }
    char text[400];
    std::snprintf(text, sizeof text, format, value);
    dx.dialog().setItemText(id, text);
}

void exchangeText(zplat::DataExchange& dx, int id, const char* setting, std::string& value) {
    if (dx.failed()) return;
    if (!dx.saving()) {
        dx.dialog().setItemText(id, value);
        return;
    }
    const ZaSettingValue& v = settingOf(setting);
    std::string text = dx.dialog().itemText(id);
    zplat::ddvMaxChars(dx, id, text, v.limit - 1);
    if (dx.failed()) return;
    value = text.empty() && v.emptyIsDefault ? zaSettingDefaultText(v) : std::move(text);
}

std::size_t textLimit(const char* setting) { return settingOf(setting).limit - 1; }

}  // namespace zaconfig
