// The generic group reader, writer and default setter over the table.
#include "settings/install_dir.h"
#include "settings/registry_values.h"
#include "settings/settings_message.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"

#include <string>
#include <variant>

namespace {

enum class Read { Ok, Missing, OutOfRange };

Read readInto(HKEY key, const ZaSettingValue& v, bool& field) {
    const auto value = zaRegReadFlag(key, v.name);
    if (!value) return Read::Missing;
    field = *value;
    return Read::Ok;
}

Read readInto(HKEY key, const ZaSettingValue& v, int& field) {
    const auto value = v.countedText ? zaRegReadCounted(key, v.name) : zaRegReadWhole(key, v.name);
    if (!value) return Read::Missing;
    if (!zaSettingAccepts(v, *value)) return Read::OutOfRange;
    field = *value;
    return Read::Ok;
}

Read readInto(HKEY key, const ZaSettingValue& v, double& field) {
    const auto value = zaRegReadReal(key, v.name);
    if (!value) return Read::Missing;
    // "nan" or "inf" would reach the drawing as coordinates.
    if (!zaSettingAccepts(v, *value)) return Read::OutOfRange;
    field = *value;
    return Read::Ok;
}

Read readInto(HKEY key, const ZaSettingValue& v, std::string& field) {
    const auto value = zaRegReadText(key, v.name, v.limit);
    if (!value) return Read::Missing;
    field = value->empty() && v.emptyIsDefault ? zaSettingDefaultText(v) : *value;
    return Read::Ok;
}

bool writeFrom(HKEY key, const ZaSettingValue& v, bool field) { return zaRegWriteFlag(key, v.name, field); }

bool writeFrom(HKEY key, const ZaSettingValue& v, int field) {
    return v.countedText ? zaRegWriteCounted(key, v.name, field) : zaRegWriteWhole(key, v.name, field);
}

bool writeFrom(HKEY key, const ZaSettingValue& v, double field) { return zaRegWriteReal(key, v.name, field); }

bool writeFrom(HKEY key, const ZaSettingValue& v, const std::string& field) {
    return zaRegWriteText(key, v.name, field, v.limit);
}

void assignDefault(const ZaSettingValue& v, bool& field) { field = v.number != 0.0; }
void assignDefault(const ZaSettingValue& v, int& field) { field = static_cast<int>(v.number); }
void assignDefault(const ZaSettingValue& v, double& field) { field = v.number; }
void assignDefault(const ZaSettingValue& v, std::string& field) { field = zaSettingDefaultText(v); }

std::string readFailureText(const ZaSettingValue& v, Read outcome) {
    if (outcome == Read::OutOfRange && v.rangeMessage) return v.rangeMessage;
    if (v.readMessage) return v.readMessage;
    return "Could not retrieve \"" + std::string(v.name) + "\" from registry,\nRestoring Defaults.";
}

std::string writeFailureText(const ZaSettingValue& v) {
    if (v.writeMessage) return v.writeMessage;
    return "Could not set \"" + std::string(v.name) + "\" registry entry.";
}

HKEY openForWriting(const ZaSettingsGroupTable& group) {
    HKEY key = nullptr;
    const LONG rc = group.writerCreatesKey
                        ? RegCreateKeyExA(HKEY_CURRENT_USER, kZaSettingsKey, 0, nullptr,
                                          REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr)
                        : RegOpenKeyExA(HKEY_CURRENT_USER, kZaSettingsKey, 0, KEY_WRITE, &key);
    return rc == ERROR_SUCCESS ? key : nullptr;
}

}  // namespace

std::string zaSettingDefaultText(const ZaSettingValue& v) {
    if (!v.underInstall) return v.text;
    std::string dir;
    if (zaGetZarvoInstallDir(dir) < 0) return {};
    std::string path = dir + v.text;
    // A path cut to the field's limit would name another file.
    if (path.size() >= v.limit) return {};
    return path;
}

bool zaReadSettingsGroup(ZaSettings& settings, ZaSettingsGroup group) {
    const ZaSettingsGroupTable& table = zaSettingsGroupTable(group);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kZaSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        zaSettingsMessage(table.openMessageBreaksLine
                              ? "Could not open the Zarvo AutoCAD Interface Registry keys.\nCreating Defaults"
                              : "Could not open the Zarvo AutoCAD Interface Registry keys.Creating Defaults");
        return zaCreateDefaultSettings(settings);
    }
    for (const ZaSettingValue& v : table.values) {
        const Read outcome =
            std::visit([&](auto member) { return readInto(key, v, settings.*member); }, v.field);
        if (outcome == Read::Ok) continue;
        zaSettingsMessage(readFailureText(v, outcome).c_str());
        RegCloseKey(key);
        if (v.failureRestoresAll) return zaCreateDefaultSettings(settings);
        return zaSetSettingsGroupDefaults(settings, group);
    }
    RegCloseKey(key);
    return true;
}

bool zaWriteSettingsGroup(const ZaSettings& settings, ZaSettingsGroup group) {
    const ZaSettingsGroupTable& table = zaSettingsGroupTable(group);
    HKEY key = openForWriting(table);
    if (!key) {
        zaSettingsMessage("Could not open the Zarvo AutoCAD Interface Registry keys.");
        return false;
    }
    bool written = true;
    for (const ZaSettingValue& v : table.values) {
        if (std::visit([&](auto member) { return writeFrom(key, v, settings.*member); }, v.field)) continue;
        zaSettingsMessage(writeFailureText(v).c_str());
        written = false;
    }
    RegCloseKey(key);
    return written;
}

bool zaSetSettingsGroupDefaults(ZaSettings& settings, ZaSettingsGroup group) {
    const ZaSettingsGroupTable& table = zaSettingsGroupTable(group);
    if (!table.hasDefaults) return false;
    for (const ZaSettingValue& v : table.values)
        std::visit([&](auto member) { assignDefault(v, settings.*member); }, v.field);
    return zaWriteSettingsGroup(settings, group);
}
