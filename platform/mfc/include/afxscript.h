// Scripted use of modal windows, for tests and unattended runs of the demo host.
//
// Every modal loop of the class library (dialogs, property sheets, message boxes) asks the
// installed player for the next step whenever it runs out of messages. A player that has
// no step for the window that is up ends that loop at once: nothing ever waits for a person
// while a player is installed. Without a player the loops wait for real input.
//
// This is not part of the class library's own interface: it is the seam through which
// tests drive the library's dialogs the way a user would, through real window messages.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "afxexport_.h"

namespace AfxScript {

// What is up when a modal loop asks for a step.
struct AFX_API ModalInfo {
  HWND hwnd = nullptr;
  UINT templateId = 0;   // dialog template identifier; 0 for sheets and named templates
  std::string caption;   // the window's text
  const char* kind = ""; // "dialog" or "sheet"
  std::string Describe() const;
};

class AFX_API Player {
public:
  virtual ~Player() = default;
  // Runs the next step for the window that is up; false when there is none (the loop then
  // ends at once, as if cancelled).
  virtual bool RunStep(const ModalInfo& info) = 0;
  // Answers a message box: its text and style (as the class library passed it, or as read
  // back from a box that other code showed); the return is the button pressed (IDOK, ...).
  virtual int Answer(const std::string& text, UINT type) = 0;
  // Told of each value written to the application profile.
  virtual void ProfileWritten(const std::string& section, const std::string& entry,
                              const std::string& value) {
    (void)section, (void)entry, (void)value;
  }
};

// While a player is installed, a hook of the installing thread answers every message box of
// that thread through Player::Answer as the box becomes active; the box is a real one.
AFX_API void SetPlayer(Player* player);
// The player the modal loops ask: the wrapper when one is set, else the installed player.
AFX_API Player* GetPlayer();
// The player SetPlayer installed (nullptr when none is), whatever wraps it.
AFX_API Player* InstalledPlayer();

// A player around whichever player is installed, for a whole unattended run: while it is set,
// the modal loops and the message-box hook ask it first, and it passes on to the installed
// player. With none installed, a window ends at once and a box gets its default button:
// nothing waits for a person, whenever it comes up.
class AFX_API Wrapper : public Player {
public:
  bool RunStep(const ModalInfo& info) override;
  int Answer(const std::string& text, UINT type) override;
  void ProfileWritten(const std::string& section, const std::string& entry,
                      const std::string& value) override;
};
// Sets the wrapper (nullptr: none) for the calling thread's message boxes and every modal loop.
AFX_API void SetWrapper(Wrapper* wrapper);

// The button a message box of this style presses for Enter (MB_DEFBUTTONn among its buttons).
AFX_API int DefaultButton(UINT type);

// Writes a picture as an 8-bit RGB PNG file (stored, uncompressed); pixel(x, y) gives each
// pixel. False when the file cannot be written.
AFX_API bool SavePng(const std::string& path, int width, int height,
                     const std::function<COLORREF(int, int)>& pixel);

// A message box as shown.
struct ShownBox {
  std::string text;
  UINT type;
};

// A value written to the application profile (an int is written as its decimal text).
struct ProfileWrite {
  std::string section, entry, value;
};

// The ordinary player: one queue of steps, taken in order. A dialog step names its window
// by template identifier or by caption; a message-box step holds the button to press.
// Anything that comes up out of order, or with the queue empty, is recorded as a failure; such a
// message box is answered with its default button.
class AFX_API Script : public Player {
public:
  using Action = std::function<void(HWND)>;
  Script& Dialog(UINT templateId, Action action);
  Script& Dialog(const std::string& caption, Action action);
  Script& Sheet(const std::string& caption, Action action);
  Script& MessageBox(int answer);

  bool RunStep(const ModalInfo& info) override;
  int Answer(const std::string& text, UINT type) override;
  void ProfileWritten(const std::string& section, const std::string& entry,
                      const std::string& value) override {
    profileWrites.push_back(ProfileWrite{section, entry, value});
  }

  bool Finished() const { return m_steps.empty(); }
  size_t Pending() const { return m_steps.size(); }
  std::vector<ShownBox> boxes;        // every message box, in order
  std::vector<ProfileWrite> profileWrites;
  std::vector<std::string> failures;  // what came up without a step for it
  std::vector<std::string> shown;     // every window a step ran in, described

private:
  struct Step {
    bool isBox;
    UINT templateId;
    std::string caption;
    Action action;
    int answer;
    std::string Describe() const;
  };
  std::vector<Step> m_steps;
};

// Installs a player for a scope.
class ScopedPlayer {
public:
  explicit ScopedPlayer(Player* p) : m_prev(InstalledPlayer()) { SetPlayer(p); }
  ~ScopedPlayer() { SetPlayer(m_prev); }
  ScopedPlayer(const ScopedPlayer&) = delete;
  ScopedPlayer& operator=(const ScopedPlayer&) = delete;

private:
  Player* m_prev;
};

// ---- What a user does, through real window messages ----
AFX_API HWND Item(HWND dlg, int id);
// Focus the edit and replace its text (EN_CHANGE arrives); the focus stays there.
AFX_API void Type(HWND dlg, int id, const char* text);
// Type, then move the focus to the next control in tab order (EN_KILLFOCUS arrives).
AFX_API void TypeAndLeave(HWND dlg, int id, const char* text);
// Move the focus to the control (the control losing it gets its kill-focus).
AFX_API void Focus(HWND dlg, int id);
// Press a button as with the mouse (the button takes the focus first).
AFX_API void Click(HWND dlg, int id);
// Tick or clear a check box by clicking it when its state differs.
AFX_API void SetCheck(HWND dlg, int id, bool checked);
// Choose a combo-box entry by index (CB_SETCURSEL, then CBN_SELCHANGE to the parent).
AFX_API void ChooseCombo(HWND dlg, int id, int index);
// Choose the entry with exactly this text; false when there is none.
AFX_API bool ChooseComboText(HWND dlg, int id, const char* text);
// Post a key press to the focused window (the loop translates it into WM_CHAR).
AFX_API void PressKey(UINT vk);
inline void PressEnter() { PressKey(VK_RETURN); }
inline void PressEscape() { PressKey(VK_ESCAPE); }
inline void PressTab() { PressKey(VK_TAB); }
// Property sheets: OK, Cancel, Apply as clicks on the sheet's own buttons; page switch.
AFX_API void SheetOK(HWND sheet);
AFX_API void SheetCancel(HWND sheet);
AFX_API void SheetSelectPage(HWND sheet, int index);
AFX_API HWND SheetPage(HWND sheet);  // the current page's window
AFX_API std::string Text(HWND dlg, int id);

// ---- Hooks into the stand-in for tests ----
// The result AfxInitExtensionModule gives from now on (TRUE by default).
AFX_API void SetExtensionInitResult(BOOL bResult);
// Whether a module is in the chain of extension libraries (as code or as resources).
AFX_API bool IsInExtensionChain(HMODULE hModule);

}  // namespace AfxScript

#include "afxscript_filedlg.h"   // file-dialog steps
