#include <platform/dialog.h>
#include <platform/message_box.h>
#include <platform/protocol_driver.h>
#include <platform/services.h>
#include <platform/user_input.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <thread>

#include <zcad/text.h>

namespace zplat {

namespace {

std::string trim(std::string_view s) { return std::string(zcad::trimmed(s)); }

bool clickable(const Control& c) {
    return c.kind() == ControlKind::Button || c.kind() == ControlKind::CheckBox ||
           c.kind() == ControlKind::Radio || c.kind() == ControlKind::Edit;
}

bool takesValue(const Control& c) {
    return c.kind() == ControlKind::Edit || c.kind() == ControlKind::ListBox ||
           c.kind() == ControlKind::ListView || c.kind() == ControlKind::Tab;
}

std::vector<Control*> only(std::vector<Control*> found, bool (*keep)(const Control&)) {
    std::erase_if(found, [&](const Control* c) { return !keep(*c); });
    return found;
}

// The index of the entry named, or -1.
int indexOf(const std::vector<std::string>& names, std::string_view wanted) {
    const std::string w = plainLabel(wanted);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (plainLabel(names[i]) == w) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> entries(const Control& c) {
    std::vector<std::string> names;
    if (const auto* l = dynamic_cast<const ListBox*>(&c)) names = l->items();
    if (const auto* v = dynamic_cast<const ListView*>(&c))
        for (const auto& item : v->items()) names.push_back(item.text);
    if (const auto* t = dynamic_cast<const TabControl*>(&c))
        for (int i = 0; i < t->count(); ++i) names.push_back(t->itemText(i));
    return names;
}

std::string ids(const std::vector<Control*>& found) {
    std::string out;
    for (const Control* c : found) out += (out.empty() ? "" : ", ") + std::to_string(c->id());
    return out;
}

// Sets a value; an error text, or empty.
std::string setValue(Control& c, const std::string& value) {
    if (!user::reachable(c)) return "\"" + c.label() + "\" is disabled.";
    if (auto* edit = dynamic_cast<Edit*>(&c)) {
        // An edit refuses a key with the refusal sound.
        const unsigned before = soundsRung();
        user::type(*edit, value);
        if (soundsRung() == before) return {};
        return "\"" + c.label() + "\" refused keys of \"" + value + "\"; it holds \"" + edit->text() + "\".";
    }
    const int index = indexOf(entries(c), value);
    if (index < 0 && !(c.kind() == ControlKind::ListView && value.empty()))
        return "\"" + c.label() + "\" has no entry \"" + value + "\".";
    if (auto* list = dynamic_cast<ListBox*>(&c)) user::select(*list, index);
    if (auto* view = dynamic_cast<ListView*>(&c)) user::clickItem(*view, index);
    if (auto* tabs = dynamic_cast<TabControl*>(&c)) user::selectTab(*tabs, index);
    return {};
}

}  // namespace

void ProtocolDriver::runModal(Dialog& dialog) {
    ++shown_;
    unsigned printed = dialog.revision() - 1;
    while (dialog.running()) {
        waitForTimers(dialog);
        if (!dialog.running()) return;
        if (dialog.revision() != printed) {
            console_.write(formatDialog(dialog));
            printed = dialog.revision();
        }
        if (nothingToChooseButOk(dialog)) {
            acknowledge(dialog);
            return;  // doModal cancels a dialog that OK did not close
        }
        const auto line = console_.readLine("Dialog: ");
        if (!line) {
            user::cancel(dialog);
            return;  // doModal cancels a dialog that refused
        }
        if (console_.isCancel(trim(*line))) {
            user::cancel(dialog);
            continue;
        }
        const unsigned before = shown_;
        apply(dialog, *line);
        if (shown_ != before) printed = dialog.revision() - 1;  // show the form again
    }
}

// As a box with only OK: a script goes on, a person presses Enter (end of
// input cancels).
void ProtocolDriver::acknowledge(Dialog& dialog) {
    if (!console_.interactive()) console_.write("<OK>\n");
    else if (!console_.readLine("Press Enter to continue: ")) return;
    if (Control* ok = dialog.item(IDOK)) user::click(*ok);
}

void ProtocolDriver::waitForTimers(Dialog& dialog) {
    if (dialog.timers().empty()) return;
    if (console_.interactive()) {
        unsigned shortest = ~0u;
        for (const auto& [id, ms] : dialog.timers()) shortest = std::min(shortest, ms);
        std::this_thread::sleep_for(std::chrono::milliseconds(shortest));
    }
    user::fireTimers(dialog);  // nobody is watching a script: at once
}

void ProtocolDriver::apply(Dialog& dialog, const std::string& raw) {
    const std::string line = trim(raw);
    if (line.empty()) {
        user::enter(dialog);
        return;
    }
    auto whole = only(findControls(dialog, line), clickable);
    if (whole.size() == 1) {
        if (!user::click(*whole[0])) refuse("\"" + whole[0]->label() + "\" is disabled.");
        return;
    }
    if (whole.size() > 1) {
        refuse("\"" + line + "\" names several controls (" + ids(whole) + "); use the id.");
        return;
    }
    // "label=value": the label may itself hold '=', so try each one in turn.
    for (auto eq = line.find('='); eq != std::string::npos; eq = line.find('=', eq + 1)) {
        const auto found = only(findControls(dialog, line.substr(0, eq)), takesValue);
        if (found.empty()) continue;
        if (found.size() > 1) {
            refuse("\"" + trim(line.substr(0, eq)) + "\" names several controls (" + ids(found) + "); use the id.");
            return;
        }
        const std::string value = line.substr(eq + 1);
        const bool isEdit = found[0]->kind() == ControlKind::Edit;
        const std::string error = setValue(*found[0], isEdit ? value : trim(value));
        if (!error.empty()) return refuse(error);
        // Input rules that change a key rather than refuse it (a field of
        // one character, a name held to its length) ring no bell: what the
        // field took is said all the same.
        const auto* edit = dynamic_cast<const Edit*>(found[0]);
        if (edit && edit->text() != value) {
            console_.write("\"" + edit->label() + "\" took \"" + value + "\" as \"" + edit->text() + "\".\n");
        }
        return;
    }
    refuse("No control \"" + line + "\" in this dialog.");
}

void ProtocolDriver::refuse(const std::string& why) {
    console_.write(why + "\n");
    console_.refused(why);
}

int ProtocolDriver::messageBox(const MessageBoxRequest& box) {
    ++shown_;
    const char* kind = "";
    switch (box.type & 0xF0) {
    case MB_ICONERROR: kind = " (error)"; break;
    case MB_ICONWARNING: kind = " (warning)"; break;
    case MB_ICONINFORMATION: kind = " (information)"; break;
    case MB_ICONQUESTION: kind = " (question)"; break;
    default: break;
    }
    console_.write("\n*** " + box.caption + kind + " ***\n" + box.text + "\n");
    const BoxButtons buttons = boxButtons(box.type);
    if (buttons.ids.size() == 1) {
        // Only OK: a script goes on; a person acknowledges it.
        if (console_.interactive()) console_.readLine("Press Enter to continue: ");
        else console_.write("<OK>\n");
        return IDOK;
    }
    std::string prompt;
    for (const int id : buttons.ids) {
        if (!prompt.empty()) prompt += "/";
        prompt += buttonName(id);
    }
    prompt += " <" + std::string(buttonName(buttons.defaultId)) + ">: ";
    const int onCancel = buttons.ids.back() == IDCANCEL ? IDCANCEL : IDNO;
    for (;;) {
        const auto line = console_.readLine(prompt);
        if (!line || console_.isCancel(trim(*line))) return onCancel;
        const std::string answer = plainLabel(*line);
        if (answer.empty()) return buttons.defaultId;
        std::vector<int> matches;
        for (const int id : buttons.ids) {
            const std::string name = plainLabel(buttonName(id));
            if (name.compare(0, answer.size(), answer) == 0) matches.push_back(id);
        }
        if (matches.size() == 1) return matches[0];
        refuse("Answer " + prompt.substr(0, prompt.find(" <")) + ".");
    }
}

bool ProtocolDriver::confirmReplace(const MessageBoxRequest& question) {
    if (console_.interactive()) return DialogDriver::confirmReplace(question);
    console_.write("\n*** " + question.caption + " ***\n" + question.text + " <Yes>\n");
    return true;
}

namespace {

void printMenu(const Menu& menu, const std::string& indent, std::string& out) {
    for (const auto& item : menu) {
        if (item.separator()) {
            out += indent + "----\n";
            continue;
        }
        out += indent + shownCaption(item.text);
        out += item.subMenu.empty() ? " [" + std::to_string(item.id) + "]\n" : "\n";
        printMenu(item.subMenu, indent + "  ", out);
    }
}

}  // namespace

int ProtocolDriver::trackMenu(const Menu& menu) {
    ++shown_;
    std::string text = "\n*** Menu ***\n";
    printMenu(menu, "  ", text);
    console_.write(text);
    const auto choices = menuChoices(menu);
    for (;;) {
        const auto line = console_.readLine("Menu item: ");
        if (!line || console_.isCancel(trim(*line))) return 0;
        const std::string wanted = plainLabel(*line);
        if (wanted.empty()) return 0;
        // An item by its text, by its sub-menus and text ("import/plot file (pfin)"), or by id.
        std::vector<int> found;
        for (const auto& choice : choices) {
            std::string path;
            for (const auto& part : choice.path) path += (path.empty() ? "" : "/") + plainLabel(part);
            if (plainLabel(choice.path.back()) == wanted || path == wanted ||
                std::to_string(choice.id) == wanted)
                found.push_back(choice.id);
        }
        std::sort(found.begin(), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        if (found.size() == 1) return found[0];
        refuse(found.empty() ? "No menu item \"" + trim(*line) + "\"."
                             : "\"" + trim(*line) + "\" names several items; give its menu too.");
    }
}

std::optional<std::string> ProtocolDriver::askFile(const FileRequest& request) {
    ++shown_;
    std::string text = "\n*** " + (request.title.empty() ? std::string(request.open ? "Open" : "Save As") : request.title) +
                       " ***\n";
    // The filter's descriptions stand at the even places of "text|pattern|...".
    std::string kinds;
    std::size_t start = 0;
    for (int place = 0; start < request.filter.size(); ++place) {
        auto bar = request.filter.find('|', start);
        if (bar == std::string::npos) bar = request.filter.size();
        const std::string part = request.filter.substr(start, bar - start);
        if (place % 2 == 0 && !part.empty()) kinds += (kinds.empty() ? "" : "; ") + part;
        start = bar + 1;
    }
    if (!kinds.empty()) text += "Files: " + kinds + "\n";
    if (!request.initialDir.empty()) text += "Folder: " + request.initialDir + "\n";
    console_.write(text);
    const std::string prompt =
        request.fileName.empty() ? std::string("File name: ") : "File name <" + request.fileName + ">: ";
    const auto line = console_.readLine(prompt);
    if (!line || console_.isCancel(trim(*line))) return std::nullopt;
    const std::string answer = trim(*line);
    if (!answer.empty()) return answer;
    if (request.fileName.empty()) return std::nullopt;
    return request.fileName;
}

}  // namespace zplat
