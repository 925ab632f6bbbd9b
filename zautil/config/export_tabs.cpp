// The export page's tabs: alignments, strings and points, the coordinate
// system, and which exports set the current job.
#include <platform/data_exchange.h>

#include "config/config_tabs.h"
#include "config/setting_exchange.h"
#include "controls/number_box.h"

#include <algorithm>

using zaconfig::RadioChoice;
using zplat::DataExchange;

namespace {

constexpr const char* kUseDefaultsHint = "Export with these settings, without the export dialog or prompts";

class HalTab : public ZaSettingsTab {
public:
    explicit HalTab(ZaSettings& working) : ZaSettingsTab("Hal Alignment", working) {
        addCheck(1600, "Use these alignment settings without prompting", kUseDefaultsHint);
        addHintedEdit<CNumberBox>(1601, "Interval On Straight", "Enter the chainage interval along straights")
            .setNoSign(true);
        addHintedEdit<CNumberBox>(1602, "Interval On Curve", "Enter the chainage interval around curves")
            .setNoSign(true);
        addCheck(1603, "Only prompt for Pegged Line (pegged equals shift)",
                 "Ask for a shift alignment beside the pegged line");
    }

protected:
    void exchange(DataExchange& dx, ZaSettings& s) override {
        zplat::ddxCheck(dx, 1600, s.halUseDefaults);
        zaconfig::exchangeNumber(dx, 1601, "HAL Straight Interval", s.halStraightInterval);
        zaconfig::exchangeNumber(dx, 1602, "HAL Curve Interval", s.halCurveInterval);
        zplat::ddxCheck(dx, 1603, s.halGetShiftLine);
    }
};

class StringsExportTab : public ZaSettingsTab {
public:
    static constexpr int kUseDefaults = 1700, kNone = 1701, kFlatness = 1702, kChord = 1703, kQuarterly = 1704,
                         kValue = 1705, kRounding = 1706, kNote = 1707, kLastChars = 1708, kLastCount = 1709,
                         kUseText = 1710, kCreatePoint = 1711;

    explicit StringsExportTab(ZaSettings& working) : ZaSettingsTab("Strings and Points", working) {
        addCheck(kUseDefaults, "Use these string settings without prompting", kUseDefaultsHint);
        addGroupBox(1712, "Arcs and Circles");
        addRadioChoice(kNone, " None", true, "Do not export details of Arcs and Circles");
        addRadioChoice(kFlatness, " Specify flatness", false,
                       "Divide the curve into chords within a given distance of the arc");
        addRadioChoice(kChord, " Chord division", false,
                       "Divide the curve into a number of chords, of specified length");
        addRadioChoice(kQuarterly, " Quarterly division", false,
                       "Divide the curve into a number of Quarterly divisions");
        addHintedEdit<CNumberBox>(kValue, "Value", "Enter the flatness, chord length or quarterly divisions")
            .setNoSign(true);
        addCheck(kRounding, " Round down to even number of divisions", "Maintain an even number of divisions");
        addCheck(kNote, "Add creation code in notes", "Put the entity's creation code after the layer name");
        addCheck(kLastChars, "Always use last  chars of layer =",
                 "Keep the last characters of a layer name too long for its field");
        auto& count = addHintedEdit<CNumberBox>(kLastCount, "Last chars", "Enter how many last characters to keep (1 to 12)");
        count.setNoDecimalPoint(true);
        count.setNoSign(true);
        addCheck(kUseText, "Create a point for each text attachment point", "Export the attachment point of each text");
        addCheck(kCreatePoint, "CreatePoint", "Export texts as points in plot files");
    }

protected:
    void exchange(DataExchange& dx, ZaSettings& s) override {
        static constexpr RadioChoice kRules[] = {{kNone, 0}, {kFlatness, 1}, {kChord, 2}, {kQuarterly, 3}};
        zplat::ddxCheck(dx, kUseDefaults, s.xyzUseDefaults);
        zaconfig::exchangeRadios(dx, kRules, s.xyzBreakup);
        zaconfig::exchangeNumber(dx, kValue, "UROut Value", s.xyzValue);
        zplat::ddxCheck(dx, kRounding, s.xyzRounding);
        zplat::ddxCheck(dx, kNote, s.xyzCreateNote);
        zplat::ddxCheck(dx, kLastChars, s.xyzLast8Layer);
        // Held within 1 to 12, shown and taken, as the export options dialog holds it.
        s.xyzLastNumberText = std::clamp(s.xyzLastNumberText, 1, 12);
        zaconfig::exchangeNumber(dx, kLastCount, "UROut Last number Text", s.xyzLastNumberText);
        s.xyzLastNumberText = std::clamp(s.xyzLastNumberText, 1, 12);
        zplat::ddxCheck(dx, kUseText, s.xyzUseText);
        zplat::ddxCheck(dx, kCreatePoint, s.xyzCreatePoint);
    }

    // No rule needs no value; only the chord rule rounds.
    void updateEnabling() override {
        enableItem(kValue, !ticked(kNone));
        enableItem(kRounding, ticked(kChord));
        enableItem(kLastCount, ticked(kLastChars));
    }
};

class CoordinateTab : public ZaSettingsTab {
public:
    explicit CoordinateTab(ZaSettings& working) : ZaSettingsTab("Coordinate System", working) {
        addCheck(1800, "Use this coordinate system without prompting", kUseDefaultsHint);
        addRadioChoice(1801, " World Coordinate System (WCS)", true, "Export points in the world coordinate system");
        addRadioChoice(1802, " Local Coordinate System (UCS)", false, "Export points in the current user coordinate system");
    }

protected:
    void exchange(DataExchange& dx, ZaSettings& s) override {
        static constexpr RadioChoice kSystems[] = {{1801, 0}, {1802, 1}};
        zplat::ddxCheck(dx, 1800, s.coordinateUseDefaults);
        zaconfig::exchangeRadios(dx, kSystems, s.coordinatePreference);
    }
};

}  // namespace

ZaSettingsTabs zaExportTabs(ZaSettings& working) {
    ZaSettingsTabs tabs;
    tabs.push_back(std::make_unique<HalTab>(working));
    tabs.push_back(std::make_unique<StringsExportTab>(working));
    tabs.push_back(std::make_unique<CoordinateTab>(working));
    tabs.push_back(std::make_unique<ZaChecksTab>(
        "Set Current Job", working,
        std::vector<ZaChecksTab::Check>{
            {1900, "PFOUT", "Set Exported plot file as current job for Zarvo Software suite", &ZaSettings::saveJobPFOUT},
            {1901, "UROUT", "Set Exported UR file as current job for Zarvo Software suite", &ZaSettings::saveJobUROUT},
            {1902, "TROUT", "Set Exported TR file as current job for Zarvo Software suite", &ZaSettings::saveJobTROUT},
            {1903, "HALOUT", "Set Exported HAL file as current job for Zarvo Software suite", &ZaSettings::saveJobHALOUT},
            {1904, "Restrict the exported file name to 8 characters",
             "Restrict the exported file name length to be 8 characters.", &ZaSettings::restrictFileNameLength}}));
    return tabs;
}
