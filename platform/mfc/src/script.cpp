// The script player and the user actions it performs.
#include "afxscript.h"
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace AfxScript {

static Player* g_player = nullptr;
void SetPlayer(Player* p) { g_player = p; }
Player* GetPlayer() { return g_player; }

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
    // As if the user closed it.
    return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDCANCEL;
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
  int n = (int)::SendMessageA(h, CB_GETCOUNT, 0, 0);
  // Compared wide, read from the class's own wide procedure: the 8-bit message, and any
  // 8-bit subclass on the way, pass an entry through a fixed buffer of 512 characters.
  std::wstring wanted(std::strlen(text) + 1, L'\0');
  wanted.resize(std::max(::MultiByteToWideChar(CP_ACP, 0, text, -1, &wanted[0], (int)wanted.size()) - 1, 0));
  WNDPROC proc = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(h, GCLP_WNDPROC));
  for (int i = 0; proc && i < n; ++i) {
    LRESULT len = ::CallWindowProcW(proc, h, CB_GETLBTEXTLEN, (WPARAM)i, 0);
    if (len < 0) continue;
    std::wstring entry(len + 1, L'\0');
    LRESULT got = ::CallWindowProcW(proc, h, CB_GETLBTEXT, (WPARAM)i, reinterpret_cast<LPARAM>(&entry[0]));
    entry.resize(got < 0 ? 0 : std::min(got, len));
    if (entry == wanted) {
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
