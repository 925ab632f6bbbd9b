#include <platform/edit.h>
#include <platform/services.h>

#include <algorithm>

namespace zplat {

Edit::Edit(int id, std::string label) : Control(ControlKind::Edit, id, {}), label_(std::move(label)) {}

void Edit::setText(std::string_view text) {
    replaceText(std::string(text));
    onTextSet();
}

void Edit::replaceText(std::string text) {
    if (text == text_) {
        sel_ = Selection{text_.size(), text_.size()};
        return;
    }
    text_ = std::move(text);
    sel_ = Selection{text_.size(), text_.size()};
    touched();
    notify(Notify::Changed);
}

void Edit::keepTemplate() {
    Control::keepTemplate();
    templateReadOnly_ = readOnly_;
}

void Edit::restoreTemplate() {
    Control::restoreTemplate();
    readOnly_ = templateReadOnly_;
    sel_ = Selection{text_.size(), text_.size()};
}

void Edit::setSelection(std::size_t start, std::size_t end) {
    start = std::min(start, text_.size());
    end = std::min(end, text_.size());
    sel_ = Selection{std::min(start, end), std::max(start, end)};
}

void Edit::setReadOnly(bool on) {
    readOnly_ = on;
    touched();
}

bool Edit::defaultChar(char key) {
    if (readOnly_) {
        MessageBeep(0);
        return false;
    }
    std::string text = text_;
    std::size_t caret = sel_.start;
    if (key == kBackspace) {
        if (sel_.start != sel_.end) {
            text.erase(sel_.start, sel_.end - sel_.start);
        } else if (caret > 0) {
            text.erase(--caret, 1);
        } else {
            return false;
        }
    } else {
        if (static_cast<unsigned char>(key) < 0x20) return false;  // control keys insert nothing
        const std::size_t length = text.size() - (sel_.end - sel_.start) + 1;
        if (limit_ != 0 && length > limit_) {
            MessageBeep(0);
            return false;
        }
        text.replace(sel_.start, sel_.end - sel_.start, 1, key);
        ++caret;
    }
    text_ = std::move(text);
    sel_ = Selection{caret, caret};
    touched();
    notify(Notify::Changed);
    return true;
}

}  // namespace zplat
