// The state of one string import (URIN or TRIN): the environment, the
// import settings as they stood when the command began, the layer map and
// layers, the extents, and the last error. Built by the command, used for
// one import, destroyed with the command.
#pragma once

#include <cstdint>
#include <string>

#include "import/import_extents.h"
#include "import/import_view.h"
#include "settings/za_env.h"
#include "string_import/import_layers.h"
#include "string_import/layer_map.h"
#include "string_import/layer_name_rules.h"
#include "strings/string_record.h"

namespace zastringimport {

using zastrings::StringRecord;

struct ImportSettings {
    bool useDialogs = false;
    bool colourLayers = false;
    bool polyline3D = false;
    bool addLayers = true;
    LayerNameRules rules;
    int mapPreference = 0;
    std::string mapPath;
    bool saveJobURIN = false;
    bool saveJobTRIN = false;
};

class StringImport {
public:
    // Takes the settings record and the environment as they stand now.
    StringImport();
    StringImport(const StringImport&) = delete;
    StringImport& operator=(const StringImport&) = delete;

    const ImportSettings& settings() const { return settings_; }
    const std::string& currentJob() const { return environment_.currentJob; }
    const std::string& jobDirectory() const { return environment_.job.directory; }
    const std::string& penPath() const { return penPath_; }

    // Strings as 3D polylines; the settings give the first answer.
    void setPolyline3D(bool polyline3D) { polyline3D_ = polyline3D; }
    bool polyline3D() const { return polyline3D_; }

    // Draws a UR file. False when the file was refused before anything
    // was drawn; failures part way are reported and leave what was drawn.
    bool importUR(const std::string& path);
    // Draws a TR file. True when more than two good lines were read and
    // every entity was made.
    bool importTR(const std::string& path);

    // The short text of the last failure, at most 255 characters.
    const std::string& lastError() const { return lastError_; }

private:
    friend class URImport;
    friend class TRImport;

    // The layer of a record, created when missing; empty when entities go
    // on the drawing's current layer.
    const std::string& layerOf(const StringRecord& record);
    bool loadLayerMap();
    // The created layers coloured, points shown as crosses, and the view
    // on what was read.
    void finish(const zaimport::ExtentsReport& report);
    double elapsedSeconds() const;

    ZsAcEnviron environment_;
    std::string penPath_;
    ImportSettings settings_;
    bool polyline3D_;
    std::string lastError_;
    LayerMap map_;
    ImportLayers layers_;
    zaimport::ImportExtents extents_;
    std::int64_t started_ = 0;
};

}  // namespace zastringimport
