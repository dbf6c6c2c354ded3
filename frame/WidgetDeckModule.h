// The library's own module.
#pragma once
#include <windows.h>

class CCriticalSection;

// The library's instance handle, kept when the library is loaded.
extern HINSTANCE g_hWidgetDeckInstance;

namespace WidgetDeck {

// Logs a handler's exception that no modal loop could rethrow as a programming error; the
// class library hands such exceptions here from load to unload.
void reportDroppedException(const char* text);

// The one lock of the library's process-wide tables and caches (the menus' shared sub-menu list,
// check-image holders, shared image list and live records; the chooser's overlay image; the
// settings pages' remembered folder), as a host may run the library's windows on several threads.
// It is held only around a table's own work, never across a call that sends a message or reaches
// host code. Made on first use and never freed: a menu a host keeps in a static may still take it
// after the library's own statics are gone.
CCriticalSection& sharedDataLock();

}  // namespace WidgetDeck
