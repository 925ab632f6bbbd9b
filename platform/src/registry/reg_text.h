// Reading and writing the store file's text.
#pragma once

#include "reg_document.h"

#include <optional>
#include <string>
#include <string_view>

namespace zplat::reg {

inline constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";

struct ParseResult {
    std::optional<Document> document;
    std::string error;  // "line N: why", when there is no document
};

// Bytes of a .reg file. An empty (or blank) file is an empty store.
ParseResult parseRegText(std::string_view bytes);

// The file as regedit would import it: single-byte text, CRLF line ends.
std::string writeRegText(const Document& doc);

}  // namespace zplat::reg
