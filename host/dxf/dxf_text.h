// Strings between a DXF file and the host. The host's text is single-byte
// Windows-1252, with characters outside it spelt "\U+XXXX" as DXF does;
// files of R2007 and later are UTF-8. Control characters travel in caret
// notation ("^J"), a literal caret as "^ ".
#pragma once

#include <string>
#include <string_view>

namespace zcad::dxf {

enum class TextEncoding {
    Ansi,  // Windows-1252, or bytes passed through for another code page
    Utf8,
};

// File text to host text. Returns `fileText` itself when nothing changes,
// else a view of `scratch`.
std::string_view decodeText(std::string_view fileText, TextEncoding encoding, std::string& scratch);

// Appends the file form of host text to `out`.
void encodeText(std::string_view hostText, TextEncoding encoding, std::string& out);
// Whether encodeText would append `hostText` unchanged (the usual case).
bool encodesAsItIs(std::string_view hostText, TextEncoding encoding);

}  // namespace zcad::dxf
