// The output of a DXF writer: code and value lines gathered in pieces that
// are handed to a sink whenever one fills, so a drawing of any size is
// written with the same small memory.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dxf_pieces.h"
#include "dxf_text.h"
#include "zcad/group_list.h"

namespace zcad::dxf {

struct CodeLines;

class Out {
public:
    // `pool` outlives the Out; `sink` may be set later, before the first piece fills.
    Out(TextEncoding encoding, bool crlf, PiecePool& pool, PieceSink* sink);
    ~Out();
    Out(const Out&) = delete;
    Out& operator=(const Out&) = delete;

    void setSink(PieceSink* sink) { sink_ = sink; }
    // Degrees as a file gave them, by the bits of their radians, written
    // instead of the shortest spelling of those radians.
    void setDegreesAsRead(const std::unordered_map<std::uint64_t, double>* degrees) { degreesAsRead_ = degrees; }
    // Hands over what is buffered; false if the sink refused anything.
    bool flush();
    bool failed() const { return failed_; }
    TextEncoding encoding() const { return encoding_; }
    // Pieces made elsewhere, handed on in their place; `made` is left empty.
    void pieces(std::vector<Piece>& made);

    // A value exactly as given (kept groups, names we wrote ourselves).
    void raw(int code, std::string_view value);
    // Host text, encoded for the file.
    void text(int code, std::string_view hostText);
    // The same for a name of the pool, whose spelling is looked at once.
    void pooledText(int code, std::string_view name);
    void real(int code, double value);
    void degrees(int code, double radians);
    void integer(int code, std::int64_t value);
    void handle(int code, std::uint64_t value);
    void point(int code, const double xyz[3], bool flat);
    void group(const Group& g, bool angle);
    void owned(const OwnedGroup& g) { group(g.view(), false); }

private:
    // Room for `bytes` (at most a piece) more, handing on the piece first
    // when it is too full.
    char* room(std::size_t bytes);
    void append(std::string_view value);
    char* code(char* at, int code) const;
    void line(std::string_view value);
    char* endLine(char* at) const;

    PiecePool& pool_;
    PieceSink* sink_;
    const CodeLines& codeLines_;
    Piece piece_;
    char* at_ = nullptr;
    char* end_ = nullptr;
    bool failed_ = false;
    TextEncoding encoding_;
    bool crlf_;
    std::string scratch_;  // encoded text, reused
    // Pool names written as they are, by where they are: an entity's type
    // and layer recur in every entity.
    std::array<const char*, 8> plainNames_{};
    std::size_t nextPlainName_ = 0;
    const std::unordered_map<std::uint64_t, double>* degreesAsRead_ = nullptr;
};

}  // namespace zcad::dxf
