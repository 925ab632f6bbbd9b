// One point of the suite's string files (UR and TR): the same fields in both.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace zastrings {

// The suite's version tag, heading both UR and TR files.
inline constexpr std::string_view kVersionTag = "Version 2.2 and over";

// The code-and-notes text of a point: 4 characters of plot code, then up to
// 16 of notes. Held inline so that reading millions of records allocates
// nothing.
class RecordText {
public:
    static constexpr std::size_t kLength = 20;
    static constexpr std::size_t kCodeLength = 4;

    RecordText() = default;
    explicit RecordText(std::string_view text) { assign(text); }

    // Keeps at most 20 characters; a NUL ends the text, as it ends the
    // suite's C strings.
    void assign(std::string_view text) {
        const auto end = std::min({text.find('\0'), text.size(), kLength});
        std::copy_n(text.data(), end, chars_.data());
        size_ = static_cast<std::uint8_t>(end);
    }
    // The code followed by the notes, as one text.
    void assign(std::string_view code, std::string_view notes) {
        assign(code);
        if (size_ < code.size()) return;
        const auto room = std::min({notes.find('\0'), notes.size(), kLength - size_});
        std::copy_n(notes.data(), room, chars_.data() + size_);
        size_ = static_cast<std::uint8_t>(size_ + room);
    }
    std::string_view view() const { return {chars_.data(), size_}; }
    std::string_view code() const { return view().substr(0, kCodeLength); }
    std::string_view notes() const { return size_ > kCodeLength ? view().substr(kCodeLength) : std::string_view{}; }
    std::size_t size() const { return size_; }
    bool operator==(const RecordText& other) const { return view() == other.view(); }

private:
    std::array<char, kLength> chars_{};
    std::uint8_t size_ = 0;
};

struct StringRecord {
    std::int32_t stringNumber = 0;  // 0: a lone point
    std::int32_t pointNumber = 0;   // carried, never used by an import
    double x = 0;
    double y = 0;
    double z = 0;
    RecordText text;
};

}  // namespace zastrings
