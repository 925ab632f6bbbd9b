#include <platform/services.h>

#include <cstdio>
#include <cstdlib>

void OutputDebugStringA(LPCSTR lpOutputString) {
    const char* on = std::getenv("ZARVO_DEBUG");
    if (!on || !*on || !lpOutputString) return;
    std::fputs(lpOutputString, stderr);
    std::fflush(stderr);
}
