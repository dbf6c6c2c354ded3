// The script player and the user actions it performs.
#include "afxscript.h"
#include "afxwin.h"
#include "afxpriv_.h"
#include <commctrl.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace AfxScript {

static Player* g_player = nullptr;
static Wrapper* g_wrapper = nullptr;
Player* GetPlayer() { return g_wrapper ? g_wrapper : g_player; }
Player* InstalledPlayer() { return g_player; }

// ---------------------------------------------------------------------------------------
// Message boxes: real ones, answered by a hook of the thread as they become active, so that
// focus, kill-focus notifications and the disabled owner go as they do for a user, and boxes
// shown by code that is not ours are answered too.
// ---------------------------------------------------------------------------------------
namespace {
thread_local HHOOK t_boxHook = nullptr;
// The text and whole style of each box the class library is showing (the window shows only
// part of the style), innermost last.
thread_local std::vector<std::pair<std::string, UINT>> t_ourBoxes;
thread_local std::vector<HWND> t_boxes;  // the boxes up, each answered once

const int kBoxText = 0xFFFF;  // the static that holds a message box's text

// The buttons of each button set (MB_OK ... MB_CANCELTRYCONTINUE), in the order
// MB_DEFBUTTON1..3 count them.
const int kButtons[][3] = {{IDOK},         {IDOK, IDCANCEL},    {IDABORT, IDRETRY, IDIGNORE},
                           {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO}, {IDRETRY, IDCANCEL},
                           {IDCANCEL, IDTRYAGAIN, IDCONTINUE}};

std::string WindowText(HWND h) {
  int n = ::GetWindowTextLengthA(h);
  std::vector<char> buf(n + 1);
  ::GetWindowTextA(h, buf.data(), n + 1);
  return buf.data();
}

// A dialog of the system's, not one of ours, holding the text static, further statics and
// nothing but the buttons a message box can have.
bool IsMessageBox(HWND h) {
  char cls[16] = {};
  ::GetClassNameA(h, cls, sizeof(cls));
  if (std::string(cls) != "#32770" || !::GetDlgItem(h, kBoxText) || CWnd::FromHandlePermanent(h)) return false;
  for (HWND c = ::GetWindow(h, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    ::GetClassNameA(c, cls, sizeof(cls));
    int id = ::GetDlgCtrlID(c);
    bool button = std::string(cls) == "Button" && ((id >= IDOK && id <= IDCONTINUE) || id == IDHELP);
    if (!button && _stricmp(cls, "Static") != 0) return false;
  }
  return true;
}

// The box's icon: the static of icon style.
HICON BoxIcon(HWND box) {
  for (HWND c = ::GetWindow(box, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    char cls[16] = {};
    ::GetClassNameA(c, cls, sizeof(cls));
    if (_stricmp(cls, "Static") == 0 && (::GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
      return reinterpret_cast<HICON>(::SendMessageA(c, STM_GETICON, 0, 0));
  }
  return nullptr;
}

// The style as far as the box shows it: its button set, default button and icon.
UINT StyleShown(HWND box) {
  auto has = [box](int id) {
    HWND b = ::GetDlgItem(box, id);  // the box itself shows only once it is active
    return b && (::GetWindowLongA(b, GWL_STYLE) & WS_VISIBLE);
  };
  UINT type = has(IDYES)        ? (has(IDCANCEL) ? MB_YESNOCANCEL : MB_YESNO)
              : has(IDABORT)    ? MB_ABORTRETRYIGNORE
              : has(IDTRYAGAIN) ? MB_CANCELTRYCONTINUE
              : has(IDRETRY)    ? MB_RETRYCANCEL
              : has(IDCANCEL)   ? (has(IDOK) ? MB_OKCANCEL : MB_OK)
                                : MB_OK;
  for (UINT i = 1; i < 3; ++i) {
    HWND b = kButtons[type][i] ? ::GetDlgItem(box, kButtons[type][i]) : nullptr;
    if (b && (::GetWindowLongA(b, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) type |= i << 8;
  }
  if (HICON icon = BoxIcon(box)) {
    const std::pair<LPCSTR, UINT> kIcons[] = {{IDI_HAND, MB_ICONHAND},
                                               {IDI_QUESTION, MB_ICONQUESTION},
                                               {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                                               {IDI_ASTERISK, MB_ICONASTERISK}};
    for (const auto& i : kIcons)
      if (icon == ::LoadIconA(nullptr, i.first)) type |= i.second;
  }
  return type;
}

void AnswerBox(HWND box) {
  Player* player = GetPlayer();
  if (!player) return;
  std::string text = WindowText(::GetDlgItem(box, kBoxText));
  auto ours = std::find_if(t_ourBoxes.rbegin(), t_ourBoxes.rend(), [&](const auto& b) { return b.first == text; });
  UINT type = ours != t_ourBoxes.rend() ? ours->second : StyleShown(box);
  int button = player->Answer(text, type);
  ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, button)));
}

// The box is answered from its own loop, once it has finished setting itself up (it becomes
// active before its default button is chosen); the subclass also marks a box as answered.
UINT AnswerMessage() {
  static const UINT msg = ::RegisterWindowMessageA("AfxScriptAnswerBox");
  return msg;
}
LRESULT CALLBACK BoxProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg == AnswerMessage()) {
    AnswerBox(h);
    return 0;
  }
  if (msg == WM_NCDESTROY) {
    ::RemoveWindowSubclass(h, &BoxProc, 1);
    t_boxes.erase(std::remove(t_boxes.begin(), t_boxes.end(), h), t_boxes.end());
  }
  return ::DefSubclassProc(h, msg, wParam, lParam);
}

LRESULT CALLBACK BoxHook(int code, WPARAM wParam, LPARAM lParam) {
  HWND h = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && GetPlayer() && IsMessageBox(h) &&
      std::find(t_boxes.begin(), t_boxes.end(), h) == t_boxes.end()) {
    t_boxes.push_back(h);
    ::SetWindowSubclass(h, &BoxProc, 1, 0);
    ::PostMessageA(h, AnswerMessage(), 0, 0);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
// The calling thread's boxes are answered while anything plays.
void UpdateBoxHook() {
  if (GetPlayer() && !t_boxHook) {
    t_boxHook = ::SetWindowsHookExA(WH_CBT, &BoxHook, nullptr, ::GetCurrentThreadId());
  } else if (!GetPlayer() && t_boxHook) {
    ::UnhookWindowsHookEx(t_boxHook);
    t_boxHook = nullptr;
  }
}

void Be32(std::vector<uint8_t>& out, uint32_t v) {
  out.insert(out.end(), {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
}
void PngChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  Be32(out, (uint32_t)data.size());
  std::vector<uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  uint32_t crc = 0xFFFFFFFFu;
  for (uint8_t b : body) {
    crc ^= b;
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  out.insert(out.end(), body.begin(), body.end());
  Be32(out, ~crc);
}
}  // namespace

int DefaultButton(UINT type) {
  UINT set = type & MB_TYPEMASK, n = (type & MB_DEFMASK) >> 8;
  if (set >= sizeof(kButtons) / sizeof(kButtons[0])) set = MB_OK;
  return n < 3 && kButtons[set][n] ? kButtons[set][n] : kButtons[set][0];
}

void SetPlayer(Player* p) {
  g_player = p;
  UpdateBoxHook();
}

void SetWrapper(Wrapper* w) {
  g_wrapper = w;
  UpdateBoxHook();
}

bool Wrapper::RunStep(const ModalInfo& info) { return g_player && g_player->RunStep(info); }
int Wrapper::Answer(const std::string& text, UINT type) {
  return g_player ? g_player->Answer(text, type) : DefaultButton(type);
}
void Wrapper::ProfileWritten(const std::string& section, const std::string& entry, const std::string& value) {
  if (g_player) g_player->ProfileWritten(section, entry, value);
}

bool SavePng(const std::string& path, int width, int height, const std::function<COLORREF(int, int)>& pixel) {
  // Stored deflate blocks, one row each (a row of up to 21845 pixels fits a block).
  std::vector<uint8_t> z{0x78, 0x01};
  uint32_t a = 1, b = 0;
  for (int y = 0; y < height; ++y) {
    std::vector<uint8_t> row{0};
    for (int x = 0; x < width; ++x) {
      const COLORREF c = pixel(x, y);
      row.insert(row.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
    }
    for (uint8_t v : row) a = (a + v) % 65521, b = (b + a) % 65521;
    const uint16_t n = (uint16_t)row.size();
    z.insert(z.end(), {uint8_t(y == height - 1), uint8_t(n), uint8_t(n >> 8), uint8_t(~n), uint8_t(~n >> 8)});
    z.insert(z.end(), row.begin(), row.end());
  }
  Be32(z, (b << 16) | a);
  std::vector<uint8_t> out{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, header;
  Be32(header, (uint32_t)width);
  Be32(header, (uint32_t)height);
  header.insert(header.end(), {8, 2, 0, 0, 0});
  PngChunk(out, "IHDR", header);
  PngChunk(out, "IDAT", z);
  PngChunk(out, "IEND", {});
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  return std::fclose(f) == 0 && written;
}

// The class library's own boxes: shown for real, with the whole style noted for the hook.
int ShowMessageBox(HWND hOwner, LPCSTR text, LPCSTR caption, UINT type) {
  t_ourBoxes.emplace_back(text ? text : "", type);
  int r = ::MessageBoxA(hOwner, text, caption, type);
  t_ourBoxes.pop_back();
  return r;
}

std::string ModalInfo::Describe() const {
  char buf[64];
  std::snprintf(buf, sizeof(buf), "%s %u", kind, templateId);
  return std::string(buf) + " \"" + caption + "\"";
}

std::string Script::Step::Describe() const {
  if (isBox) return "a message box";
  if (templateId) return "dialog " + std::to_string(templateId);
  return "window \"" + caption + "\"";
}

Script& Script::Dialog(UINT templateId, Action action) {
  m_steps.push_back(Step{false, templateId, {}, std::move(action), 0});
  return *this;
}
Script& Script::Dialog(const std::string& caption, Action action) {
  m_steps.push_back(Step{false, 0, caption, std::move(action), 0});
  return *this;
}
Script& Script::Sheet(const std::string& caption, Action action) { return Dialog(caption, std::move(action)); }
Script& Script::MessageBox(int answer) {
  m_steps.push_back(Step{true, 0, {}, nullptr, answer});
  return *this;
}

bool Script::RunStep(const ModalInfo& info) {
  if (m_steps.empty()) {
    failures.push_back("no step queued for " + info.Describe());
    return false;
  }
  const Step& s = m_steps.front();
  bool match = !s.isBox && (s.templateId ? s.templateId == info.templateId : s.caption == info.caption);
  if (!match) {
    failures.push_back(info.Describe() + " came up while the next step was for " + s.Describe());
    return false;
  }
  Action a = std::move(m_steps.front().action);
  m_steps.erase(m_steps.begin());
  shown.push_back(info.Describe());
  if (a) a(info.hwnd);
  return true;
}

int Script::Answer(const std::string& text, UINT type) {
  boxes.push_back(ShownBox{text, type});
  if (m_steps.empty() || !m_steps.front().isBox) {
    failures.push_back("message box \"" + text + "\" came up" +
                       (m_steps.empty() ? " with no step queued" : " while the next step was for " + m_steps.front().Describe()));
    // As if the user pressed Enter.
    return DefaultButton(type);
  }
  int answer = m_steps.front().answer;
  m_steps.erase(m_steps.begin());
  return answer;
}

// ---------------------------------------------------------------------------------------
// User actions
// ---------------------------------------------------------------------------------------
HWND Item(HWND dlg, int id) { return ::GetDlgItem(dlg, id); }

void Focus(HWND dlg, int id) { ::SetFocus(Item(dlg, id)); }

void Type(HWND dlg, int id, const char* text) {
  HWND h = Item(dlg, id);
  ::SetFocus(h);
  ::SendMessageA(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void TypeAndLeave(HWND dlg, int id, const char* text) {
  Type(dlg, id, text);
  HWND h = Item(dlg, id);
  HWND next = ::GetNextDlgTabItem(dlg, h, FALSE);
  if (next && next != h) ::SetFocus(next);
  else ::SetFocus(dlg);
}

void Click(HWND dlg, int id) {
  HWND h = Item(dlg, id);
  ::SendMessageA(h, BM_CLICK, 0, 0);
}

void SetCheck(HWND dlg, int id, bool checked) {
  HWND h = Item(dlg, id);
  bool now = ::SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (now != checked) Click(dlg, id);
}

void ChooseCombo(HWND dlg, int id, int index) {
  HWND h = Item(dlg, id);
  ::SendMessageA(h, CB_SETCURSEL, (WPARAM)index, 0);
  ::SendMessageA(::GetParent(h), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
}

bool ChooseComboText(HWND dlg, int id, const char* text) {
  HWND h = Item(dlg, id);
  const int n = (int)::SendMessageA(h, CB_GETCOUNT, 0, 0);
  CString entry;
  for (int i = 0; i < n; ++i) {
    AfxEntryText(h, CB_GETLBTEXTLEN, CB_GETLBTEXT, i, entry);
    if (entry == text) {
      ChooseCombo(dlg, id, i);
      return true;
    }
  }
  return false;
}

void PressKey(UINT vk) {
  HWND h = ::GetFocus();
  if (!h) h = ::GetActiveWindow();
  UINT scan = ::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
  ::PostMessageA(h, WM_KEYDOWN, vk, (LPARAM)(1 | (scan << 16)));
  ::PostMessageA(h, WM_KEYUP, vk, (LPARAM)(1 | (scan << 16) | 0xC0000000u));
}

void SheetOK(HWND sheet) { Click(sheet, IDOK); }
void SheetCancel(HWND sheet) { Click(sheet, IDCANCEL); }
void SheetSelectPage(HWND sheet, int index) { ::SendMessageA(sheet, PSM_SETCURSEL, (WPARAM)index, 0); }
HWND SheetPage(HWND sheet) { return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

std::string Text(HWND dlg, int id) {
  HWND h = Item(dlg, id);
  int n = ::GetWindowTextLengthA(h);
  std::vector<char> buf(n + 1);
  ::GetWindowTextA(h, buf.data(), n + 1);
  return buf.data();
}

}  // namespace AfxScript
