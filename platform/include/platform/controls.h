// The controls of a dialog. Each belongs to one dialog, which is told when
// the user works it; the dialog's class decides what that means.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#pragma GCC visibility push(default)

namespace zplat {

class Dialog;

enum class ControlKind { Static, StatusLine, GroupBox, Button, CheckBox, Radio, Edit, ListBox, ListView, Tab };

// What a control tells its dialog (the BN_, EN_, LBN_ and TCN_ notifications).
enum class Notify { Clicked, DoubleClicked, SelChange, Changed, SetFocus, KillFocus };

class Control {
public:
    Control(ControlKind kind, int id, std::string text);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    int id() const { return id_; }
    Dialog* owner() const { return owner_; }

    // The caption of a static, box or button; the contents of an edit.
    const std::string& text() const { return text_; }
    virtual void setText(std::string_view text);
    // The name a user knows the control by: its caption, or the label beside it.
    virtual std::string label() const { return text_; }

    bool enabled() const { return enabled_; }
    void enable(bool on);
    bool visible() const { return visible_; }
    void show(bool on);
    bool takesFocus() const;

    // A modal dialog's window is made anew from its template each time it
    // opens: the state a control had when the dialog first opened is kept
    // and brought back when it opens again.
    virtual void keepTemplate();
    virtual void restoreTemplate();

protected:
    void notify(Notify what);
    void touched();  // something a driver shows has changed
    std::string text_;

private:
    friend class Dialog;
    ControlKind kind_;
    int id_;
    bool enabled_ = true;
    bool visible_ = true;
    Dialog* owner_ = nullptr;
    std::string templateText_;
    bool templateEnabled_ = true;
    bool templateVisible_ = true;
};

class Static : public Control {
public:
    Static(int id, std::string text, bool statusLine = false)
        : Control(statusLine ? ControlKind::StatusLine : ControlKind::Static, id, std::move(text)) {}
};

class GroupBox : public Control {
public:
    GroupBox(int id, std::string caption) : Control(ControlKind::GroupBox, id, std::move(caption)) {}
};

class Button : public Control {
public:
    Button(int id, std::string caption) : Control(ControlKind::Button, id, std::move(caption)) {}
};

class CheckBox : public Control {
public:
    CheckBox(int id, std::string caption) : Control(ControlKind::CheckBox, id, std::move(caption)) {}
    int checked() const { return state_; }  // BST_UNCHECKED 0, BST_CHECKED 1
    void setCheck(int state);
    void keepTemplate() override;
    void restoreTemplate() override;

private:
    int state_ = 0;
    int templateState_ = 0;
};

class RadioButton : public Control {
public:
    RadioButton(int id, std::string caption, bool firstOfGroup)
        : Control(ControlKind::Radio, id, std::move(caption)), first_(firstOfGroup) {}
    bool checked() const { return checked_; }
    void setCheck(bool on);
    bool firstOfGroup() const { return first_; }
    void keepTemplate() override;
    void restoreTemplate() override;

private:
    bool checked_ = false;
    bool first_;
    bool templateChecked_ = false;
};

class ListBox : public Control {
public:
    ListBox(int id, std::string label) : Control(ControlKind::ListBox, id, {}), label_(std::move(label)) {}
    std::string label() const override { return label_; }
    int count() const { return static_cast<int>(items_.size()); }
    int addString(std::string item);
    int insertString(int index, std::string item);
    int deleteString(int index);  // the count left, or -1 (LB_ERR)
    void resetContent();
    std::string getText(int index) const;
    int curSel() const { return sel_; }  // -1: none (LB_ERR)
    int setCurSel(int index);
    const std::vector<std::string>& items() const { return items_; }
    void keepTemplate() override;
    void restoreTemplate() override;

private:
    std::string label_;
    std::vector<std::string> items_;
    int sel_ = -1;
    std::vector<std::string> templateItems_;
};

class ListView : public Control {
public:
    struct Item {
        std::string text;
        int image = -1;
    };
    ListView(int id, std::string label) : Control(ControlKind::ListView, id, {}), label_(std::move(label)) {}
    std::string label() const override { return label_; }
    // The image list: one name a picture, shown by drivers beside the items.
    void setImageList(std::vector<std::string> images);
    const std::vector<std::string>& images() const { return images_; }
    int insertItem(int index, std::string text, int image);
    void deleteAllItems();
    const std::vector<Item>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    // The item the last click hit; -1 for a click beside every item.
    int hitItem() const { return hit_; }
    int selected() const { return selected_; }
    void setSelected(int index);

    void setHitItem(int index) { hit_ = index; }
    void keepTemplate() override;
    void restoreTemplate() override;

private:
    std::string label_;
    std::vector<std::string> images_;
    std::vector<Item> items_;
    int selected_ = -1;
    int hit_ = -1;
    std::vector<std::string> templateImages_;
    std::vector<Item> templateItems_;
};

// A tab control; each tab may carry a page, a child dialog shown while the
// tab is chosen.
class TabControl : public Control {
public:
    TabControl(int id, std::string label) : Control(ControlKind::Tab, id, {}), label_(std::move(label)) {}
    std::string label() const override { return label_; }
    int insertItem(int index, std::string text, Dialog* page = nullptr);
    int count() const { return static_cast<int>(tabs_.size()); }
    std::string itemText(int index) const;
    Dialog* page(int index) const;
    int curSel() const { return sel_; }
    // Chooses the tab and shows its page, hiding the others.
    int setCurSel(int index);
    void keepTemplate() override;
    void restoreTemplate() override;

private:
    struct Tab {
        std::string text;
        Dialog* page;
    };
    std::string label_;
    std::vector<Tab> tabs_;
    int sel_ = -1;
    std::vector<Tab> templateTabs_;
};

}  // namespace zplat

#pragma GCC visibility pop
