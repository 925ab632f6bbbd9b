// PNGOUT (and SVGOUT, PDFOUT, HTMLOUT): a picture of chosen objects, or of all,
// written at any point of a script.
#include "commands/host_command.h"
#include "commands/keywords.h"
#include "commands/object_selection.h"
#include "zcad/picture.h"
#include "zcad/text_edges.h"

namespace zcad::commands {

namespace {

const char* extensionOf(PictureFormat format) {
    switch (format) {
    case PictureFormat::Png:
        return ".png";
    case PictureFormat::Svg:
        return ".svg";
    case PictureFormat::Pdf:
        return ".pdf";
    case PictureFormat::Html:
        return ".html";
    }
    return ".png";
}

class PictureCommand : public HostCommand {
public:
    explicit PictureCommand(PictureFormat format) : format_(format) {}

    std::string prompt() const override {
        switch (stage_) {
        case Stage::File:
            return "Enter file name: ";
        case Stage::Objects:
            return selecting_ ? ObjectSelection::kPrompt : "Select objects or <all objects and viewports>: ";
        case Stage::FirstCorner:
            return "Specify first corner of area or [Extents] <Extents>: ";
        case Stage::SecondCorner:
            return "Specify opposite corner: ";
        }
        return {};
    }

    Step feed(const Word& word) override {
        switch (stage_) {
        case Stage::File:
            return fileName(word);
        case Stage::Objects:
            return objects(word);
        case Stage::FirstCorner: {
            if (word.isEmpty() || matchKeyword(word, {"Extents"}) == 0) return write(std::nullopt);
            const auto corner = pointOf(word);
            if (!corner) return rejectWord("Point or option keyword required.");
            first_ = *corner;
            stage_ = Stage::SecondCorner;
            return Step::More;
        }
        case Stage::SecondCorner: {
            const auto corner = pointOf(word, first_);
            if (!corner) return rejectWord("Invalid point.");
            if (corner->x == first_.x || corner->y == first_.y) return rejectWord("The area has no size.");
            return write(PictureWindow{first_.x, first_.y, corner->x, corner->y});
        }
        }
        return Step::Failed;
    }

private:
    enum class Stage { File, Objects, FirstCorner, SecondCorner };

    Step fileName(const Word& word) {
        if (word.kind != Word::Kind::Text) return rejectWord("Requires a file name.");
        if (word.isEmpty()) {
            printMessage("No picture written.");
            return Step::Done;
        }
        path_ = word.text;
        // As the host's own exports do: the command's format, its extension added.
        if (pictureFormatOf(path_) != format_) path_ += extensionOf(format_);
        stage_ = Stage::Objects;
        return Step::More;
    }

    Step objects(const Word& word) {
        if (word.isEmpty() && !selecting_) {
            stage_ = Stage::FirstCorner;
            return Step::More;
        }
        selecting_ = true;
        const Step step = selection_.feed(word);
        if (step != Step::Done) return step;
        chosen_ = true;
        stage_ = Stage::FirstCorner;
        return Step::More;
    }

    Step write(std::optional<PictureWindow> window) {
        PictureOptions options = pictureDefaults();
        options.window = window;
        if (chosen_) options.only = std::span<const EntityId>(selection_.entities());
        std::string error;
        if (!writePicture(currentDatabase(), fileSystemName(path_), options, error)) {
            printMessage(hostTextOfUtf8(error));
            return Step::Failed;
        }
        printMessage("Picture written to " + path_);
        return Step::Done;
    }

    PictureFormat format_;
    Stage stage_ = Stage::File;
    std::string path_;
    ObjectSelection selection_;
    bool selecting_ = false;
    bool chosen_ = false;
    Point3 first_;
};

}  // namespace

std::unique_ptr<HostCommand> makePictureCommand(PictureFormat format) { return std::make_unique<PictureCommand>(format); }

}  // namespace zcad::commands
