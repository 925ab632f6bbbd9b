#include "za_advice.h"

#include <platform/dialog.h>

#include "arx/acedads.h"
#include "arx/rxapi.h"
#include "shell/resource_scope.h"

namespace {

constexpr int kAdviceTextId = 1001;

// The advice box: the failure text in a read-only edit and an OK button.
class ZAdviceDlg : public zplat::Dialog {
public:
    ZAdviceDlg(const char* text, HWND parent) : Dialog("ZsAc Application information ... Error", parent), text_(text) {
        zplat::Edit& edit = addEdit(kAdviceTextId, "Message");
        edit.setReadOnly(true);
        addButton(zplat::IDOK, "OK");
    }

protected:
    bool onInitDialog() override {
        setItemText(kAdviceTextId, text_);
        return true;
    }

private:
    std::string text_;
};

}  // namespace

void zaAdviceMessage(const char* text) {
    const char* shown = text ? text : "";
    zashell::runDialog<ZAdviceDlg>(shown);
    acutPrintf("\nZARVO Software message <%s>\n", shown);
}
