// The import page's tabs: triangles, strings and points, text, and which
// imports set the current job.
#include <platform/data_exchange.h>

#include "config/config_browse.h"
#include "config/config_tabs.h"
#include "config/setting_exchange.h"
#include "controls/number_box.h"

using zaconfig::RadioChoice;
using zplat::DataExchange;

namespace {

// The directory a file browse starts in: the file's own, else the job's.
std::string startDirectory(const std::string& path, const ZsAcEnviron& env) {
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? env.job.directory : path.substr(0, separator);
}

class TrianglesTab : public ZaSettingsTab {
public:
    static constexpr int kUseDefaults = 1200, kMesh = 1210, kSolids = 1211, kFaces = 1212, kCatchments = 1213,
                         kBreaklines = 1220, kAllEdges = 1221, kNoEdges = 1222, kStreams = 1223, kCtlPrompt = 1230,
                         kCtlFile = 1231, kCtlAspect = 1232, kCtlNone = 1233, kCtlPath = 1234, kCtlBrowse = 1235,
                         kTriangleLay = 1236;

    TrianglesTab(ZaSettings& working, const ZsAcEnviron& env) : ZaSettingsTab("Triangles", working), env_(env) {
        addCheck(kUseDefaults, "Use these triangle settings without prompting",
                 "Import UT files with these settings, without the import dialog or prompts");
        addGroupBox(1201, "Import as ...");
        addRadioChoice(kMesh, "3D &Polyface Mesh", true, "Import as a monolithic, Polyface Mesh");
        addRadioChoice(kSolids, "&2D Solids", false, "Import as a 2D Solid");
        addRadioChoice(kFaces, "&3D Faces", false, "Import as a collection of 3D Faces");
        addRadioChoice(kCatchments, "&Catchments", false, "Import as a set of Catchment strings");
        addGroupBox(1202, "Boundary Display");
        addRadioChoice(kBreaklines, "show &Breaking edges", true, "Show only the edges along String Breaklines");
        addRadioChoice(kAllEdges, "&All triangle edges", false, "Show the edges of all triangles");
        addRadioChoice(kNoEdges, "&None", false, "Do not show any triangle edges");
        addRadioChoice(kStreams, "&Streams + Ridges", false, "Show Boundaries, Streams and Ridges at triangle edges");
        addGroupBox(1203, "Layer Control");
        addRadioChoice(kCtlPrompt, "Prompt for *.ctl files", true, "Ask for a layer control file at each import");
        addRadioChoice(kCtlFile, "Use *.ctl file :", false, "Take the layers by slope from this layer control file");
        addHintedEdit<zplat::Edit>(kCtlPath, "CTL File", "Enter the layer control file to use")
            .setLimitText(zaconfig::textLimit("CTL File Path"));
        addBrowse(kCtlBrowse, "Browse for a layer control file");
        addRadioChoice(kCtlAspect, "Use aspect for layer", false, "Put triangles on 36 layers by their aspect");
        addRadioChoice(kCtlNone, "Use no control file (layers by paint number)", false,
                       "Put triangles on layers by their paint number");
        addCheck(kTriangleLay, "Use Triangle.lay for layer definition",
                 "Chosen in the triangle import dialog at each import");
        onClicked(kCtlBrowse, [this] {
            if (auto path = zaBrowseControlFile(startDirectory(itemText(kCtlPath), env_), root().hwnd()))
                setItemText(kCtlPath, *path);
        });
    }

protected:
    void exchange(DataExchange& dx, ZaSettings& s) override {
        // Stored values beyond the choices are imported as the first choice.
        static constexpr RadioChoice kMethods[] = {{kMesh, 0, 4}, {kSolids, 1}, {kFaces, 2}, {kCatchments, 3}};
        static constexpr RadioChoice kEdges[] = {{kBreaklines, 0, 4}, {kAllEdges, 1}, {kNoEdges, 2}, {kStreams, 3}};
        static constexpr RadioChoice kControl[] = {{kCtlPrompt, 1}, {kCtlFile, 2, 4}, {kCtlAspect, 3}, {kCtlNone, 0}};
        zplat::ddxCheck(dx, kUseDefaults, s.utUseDefaults);
        zaconfig::exchangeRadios(dx, kMethods, s.utMethod);
        zaconfig::exchangeRadios(dx, kEdges, s.utEdges);
        zaconfig::exchangeRadios(dx, kControl, s.ctlPreference);
        zaconfig::exchangeText(dx, kCtlPath, "CTL File Path", s.ctlPath);
    }

    // Solids and catchments show no edges; only the file choice uses the path.
    void updateEnabling() override {
        const bool edges = ticked(kMesh) || ticked(kFaces);
        for (const int id : {1202, kBreaklines, kAllEdges, kNoEdges, kStreams}) enableItem(id, edges);
        enableItem(kCtlPath, ticked(kCtlFile));
        enableItem(kCtlBrowse, ticked(kCtlFile));
        // No setting keeps it: the import dialog asks each time.
        enableItem(kTriangleLay, false);
    }

private:
    const ZsAcEnviron& env_;
};

class StringsImportTab : public ZaSettingsTab {
public:
    static constexpr int kAddLayers = 1300, kEndAtSpace = 1301, kNumerics = 1302, kMaximum = 1303, kPolyline3D = 1304,
                         kMapNone = 1310, kMapPrompt = 1311, kMapFile = 1312, kMapPath = 1313, kMapBrowse = 1314;

    StringsImportTab(ZaSettings& working, const ZsAcEnviron& env)
        : ZaSettingsTab("Strings and Points", working), env_(env) {
        addCheck(kAddLayers, "Allow to add new layers when import",
                 "Put each string on the layer of its code, adding layers as needed");
        addCheck(kEndAtSpace, " End name at first space character", "A space in a code ends the layer name");
        addCheck(kNumerics, " Allow to include numerics in name", "Keep digits of a code in the layer name");
        auto& maximum = addHintedEdit<CNumberBox>(kMaximum, "Maximum size of description (16)",
                                                  "Enter the longest layer name taken from a code");
        maximum.setNoDecimalPoint(true);
        maximum.setNoSign(true);
        addCheck(kPolyline3D, " Import as  3D Polyline", "Import strings as 3D polylines, with their levels");
        addGroupBox(1305, "Layer Map");
        addRadioChoice(kMapNone, "Do not use *.map files", true, "Take layer names from the codes alone");
        addRadioChoice(kMapPrompt, "Prompt for *.map files", false, "Ask for a layer map file at each import");
        addRadioChoice(kMapFile, "Use *.map file:", false, "Map codes to layers through this layer map file");
        addHintedEdit<zplat::Edit>(kMapPath, "Map File", "Enter the layer map file to use")
            .setLimitText(zaconfig::textLimit("Map File Path"));
        addBrowse(kMapBrowse, "Browse for a layer map file");
        onClicked(kMapBrowse, [this] {
            if (auto path = zaBrowseMapFile(startDirectory(itemText(kMapPath), env_), root().hwnd()))
                setItemText(kMapPath, *path);
        });
    }

protected:
    void exchange(DataExchange& dx, ZaSettings& s) override {
        static constexpr RadioChoice kMaps[] = {{kMapNone, 0}, {kMapPrompt, 1}, {kMapFile, 2, 3}};
        zplat::ddxCheck(dx, kAddLayers, s.addLayers);
        zplat::ddxCheck(dx, kEndAtSpace, s.endNameAtSpace);
        zplat::ddxCheck(dx, kNumerics, s.includeNumerics);
        zaconfig::exchangeText(dx, kMaximum, "Maximum Size Defaults", s.maximumSize);
        if (dx.saving() && !dx.failed() && s.maximumSize.empty())
            dx.fail(kMaximum, "Please enter the longest layer name taken from a code.");
        zplat::ddxCheck(dx, kPolyline3D, s.polyline3D);
        zaconfig::exchangeRadios(dx, kMaps, s.mapPreference);
        zaconfig::exchangeText(dx, kMapPath, "Map File Path", s.mapPath);
    }

    // The name rules shape the names of added layers only.
    void updateEnabling() override {
        for (const int id : {kEndAtSpace, kNumerics, kMaximum}) enableItem(id, ticked(kAddLayers));
        enableItem(kMapPath, ticked(kMapFile));
        enableItem(kMapBrowse, ticked(kMapFile));
    }

private:
    const ZsAcEnviron& env_;
};

class TextTab : public ZaSettingsTab {
public:
    static constexpr int kRatio = 1400, kHeight = 1401, kAngle = 1402, kCurrentFont = 1403, kOtherFont = 1404,
                         kFont = 1405, kFontBrowse = 1406;

    explicit TextTab(ZaSettings& working) : ZaSettingsTab("Text", working) {
        addHintedEdit<CNumberBox>(kRatio, "Width to Height Ratio:", "Enter the width factor of imported text")
            .setNoSign(true);
        addHintedEdit<CNumberBox>(kHeight, "Text Height:", "Enter the height of imported text").setNoSign(true);
        addHintedEdit<CNumberBox>(kAngle, "Obliqning Angle:", "Enter the obliquing angle of imported text, degrees");
        addRadioChoice(kCurrentFont, "Use current font (AutoCAD setting)", true,
                       "Draw imported text in the drawing's current text style");
        addRadioChoice(kOtherFont, "Change another font for import text:", false,
                       "Draw imported text in this font");
        addHintedEdit<zplat::Edit>(kFont, "Font", "Enter the font of imported text")
            .setLimitText(zaconfig::textLimit("Text Font"));
        addBrowse(kFontBrowse, "Browse for a font of the host's Fonts folder");
        onClicked(kFontBrowse, [this] {
            if (auto font = zaBrowseFont(root().hwnd())) setItemText(kFont, *font);
        });
    }

protected:
    void exchange(DataExchange& dx, ZaSettings& s) override {
        static constexpr RadioChoice kFonts[] = {{kCurrentFont, 0}, {kOtherFont, 1}};
        zaconfig::exchangeText(dx, kRatio, "THtW Height to Width Ratio", s.textWidthRatio);
        zaconfig::exchangeText(dx, kHeight, "Text Height", s.textHeight);
        zaconfig::exchangeText(dx, kAngle, "Text obligning Angle", s.textAngle);
        zaconfig::exchangeRadios(dx, kFonts, s.textFontPreference);
        zaconfig::exchangeText(dx, kFont, "Text Font", s.textFont);
    }

    void updateEnabling() override {
        enableItem(kFont, ticked(kOtherFont));
        enableItem(kFontBrowse, ticked(kOtherFont));
    }
};

}  // namespace

ZaSettingsTabs zaImportTabs(ZaSettings& working, const ZsAcEnviron& env) {
    ZaSettingsTabs tabs;
    tabs.push_back(std::make_unique<TrianglesTab>(working, env));
    tabs.push_back(std::make_unique<StringsImportTab>(working, env));
    tabs.push_back(std::make_unique<TextTab>(working));
    tabs.push_back(std::make_unique<ZaChecksTab>(
        "Set Current Job", working,
        std::vector<ZaChecksTab::Check>{
            {1500, "PFIN", "Set Imported plot file as current job for Zarvo Software suite (PQIN)", &ZaSettings::saveJobPFIN},
            {1501, "URIN", "Set Imported UR file as current job for Zarvo Software suite", &ZaSettings::saveJobURIN},
            {1502, "TRIN", "Set Imported TR file as current job for Zarvo Software suite", &ZaSettings::saveJobTRIN},
            {1503, "UTIN", "Set Imported UT file as current job for Zarvo Software suite", &ZaSettings::saveJobUTIN}}));
    return tabs;
}
