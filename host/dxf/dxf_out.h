// The output of a DXF writer: code and value lines gathered in a fixed
// buffer and handed to a sink whenever it fills, so a drawing of any size
// is written with the same small memory.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "dxf_text.h"
#include "zcad/group_list.h"

namespace zcad::dxf {

// Takes finished bytes; false stops the write (the sink keeps its reason).
using Sink = std::function<bool(std::string_view)>;

class Out {
public:
    Out(TextEncoding encoding, bool crlf, Sink sink);

    // Hands over what is buffered; false if the sink refused anything.
    bool flush();
    bool failed() const { return failed_; }
    // Finished text made elsewhere, handed on in its place.
    void bytes(std::string_view text);

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
    // Room for `bytes` more, flushing first when the buffer is too full.
    char* room(std::size_t bytes);
    void code(int code);
    void line(std::string_view value);
    void number(int code, const char* digits, std::size_t length);
    char* endLine(char* at) const;

    std::unique_ptr<char[]> buf_;
    char* at_;
    char* end_;
    Sink sink_;
    bool failed_ = false;
    TextEncoding encoding_;
    bool crlf_;
    std::string scratch_;  // encoded text, reused
};

}  // namespace zcad::dxf
