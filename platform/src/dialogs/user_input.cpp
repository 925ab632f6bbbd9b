#include <platform/dialog.h>
#include <platform/user_input.h>

#include <zcad/text.h>

#include <cctype>

namespace zplat {

namespace user {

bool reachable(const Control& control) {
    if (!control.visible() || !control.enabled() || !control.owner()) return false;
    for (const Dialog* d = control.owner(); d; d = d->parentDialog())
        if (!d->windowShown()) return false;
    return true;
}

bool focus(Control& control) {
    if (!reachable(control) || !control.takesFocus()) return false;
    control.owner()->setFocusTo(&control);
    if (auto* edit = dynamic_cast<Edit*>(&control)) edit->selectAll();
    return true;
}

bool click(Control& control) {
    if (!focus(control)) return false;
    Dialog& dialog = *control.owner();
    if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        box->setCheck(box->checked() ? BST_UNCHECKED : BST_CHECKED);
    } else if (auto* radio = dynamic_cast<RadioButton*>(&control)) {
        for (RadioButton* other : dialog.radioGroup(*radio)) other->setCheck(other == radio);
    } else if (control.kind() != ControlKind::Button) {
        return true;  // a click on anything else only focuses it
    }
    dialog.dispatch(control.id(), Notify::Clicked);
    return true;
}

bool type(Edit& edit, std::string_view text) {
    if (!focus(edit)) return false;
    if (text.empty()) {
        edit.typeChar(kBackspace);
        return true;
    }
    for (const char c : text) edit.typeChar(c);
    return true;
}

bool typeKeys(Edit& edit, std::string_view keys) {
    if (!reachable(edit)) return false;
    if (edit.owner()->focused() != &edit) edit.owner()->setFocusTo(&edit);
    for (const char c : keys) edit.typeChar(c);
    return true;
}

bool select(ListBox& list, int index) {
    if (!focus(list) || index < 0 || index >= list.count()) return false;
    list.setCurSel(index);
    list.owner()->dispatch(list.id(), Notify::SelChange);
    return true;
}

bool doubleClick(ListBox& list, int index) {
    if (!select(list, index)) return false;
    list.owner()->dispatch(list.id(), Notify::DoubleClicked);
    return true;
}

bool clickItem(ListView& view, int index) {
    if (!focus(view)) return false;
    if (index >= view.count()) index = -1;
    view.setHitItem(index);
    if (index >= 0) view.setSelected(index);
    view.owner()->dispatch(view.id(), Notify::Clicked);
    return true;
}

bool selectTab(TabControl& tabs, int index) {
    if (!focus(tabs) || index < 0 || index >= tabs.count()) return false;
    tabs.setCurSel(index);
    tabs.owner()->dispatch(tabs.id(), Notify::SelChange);
    return true;
}

void enter(Dialog& dialog) {
    const int id = dialog.defaultButton();
    Control* button = dialog.item(id);
    if (button) {
        click(*button);
        return;
    }
    dialog.dispatch(id, Notify::Clicked);  // Windows sends IDOK even without a button
}

void cancel(Dialog& dialog) {
    Control* button = dialog.item(IDCANCEL);
    if (button && !reachable(*button)) return;  // a disabled Cancel cannot be pressed
    dialog.dispatch(IDCANCEL, Notify::Clicked);
}

void fireTimers(Dialog& dialog) {
    const auto timers = dialog.timers();  // a timer may kill itself
    for (const auto& [id, ms] : timers) {
        if (!dialog.running()) return;
        dialog.fireTimer(id);
    }
}

}  // namespace user

std::string plainLabel(std::string_view label) {
    std::string out;
    bool blank = false;
    for (std::size_t i = 0; i < label.size(); ++i) {
        char c = label[i];
        if (c == '&') {
            if (i + 1 < label.size() && label[i + 1] == '&') ++i;  // "&&" is a real '&'
            else continue;
        }
        if (c == ' ' || c == '\t') {
            blank = !out.empty();
            continue;
        }
        if (blank) out.push_back(' ');
        blank = false;
        out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return out;
}

std::string shownCaption(std::string_view caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') ++i;
            else continue;
        }
        out.push_back(caption[i]);
    }
    return out;
}

namespace {

void collect(Dialog& dialog, std::vector<Control*>& out) {
    if (!dialog.windowShown()) return;
    for (const auto& c : dialog.controls())
        if (c->visible()) out.push_back(c.get());
    for (Dialog* child : dialog.children()) collect(*child, out);
}

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

bool nothingToChooseButOk(Dialog& dialog) {
    bool ok = false;
    for (const Control* c : visibleControls(dialog)) {
        if (!user::reachable(*c)) continue;
        switch (c->kind()) {
        case ControlKind::Static:
        case ControlKind::StatusLine:
        case ControlKind::GroupBox:
            break;
        case ControlKind::Edit:
            if (!static_cast<const Edit*>(c)->readOnly()) return false;
            break;
        case ControlKind::Button:
            if (c->id() != IDOK) return false;
            ok = true;
            break;
        default:
            return false;
        }
    }
    return ok;
}

bool reportsFailure(Dialog& dialog) {
    const std::string_view title = zcad::trimmedRight(dialog.title());
    return title.ends_with("Error") && nothingToChooseButOk(dialog);
}

std::string shownText(Dialog& dialog) {
    std::string text;
    for (const Control* c : visibleControls(dialog)) {
        const bool says = c->kind() == ControlKind::Static || c->kind() == ControlKind::Edit;
        if (!says || c->text().empty()) continue;
        text += (text.empty() ? "" : "\n") + c->text();
    }
    return text;
}

std::vector<Control*> visibleControls(Dialog& dialog) {
    std::vector<Control*> out;
    collect(dialog, out);
    return out;
}

std::vector<Control*> findControls(Dialog& dialog, std::string_view labelOrId) {
    std::vector<Control*> found;
    const std::string wanted = plainLabel(labelOrId);
    const bool byId = allDigits(wanted);
    for (Control* c : visibleControls(dialog)) {
        if (byId ? std::to_string(c->id()) == wanted : plainLabel(c->label()) == wanted)
            found.push_back(c);
    }
    return found;
}

}  // namespace zplat
