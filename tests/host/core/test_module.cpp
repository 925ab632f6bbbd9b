// A small module for the loading tests: one command group with two commands.
#include "arx/acedads.h"
#include "arx/rxapi.h"

#ifndef TEST_MODULE_VERSION
#define TEST_MODULE_VERSION 0x00140000
#endif

namespace {

void hello() {
    ads_real value = 0;
    if (acedGetReal("Value: ", &value) == RTNORM) acutPrintf("twice %g\n", value * 2);
}

void fails() { throw 42; }

}  // namespace

extern "C" __attribute__((visibility("default"))) int acrxGetApiVersion() { return TEST_MODULE_VERSION; }

extern "C" __attribute__((visibility("default"))) AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void*) {
    if (message == AcRx::kInitAppMsg) {
        acedRegCmds()->addCommand("TEST_GROUP", "HELLO", "HI", ACRX_CMD_MODAL, hello);
        acedRegCmds()->addCommand("TEST_GROUP", "FAILS", "FA", ACRX_CMD_MODAL, fails);
        acutPrintf("test module loaded\n");
    }
    if (message == AcRx::kUnloadAppMsg) acedRegCmds()->removeGroup("TEST_GROUP");
    if (message == AcRx::kQuitMsg) acutPrintf("quit noted\n");
    return AcRx::kRetOK;
}
