// The registry store reader: any bytes are refused with a reason or read;
// what is read writes back to text that reads to the same store.
#include "registry/reg_codec.h"
#include "registry/reg_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zplat::reg;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ParseResult first = parseRegText(bytes);
    if (!first.document) {
        if (first.error.empty()) __builtin_trap();
        return 0;
    }
    const std::string text = writeRegText(*first.document);
    const ParseResult second = parseRegText(text);
    if (!second.document) __builtin_trap();
    if (writeRegText(*second.document) != text) __builtin_trap();
    for (const auto& section : second.document->sections)
        for (const auto& entry : section.entries)
            if (entry.value && entry.value->kind == Value::Kind::Raw && entry.value->text != "-") {
                const auto hex = parseHex(entry.value->text);
                if (!hex) __builtin_trap();
                (void)utf16ToText(hex->bytes);
            }
    return 0;
}
