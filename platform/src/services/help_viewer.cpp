#include <platform/services.h>

#include <zcad/console.h>
#include <zcad/text_edges.h>

#include <fstream>
#include <sstream>

BOOL WinHelpA(HWND, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR) {
    if (uCommand == HELP_QUIT) return TRUE;
    if (!lpszHelp) return FALSE;
    std::ifstream in(zcad::fileSystemName(lpszHelp), std::ios::binary);
    if (!in) return FALSE;
    std::stringstream ss;
    ss << in.rdbuf();
    std::string text;
    for (const char c : ss.str())
        if (c != '\r') text.push_back(c);
    if (text.empty() || text.back() != '\n') text.push_back('\n');
    zcad::writeOutput("\n" + text);
    return TRUE;
}
