#include <platform/dialog.h>
#include <platform/message_box.h>
#include <platform/test_driver.h>
#include <platform/user_input.h>

namespace zplat {

void TestDriver::runModal(Dialog& dialog) {
    opened_.push_back(dialog.title());
    if (fireTimersAtOnce) user::fireTimers(dialog);
    if (!dialog.running()) return;
    if (scripts_.empty()) {
        user::cancel(dialog);
        return;
    }
    const Script script = std::move(scripts_.front());
    scripts_.pop_front();
    script(dialog);
    if (dialog.running()) user::cancel(dialog);
}

int TestDriver::messageBox(const MessageBoxRequest& box) {
    const BoxButtons buttons = boxButtons(box.type);
    int answer = IDOK;
    if (buttons.ids.size() > 1) {
        answer = buttons.ids.back() == IDCANCEL ? IDCANCEL : IDNO;
        if (!boxAnswers_.empty()) {
            answer = boxAnswers_.front();
            boxAnswers_.pop_front();
        }
    }
    boxes_.push_back(ShownBox{box, answer});
    return answer;
}

std::optional<std::string> TestDriver::askFile(const FileRequest& request) {
    fileRequests_.push_back(request);
    if (fileAnswers_.empty()) return std::nullopt;
    auto answer = std::move(fileAnswers_.front());
    fileAnswers_.pop_front();
    return answer;
}

int TestDriver::trackMenu(const Menu& menu) {
    menus_.push_back(menu);
    if (menuAnswers_.empty()) return 0;
    const int id = menuAnswers_.front();
    menuAnswers_.pop_front();
    return id;
}

}  // namespace zplat
