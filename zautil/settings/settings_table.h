// The settings groups as data: for each value its registry name, field of
// the record, default, valid range and messages. The generic readers and
// writers (settings_groups.cpp) give them their behaviour.
#pragma once

#include "settings/settings_record.h"
#include "settings/settings_store.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <variant>

// The field's type decides the encoding: bool a flag (REG_DWORD), int a
// whole number (REG_DWORD) or counted text, double a real ("%.5f"), string a text.
using ZaSettingsField =
    std::variant<bool ZaSettings::*, int ZaSettings::*, double ZaSettings::*, std::string ZaSettings::*>;

inline constexpr double kZaUnbounded = std::numeric_limits<double>::infinity();
inline constexpr std::size_t kZaTextLimit = 256;

struct ZaSettingValue {
    const char* name;
    ZaSettingsField field;
    double number = 0.0;         // default of a flag or number
    const char* text = "";       // default of a text
    bool underInstall = false;   // the text default is a file of the installation directory
    double low = -kZaUnbounded;  // valid range of a number
    double high = kZaUnbounded;
    std::size_t limit = kZaTextLimit;    // bytes of a text with its terminating zero
    bool countedText = false;            // an int stored as "%d" text
    bool emptyIsDefault = false;         // an empty text reads as the default
    bool failureRestoresAll = false;     // a failed read rebuilds every group
    const char* readMessage = nullptr;   // missing, mistyped, unreadable
    const char* rangeMessage = nullptr;  // out of range; nullptr: readMessage
    const char* writeMessage = nullptr;  // nullptr: a message naming the value
};

struct ZaSettingsGroupTable {
    std::span<const ZaSettingValue> values;
    bool openMessageBreaksLine = false;  // which of the two "Creating Defaults" texts
    bool writerCreatesKey = false;       // create or open with full access
    bool hasDefaults = true;
};

inline constexpr const char* kZaSettingsKey = "Software\\Zarvo Software\\AutoCAD Interface";

const ZaSettingsGroupTable& zaSettingsGroupTable(ZaSettingsGroup group);

// A number the value may hold: finite and within its valid range.
inline bool zaSettingAccepts(const ZaSettingValue& v, double number) {
    return std::isfinite(number) && number >= v.low && number <= v.high;
}

// The text default, with a file of the installation directory made whole
// (empty when that directory is not found).
std::string zaSettingDefaultText(const ZaSettingValue& v);

// The value of that registry name, in whichever group, compared with regard
// to case (as the configuration file's keys are); nullptr when none.
const ZaSettingValue* zaFindSettingValue(std::string_view name);
