// The configuration file reader on any bytes: it must read or refuse every
// line, never crash, hang or read out of bounds, and leave every setting
// with a value its setting accepts, every text within its limit.
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

#include "files/byte_source.h"
#include "settings/config_file.h"
#include "settings/settings_table.h"
#include "zcad/console.h"

namespace {

bool holds(const ZaSettingValue&, bool) { return true; }
bool holds(const ZaSettingValue& v, int value) { return zaSettingAccepts(v, value); }
bool holds(const ZaSettingValue& v, double value) { return zaSettingAccepts(v, value); }
bool holds(const ZaSettingValue& v, const std::string& value) { return value.size() < v.limit; }

// Every number at its lowest accepted value (or 1), so that the record
// starts as one the registry readers would give.
ZaSettings acceptedRecord() {
    ZaSettings settings;
    for (const char* key : zaConfigFileKeys()) {
        const ZaSettingValue& v = *zaFindSettingValue(key);
        std::visit(
            [&](auto member) {
                auto& field = settings.*member;
                using T = std::decay_t<decltype(field)>;
                const double low = v.low == -kZaUnbounded ? 1.0 : v.low;
                if constexpr (std::is_same_v<T, int>) field = static_cast<int>(low);
                if constexpr (std::is_same_v<T, double>) field = low;
            },
            v.field);
    }
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        zcad::setOutputSink([](std::string_view) {});
        return true;
    }();
    (void)quiet;
    static const ZaSettings start = acceptedRecord();
    ZaSettings settings = start;
    const std::span<const char> bytes(reinterpret_cast<const char*>(data), size);
    const ZaConfigRead read = zaReadConfigFile(zafiles::memorySource(bytes), settings);
    if (read.good > read.lines || read.size > size) __builtin_trap();
    if (read.refusals.size() != static_cast<std::size_t>(read.lines - read.good)) __builtin_trap();
    for (const char* key : zaConfigFileKeys()) {
        const ZaSettingValue& v = *zaFindSettingValue(key);
        if (!std::visit([&](auto member) { return holds(v, settings.*member); }, v.field)) __builtin_trap();
    }
    return 0;
}
