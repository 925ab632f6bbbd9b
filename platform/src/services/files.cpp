#include <platform/services.h>

#include <zcad/text_edges.h>

#include <cerrno>
#include <unistd.h>

BOOL DeleteFileA(LPCSTR lpFileName) {
    if (!lpFileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (::unlink(zcad::fileSystemName(lpFileName).c_str()) == 0) return TRUE;
    SetLastError(errno == ENOENT ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED);
    return FALSE;
}
