#include "string_export/point_text.h"

#include <algorithm>

#include "files/text_rules.h"

namespace zastringexport {
namespace {

constexpr std::size_t kNameRoom = 16;
constexpr std::size_t kNameRoomBeforeTag = 14;
constexpr std::size_t kTagLength = 2;
constexpr std::size_t kLevelLength = 4;

}  // namespace

void PointTextMaker::put(std::size_t at, std::string_view part) {
    if (at >= chars_.size()) return;
    const std::size_t n = std::min(part.size(), chars_.size() - at);
    std::copy_n(part.data(), n, chars_.data() + at);
}

void PointTextMaker::setLayer(std::string_view layer) {
    layer = zafiles::trimTrailingSpaces(layer);
    const std::size_t room = options_.createNote ? kNameRoomBeforeTag : kNameRoom;
    chars_.fill(' ');
    std::size_t nameLength = std::max(layer.size(), room);
    if (options_.last8Layer && layer.size() >= room) {
        // The first part and the last N characters, which tell long names apart.
        const auto last = static_cast<std::size_t>(zaLastCharsInRange(options_.lastNumberText));
        put(0, layer.substr(0, room - last));
        put(room - last, layer.substr(layer.size() - last));
        nameLength = room;
    } else {
        put(0, layer);
    }
    tagAt_ = nameLength;
    levelAt_ = nameLength + (options_.createNote ? kTagLength : 0);
}

const RecordText& PointTextMaker::text(std::string_view tag, bool level) {
    if (options_.createNote) put(tagAt_, tag.substr(0, kTagLength));
    put(levelAt_, level ? std::string_view("YSYS", kLevelLength) : std::string_view("NUYS", kLevelLength));
    text_.assign(std::string_view(chars_.data(), std::min(levelAt_ + kLevelLength, chars_.size())));
    return text_;
}

}  // namespace zastringexport
