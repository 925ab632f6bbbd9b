// A dialog as the line protocol prints it: title, each control with its
// label, id, value and state, and the status line.
#include <platform/dialog.h>
#include <platform/protocol_driver.h>
#include <platform/user_input.h>

namespace zplat {

namespace {

std::string tag(const Control& c) {
    std::string t = " [" + std::to_string(c.id()) + "]";
    if (!user::reachable(c) && c.takesFocus()) t += " (disabled)";
    return t;
}

std::string items(const std::vector<std::string>& names, int selected) {
    if (names.empty()) return "(empty)";
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i) out += " | ";
        out += static_cast<int>(i) == selected ? ">" + names[i] + "<" : names[i];
    }
    return out;
}

std::string line(const Control& c, int defaultButton) {
    switch (c.kind()) {
    case ControlKind::Static:
        return c.text().empty() ? std::string() : "  " + shownCaption(c.text()) + "\n";
    case ControlKind::StatusLine:
        return {};
    case ControlKind::GroupBox:
        return "  -- " + shownCaption(c.text()) + " --" + tag(c) + "\n";
    case ControlKind::Button:
        return std::string("  ") + (c.id() == defaultButton ? "<<" : "<") + shownCaption(c.text()) +
               (c.id() == defaultButton ? ">>" : ">") + tag(c) + "\n";
    case ControlKind::CheckBox:
        return std::string("  [") + (static_cast<const CheckBox&>(c).checked() ? "x" : " ") + "] " +
               shownCaption(c.text()) + tag(c) + "\n";
    case ControlKind::Radio:
        return std::string("  (") + (static_cast<const RadioButton&>(c).checked() ? "*" : " ") + ") " +
               shownCaption(c.text()) + tag(c) + "\n";
    case ControlKind::Edit: {
        const auto& e = static_cast<const Edit&>(c);
        return "  " + shownCaption(e.label()) + tag(c) + (e.readOnly() ? " (read-only)" : "") + ": \"" + e.text() +
               "\"\n";
    }
    case ControlKind::ListBox: {
        const auto& l = static_cast<const ListBox&>(c);
        return "  " + shownCaption(l.label()) + tag(c) + ": " + items(l.items(), l.curSel()) + "\n";
    }
    case ControlKind::ListView: {
        const auto& v = static_cast<const ListView&>(c);
        std::vector<std::string> names;
        for (const auto& item : v.items()) {
            const bool pictured = item.image >= 0 && item.image < static_cast<int>(v.images().size());
            names.push_back(pictured ? item.text + " {" + v.images()[static_cast<std::size_t>(item.image)] + "}"
                                     : item.text);
        }
        return "  " + shownCaption(v.label()) + tag(c) + ": " + items(names, v.selected()) + "\n";
    }
    case ControlKind::Tab: {
        const auto& t = static_cast<const TabControl&>(c);
        std::vector<std::string> names;
        for (int i = 0; i < t.count(); ++i) names.push_back(t.itemText(i));
        return "  " + shownCaption(t.label()) + tag(c) + ": " + items(names, t.curSel()) + "\n";
    }
    }
    return {};
}

}  // namespace

std::string formatDialog(Dialog& dialog) {
    std::string out = "\n== " + dialog.title() + " ==\n";
    for (const Control* c : visibleControls(dialog)) out += line(*c, c->owner()->defaultButton());
    if (const Static* status = dialog.statusLine(); status && status->visible())
        out += "  Status: " + status->text() + "\n";
    return out;
}

}  // namespace zplat
