// The few Windows handle types that cross the host and platform interfaces.
#pragma once

#pragma GCC visibility push(default)

typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;

#pragma GCC visibility pop
