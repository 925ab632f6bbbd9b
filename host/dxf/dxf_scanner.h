// Splits DXF into groups: in text, a code line and a value line each, LF
// or CRLF; in binary DXF, as the binary reader decodes them. Never reads
// outside the file; every refusal names the line (the byte in binary).
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace zcad::dxf {

struct Token {
    int code = 0;
    std::string_view value;  // the value line without its line end
    std::size_t line = 0;    // line number of the code line, from 1; in binary, the byte offset
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
    bool binary() const { return binary_ != nullptr; }

    // Where the next line starts; with a group pushed back, past that group.
    const char* position() const { return pos_; }
    // Goes on at `pos` as if the groups up to `pending`, whose value line
    // ends there, had been read here and `pending` pushed back.
    void resumeAt(const char* pos, const Token& pending, bool crlf) {
        pos_ = pos;
        line_ = pending.line + 2;
        crlf_ = crlf_ || crlf;
        pushBack(pending);
    }

    // Sets the error for a group at `line`, once.
    void fail(std::size_t line, std::string_view message);

private:
    // Numbers of a binary file as text: a few slots in turn, so the values
    // of a point's x and y stay readable while its z is read. Shared by
    // copies of a scanner, which only ever go back in the file.
    struct BinaryState;
    bool nextBinary(Token& token);
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
    std::shared_ptr<BinaryState> binary_;
};

}  // namespace zcad::dxf
