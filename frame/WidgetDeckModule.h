// The library's own module.
#pragma once
#include <windows.h>

// The library's instance handle, kept when the library is loaded.
extern HINSTANCE g_hWidgetDeckInstance;
