// The module's resource handle on the host's document manager for as long
// as the scope lasts, so that the module's dialogs find their resources;
// popped however the scope ends, a throwing dialog included.
#pragma once

#include <utility>

#include "arx/rxapi.h"

namespace zashell {

class ResourceScope {
public:
    ResourceScope() { acDocManagerPtr()->pushResourceHandle(nullptr); }
    ~ResourceScope() { acDocManagerPtr()->popResourceHandle(); }
    ResourceScope(const ResourceScope&) = delete;
    ResourceScope& operator=(const ResourceScope&) = delete;
};

// Makes the dialog from the arguments, parented to the host's main window,
// runs it and gives its result, all under the module's handle.
template <typename Dialog, typename... Args>
int runDialog(Args&&... args) {
    const ResourceScope scope;
    Dialog dialog(std::forward<Args>(args)..., adsw_acadMainWnd());
    return dialog.doModal();
}

}  // namespace zashell
