// The single-line edit control. Typed keys arrive one at a time through the
// character hook onChar, whose default handling inserts them; subclasses
// pass a key on, change it, or drop it.
#pragma once

#include <platform/controls.h>

#pragma GCC visibility push(default)

namespace zplat {

inline constexpr char kBackspace = '\b';

class Edit : public Control {
public:
    Edit(int id, std::string label);
    std::string label() const override { return label_; }

    // The whole text at once, as a dialog sets it: onTextSet follows.
    void setText(std::string_view text) override;

    struct Selection {
        std::size_t start = 0;
        std::size_t end = 0;  // start == end: the caret
    };
    Selection selection() const { return sel_; }
    void setSelection(std::size_t start, std::size_t end);
    void selectAll() { setSelection(0, text_.size()); }

    // Most characters the user may type in (EM_LIMITTEXT); 0: no limit.
    void setLimitText(std::size_t limit) { limit_ = limit; }
    std::size_t limitText() const { return limit_; }
    void setReadOnly(bool on);
    bool readOnly() const { return readOnly_; }

    // A key typed by the user: a character, or kBackspace.
    void typeChar(char key) { onChar(key); }

    void keepTemplate() override;
    void restoreTemplate() override;

protected:
    virtual void onChar(char key) { defaultChar(key); }
    // The edit's own handling of a key; false when the key changed nothing.
    bool defaultChar(char key);
    virtual void onTextSet() {}
    // Changes the text without calling onTextSet again.
    void replaceText(std::string text);

private:
    std::string label_;
    Selection sel_;
    std::size_t limit_ = 0;
    bool readOnly_ = false;
    bool templateReadOnly_ = false;
};

}  // namespace zplat

#pragma GCC visibility pop
