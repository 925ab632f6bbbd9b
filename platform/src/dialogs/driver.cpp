#include <platform/dialog_driver.h>
#include <platform/message_box.h>
#include <platform/protocol_driver.h>

namespace zplat {

namespace {

DialogDriver* gDriver = nullptr;

DialogDriver& defaultDriver() {
    static ProtocolDriver driver(hostConsole());
    return driver;
}

}  // namespace

bool DialogDriver::confirmReplace(const MessageBoxRequest& question) { return messageBox(question) == IDYES; }

DialogDriver& dialogDriver() { return gDriver ? *gDriver : defaultDriver(); }

DialogDriver* setDialogDriver(DialogDriver* driver) {
    DialogDriver* previous = gDriver;
    gDriver = driver;
    return previous;
}

}  // namespace zplat
