// The configuration file: the whole settings record as "key=value" lines
// whose keys are the registry value names, so that a user can keep several
// configurations or carry one to another machine.
//
//   file=/home/ann/ZautilConfig.dat
//   date=Tue Mar  5 14:02:11 2024
//   <empty line>
//   General Use Dialogs=true
//   ...                          (76 values, in the order of zaConfigFileKeys)
#pragma once

#include "files/byte_source.h"
#include "settings/settings_record.h"

#include <cstddef>
#include <ctime>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct ZaSettingValue;

inline constexpr const char* kZaConfigFileName = "ZautilConfig.dat";
// The longest line the reader takes; a longer one is refused whole.
inline constexpr std::size_t kZaConfigLineLength = 259;

// The 76 keys in the order they are written.
std::span<const char* const> zaConfigFileKeys();

// A value as the file writes it.
std::string zaConfigValueText(const ZaSettings& settings, const ZaSettingValue& v);

// The file's text: two header lines, an empty line, the 76 values (flags
// "true" or "false", whole numbers "%d", reals "%.5f", texts as they are).
std::string zaConfigFileText(const ZaSettings& settings, std::string_view path, const std::tm& when);

struct ZaConfigRefusal {
    enum class Reason { TooLong, OutOfRange };
    int line = 0;  // 1-based, counting every line of the file
    Reason reason = Reason::OutOfRange;
    std::string key;
    std::string value;
};

struct ZaConfigRead {
    int lines = 0;  // lines with a key
    int good = 0;   // of them, those not refused (unknown keys are passed over)
    std::size_t size = 0;
    std::vector<ZaConfigRefusal> refusals;
};

// Reads the lines into the record. A value its setting cannot hold (out of
// range, not a finite number) is refused and the setting keeps its value,
// so nothing unchecked reaches a command; an empty layer or file name takes
// its default, as the registry readers do.
ZaConfigRead zaReadConfigFile(std::unique_ptr<zafiles::ByteSource> source, ZaSettings& settings);

// The two operations behind the configuration dialog's buttons, with their
// messages on the command line. A failed save leaves an older file whole.
void zaSaveConfiguration(const ZaSettings& settings, const std::string& path);
void zaLoadConfiguration(ZaSettings& settings, const std::string& path);
