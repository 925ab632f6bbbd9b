#include <platform/services.h>

#include <mutex>
#include <unistd.h>

namespace {

std::mutex gSoundMutex;
zplat::SoundSink gSink;
unsigned gRung = 0;

void ring(std::string_view sound) {
    zplat::SoundSink sink;
    {
        const std::lock_guard lock(gSoundMutex);
        sink = gSink;
        ++gRung;
    }
    if (sink) {
        sink(sound);
        return;
    }
    // The bell only where someone can hear it: never into a transcript.
    if (::isatty(STDERR_FILENO)) (void)!::write(STDERR_FILENO, "\a", 1);
}

}  // namespace

zplat::SoundSink zplat::setSoundSink(SoundSink sink) {
    const std::lock_guard lock(gSoundMutex);
    std::swap(gSink, sink);
    return sink;
}

unsigned zplat::soundsRung() {
    const std::lock_guard lock(gSoundMutex);
    return gRung;
}

BOOL PlaySoundA(LPCSTR pszSound, HMODULE, DWORD) {
    ring(pszSound ? pszSound : "");
    return TRUE;
}

BOOL MessageBeep(UINT) {
    ring("beep");
    return TRUE;
}
