// ZOOM: Extents (or All, there being no limits to show), and a Window by
// two corners, which may also be given straight away.
#include "host_command.h"
#include "keywords.h"
#include "zcad/database.h"
#include "zoom_view.h"

namespace zcad::commands {

namespace {

class ZoomCommand : public HostCommand {
public:
    std::string prompt() const override {
        switch (stage_) {
        case Stage::Option:
            return "Specify corner of window or [All/Extents/Window] <real time>: ";
        case Stage::FirstCorner:
            return "Specify first corner: ";
        case Stage::SecondCorner:
            return "Specify opposite corner: ";
        }
        return {};
    }

    Step feed(const Word& word) override {
        if (stage_ == Stage::Option) return chooseOption(word);
        const auto corner = pointOf(word, first_);
        if (!corner) return rejectWord("Invalid point.");
        if (stage_ == Stage::FirstCorner) {
            first_ = *corner;
            stage_ = Stage::SecondCorner;
            return Step::More;
        }
        if (!zoomWindow(currentDatabase(), first_, *corner)) return rejectWord("The window has no area.");
        return Step::Done;
    }

private:
    enum class Stage { Option, FirstCorner, SecondCorner };

    Step chooseOption(const Word& word) {
        if (word.isEmpty()) return Step::Done;
        switch (matchKeyword(word, {"All", "Extents", "Window"})) {
        case 0:
        case 1:
            zoomExtents(currentDatabase());
            return Step::Done;
        case 2:
            stage_ = Stage::FirstCorner;
            return Step::More;
        default:
            break;
        }
        const auto corner = pointOf(word);
        if (!corner) return rejectWord("Point or option keyword required.");
        first_ = *corner;
        stage_ = Stage::SecondCorner;
        return Step::More;
    }

    Stage stage_ = Stage::Option;
    Point3 first_;
};

}  // namespace

std::unique_ptr<HostCommand> makeZoomCommand() { return std::make_unique<ZoomCommand>(); }

}  // namespace zcad::commands
