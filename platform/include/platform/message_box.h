// Message boxes: OK, OK/Cancel, Yes/No and Yes/No/Cancel, with an icon.
#pragma once

#include <platform/dialog.h>
#include <platform/win32.h>

#include <string_view>
#include <vector>

#pragma GCC visibility push(default)

inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_ICONERROR = 0x10;
inline constexpr UINT MB_ICONSTOP = MB_ICONERROR;
inline constexpr UINT MB_ICONHAND = MB_ICONERROR;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONWARNING = 0x30;
inline constexpr UINT MB_ICONEXCLAMATION = MB_ICONWARNING;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr UINT MB_ICONASTERISK = MB_ICONINFORMATION;
inline constexpr UINT MB_DEFBUTTON1 = 0x000;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_DEFBUTTON3 = 0x200;

using zplat::IDCANCEL;
using zplat::IDNO;
using zplat::IDOK;
using zplat::IDYES;

// A null caption reads "Error", as on Windows.
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
// The framework's box, captioned with the application's name.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

namespace zplat {

int messageBox(std::string_view text, std::string_view caption, unsigned type);

// The buttons of a box type, in order, and which is the default.
struct BoxButtons {
    std::vector<int> ids;
    int defaultId = IDOK;
};
BoxButtons boxButtons(unsigned type);
const char* buttonName(int id);  // "OK", "Cancel", "Yes", "No"

}  // namespace zplat

#pragma GCC visibility pop
