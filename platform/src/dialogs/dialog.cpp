// A dialog's controls and their state.
#include <platform/data_exchange.h>
#include <platform/dialog.h>

#include <mutex>
#include <set>

namespace zplat {

namespace {

std::mutex gWindowsMutex;
std::set<const Dialog*> gWindows;

}  // namespace

Dialog::Dialog(std::string title, HWND parent) : title_(std::move(title)), parentWindow_(parent) {
    const std::lock_guard lock(gWindowsMutex);
    gWindows.insert(this);
}

Dialog::~Dialog() {
    detach();
    for (Dialog* child : children_) child->parent_ = nullptr;
    const std::lock_guard lock(gWindowsMutex);
    gWindows.erase(this);
}

Dialog* Dialog::fromHandle(HWND window) {
    const auto* d = reinterpret_cast<const Dialog*>(window);
    const std::lock_guard lock(gWindowsMutex);
    return gWindows.count(d) ? const_cast<Dialog*>(d) : nullptr;
}

void Dialog::setTitle(std::string title) {
    title_ = std::move(title);
    touch();
}

void Dialog::adopt(std::unique_ptr<Control> control) {
    control->owner_ = this;
    controls_.push_back(std::move(control));
}

Control* Dialog::item(int id) const {
    for (const auto& c : controls_)
        if (c->id() == id) return c.get();
    return nullptr;
}

void Dialog::enableItem(int id, bool on) {
    if (Control* c = item(id)) c->enable(on);
}

bool Dialog::itemEnabled(int id) const {
    const Control* c = item(id);
    return c && c->enabled();
}

void Dialog::showItem(int id, bool on) {
    if (Control* c = item(id)) c->show(on);
}

std::string Dialog::itemText(int id) const {
    const Control* c = item(id);
    return c ? c->text() : std::string();
}

void Dialog::setItemText(int id, std::string_view text) {
    if (Control* c = item(id)) c->setText(text);
}

int Dialog::isChecked(int id) const {
    if (const auto* box = itemAs<CheckBox>(id)) return box->checked();
    if (const auto* radio = itemAs<RadioButton>(id)) return radio->checked() ? BST_CHECKED : BST_UNCHECKED;
    return BST_UNCHECKED;
}

void Dialog::checkButton(int id, int state) {
    if (auto* box = itemAs<CheckBox>(id)) box->setCheck(state);
    if (auto* radio = itemAs<RadioButton>(id)) radio->setCheck(state != BST_UNCHECKED);
}

void Dialog::checkRadioButton(int firstId, int lastId, int checkId) {
    for (const auto& c : controls_) {
        auto* radio = dynamic_cast<RadioButton*>(c.get());
        if (radio && radio->id() >= firstId && radio->id() <= lastId) radio->setCheck(radio->id() == checkId);
    }
}

std::vector<RadioButton*> Dialog::radioGroup(const RadioButton& member) const {
    std::vector<RadioButton*> group;
    bool found = false;
    for (const auto& c : controls_) {
        auto* radio = dynamic_cast<RadioButton*>(c.get());
        if (!radio) continue;
        if (radio->firstOfGroup() && !group.empty()) {
            if (found) break;
            group.clear();
        }
        group.push_back(radio);
        found = found || radio == &member;
    }
    if (!found) group.clear();
    return group;
}

Static* Dialog::statusLine() const {
    for (const Dialog* d = this; d; d = d->parent_)
        for (const auto& c : d->controls_)
            if (c->kind() == ControlKind::StatusLine) return static_cast<Static*>(c.get());
    return nullptr;
}

void Dialog::setStatusText(std::string_view text) {
    if (Static* line = statusLine()) line->setText(text);
}

std::string Dialog::statusText() const {
    const Static* line = statusLine();
    return line ? line->text() : std::string();
}

void Dialog::setFocusHint(int controlId, std::string text, bool keepAfterLeaving) {
    hints_[controlId] = Hint{std::move(text), keepAfterLeaving};
}

bool Dialog::updateData(bool saveAndValidate) {
    DataExchange dx(*this, saveAndValidate);
    doDataExchange(dx);
    return !dx.failed();
}

void Dialog::on(int controlId, Notify what, Handler handler) {
    handlers_[{controlId, what}] = std::move(handler);
}

void Dialog::dispatch(int controlId, Notify what) {
    const auto it = handlers_.find({controlId, what});
    if (it != handlers_.end()) {
        const Handler handler = it->second;  // a handler may replace itself
        handler();
        return;
    }
    onCommand(controlId, what);
}

void Dialog::onCommand(int controlId, Notify what) {
    if (what != Notify::Clicked) return;
    if (controlId == IDOK) onOK();
    if (controlId == IDCANCEL) onCancel();
}

bool Dialog::onInitDialog() {
    updateData(false);
    return true;
}

void Dialog::onOK() {
    if (updateData(true)) endDialog(IDOK);
}

}  // namespace zplat
