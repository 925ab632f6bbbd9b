// A tab of the configuration dialog: a child dialog whose controls edit
// settings of the dialog's working copy. Each tab says, in one exchange
// routine, which control carries which setting, both ways.
#pragma once

#include <platform/dialog.h>

#include "settings/settings_record.h"

#include <string>
#include <vector>

class ZaSettingsTab : public zplat::Dialog {
public:
    // name: the tab's text; the tab works on the dialog's working copy.
    ZaSettingsTab(std::string name, ZaSettings& working);

    // Takes the controls into the working copy; false when a value was
    // refused (told, and its control focused), the copy then unchanged.
    bool store();

protected:
    virtual void exchange(zplat::DataExchange& dx, ZaSettings& settings) = 0;
    // Enables the controls that mean something under the choices shown.
    virtual void updateEnabling() {}
    // A check box or radio was clicked: by default the enabling follows.
    virtual void onClick(int) { updateEnabling(); }

    // Controls with their status texts, shown while they have the focus.
    zplat::CheckBox& addCheck(int id, std::string caption, std::string hint);
    zplat::RadioButton& addRadioChoice(int id, std::string caption, bool first, std::string hint);
    zplat::Button& addBrowse(int id, std::string hint);
    template <class EditT>
    EditT& addHintedEdit(int id, std::string label, std::string hint) {
        EditT& edit = add<EditT>(id, std::move(label));
        setFocusHint(id, std::move(hint));
        return edit;
    }

    // Is the check box or radio ticked?
    bool ticked(int id) const { return isChecked(id) == zplat::BST_CHECKED; }

private:
    void doDataExchange(zplat::DataExchange& dx) override;
    void onCommand(int controlId, zplat::Notify what) override;

    ZaSettings& working_;
};

// A tab of check boxes alone, each over one flag.
class ZaChecksTab : public ZaSettingsTab {
public:
    struct Check {
        int id;
        const char* caption;
        const char* hint;
        bool ZaSettings::*flag;
    };

    ZaChecksTab(std::string name, ZaSettings& working, std::vector<Check> checks);

protected:
    void exchange(zplat::DataExchange& dx, ZaSettings& settings) override;

private:
    std::vector<Check> checks_;
};
