// The arc and circle options of a string export: the breakup rule with its
// value, and the layer-name options of the points' texts. Yes writes them
// into the options record; No leaves it as it was.
#pragma once

#include <platform/dialog.h>

#include <string>

#include "dialogs/urout_options.h"
#include "settings/za_env.h"

class CNumberBox;

class CUROutDlg : public zplat::Dialog {
public:
    static constexpr int kOptionsBox = 1200;
    static constexpr int kNone = 1201;  // the radios in type order
    static constexpr int kFlatness = 1202;
    static constexpr int kChord = 1203;
    static constexpr int kQuarterly = 1204;
    static constexpr int kValueLabel = 1205;
    static constexpr int kValue = 1206;
    static constexpr int kRounding = 1207;
    static constexpr int kCreateNote = 1208;
    static constexpr int kLastChars = 1209;
    static constexpr int kLastNumber = 1210;
    static constexpr int kHelp = 1211;
    static constexpr int kHint = 1212;

    // A null record is refused when the dialog opens.
    explicit CUROutDlg(ZaUROutOptions* options, HWND parent = nullptr);

    // The value label for a breakup type.
    static const char* valueLabel(int type);

protected:
    bool onInitDialog() override;
    void doDataExchange(zplat::DataExchange& dx) override;
    void onOK() override;

private:
    void chooseType(int type);
    void showValueFor(int type);

    ZaUROutOptions* options_;
    ZsAcEnviron environment_;
    CNumberBox* value_ = nullptr;
    int type_ = 0;
    double breakupValue_ = 0;
    bool rounding_ = false;
    bool createNote_ = false;
    bool last8Layer_ = false;
    int lastNumber_ = kZaLastCharsMost;
};
