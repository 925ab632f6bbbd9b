// CHANGE with its Properties option: colour, elevation, layer, linetype,
// linetype scale and thickness of the chosen objects. Change points (new
// ends and radii) are not offered.
#include <cmath>
#include <string>

#include "shapes/entity_edit.h"
#include "colour_word.h"
#include "host_command.h"
#include "keywords.h"
#include "layer_names.h"
#include "object_selection.h"
#include "zcad/entity_shape.h"
#include "zcad/text.h"

namespace zcad::commands {

namespace {

enum class Property { None, Colour, Elevation, Layer, Linetype, LinetypeScale, Thickness };

class ChangeCommand : public HostCommand {
public:
    std::string prompt() const override;
    Step feed(const Word& word) override;

private:
    enum class Stage { Objects, ChangePoint, Property, Value };

    Step chooseProperty(const Word& word);
    Step setValue(const Word& word);
    void setGroup(const OwnedGroup& g);
    void eraseGroup(int code);

    Stage stage_ = Stage::Objects;
    Property property_ = Property::None;
    ObjectSelection selection_;
};

std::string ChangeCommand::prompt() const {
    switch (stage_) {
    case Stage::Objects:
        return ObjectSelection::kPrompt;
    case Stage::ChangePoint:
        return "Specify change point or [Properties]: ";
    case Stage::Property:
        return "Enter property to change [Color/Elev/LAyer/LType/ltScale/Thickness]: ";
    case Stage::Value:
        break;
    }
    switch (property_) {
    case Property::Colour:
        return "Enter new color <BYLAYER>: ";
    case Property::Elevation:
        return "Specify new elevation: ";
    case Property::Layer:
        return "Enter new layer name: ";
    case Property::Linetype:
        return "Enter new linetype name <BYLAYER>: ";
    case Property::LinetypeScale:
        return "Specify new linetype scale: ";
    case Property::Thickness:
        return "Specify new thickness: ";
    case Property::None:
        break;
    }
    return {};
}

Step ChangeCommand::feed(const Word& word) {
    switch (stage_) {
    case Stage::Objects: {
        const Step step = selection_.feed(word);
        if (step == Step::Done) stage_ = Stage::ChangePoint;
        return step == Step::Done ? Step::More : step;
    }
    case Stage::ChangePoint:
        if (word.isEmpty()) return Step::Done;
        if (matchKeyword(word, {"Properties"}) != 0) return rejectWord("Only the Properties option is served here.");
        stage_ = Stage::Property;
        return Step::More;
    case Stage::Property:
        return chooseProperty(word);
    case Stage::Value:
        return setValue(word);
    }
    return Step::Failed;
}

Step ChangeCommand::chooseProperty(const Word& word) {
    if (word.isEmpty()) return Step::Done;
    constexpr Property kProperties[] = {Property::Colour,   Property::Elevation,     Property::Layer,
                                        Property::Linetype, Property::LinetypeScale, Property::Thickness};
    const int chosen = matchKeyword(word, {"Color", "Elev", "LAyer", "LType", "ltScale", "Thickness"});
    if (chosen < 0) return rejectWord("Invalid option keyword.");
    property_ = kProperties[chosen];
    stage_ = Stage::Value;
    return Step::More;
}

void ChangeCommand::setGroup(const OwnedGroup& g) {
    Database& db = currentDatabase();
    for (const EntityId id : selection_.entities()) {
        shapes::EntityEdit e(db, id);
        e.set(g);
        e.commit(db, id);
    }
}

void ChangeCommand::eraseGroup(int code) {
    Database& db = currentDatabase();
    for (const EntityId id : selection_.entities()) {
        shapes::EntityEdit e(db, id);
        e.erase(code);
        e.commit(db, id);
    }
}

// An empty word keeps the property as it is.
Step ChangeCommand::setValue(const Word& word) {
    if (word.isEmpty()) {
        stage_ = Stage::Property;
        return Step::More;
    }
    Database& db = currentDatabase();
    switch (property_) {
    case Property::Colour: {
        const auto colour = entityColourOf(word);
        if (!colour) return rejectWord("Invalid color name or number.");
        if (*colour == kByLayer) {
            eraseGroup(62);
        } else {
            setGroup(OwnedGroup::integral(62, *colour));
        }
        break;
    }
    case Property::Elevation: {
        const auto z = realOf(word);
        if (!z || !std::isfinite(*z)) return rejectWord("Requires numeric value.");
        int unchanged = 0;
        for (const EntityId id : selection_.entities()) unchanged += setEntityElevation(db, id, *z) ? 0 : 1;
        if (unchanged > 0) printMessage(std::to_string(unchanged) + " object(s) not changed: not parallel to the plan");
        break;
    }
    case Property::Layer: {
        const std::string name(trimmed(word.text));
        const TableRecord* layer = word.kind == Word::Kind::Text ? db.layers().find(name) : nullptr;
        if (!layer) {
            printLayerNotFound(name);
            return Step::Rejected;
        }
        setGroup(OwnedGroup::string(8, layer->name()));
        break;
    }
    case Property::Linetype: {
        const std::string name = upperCase(trimmed(word.text));
        const TableRecord* linetype = db.linetypes().find(name);
        if (word.kind != Word::Kind::Text || (!linetype && name != "BYLAYER" && name != "BYBLOCK")) {
            return rejectWord("Linetype " + name + " not found.");
        }
        if (name == "BYLAYER") {
            eraseGroup(6);
        } else {
            setGroup(OwnedGroup::string(6, linetype ? std::string(linetype->name()) : name));
        }
        break;
    }
    case Property::LinetypeScale: {
        const auto scale = realOf(word);
        if (!scale || *scale <= 0) return rejectWord("Requires a positive value.");
        setGroup(OwnedGroup::real(48, *scale));
        break;
    }
    case Property::Thickness: {
        const auto thickness = realOf(word);
        if (!thickness) return rejectWord("Requires numeric value.");
        setGroup(OwnedGroup::real(39, *thickness));
        break;
    }
    case Property::None:
        break;
    }
    stage_ = Stage::Property;
    return Step::More;
}

}  // namespace

std::unique_ptr<HostCommand> makeChangeCommand() { return std::make_unique<ChangeCommand>(); }

}  // namespace zcad::commands
