// A driver for tests: each dialog that opens is handed to the next script,
// which clicks, types and moves the focus from C++; boxes and file dialogs
// take queued answers. Whatever is left undecided is cancelled.
#pragma once

#include <platform/dialog_driver.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#pragma GCC visibility push(default)

namespace zplat {

class TestDriver : public DialogDriver {
public:
    using Script = std::function<void(Dialog&)>;

    void onNextDialog(Script script) { scripts_.push_back(std::move(script)); }
    void answerNextBox(int button) { boxAnswers_.push_back(button); }
    void answerNextFile(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }
    void answerNextMenu(int id) { menuAnswers_.push_back(id); }

    struct ShownBox {
        MessageBoxRequest box;
        int answer;
    };
    const std::vector<ShownBox>& boxes() const { return boxes_; }
    const std::vector<FileRequest>& fileRequests() const { return fileRequests_; }
    const std::vector<std::string>& dialogsOpened() const { return opened_; }
    const std::vector<Menu>& menus() const { return menus_; }
    bool allUsed() const {
        return scripts_.empty() && boxAnswers_.empty() && fileAnswers_.empty() && menuAnswers_.empty();
    }

    // Timers fire at once when a dialog opens, as nobody is watching.
    bool fireTimersAtOnce = true;

    void runModal(Dialog& dialog) override;
    int messageBox(const MessageBoxRequest& box) override;
    std::optional<std::string> askFile(const FileRequest& request) override;
    int trackMenu(const Menu& menu) override;

private:
    std::deque<Script> scripts_;
    std::deque<int> boxAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::deque<int> menuAnswers_;
    std::vector<Menu> menus_;
    std::vector<ShownBox> boxes_;
    std::vector<FileRequest> fileRequests_;
    std::vector<std::string> opened_;
};

}  // namespace zplat

#pragma GCC visibility pop
