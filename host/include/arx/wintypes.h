// The few Windows handle types that cross the host and platform interfaces.
#pragma once

typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;
