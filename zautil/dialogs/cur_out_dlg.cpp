#include "dialogs/cur_out_dlg.h"

#include <platform/data_exchange.h>
#include <platform/message_box.h>

#include "dialogs/export_help.h"
#include "controls/number_box.h"

namespace {

// What the value means, by type, as its label and as the hint of its edit.
struct ValueText {
    const char* label;
    const char* hint;
};

constexpr ValueText kValueTexts[] = {
    {"None", "SHOULD NEVER SEE THIS"},
    {"Flatness", "Enter the flatness of the arc"},
    {"Chord length", "Enter the length for the chord sections"},
    {"Num quarterly divisions", "Enter the Number of quarterly divisions to create"},
};

const ValueText& valueText(int type) {
    return kValueTexts[type >= kZaBreakupNone && type <= kZaBreakupQuarterly ? type : kZaBreakupNone];
}

CNumberBox& addNumberBox(zplat::Dialog& dialog, int id, std::string label) {
    CNumberBox& box = dialog.add<CNumberBox>(id, std::move(label));
    box.setNoSign(true);
    return box;
}

}  // namespace

CUROutDlg::CUROutDlg(ZaUROutOptions* options, HWND parent)
    : Dialog("Z.AutoCAD to ZARVO String ", parent), options_(options) {
    addGroupBox(kOptionsBox, "Options");
    addRadio(kNone, " None", true);
    addRadio(kFlatness, " Specify Flatness");
    addRadio(kChord, " Chord Division");
    addRadio(kQuarterly, " Quarterly Division");
    addStatic(kValueLabel, "Flatness =");
    value_ = &addNumberBox(*this, kValue, "Value");
    addCheckBox(kRounding, " Round down to even number of divisions").enable(false);
    addCheckBox(kCreateNote, "Add creation code in notes");
    addCheckBox(kLastChars, "Always use last  chars of layer =");
    addNumberBox(*this, kLastNumber, "Last chars").setNoDecimalPoint(true);
    addButton(zplat::IDOK, "&Yes");
    // No leaves arcs out; a cancel (Esc, or a script that ends here) is not
    // an answer, and stops the export that asked.
    addButton(zplat::IDNO, "&No");
    addButton(kHelp, "&Help");
    addStatusLine(kHint, "Export a Zarvo XYZ File - Arc & Circle Options");

    setFocusHint(kNone, "Do not export details of Arcs and Circles");
    setFocusHint(kFlatness, "Specify the height of the arc");
    setFocusHint(kChord, "Break the curve up into a pline a number of lengths");
    setFocusHint(kQuarterly, "Divide the curve into a number of Quarterly divisions");
    setFocusHint(kRounding, "Maintain an even number of divisions");
    for (const int type : {kZaBreakupNone, kZaBreakupFlatness, kZaBreakupChord, kZaBreakupQuarterly}) {
        onClicked(kNone + type, [this, type] { chooseType(type); });
    }
    for (const int box : {kRounding, kCreateNote, kLastChars}) {
        onClicked(box, [this] { updateData(true); });
    }
    onClicked(kHelp, [this] { zaShowExportHelp(hwnd(), environment_); });
    onClicked(zplat::IDNO, [this] { endDialog(zplat::IDNO); });

    if (!options_) return;
    type_ = options_->breakup.type;
    breakupValue_ = options_->breakup.value;
    rounding_ = options_->breakup.rounding;
    createNote_ = options_->createNote;
    last8Layer_ = options_->last8Layer;
    lastNumber_ = zaLastCharsInRange(options_->lastNumberText);
}

const char* CUROutDlg::valueLabel(int type) { return valueText(type).label; }

void CUROutDlg::showValueFor(int type) {
    setItemText(kValueLabel, valueLabel(type));
    setFocusHint(kValue, valueText(type).hint);
    value_->setNoDecimalPoint(type == kZaBreakupQuarterly);
}

bool CUROutDlg::onInitDialog() {
    if (!options_) {
        AfxMessageBox("A NULL pointer has been found in CUROutDlg()\nContact Zarvo Software");
        endDialog(zplat::IDCANCEL);
        return true;
    }
    showValueFor(type_);
    enableItem(kRounding, type_ == kZaBreakupChord);
    updateData(false);
    return true;
}

void CUROutDlg::chooseType(int type) {
    if (type == kZaBreakupNone) updateData(true);
    if (type == kZaBreakupQuarterly) {
        const std::string text = value_->text();
        const auto dot = text.rfind('.');
        if (dot != std::string::npos) setItemText(kValue, text.substr(0, dot));
    }
    showValueFor(type);
    enableItem(kValue, type != kZaBreakupNone);
    enableItem(kRounding, type == kZaBreakupChord);
}

void CUROutDlg::doDataExchange(zplat::DataExchange& dx) {
    zplat::ddxRadio(dx, kNone, type_);
    if (type_ < kZaBreakupNone) type_ = kZaBreakupNone;
    // With no rule chosen the value means nothing and is left as it stands.
    if (!dx.saving() || type_ != kZaBreakupNone) {
        zplat::ddxText(dx, kValue, breakupValue_);
        zplat::ddvMinMax(dx, kValue, breakupValue_, kZaLeastBreakupValue, kZaMostBreakupValue);
    }
    zplat::ddxCheck(dx, kRounding, rounding_);
    zplat::ddxCheck(dx, kCreateNote, createNote_);
    zplat::ddxCheck(dx, kLastChars, last8Layer_);
    zplat::ddxText(dx, kLastNumber, lastNumber_);
}

void CUROutDlg::onOK() {
    if (!updateData(true)) return;
    lastNumber_ = zaLastCharsInRange(lastNumber_);
    options_->breakup = {type_, rounding_, breakupValue_};
    options_->lastNumberText = lastNumber_;
    options_->createNote = createNote_;
    options_->last8Layer = last8Layer_;
    endDialog(zplat::IDOK);
}
