// The 20-character text of an exported point: the entity's layer name as
// the options shape it, an optional 2-character entity tag, and the level
// code "YSYS" (the point has a level) or "NUYS". The first 4 characters
// become the plot code, the rest the notes.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "dialogs/urout_options.h"
#include "strings/string_record.h"

namespace zastringexport {

using zastrings::RecordText;

class PointTextMaker {
public:
    explicit PointTextMaker(const ZaUROutOptions& options) : options_(options) {}

    // Once per entity: the name part does not change from point to point.
    void setLayer(std::string_view layer);
    const RecordText& text(std::string_view tag, bool level);

private:
    void put(std::size_t at, std::string_view part);

    const ZaUROutOptions& options_;
    std::array<char, RecordText::kLength> chars_{};
    std::size_t tagAt_ = 0;
    std::size_t levelAt_ = 0;
    RecordText text_;
};

}  // namespace zastringexport
