// Loading, the command stack, the document manager and the main window.
#pragma once

#include <cstdint>

#include "acerr.h"
#include "adsdef.h"
#include "wintypes.h"

#pragma GCC visibility push(default)

namespace AcRx {
enum AppMsgCode {
    kNullMsg = 0,
    kInitAppMsg = 1,
    kUnloadAppMsg = 2,
    kLoadDwgMsg = 3,
    kUnloadDwgMsg = 4,
    kInvkSubrMsg = 5,
    kCfgMsg = 6,
    kEndMsg = 7,
    kQuitMsg = 8,
    kSaveMsg = 9,
    kDependencyMsg = 10,
    kNoDependencyMsg = 11,
    kOleUnloadAppMsg = 12,
    kPreQuitMsg = 13,
    kInitDialogMsg = 14,
    kEndDialogMsg = 15,
};
enum AppRetCode { kRetOK = 0, kRetError = 3 };
}  // namespace AcRx

namespace ACRX_CMD {
constexpr std::int32_t kModal = 0;
}
#define ACRX_CMD_MODAL 0

// The interface version a module must report from acrxGetApiVersion.
constexpr int kHostApiVersion = 0x00140000;

// Exported by a module, looked up by name when it is loaded.
extern "C" {
typedef AcRx::AppRetCode (*AcRxEntryPointFn)(AcRx::AppMsgCode message, void* appId);
typedef int (*AcRxGetApiVersionFn)();
}

bool acrxUnlockApplication(void* appId);
bool acrxRegisterAppMDIAware(void* appId);

class AcRxClass {
public:
    explicit AcRxClass(const char* name, const AcRxClass* parent = nullptr) : name_(name), parent_(parent) {}
    const char* name() const { return name_; }
    bool isDerivedFrom(const AcRxClass* other) const;

private:
    const char* name_;
    const AcRxClass* parent_;
};

class AcRxObject {
public:
    virtual ~AcRxObject() = default;
    virtual AcRxClass* isA() const = 0;
};

class AcRxDictionary {
public:
    AcRxObject* at(const ACHAR* key) const;
};
AcRxDictionary* acrxSysRegistry();

typedef void (*AcRxFunctionPtr)();
class AcEdUIContext;
class AcEdCommand;

// The host's command stack: command groups of global and local names.
class AcEdCommandStack : public AcRxObject {
public:
    static AcRxClass* desc();
    AcRxClass* isA() const override { return desc(); }

    Acad::ErrorStatus addCommand(const ACHAR* group, const ACHAR* globalName, const ACHAR* localName,
                                 std::int32_t flags, AcRxFunctionPtr function, AcEdUIContext* uiContext = nullptr,
                                 int functionCode = -1, HINSTANCE resourceHandle = nullptr,
                                 AcEdCommand** command = nullptr);
    Acad::ErrorStatus removeGroup(const ACHAR* group);
};
AcEdCommandStack* acedRegCmds();

// The document manager's resource-handle stack, pushed around dialogs.
class AcApDocManager {
public:
    HINSTANCE pushResourceHandle(HINSTANCE handle);
    void popResourceHandle();
};
AcApDocManager* acDocManagerPtr();

HWND adsw_acadMainWnd();

#pragma GCC visibility pop
