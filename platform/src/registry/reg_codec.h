// Text and data encodings of the .reg format: Windows-1252 against Unicode
// (files saved by regedit are UTF-16), escaped strings and hex data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zplat::reg {

// The file's bytes as single-byte text: a UTF-16LE or UTF-8 byte-order mark
// is honoured; anything else is taken as Windows-1252. Nothing when the
// bytes do not decode; error then says why.
std::optional<std::string> decodeFileText(std::string_view bytes, std::string& error);

// "text" with \\ and \" escaped, and back. unquote takes the text after the
// opening quote and stops at the closing one; rest is what follows it.
std::string quote(std::string_view text);
std::optional<std::string> unquote(std::string_view afterOpeningQuote, std::string_view& rest);

// hex:.. and hex(N):.. data (continuation lines joined by '\n').
struct HexData {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> bytes;
};
std::optional<HexData> parseHex(std::string_view raw);
std::string formatHex(std::uint32_t type, const std::vector<std::uint8_t>& bytes);

// UTF-16LE bytes (as REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ are kept in hex
// form) against single-byte text.
std::string utf16ToText(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> textToUtf16(std::string_view text);

}  // namespace zplat::reg
