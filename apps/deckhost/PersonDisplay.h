// Commands of DeckHost that leave a window to a person, and options that read the screen: they
// refuse to start where nobody could see the window.
#pragma once
#include <windows.h>
#include <cstdio>
#include <cstring>

namespace deckhost {

// The value as text; "" when the key or value is missing.
inline void RegistryText(HKEY root, const char* path, const char* name, char* text, DWORD size) {
  text[0] = '\0';
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return;
  DWORD type = 0;
  if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
      type != REG_SZ || size == 0)
    size = 1;
  text[size - 1] = '\0';
  ::RegCloseKey(key);
}

// True where no window can be seen: under Wine's null display driver, or when Wine could load
// no display driver at all (no X server); a window there would wait for ever. The driver actually
// in use is read first: Wine's desktop window carries the property "__wine_display_device_guid"
// (an atom naming a GUID), and the video key of that GUID holds the driver's name in
// "GraphicsDriver" ("null" for the null driver; missing, beside "DriverError", when none could
// be loaded). The configured driver (HKCU\Software\Wine\Drivers, "Graphics") covers a Wine
// without that property. Windows has neither, so there is always a screen there.
inline bool NoDisplay() {
  char value[MAX_PATH];
  const ATOM atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(::GetPropA(::GetDesktopWindow(), "__wine_display_device_guid")));
  char guid[64] = "";
  if (atom != 0 && ::GlobalGetAtomNameA(atom, guid, sizeof(guid)) > 0) {
    const bool braced = guid[0] == '{';
    char path[128];
    std::snprintf(path, sizeof(path), "System\\CurrentControlSet\\Control\\Video\\%s%s%s\\0000", braced ? "" : "{",
                  guid, braced ? "" : "}");
    RegistryText(HKEY_LOCAL_MACHINE, path, "GraphicsDriver", value, sizeof(value));
    return value[0] == '\0' || ::lstrcmpiA(value, "null") == 0;
  }
  RegistryText(HKEY_CURRENT_USER, "Software\\Wine\\Drivers", "Graphics", value, sizeof(value));
  return ::lstrcmpiA(value, "null") == 0;
}

// Why nothing can be seen here, for the refusals below.
constexpr const char* kNothingShown = "nothing can be shown here (null display driver or no X server): not started; "
                                      "run it under X with a prefix whose driver is not null";

// Says that what follows waits for a person; false, with the reason on stderr, where no person
// can see it.
inline bool WaitForPerson(const char* what) {
  if (NoDisplay()) {
    std::fprintf(stderr, "DeckHost: %s waits for a person, but %s, or script it\n", what, kNothingShown);
    return false;
  }
  std::printf("%s waits for a person: close it to go on\n", what);
  std::fflush(stdout);
  return true;
}

// False, with the reason on stderr, where the option would read the screen and nothing is shown
// there: every picture would be black, and every window would pass or fail unseen.
inline bool ScreenShows(const char* option) {
  if (!NoDisplay()) return true;
  std::fprintf(stderr, "DeckHost: %s reads the screen, but %s\n", option, kNothingShown);
  return false;
}

}  // namespace deckhost
