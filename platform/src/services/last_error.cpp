#include <platform/win32.h>

namespace {
thread_local DWORD gLastError = 0;
}

DWORD GetLastError() { return gLastError; }
void SetLastError(DWORD code) { gLastError = code; }
