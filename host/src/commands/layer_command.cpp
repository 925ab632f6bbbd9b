// -LAYER: the layer table from the command line. Options loop until an
// empty word; each works on a name or a comma-separated name list.
#include <algorithm>
#include <string>

#include "colour_word.h"
#include "db/table_defaults.h"
#include "host_command.h"
#include "keywords.h"
#include "layer_names.h"
#include "zcad/text.h"

namespace zcad::commands {

namespace {

class LayerCommand : public HostCommand {
public:
    std::string prompt() const override;
    Step feed(const Word& word) override;

private:
    enum class Stage { Option, List, Colour, ColourLayers, Make, Set, New, On, Off };

    Step chooseOption(const Word& word);
    Step listLayers(const Word& word);
    Step colourLayers(const Word& word);
    Step makeLayer(const Word& word);
    Step setLayer(const Word& word);
    Step newLayers(const Word& word);
    Step switchLayers(const Word& word, bool on);

    Stage stage_ = Stage::Option;
    int colour_ = 7;
};

std::string LayerCommand::prompt() const {
    switch (stage_) {
    case Stage::Option:
        return "Enter an option [?/Make/Set/New/ON/OFF/Color]: ";
    case Stage::List:
        return "Enter layer name(s) to list <*>: ";
    case Stage::Colour:
        return "Enter color name or number (1-255): ";
    case Stage::ColourLayers:
        return "Enter name list of layer(s) for color " + std::to_string(colour_) + " <current>: ";
    case Stage::Make:
        return "Enter name for new layer (becomes the current layer): ";
    case Stage::Set:
        return "Enter layer name to make current: ";
    case Stage::New:
        return "Enter name list for new layer(s): ";
    case Stage::On:
        return "Enter name list of layer(s) to turn On: ";
    case Stage::Off:
        return "Enter name list of layer(s) to turn Off: ";
    }
    return {};
}

Step LayerCommand::feed(const Word& word) {
    switch (stage_) {
    case Stage::Option:
        return chooseOption(word);
    case Stage::List:
        return listLayers(word);
    case Stage::Colour: {
        const auto colour = layerColourOf(word);
        if (!colour) return rejectWord("Invalid color name or number.");
        colour_ = *colour;
        stage_ = Stage::ColourLayers;
        return Step::More;
    }
    case Stage::ColourLayers:
        return colourLayers(word);
    case Stage::Make:
        return makeLayer(word);
    case Stage::Set:
        return setLayer(word);
    case Stage::New:
        return newLayers(word);
    case Stage::On:
        return switchLayers(word, true);
    case Stage::Off:
        return switchLayers(word, false);
    }
    return Step::Failed;
}

Step LayerCommand::chooseOption(const Word& word) {
    if (word.isEmpty()) return Step::Done;
    switch (matchKeyword(word, {"?", "Make", "Set", "New", "ON", "OFF", "Color", "COLOUR"})) {
    case 0:
        stage_ = Stage::List;
        return Step::More;
    case 1:
        stage_ = Stage::Make;
        return Step::More;
    case 2:
        stage_ = Stage::Set;
        return Step::More;
    case 3:
        stage_ = Stage::New;
        return Step::More;
    case 4:
        stage_ = Stage::On;
        return Step::More;
    case 5:
        stage_ = Stage::Off;
        return Step::More;
    case 6:
    case 7:
        stage_ = Stage::Colour;
        return Step::More;
    default:
        return rejectWord("Invalid option keyword.");
    }
}

std::string textOf(const Word& word) { return word.kind == Word::Kind::Text ? word.text : std::string(); }

Step LayerCommand::listLayers(const Word& word) {
    const std::string list = textOf(word).empty() ? std::string("*") : textOf(word);
    for (const TableRecord* layer : layersNamed(currentDatabase(), list)) {
        const OwnedGroup* colour = layer->find(62);
        const std::int64_t value = colour ? colour->integer : 7;
        printMessage(std::string(layer->name()) + (value < 0 ? "  Off  " : "  On   ") +
                     std::to_string(value < 0 ? -value : value));
    }
    stage_ = Stage::Option;
    return Step::More;
}

// An off layer keeps its colour negative.
Step LayerCommand::colourLayers(const Word& word) {
    if (word.kind != Word::Kind::Text) return rejectWord("Invalid layer name list.");
    Database& db = currentDatabase();
    const std::string list = word.text.empty() ? currentLayerName(db) : word.text;
    for (TableRecord* layer : layersNamed(db, list)) {
        const OwnedGroup* old = layer->find(62);
        const bool off = old && old->integer < 0;
        layer->set(OwnedGroup::integral(62, off ? -colour_ : colour_));
        db.noteChange();
    }
    stage_ = Stage::Option;
    return Step::More;
}

Step LayerCommand::makeLayer(const Word& word) {
    const std::string name(trimmed(textOf(word)));
    if (name.empty()) {
        stage_ = Stage::Option;
        return Step::More;
    }
    Database& db = currentDatabase();
    const TableRecord* layer = ensureLayer(db, name);
    if (!layer) return rejectWord("Invalid layer name.");
    setCurrentLayer(db, layer->name());
    stage_ = Stage::Option;
    return Step::More;
}

Step LayerCommand::setLayer(const Word& word) {
    const std::string name(trimmed(textOf(word)));
    if (name.empty()) {
        stage_ = Stage::Option;
        return Step::More;
    }
    Database& db = currentDatabase();
    const TableRecord* layer = db.layers().find(name);
    if (!layer) {
        printLayerNotFound(name);
        return Step::Rejected;
    }
    setCurrentLayer(db, layer->name());
    stage_ = Stage::Option;
    return Step::More;
}

Step LayerCommand::newLayers(const Word& word) {
    const std::string list = textOf(word);
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto comma = std::min(list.find(',', start), list.size());
        const std::string name(trimmed(std::string_view(list).substr(start, comma - start)));
        if (!name.empty() && !ensureLayer(currentDatabase(), name)) printMessage("Invalid layer name \"" + name + "\".");
        start = comma + 1;
    }
    stage_ = Stage::Option;
    return Step::More;
}

Step LayerCommand::switchLayers(const Word& word, bool on) {
    const std::string list = textOf(word);
    if (!list.empty()) {
        for (TableRecord* layer : layersNamed(currentDatabase(), list)) {
            const OwnedGroup* old = layer->find(62);
            const std::int64_t colour = old ? (old->integer < 0 ? -old->integer : old->integer) : 7;
            layer->set(OwnedGroup::integral(62, on ? colour : -colour));
            currentDatabase().noteChange();
        }
    }
    stage_ = Stage::Option;
    return Step::More;
}

}  // namespace

std::unique_ptr<HostCommand> makeLayerCommand() { return std::make_unique<LayerCommand>(); }

}  // namespace zcad::commands
