// Splits ASCII DXF text into groups: a code line and a value line each,
// LF or CRLF. Never reads outside the text; every refusal names the line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zcad::dxf {

struct Token {
    int code = 0;
    std::string_view value;  // the value line without its line end
    std::size_t line = 0;    // line number of the code line, from 1
};

class Scanner {
public:
    explicit Scanner(std::string_view text);

    // False at the end of the text or on an error (then error() is set).
    bool next(Token& token);
    // Makes the next call to next() return `token` again.
    void pushBack(const Token& token);
    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    bool atEnd() const { return !pending_ && pos_ >= end_; }
    std::size_t line() const { return line_; }
    bool crlf() const { return crlf_; }

    // Sets the error for a group at `line`, once.
    void fail(std::size_t line, std::string_view message);

private:
    bool readLine(std::string_view& line);
    // The careful reading of a code line, with its refusals.
    bool parseCode(std::string_view codeLine, std::size_t codeAt, int& code);

    const char* pos_;
    const char* end_;
    std::size_t line_ = 1;  // number of the next line to read
    bool crlf_ = false;
    bool pending_ = false;
    Token pushed_;
    std::string error_;
};

}  // namespace zcad::dxf
