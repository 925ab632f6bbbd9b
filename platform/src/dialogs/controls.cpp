#include <platform/controls.h>
#include <platform/dialog.h>

namespace zplat {

Control::Control(ControlKind kind, int id, std::string text)
    : text_(std::move(text)), kind_(kind), id_(id) {}

void Control::setText(std::string_view text) {
    if (text_ == text) return;
    text_ = std::string(text);
    touched();
}

void Control::enable(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    if (!on && owner_ && owner_->focused() == this) owner_->setFocusTo(nullptr);
    touched();
}

void Control::show(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    if (!on && owner_ && owner_->focused() == this) owner_->setFocusTo(nullptr);
    touched();
}

bool Control::takesFocus() const {
    return kind_ != ControlKind::Static && kind_ != ControlKind::StatusLine &&
           kind_ != ControlKind::GroupBox;
}

void Control::keepTemplate() {
    templateText_ = text_;
    templateEnabled_ = enabled_;
    templateVisible_ = visible_;
}

void Control::restoreTemplate() {
    text_ = templateText_;
    enabled_ = templateEnabled_;
    visible_ = templateVisible_;
}

void Control::notify(Notify what) {
    if (owner_) owner_->dispatch(id_, what);
}

void Control::touched() {
    if (owner_) owner_->touch();
}

void CheckBox::setCheck(int state) {
    if (state_ == state) return;
    state_ = state;
    touched();
}

void RadioButton::setCheck(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    touched();
}

void CheckBox::keepTemplate() {
    Control::keepTemplate();
    templateState_ = state_;
}

void CheckBox::restoreTemplate() {
    Control::restoreTemplate();
    state_ = templateState_;
}

void RadioButton::keepTemplate() {
    Control::keepTemplate();
    templateChecked_ = checked_;
}

void RadioButton::restoreTemplate() {
    Control::restoreTemplate();
    checked_ = templateChecked_;
}

void ListBox::keepTemplate() {
    Control::keepTemplate();
    templateItems_ = items_;
}

void ListBox::restoreTemplate() {
    Control::restoreTemplate();
    items_ = templateItems_;
    sel_ = -1;
}

void ListView::keepTemplate() {
    Control::keepTemplate();
    templateImages_ = images_;
    templateItems_ = items_;
}

void ListView::restoreTemplate() {
    Control::restoreTemplate();
    images_ = templateImages_;
    items_ = templateItems_;
    selected_ = hit_ = -1;
}

void TabControl::keepTemplate() {
    Control::keepTemplate();
    templateTabs_ = tabs_;
}

void TabControl::restoreTemplate() {
    Control::restoreTemplate();
    tabs_ = templateTabs_;
    sel_ = tabs_.empty() ? -1 : 0;
}

int ListBox::addString(std::string item) {
    items_.push_back(std::move(item));
    touched();
    return count() - 1;
}

int ListBox::insertString(int index, std::string item) {
    if (index < 0 || index > count()) index = count();
    items_.insert(items_.begin() + index, std::move(item));
    if (sel_ >= index) ++sel_;
    touched();
    return index;
}

int ListBox::deleteString(int index) {
    if (index < 0 || index >= count()) return -1;
    items_.erase(items_.begin() + index);
    if (sel_ == index) sel_ = -1;
    if (sel_ > index) --sel_;
    touched();
    return count();
}

void ListBox::resetContent() {
    items_.clear();
    sel_ = -1;
    touched();
}

std::string ListBox::getText(int index) const {
    if (index < 0 || index >= count()) return {};
    return items_[static_cast<std::size_t>(index)];
}

int ListBox::setCurSel(int index) {
    sel_ = index >= 0 && index < count() ? index : -1;
    touched();
    return sel_;
}

void ListView::setImageList(std::vector<std::string> images) {
    images_ = std::move(images);
    touched();
}

int ListView::insertItem(int index, std::string text, int image) {
    if (index < 0 || index > count()) index = count();
    items_.insert(items_.begin() + index, Item{std::move(text), image});
    touched();
    return index;
}

void ListView::deleteAllItems() {
    items_.clear();
    selected_ = hit_ = -1;
    touched();
}

void ListView::setSelected(int index) {
    selected_ = index >= 0 && index < count() ? index : -1;
    touched();
}

int TabControl::insertItem(int index, std::string text, Dialog* page) {
    if (index < 0 || index > count()) index = count();
    tabs_.insert(tabs_.begin() + index, Tab{std::move(text), page});
    if (sel_ < 0) sel_ = 0;
    touched();
    return index;
}

std::string TabControl::itemText(int index) const {
    if (index < 0 || index >= count()) return {};
    return tabs_[static_cast<std::size_t>(index)].text;
}

Dialog* TabControl::page(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return tabs_[static_cast<std::size_t>(index)].page;
}

int TabControl::setCurSel(int index) {
    if (index < 0 || index >= count()) return -1;
    const int previous = sel_;
    sel_ = index;
    for (int i = 0; i < count(); ++i)
        if (Dialog* p = page(i)) p->showWindow(i == index);
    touched();
    return previous;
}

}  // namespace zplat
