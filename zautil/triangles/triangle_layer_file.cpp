#include "triangles/triangle_layer_file.h"

#include <tinyxml2.h>

#include <optional>

#include "arx/acedads.h"
#include "files/byte_source.h"
#include "settings/path_text.h"

namespace zatriangles {
namespace {

constexpr int kPaintNumbers = 256;

std::optional<std::string> wholeFile(const std::string& path) {
    const auto source = zafiles::openFileSource(path);
    if (!source) return std::nullopt;
    const auto size = source->size();
    if (!size) return std::nullopt;
    std::string text(static_cast<std::size_t>(*size), '\0');
    text.resize(source->read(text));
    return text;
}

}  // namespace

TriangleLayerNames& triangleLayerNames() {
    static TriangleLayerNames names;
    return names;
}

std::string triangleLayerPath() { return zaDriveRoot() + "zarvo/triangle.lay"; }

TriangleLayerRead readTriangleLayers(std::string_view xml, TriangleLayerNames& names) {
    tinyxml2::XMLDocument document;
    if (document.Parse(xml.data(), xml.size()) != tinyxml2::XML_SUCCESS) return {};
    TriangleLayerRead read{true, 0};
    const tinyxml2::XMLElement* root = document.FirstChildElement("zarvo_triangle_lay");
    const tinyxml2::XMLElement* list = root ? root->FirstChildElement("name_of_layer") : nullptr;
    if (!list) return read;
    for (const auto* layer = list->FirstChildElement("layer"); layer; layer = layer->NextSiblingElement("layer")) {
        int paint = -1;
        if (layer->QueryIntAttribute("colour", &paint) != tinyxml2::XML_SUCCESS) continue;
        if (paint < 0 || paint >= kPaintNumbers) continue;
        TriangleLayerEntry& entry = names[static_cast<std::size_t>(paint)];
        const char* name = layer->Attribute("name");
        entry.set = true;
        entry.name = name && *name ? name : "not set";
        entry.texture = layer->IntAttribute("texture", 0);
        ++read.records;
    }
    return read;
}

void loadTriangleLayerFile(const std::string& path) {
    acutPrintf("Triangle layer file <%s> ", path.c_str());
    const auto text = wholeFile(path);
    if (!text) {
        acutPrintf("file failed to open ignored\n");
        return;
    }
    acutPrintf("reading\n");
    const TriangleLayerRead read = readTriangleLayers(*text, triangleLayerNames());
    if (!read.parsed) {
        acutPrintf("file failed to open ignored\n");
        return;
    }
    acutPrintf("loaded\n%d records read\nclosing\n", read.records);
}

}  // namespace zatriangles
