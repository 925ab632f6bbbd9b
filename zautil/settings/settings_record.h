// Every persistent option of the module, one record for the whole process.
// Filled from the registry at load (settings_store.h); commands read it.
// Texts marked 256 or 128 keep that buffer's limit as observable behaviour:
// the store reads and writes at most limit - 1 characters of them.
#pragma once

#include <string>

struct ZaSettings {
    bool reopen = false;  // ZCONFIG's loop; never stored
    bool useDialogs = false;
    bool colourLayers = false;
    bool polyline3D = false;     // written, never read at load
    std::string textWidthRatio;  // 256
    std::string textHeight;      // 256
    std::string textAngle;       // 256
    std::string textFont;        // 256
    bool textFontPreference = false;
    bool useTitleBlock = false;  // written, never read at load
    std::string titleBlockPath;  // 256; written, never read at load
    bool addLayers = false;
    bool endNameAtSpace = false;
    bool includeNumerics = false;
    std::string maximumSize;  // 256
    bool xyzUseDefaults = false;
    int xyzBreakup = 0;
    int xyzLastNumberText = 0;
    bool xyzRounding = false;
    bool xyzCreateNote = false;
    bool xyzLast8Layer = false;
    bool xyzUseText = false;
    bool xyzCreatePoint = false;
    double xyzValue = 0.0;
    int xyzFaceMode = 0;
    bool xyzFaceCloseTriangles = false;
    bool coordinateUseDefaults = false;
    int coordinatePreference = 0;
    bool utUseDefaults = false;
    int utMethod = 0;
    int utEdges = 0;
    int ctlPreference = 0;
    std::string ctlPath;  // 256
    int mapPreference = 0;
    std::string mapPath;  // 256
    int layPreference = 0;
    std::string layPath;  // 256
    int importPenPreference = 0;
    std::string importPenPath;  // 256
    int exportPenPreference = 0;
    std::string exportPenPath;  // 256
    bool halUseDefaults = false;
    bool halGetShiftLine = false;
    double halStraightInterval = 0.0;
    double halCurveInterval = 0.0;
    bool plotExportUseDefaults = false;
    int saveOption = 0;
    bool saveJobPFIN = false;
    bool saveJobURIN = false;
    bool saveJobTRIN = false;
    bool saveJobUTIN = false;
    bool saveJobPFOUT = false;
    bool saveJobUROUT = false;
    bool saveJobTROUT = false;
    bool saveJobHALOUT = false;
    bool restrictFileNameLength = false;
    int p2lPrecision = 0;
    double p2lXOffset = 0.0;
    double p2lYOffset = 0.0;
    double p2lTextHeight = 0.0;
    double p2lTextAngle = 0.0;
    int p2lPreferences = 0;    // a flag word
    std::string p2lLayerName;  // 128
    int l2pPreferences = 0;    // a flag word
    std::string l2pLayerName;  // 128
    bool padUseBoundaryLevel = false;
    bool padCadOrLevel = false;
    bool padUseText = false;
    bool padNewLayer = false;
    bool padShowLotNumber = false;
    bool padUniqueLot = false;
    bool padTransfer = false;
    int padStartLot = 0;
    double padOffset = 0.0;
    double padBoundaryLevel = 0.0;
    std::string padLayerName;
    std::string padCadFileName;

    bool operator==(const ZaSettings&) const = default;
};

// The one record of the process.
ZaSettings& zaSettings();
