// A dialog: its controls, their state, focus, data exchange, timers, child
// dialogs (pages) and the modal run. A dialog class builds its controls in
// its constructor and gives them behaviour through the virtual hooks and
// the handlers it registers; a driver (the line protocol, or a test) plays
// the user.
#pragma once

#include <platform/controls.h>
#include <platform/edit.h>
#include <platform/win32.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#pragma GCC visibility push(default)

namespace zplat {

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

class DataExchange;

class Dialog {
public:
    explicit Dialog(std::string title, HWND parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const std::string& title() const { return title_; }
    void setTitle(std::string title);
    HWND hwnd() const { return reinterpret_cast<HWND>(const_cast<Dialog*>(this)); }
    HWND parentWindow() const { return parentWindow_; }
    // The dialog behind a window handle, or null.
    static Dialog* fromHandle(HWND window);

    // Building. The dialog owns its controls; references stay valid.
    template <class T, class... Args>
    T& add(Args&&... args) {
        auto control = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *control;
        adopt(std::move(control));
        return ref;
    }
    Static& addStatic(int id, std::string text) { return add<Static>(id, std::move(text)); }
    Static& addStatusLine(int id, std::string text = {}) { return add<Static>(id, std::move(text), true); }
    GroupBox& addGroupBox(int id, std::string caption) { return add<GroupBox>(id, std::move(caption)); }
    Button& addButton(int id, std::string caption) { return add<Button>(id, std::move(caption)); }
    CheckBox& addCheckBox(int id, std::string caption) { return add<CheckBox>(id, std::move(caption)); }
    RadioButton& addRadio(int id, std::string caption, bool firstOfGroup = false) {
        return add<RadioButton>(id, std::move(caption), firstOfGroup);
    }
    Edit& addEdit(int id, std::string label) { return add<Edit>(id, std::move(label)); }
    ListBox& addListBox(int id, std::string label) { return add<ListBox>(id, std::move(label)); }
    ListView& addListView(int id, std::string label) { return add<ListView>(id, std::move(label)); }
    TabControl& addTabControl(int id, std::string label) { return add<TabControl>(id, std::move(label)); }

    Control* item(int id) const;  // GetDlgItem: this dialog's own controls
    template <class T>
    T* itemAs(int id) const {
        return dynamic_cast<T*>(item(id));
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // The Win32 dialog helpers; unknown ids are ignored (or read as empty).
    void enableItem(int id, bool on);
    bool itemEnabled(int id) const;
    void showItem(int id, bool on);
    std::string itemText(int id) const;
    void setItemText(int id, std::string_view text);
    int isChecked(int id) const;
    void checkButton(int id, int state);
    void checkRadioButton(int firstId, int lastId, int checkId);
    // The radios of the group a radio belongs to, in order.
    std::vector<RadioButton*> radioGroup(const RadioButton& radio) const;

    // Enter presses the default button (IDOK unless set).
    void setDefaultButton(int id) { defaultButton_ = id; }
    int defaultButton() const { return defaultButton_; }

    // The status line is this dialog's, or its nearest parent's.
    Static* statusLine() const;
    void setStatusText(std::string_view text);
    std::string statusText() const;
    // Text shown in the status line while the control has the focus; when the
    // focus leaves, the line gets back what it showed before (unless keep).
    void setFocusHint(int controlId, std::string text, bool keepAfterLeaving = false);

    // Focus is one per top-level dialog, also when it lies in a page.
    void gotoControl(int id);  // an edit gets all its text selected
    Control* focused() const;
    void setFocusTo(Control* control);

    // Data exchange through doDataExchange; false when a value was refused.
    bool updateData(bool saveAndValidate = true);

    // The modal run: returns the code given to endDialog (IDOK, IDCANCEL or
    // the id of the button that closed it).
    int doModal();
    void endDialog(int result);
    bool running() const { return running_ && !ended_; }
    int result() const { return result_; }

    // Child dialogs: pages living inside this one.
    bool create(Dialog& parent);
    void destroyWindow();
    bool created() const { return parent_ != nullptr; }
    void showWindow(bool on);
    bool windowShown() const { return shown_; }
    Dialog* parentDialog() const { return parent_; }
    const std::vector<Dialog*>& children() const { return children_; }
    Dialog& root();
    const Dialog& root() const;

    // Timers: onTimer is called for each until it is killed.
    void setTimer(int id, unsigned milliseconds);
    void killTimer(int id);
    const std::map<int, unsigned>& timers() const { return timers_; }

    // The message map: a handler for a control's notification.
    using Handler = std::function<void()>;
    void on(int controlId, Notify what, Handler handler);
    void onClicked(int controlId, Handler handler) { on(controlId, Notify::Clicked, std::move(handler)); }

    // Delivery of what the user did (drivers and controls call these).
    void dispatch(int controlId, Notify what);
    void fireTimer(int id);

    // Grows with every change a driver shows; one count for the whole window.
    unsigned revision() const { return root().revision_; }
    void touch() { ++root().revision_; }

protected:
    // Default: updateData(false).
    virtual bool onInitDialog();
    virtual void doDataExchange(DataExchange&) {}
    // Default: updateData(true), then endDialog(IDOK).
    virtual void onOK();
    virtual void onCancel() { endDialog(IDCANCEL); }
    // Notifications without a handler; default maps IDOK and IDCANCEL clicks.
    virtual void onCommand(int controlId, Notify what);
    virtual void onTimer(int) {}
    virtual void onSetFocus(int) {}
    virtual void onKillFocus(int) {}

private:
    void adopt(std::unique_ptr<Control> control);
    void openFromTemplate();
    void focusGained(Control& control);
    void focusLost(Control& control);
    void detach();

    struct Hint {
        std::string text;
        bool keep = false;
    };

    std::string title_;
    HWND parentWindow_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<std::pair<int, Notify>, Handler> handlers_;
    std::map<int, Hint> hints_;
    std::map<int, std::string> hiddenStatus_;  // what the status line showed before a hint
    std::map<int, unsigned> timers_;
    Dialog* parent_ = nullptr;
    std::vector<Dialog*> children_;
    Control* focus_ = nullptr;  // kept by the root only
    int defaultButton_ = IDOK;
    int result_ = IDCANCEL;
    unsigned revision_ = 0;
    bool running_ = false;
    bool ended_ = false;
    bool shown_ = true;
    bool templateKept_ = false;
};

}  // namespace zplat

#pragma GCC visibility pop
