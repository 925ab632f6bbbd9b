// The general page's tabs: the current job, saving, the level tools and
// the pads.
#include <platform/data_exchange.h>

#include "config/config_browse.h"
#include "config/config_tabs.h"
#include "config/setting_exchange.h"
#include "settings/current_job.h"
#include "controls/cza_file_name.h"
#include "controls/edit_za_run_number.h"
#include "settings/job_path.h"
#include "settings/layer_preference.h"
#include "controls/number_box.h"
#include "settings/path_text.h"

#include <array>

using zaconfig::RadioChoice;
using zplat::DataExchange;

namespace {

// The current job is not a setting: it is the suite's, and changes as soon
// as the user browses for it, or when the settings are taken with the
// directory, name or run typed in.
class CurrentJobTab : public ZaSettingsTab {
public:
    static constexpr int kNoPrompts = 1100, kColours = 1102, kDirectory = 1103, kName = 1104, kRun = 1105,
                         kBrowse = 1106;

    CurrentJobTab(ZaSettings& working, const ZsAcEnviron& env) : ZaSettingsTab("Current Job", working), env_(env) {
        addCheck(kNoPrompts, "  Use this Zarvo configuration with no prompts.",
                 "Use dialogs for Zarvo user interface instead of command prompt");
        addStatic(1101, "  Unselected means prompt for values each time.");
        addCheck(kColours, "Create automatic colours for new layers",
                 "Colour each new layer from the layer colour sequence");
        addHintedEdit<zplat::Edit>(kDirectory, "Job Directory", "The directory of the suite's current job");
        addHintedEdit<CzaFileName>(kName, "Job Name", zaJobNameStatusText()).setLimit(zaJobNameLimit());
        addHintedEdit<CEditZaRunNumber>(kRun, "Run", "The run letter or digit of the current job");
        addBrowse(kBrowse, "Browse for an existing job, or job directory");
        onClicked(kBrowse, [this] { browse(); });
    }

protected:
    bool onInitDialog() override {
        ZaSettingsTab::onInitDialog();
        shown_ = env_.job;
        showJob();
        return true;
    }

    void exchange(DataExchange& dx, ZaSettings& s) override {
        zplat::ddxCheck(dx, kNoPrompts, s.useDialogs);
        zplat::ddxCheck(dx, kColours, s.colourLayers);
        if (dx.saving()) takeJob(dx);
    }

private:
    void showJob() {
        setItemText(kDirectory, shown_.directory);
        setItemText(kName, shown_.name);
        setItemText(kRun, shown_.run);
    }

    void browse() {
        const auto path = zaBrowseJob(shown_.directory, root().hwnd());
        if (!path) return;
        zaSplitJobPath(zaJobFileToCurrentJob(*path), shown_);
        showJob();
    }

    // A job typed in becomes the current job; one left alone stays as it is.
    void takeJob(DataExchange& dx) {
        ZaJobPathParts typed = shown_;
        typed.directory = itemText(kDirectory);
        typed.name = itemText(kName);
        typed.run = itemText(kRun);
        if (typed == shown_) return;
        const std::pair<int, const std::string*> parts[] = {
            {kDirectory, &typed.directory}, {kName, &typed.name}, {kRun, &typed.run}};
        for (const auto& [id, text] : parts) {
            if (!text->empty()) continue;
            dx.fail(id, "Please enter the directory, name and run of the current job.");
            return;
        }
        if (zaSetCurrentJob(zaWithSeparator(typed.directory) + typed.name + ".xx" + typed.run)) shown_ = typed;
    }

    const ZsAcEnviron& env_;
    ZaJobPathParts shown_;
};

class SavingDefaultsTab : public ZaSettingsTab {
public:
    explicit SavingDefaultsTab(ZaSettings& working) : ZaSettingsTab("Saving Defaults", working) {
        addRadioChoice(1110, "Automatically save settings", true,
                       "Automaticaly save Zarvo session settings to registry (No prompt)");
        addRadioChoice(1111, "Prompt to save settings", false,
                       "Ask before saving Zarvo session settings to registry");
        addRadioChoice(1112, "Do not save settings", false, "Never save Zarvo session settings to registry");
    }

protected:
    void exchange(DataExchange& dx, ZaSettings& s) override {
        static constexpr RadioChoice kChoices[] = {{1110, 0}, {1111, 1}, {1112, 2}};
        zaconfig::exchangeRadios(dx, kChoices, s.saveOption);
    }
};

// The layer radios of the level tools: prompt, current, or the defined
// layer whose name edit only that choice enables.
struct LayerControls {
    int prompt, current, defined, name;
};

void addLayerControls(ZaSettingsTab& tab, const LayerControls& ids, const char* setting,
                      const std::string& tool) {
    tab.addGroupBox(ids.prompt - 1, "Layer");
    tab.addRadio(ids.prompt, "Prompt for layer name", true);
    tab.setFocusHint(ids.prompt, "Prompt for the layer when " + tool + " runs");
    tab.addRadio(ids.current, "Use current layer");
    tab.setFocusHint(ids.current, "Use the current AutoCAD Layer");
    tab.addRadio(ids.defined, "Use defined layer");
    tab.setFocusHint(ids.defined, "Use the defined layer");
    tab.addEdit(ids.name, "Layer Name").setLimitText(zaconfig::textLimit(setting));
    tab.setFocusHint(ids.name, "Enter the layer name to put the " + tool + " results on");
}

void exchangeLayer(DataExchange& dx, const LayerControls& ids, const char* setting, int& flags, std::string& name) {
    int preference = zaLayerPreference(flags);
    const RadioChoice choices[] = {{ids.prompt, kZaLayerPrompt}, {ids.current, kZaLayerCurrent},
                                   {ids.defined, kZaLayerDefined}};
    zaconfig::exchangeRadios(dx, choices, preference);
    flags = zaWithLayerPreference(flags, preference);
    zaconfig::exchangeText(dx, ids.name, setting, name);
}

class PointToLevelTab : public ZaSettingsTab {
public:
    static constexpr int kPrecision = 1120, kPrecisionFixed = 1121, kX = 1122, kY = 1123, kOffsetFixed = 1124,
                         kHeight = 1125, kHeightFixed = 1126, kAngle = 1127, kAngleFixed = 1128, kAll = 1129,
                         kAlwaysShow = 1134, kNewDefaults = 1135;
    static constexpr LayerControls kLayer{1131, 1132, 1133, 1136};

    explicit PointToLevelTab(ZaSettings& working) : ZaSettingsTab("Point to Level", working) {
        auto& precision = addHintedEdit<CNumberBox>(kPrecision, "Precision", "Enter the number of decimal digits precision to use.");
        precision.setNoDecimalPoint(true);
        precision.setNoSign(true);
        addCheck(kPrecisionFixed, "Do not ask for precision", "Take the precision as it stands, without asking");
        addHintedEdit<CNumberBox>(kX, "X Offset", "Enter the x offset for the Level insertion point");
        addHintedEdit<CNumberBox>(kY, "Y Offset", "Enter the y offset for the Level insertion point");
        addCheck(kOffsetFixed, "Do not ask for offset", "Take the offset as it stands, without asking");
        addHintedEdit<CNumberBox>(kHeight, "Text Height", "Enter the text height to use for levels").setNoSign(true);
        addCheck(kHeightFixed, "Do not ask for text height", "Take the text height as it stands, without asking");
        addHintedEdit<CNumberBox>(kAngle, "Text Angle", "Enter the text rotation angle");
        addCheck(kAngleFixed, "Do not ask for text angle", "Take the text angle as it stands, without asking");
        addCheck(kAll, "Select All", "Take all four values as they stand, without asking");
        addLayerControls(*this, kLayer, "P2L Layer Name", "PT2LEV");
        addCheck(kAlwaysShow, "Always show P2L dialog", "Show the Point to Level dialog each time PT2LEV runs");
        addCheck(kNewDefaults, "Set P2L changes as new Defaults",
                 "Set the values used as new defaults on sucessful completion");
    }

protected:
    void exchange(DataExchange& dx, ZaSettings& s) override {
        zaconfig::exchangeNumber(dx, kPrecision, "P2L Precision", s.p2lPrecision);
        zaconfig::exchangeNumber(dx, kX, "P2L X Offset", s.p2lXOffset);
        zaconfig::exchangeNumber(dx, kY, "P2L Y Offset", s.p2lYOffset);
        zaconfig::exchangeNumber(dx, kHeight, "P2L Text Height", s.p2lTextHeight);
        zaconfig::exchangeNumber(dx, kAngle, "P2L Text Angle", s.p2lTextAngle);
        int& flags = s.p2lPreferences;
        for (const auto& [id, bit] : kFixed) zaconfig::exchangeBits(dx, id, flags, bit, bit);
        // "Select All" is the four together, and says so.
        if (dx.saving()) flags = (flags & kAllFixed) == kAllFixed ? flags | 0x001 : flags & ~0x001;
        else checkButton(kAll, (flags & kAllFixed) == kAllFixed ? zplat::BST_CHECKED : zplat::BST_UNCHECKED);
        exchangeLayer(dx, kLayer, "P2L Layer Name", flags, s.p2lLayerName);
        zaconfig::exchangeBits(dx, kAlwaysShow, flags, 0x080, 0x080);
        zaconfig::exchangeBits(dx, kNewDefaults, flags, 0x100, 0x100);
    }

    void updateEnabling() override { enableItem(kLayer.name, ticked(kLayer.defined)); }

    void onClick(int id) override {
        if (id == kAll) {
            for (const auto& [fixed, bit] : kFixed) checkButton(fixed, isChecked(kAll));
        } else {
            bool all = true;
            for (const auto& [fixed, bit] : kFixed) all = all && ticked(fixed);
            checkButton(kAll, all ? zplat::BST_CHECKED : zplat::BST_UNCHECKED);
        }
        updateEnabling();
    }

private:
    static constexpr std::array<std::pair<int, int>, 4> kFixed = {
        {{kPrecisionFixed, 0x002}, {kOffsetFixed, 0x004}, {kHeightFixed, 0x008}, {kAngleFixed, 0x010}}};
    static constexpr int kAllFixed = 0x002 | 0x004 | 0x008 | 0x010;
};

class LevelToPointTab : public ZaSettingsTab {
public:
    static constexpr int kAlwaysShow = 1144, kNewDefaults = 1145;
    static constexpr LayerControls kLayer{1141, 1142, 1143, 1146};

    explicit LevelToPointTab(ZaSettings& working) : ZaSettingsTab("Level to Point", working) {
        addLayerControls(*this, kLayer, "L2P Layer Name", "LEV2PT");
        addCheck(kAlwaysShow, " Always show L2P dialog", "Show the Level to Point dialog each time LEV2PT runs");
        addCheck(kNewDefaults, " Set L2P changes as new defaults",
                 "Set the values used as new defaults on sucessful completion");
    }

protected:
    void exchange(DataExchange& dx, ZaSettings& s) override {
        exchangeLayer(dx, kLayer, "L2P Layer Name", s.l2pPreferences, s.l2pLayerName);
        // Bit 0x001 goes with 0x080, as the suite's other programs expect.
        zaconfig::exchangeBits(dx, kAlwaysShow, s.l2pPreferences, 0x081, 0x080);
        zaconfig::exchangeBits(dx, kNewDefaults, s.l2pPreferences, 0x100, 0x100);
    }

    void updateEnabling() override { enableItem(kLayer.name, ticked(kLayer.defined)); }
};

class PadlevTab : public ZaSettingsTab {
public:
    static constexpr int kPadlev = 1079, kCadastra = 1080, kOffset = 1075, kUseText = 1170, kLevel = 1076,
                         kUseLevel = 1173, kNewLayer = 1172, kLayerName = 1077, kShowLot = 1169, kUnique = 1171,
                         kStart = 1081, kTransfer = 1168, kTransferFile = 1078;

    explicit PadlevTab(ZaSettings& working) : ZaSettingsTab("Cadastra Padlev", working) {
        addRadioChoice(kPadlev, "Padlev", true, "Use Padlev design options for output");
        addRadioChoice(kCadastra, "Cadastra", false, "Use Cadastral options for output");
        addHintedEdit<CNumberBox>(kOffset, "Offset from boundary", "Enter the retaining wall width inside the lot");
        addCheck(kUseText, "Use text for Pad Level or Lot Number", "Use Pad Text to get design pad level");
        addHintedEdit<CNumberBox>(kLevel, "Boundary Level", "Enter the level of the boundary polylines");
        addCheck(kUseLevel, "Use boundary level", "Draw pad level or cadastral polyline using boundary level");
        addCheck(kNewLayer, "New Layer for each lot", "Make a new Layer for each Lot by numbering layers");
        addHintedEdit<zplat::Edit>(kLayerName, "Layer Name", "Enter the layer name, or the prefix of lot layers")
            .setLimitText(zaconfig::textLimit("CadPad layername"));
        addCheck(kShowLot, "Show Lot Number", "Show lot number and area on plan view just below text point.");
        addCheck(kUnique, "Unique Number for each LOT", "Unique Lot number for each cadastral lot.");
        auto& start = addHintedEdit<CNumberBox>(kStart, "Start at", "Enter the number of the first lot");
        start.setNoDecimalPoint(true);
        addCheck(kTransfer, "Create Transfer file", "Make cadstral transfer file");
        addHintedEdit<zplat::Edit>(kTransferFile, "Transfer File", "Enter the name of the cadastral transfer file")
            .setLimitText(zaconfig::textLimit("CadPad cadFileName"));
    }

protected:
    void exchange(DataExchange& dx, ZaSettings& s) override {
        static constexpr RadioChoice kModes[] = {{kPadlev, 1}, {kCadastra, 0}};
        zaconfig::exchangeRadios(dx, kModes, s.padCadOrLevel);
        zaconfig::exchangeNumber(dx, kOffset, "CadPad offset", s.padOffset, "%.3f");
        zplat::ddxCheck(dx, kUseText, s.padUseText);
        zaconfig::exchangeNumber(dx, kLevel, "CadPad bnd level", s.padBoundaryLevel, "%.3f");
        zplat::ddxCheck(dx, kUseLevel, s.padUseBoundaryLevel);
        zplat::ddxCheck(dx, kNewLayer, s.padNewLayer);
        zaconfig::exchangeText(dx, kLayerName, "CadPad layername", s.padLayerName);
        zplat::ddxCheck(dx, kShowLot, s.padShowLotNumber);
        zplat::ddxCheck(dx, kUnique, s.padUniqueLot);
        zaconfig::exchangeNumber(dx, kStart, "CadPad start lot", s.padStartLot);
        zplat::ddxCheck(dx, kTransfer, s.padTransfer);
        zaconfig::exchangeText(dx, kTransferFile, "CadPad cadFileName", s.padCadFileName);
    }

    // The offset pulls design pads inside their lots; the transfer file
    // and the boundary level mean something only when chosen.
    void updateEnabling() override {
        enableItem(kOffset, ticked(kPadlev));
        enableItem(kLevel, ticked(kUseLevel));
        enableItem(kTransferFile, ticked(kTransfer));
    }
};

}  // namespace

ZaSettingsTabs zaGeneralTabs(ZaSettings& working, const ZsAcEnviron& env) {
    ZaSettingsTabs tabs;
    tabs.push_back(std::make_unique<CurrentJobTab>(working, env));
    tabs.push_back(std::make_unique<SavingDefaultsTab>(working));
    tabs.push_back(std::make_unique<PointToLevelTab>(working));
    tabs.push_back(std::make_unique<LevelToPointTab>(working));
    tabs.push_back(std::make_unique<PadlevTab>(working));
    return tabs;
}
