// Windows services: starting a program, the help viewer, sounds, the
// debugger output stream, deleting a file.
#pragma once

#include <platform/win32.h>

#include <functional>
#include <string_view>

#pragma GCC visibility push(default)

typedef HINSTANCE HMODULE;

struct STARTUPINFOA {
    DWORD cb;
    LPSTR lpReserved;
    LPSTR lpDesktop;
    LPSTR lpTitle;
    DWORD dwX;
    DWORD dwY;
    DWORD dwXSize;
    DWORD dwYSize;
    DWORD dwXCountChars;
    DWORD dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    LPBYTE lpReserved2;
    HANDLE hStdInput;
    HANDLE hStdOutput;
    HANDLE hStdError;
};
typedef STARTUPINFOA* LPSTARTUPINFOA;

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};
typedef PROCESS_INFORMATION* LPPROCESS_INFORMATION;

// Starts the program and does not wait for it (posix_spawn). The program is
// lpApplicationName, else the first word of lpCommandLine; the command line
// is split into arguments as Windows programs split theirs. lpEnvironment is
// a block of "NAME=value\0" strings ended by an empty one, or null.
BOOL CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine,
                    LPSECURITY_ATTRIBUTES lpProcessAttributes, LPSECURITY_ATTRIBUTES lpThreadAttributes,
                    BOOL bInheritHandles, DWORD dwCreationFlags, LPVOID lpEnvironment,
                    LPCSTR lpCurrentDirectory, LPSTARTUPINFOA lpStartupInfo,
                    LPPROCESS_INFORMATION lpProcessInformation);
BOOL CloseHandle(HANDLE hObject);

inline constexpr UINT HELP_CONTEXT = 0x0001;
inline constexpr UINT HELP_QUIT = 0x0002;
inline constexpr UINT HELP_INDEX = 0x0003;
inline constexpr UINT HELP_CONTENTS = 0x0003;
inline constexpr UINT HELP_FINDER = 0x000B;
// Prints the help file's text on the host's command line; FALSE when the
// file cannot be read.
BOOL WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);

inline constexpr DWORD SND_SYNC = 0x0000;
inline constexpr DWORD SND_ASYNC = 0x0001;
inline constexpr DWORD SND_NODEFAULT = 0x0002;
inline constexpr DWORD SND_ALIAS = 0x00010000;
inline constexpr DWORD SND_FILENAME = 0x00020000;
// Every sound is the terminal bell.
BOOL PlaySoundA(LPCSTR pszSound, HMODULE hmod, DWORD fdwSound);
BOOL MessageBeep(UINT uType);

// To standard error, only when ZARVO_DEBUG is set.
void OutputDebugStringA(LPCSTR lpOutputString);

BOOL DeleteFileA(LPCSTR lpFileName);

namespace zplat {

// Where sounds go: the name of each (a PlaySound alias, or "beep"). By
// default the bell is rung on standard error when it is a terminal.
using SoundSink = std::function<void(std::string_view sound)>;
SoundSink setSoundSink(SoundSink sink);  // returns the previous one
// Sounds played so far, wherever they went.
unsigned soundsRung();

}  // namespace zplat

#pragma GCC visibility pop
