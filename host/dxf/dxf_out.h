// The output of a DXF writer: one growing buffer of code and value lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dxf_text.h"
#include "zcad/group_list.h"

namespace zcad::dxf {

class Out {
public:
    Out(TextEncoding encoding, bool crlf);

    std::string& buffer() { return buf_; }
    void reserve(std::size_t bytes) { buf_.reserve(bytes); }

    // A value exactly as given (kept groups, names we wrote ourselves).
    void raw(int code, std::string_view value);
    // Host text, encoded for the file.
    void text(int code, std::string_view hostText);
    void real(int code, double value);
    void degrees(int code, double radians);
    void integer(int code, std::int64_t value);
    void handle(int code, std::uint64_t value);
    void point(int code, const double xyz[3], bool flat);
    void group(const Group& g, bool angle);
    void owned(const OwnedGroup& g) { group(g.view(), false); }

private:
    void code(int code);
    void line(std::string_view value);
    void number(int code, const char* digits, std::size_t length);

    std::string buf_;
    TextEncoding encoding_;
    std::string_view eol_;
};

}  // namespace zcad::dxf
