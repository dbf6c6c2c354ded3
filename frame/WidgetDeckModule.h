// The library's own module.
#pragma once
#include <windows.h>

// The library's instance handle, kept when the library is loaded.
extern HINSTANCE g_hWidgetDeckInstance;

namespace WidgetDeck {

// Logs a handler's exception that no modal loop could rethrow as a programming error; the
// class library hands such exceptions here from load to unload.
void reportDroppedException(const char* text);

}  // namespace WidgetDeck
