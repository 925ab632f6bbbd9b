// What a user can do to a dialog; every driver acts through these. A control
// that is hidden or disabled (itself or through its page) cannot be worked:
// the call then returns false and nothing happens.
#pragma once

#include <platform/controls.h>
#include <platform/edit.h>

#include <string>
#include <string_view>
#include <vector>

#pragma GCC visibility push(default)

namespace zplat {

class Dialog;

namespace user {

bool reachable(const Control& control);
bool focus(Control& control);
// Buttons, check boxes and radios; a click also moves the focus.
bool click(Control& control);
// Focuses the edit (its text selected) and types the keys one by one
// through its input rules; empty text is a backspace over the selection.
bool type(Edit& edit, std::string_view text);
// Types at the caret as it stands, without selecting anything.
bool typeKeys(Edit& edit, std::string_view keys);
bool select(ListBox& list, int index);
bool doubleClick(ListBox& list, int index);
bool clickItem(ListView& view, int index);  // -1: beside every item
bool selectTab(TabControl& tabs, int index);
// Enter: the default button. Escape: Cancel.
void enter(Dialog& dialog);
void cancel(Dialog& dialog);
// Each timer that is set fires once.
void fireTimers(Dialog& dialog);

}  // namespace user

// Labels as users type them: without '&', outer blanks and repeated blanks,
// in any letter case.
std::string plainLabel(std::string_view label);
// A caption as it reads on screen: '&' marks go, "&&" is one '&'.
std::string shownCaption(std::string_view caption);
// Nothing to choose: the only control a user can work is the OK button.
bool nothingToChooseButOk(Dialog& dialog);
// A box that only tells of a failure: nothing to choose but OK, under a
// caption that ends in "Error" (as the module's advice box).
bool reportsFailure(Dialog& dialog);
// The texts a dialog shows (its statics and edits), a line each.
std::string shownText(Dialog& dialog);
// The controls a user can see: the dialog's, then those of its shown pages.
std::vector<Control*> visibleControls(Dialog& dialog);
// Visible controls whose label (or id, for a number) is the given one.
std::vector<Control*> findControls(Dialog& dialog, std::string_view labelOrId);

}  // namespace zplat

#pragma GCC visibility pop
