// The host's command stack: commands registered by modules, found by
// global or local name.
#include <algorithm>
#include <cstring>

#include "command_registry.h"
#include "zcad/text.h"

namespace zcad {

std::vector<RegisteredCommand>& registeredCommands() {
    static std::vector<RegisteredCommand> commands;
    return commands;
}

const RegisteredCommand* findCommand(std::string_view name) {
    const std::string key = upperCase(name);
    // The most recently registered command wins, as on the host's stack.
    const auto& all = registeredCommands();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (it->globalName == key || it->localName == key) return &*it;
    }
    return nullptr;
}

}  // namespace zcad

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const {
    for (const AcRxClass* c = this; c; c = c->parent_) {
        if (c == other) return true;
    }
    return false;
}

AcRxClass* AcEdCommandStack::desc() {
    static AcRxClass objectClass("AcRxObject");
    static AcRxClass stackClass("AcEdCommandStack", &objectClass);
    return &stackClass;
}

Acad::ErrorStatus AcEdCommandStack::addCommand(const ACHAR* group, const ACHAR* globalName, const ACHAR* localName,
                                               std::int32_t, AcRxFunctionPtr function, AcEdUIContext*, int, HINSTANCE,
                                               AcEdCommand**) {
    if (!group || !globalName || !*globalName || !function) return Acad::eInvalidInput;
    const std::string global = zcad::upperCase(globalName);
    const std::string local = zcad::upperCase(localName && *localName ? localName : globalName);
    auto& all = zcad::registeredCommands();
    const bool taken = std::any_of(all.begin(), all.end(), [&](const zcad::RegisteredCommand& c) {
        return c.group == group && (c.globalName == global || c.localName == local);
    });
    if (taken) return Acad::eDuplicateKey;
    all.push_back({group, global, local, function});
    return Acad::eOk;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const ACHAR* group) {
    if (!group) return Acad::eInvalidInput;
    auto& all = zcad::registeredCommands();
    const auto before = all.size();
    std::erase_if(all, [&](const zcad::RegisteredCommand& c) { return c.group == group; });
    return all.size() == before ? Acad::eKeyNotFound : Acad::eOk;
}

AcEdCommandStack* acedRegCmds() {
    static AcEdCommandStack stack;
    return &stack;
}

AcRxObject* AcRxDictionary::at(const ACHAR* key) const {
    if (key && std::strcmp(key, "ACAD_REGISTERED_COMMANDS") == 0) return acedRegCmds();
    return nullptr;
}

AcRxDictionary* acrxSysRegistry() {
    static AcRxDictionary registry;
    return &registry;
}
