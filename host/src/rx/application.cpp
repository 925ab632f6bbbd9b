// Application services: unlocking, document awareness, the resource-handle
// stack around dialogs, and the main window.
#include "arx/rxapi.h"
#include "state/session_state.h"
#include "zcad/host_test.h"

namespace {

struct ResourceHandles {
    int depth = 0;  // pushed and not yet popped
};

int& resourceDepthCount() { return zcad::sessionState<ResourceHandles>().depth; }

struct MainWindow {};
MainWindow mainWindow;

}  // namespace

bool acrxUnlockApplication(void*) { return true; }
bool acrxRegisterAppMDIAware(void*) { return true; }

HINSTANCE AcApDocManager::pushResourceHandle(HINSTANCE) {
    ++resourceDepthCount();
    return nullptr;
}

void AcApDocManager::popResourceHandle() { --resourceDepthCount(); }

AcApDocManager* acDocManagerPtr() {
    static AcApDocManager manager;
    return &manager;
}

HWND adsw_acadMainWnd() { return reinterpret_cast<HWND>(&mainWindow); }

namespace zcad::test {
int resourceDepth() { return resourceDepthCount(); }
}  // namespace zcad::test
