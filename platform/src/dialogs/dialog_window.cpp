// A dialog as a window: focus, the modal run, pages and timers.
#include <platform/dialog.h>
#include <platform/dialog_driver.h>
#include <platform/user_input.h>

#include <zcad/console.h>

namespace zplat {

Dialog& Dialog::root() {
    Dialog* d = this;
    while (d->parent_) d = d->parent_;
    return *d;
}

const Dialog& Dialog::root() const {
    const Dialog* d = this;
    while (d->parent_) d = d->parent_;
    return *d;
}

Control* Dialog::focused() const { return root().focus_; }

void Dialog::gotoControl(int id) {
    Control* c = item(id);
    if (!c || !c->takesFocus()) return;
    setFocusTo(c);
    if (auto* edit = dynamic_cast<Edit*>(c)) edit->selectAll();
}

void Dialog::setFocusTo(Control* control) {
    Dialog& top = root();
    Control* old = top.focus_;
    if (old == control) return;
    top.focus_ = control;
    if (old && old->owner()) old->owner()->focusLost(*old);
    if (control && control->owner()) control->owner()->focusGained(*control);
}

void Dialog::focusGained(Control& control) {
    const auto hint = hints_.find(control.id());
    if (hint != hints_.end()) {
        hiddenStatus_[control.id()] = statusText();
        setStatusText(hint->second.text);
    }
    onSetFocus(control.id());
    dispatch(control.id(), Notify::SetFocus);
}

void Dialog::focusLost(Control& control) {
    const auto hint = hints_.find(control.id());
    const auto saved = hiddenStatus_.find(control.id());
    if (hint != hints_.end() && saved != hiddenStatus_.end()) {
        if (!hint->second.keep) setStatusText(saved->second);
        hiddenStatus_.erase(saved);
    }
    onKillFocus(control.id());
    dispatch(control.id(), Notify::KillFocus);
}

int Dialog::doModal() {
    if (running_ || parent_) return -1;
    openFromTemplate();
    running_ = true;
    ended_ = false;
    result_ = IDCANCEL;
    touch();
    onInitDialog();
    if (!ended_ && reportsFailure(*this)) zcad::noteScriptFault(zcad::ScriptFault::Failed, shownText(*this));
    if (!ended_) dialogDriver().runModal(*this);
    if (!ended_) endDialog(IDCANCEL);  // a driver that gave up is a cancel
    running_ = false;
    timers_.clear();
    focus_ = nullptr;
    hiddenStatus_.clear();
    // Closing the window destroys the pages made inside it.
    while (!children_.empty()) children_.back()->destroyWindow();
    return result_;
}

void Dialog::openFromTemplate() {
    for (const auto& c : controls_) {
        if (templateKept_) c->restoreTemplate();
        else c->keepTemplate();
    }
    templateKept_ = true;
}

void Dialog::endDialog(int result) {
    if (ended_) return;
    ended_ = true;
    result_ = result;
    touch();
}

bool Dialog::create(Dialog& parent) {
    if (parent_ || running_ || &parent == this) return false;
    openFromTemplate();
    parent_ = &parent;
    parent.children_.push_back(this);
    shown_ = true;
    parent.touch();
    onInitDialog();
    return true;
}

void Dialog::destroyWindow() {
    detach();
    timers_.clear();
}

void Dialog::detach() {
    if (!parent_) return;
    Dialog& top = root();
    if (top.focus_) {
        for (Dialog* d = top.focus_->owner(); d; d = d->parent_)
            if (d == this) top.focus_ = nullptr;
    }
    auto& siblings = parent_->children_;
    std::erase(siblings, this);
    parent_->touch();
    parent_ = nullptr;
}

void Dialog::showWindow(bool on) {
    if (shown_ == on) return;
    shown_ = on;
    if (!on && parent_) {
        Dialog& top = root();
        if (top.focus_) {
            for (Dialog* d = top.focus_->owner(); d; d = d->parent_)
                if (d == this) top.setFocusTo(nullptr);
        }
    }
    touch();
}

void Dialog::setTimer(int id, unsigned milliseconds) { timers_[id] = milliseconds; }

void Dialog::killTimer(int id) { timers_.erase(id); }

void Dialog::fireTimer(int id) {
    if (timers_.count(id)) onTimer(id);
}

}  // namespace zplat
