#include <platform/services.h>

#include <cstdio>
#include <cstdlib>

void OutputDebugStringA(LPCSTR lpOutputString) {
    const char* on = std::getenv("ZARVO_DEBUG");
    if (!on || !*on || !lpOutputString) return;
    // In its place among the printed lines, which may wait in a buffer.
    std::fflush(stdout);
    std::fputs(lpOutputString, stderr);
    std::fflush(stderr);
}
