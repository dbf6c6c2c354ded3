// An unattended run of a DeckHost command (ScriptedRun.h): the wrapper around the command's own
// player, and the render check it makes of each window.
#include "ScriptedRun.h"
#include <afxscript.h>
#include <commctrl.h>
#include <prsht.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

bool g_check = false;
std::string g_shotsDir;

// Pixels read back from the screen, 0x00RRGGBB each, rows top down.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> px;
  uint32_t At(int x, int y) const { return px[(size_t)y * width + x]; }
};

uint32_t Rgb(COLORREF c) { return (uint32_t)GetRValue(c) << 16 | (uint32_t)GetGValue(c) << 8 | GetBValue(c); }
int Luma(uint32_t v) { return (int)(((v >> 16) & 255) * 30 + ((v >> 8) & 255) * 59 + (v & 255) * 11) / 100; }

// What the screen shows in the rectangle (screen coordinates). Under Wine's x11 driver the
// screen's device context reads the X server's pixels, so a window that never reached the screen,
// or reached it black, is caught here, where a window painting itself into a bitmap would not be.
Picture Capture(const RECT& r) {
  Picture p;
  p.width = r.right - r.left;
  p.height = r.bottom - r.top;
  if (p.width <= 0 || p.height <= 0) return Picture{};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), p.width, -p.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = ::GetDC(nullptr);
  HDC mem = ::CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(mem, dib);
  ::BitBlt(mem, 0, 0, p.width, p.height, screen, r.left, r.top, SRCCOPY);
  ::GdiFlush();
  const uint32_t* first = static_cast<const uint32_t*>(bits);
  if (first) p.px.assign(first, first + (size_t)p.width * p.height);
  for (uint32_t& v : p.px) v &= 0xFFFFFF;
  ::SelectObject(mem, old);
  ::DeleteObject(dib);
  ::DeleteDC(mem);
  ::ReleaseDC(nullptr, screen);
  if (p.px.empty()) return Picture{};
  return p;
}

// Paints what is waiting to be painted (nothing more: a window that lost its first painting must
// show it), then lets Wine hand the drawing to the X server, which it does when a thread waits.
void Settle(HWND h) {
  ::RedrawWindow(h, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
}

std::string WindowText(HWND h) {
  char buf[256] = "";
  ::GetWindowTextA(h, buf, sizeof(buf));
  return buf;
}
std::string ClassOf(HWND h) {
  char buf[64] = "";
  ::GetClassNameA(h, buf, sizeof(buf));
  return buf;
}

RECT ScreenClient(HWND h) {
  RECT r;
  ::GetClientRect(h, &r);
  ::MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The control's rectangle as far as its parents let it show.
RECT VisiblePart(HWND control, HWND top) {
  RECT r;
  ::GetWindowRect(control, &r);
  for (HWND p = ::GetParent(control); p; p = p == top ? nullptr : ::GetParent(p)) {
    RECT c = ScreenClient(p);
    ::IntersectRect(&r, &r, &c);
  }
  return r;
}

// The controls whose caption a person reads: their kind, or nullptr for any other window.
const char* CaptionedKind(HWND h) {
  const std::string cls = ClassOf(h);
  const LONG style = ::GetWindowLongA(h, GWL_STYLE);
  if (cls == "Button") {
    if (style & (BS_BITMAP | BS_ICON)) return nullptr;
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON: return "button";
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE: return "check box";
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: return "radio button";
      case BS_GROUPBOX: return "group box";
      default: return nullptr;
    }
  }
  if (cls == "Static") {
    switch (style & SS_TYPEMASK) {
      case SS_LEFT:
      case SS_CENTER:
      case SS_RIGHT:
      case SS_SIMPLE:
      case SS_LEFTNOWORDWRAP: return "static";
      default: return nullptr;
    }
  }
  return nullptr;
}

std::string Hex(uint32_t v) {
  char buf[8];
  std::snprintf(buf, sizeof(buf), "%06X", (unsigned)v);
  return buf;
}

// A dialog's client area, where no control covers it, shows the dialog face colour: mostly, and
// with no block of another flat colour (what a window that was never painted shows).
void CheckFace(HWND h, const std::string& where, std::vector<std::string>& faults, bool page) {
  const RECT c = ScreenClient(h);
  const Picture p = Capture(c);
  if (p.px.empty()) return;
  std::vector<char> covered(p.px.size());
  for (HWND child = ::GetWindow(h, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const LONG style = ::GetWindowLongA(child, GWL_STYLE);
    // A group box draws its frame and caption only: its inside is the dialog's.
    if (!(style & WS_VISIBLE) || (ClassOf(child) == "Button" && (style & BS_TYPEMASK) == BS_GROUPBOX)) continue;
    RECT r;
    ::GetWindowRect(child, &r);
    for (int y = std::max(r.top, c.top); y < std::min(r.bottom, c.bottom); ++y)
      for (int x = std::max(r.left, c.left); x < std::min(r.right, c.right); ++x)
        covered[(size_t)(y - c.top) * p.width + (x - c.left)] = 1;
  }
  // A sheet's page may be drawn as the body of its tab (themed), in the window colour.
  uint32_t face = Rgb(::GetSysColor(COLOR_BTNFACE));
  const uint32_t body = Rgb(::GetSysColor(COLOR_WINDOW));
  std::map<uint32_t, size_t> colours;
  size_t open = 0;
  for (size_t i = 0; i < p.px.size(); ++i)
    if (!covered[i]) ++open, ++colours[p.px[i]];
  if (open == 0) return;
  if (page && colours[body] > colours[face]) face = body;
  const size_t other = open - colours[face];
  colours.erase(face);
  if (other * 10 > open) {
    uint32_t most = 0;
    size_t mostCount = 0;
    for (const auto& [colour, count] : colours)
      if (count > mostCount) most = colour, mostCount = count;
    faults.push_back(where + "client area: " + std::to_string(other * 100 / open) +
                     "% of what no control covers is not the face colour " + Hex(face) + " (mostly " +
                     Hex(most) + ")");
    return;
  }
  const int cell = 16;
  for (int y0 = 0; y0 + cell <= p.height; y0 += cell) {
    for (int x0 = 0; x0 + cell <= p.width; x0 += cell) {
      bool flat = true;
      const uint32_t first = p.At(x0, y0);
      for (int y = y0; y < y0 + cell && flat; ++y)
        for (int x = x0; x < x0 + cell && flat; ++x)
          flat = !covered[(size_t)y * p.width + x] && p.At(x, y) == first;
      if (flat && first != face) {
        faults.push_back(where + "client area: an unpainted block (" + Hex(first) + ") at " + std::to_string(x0) +
                         "," + std::to_string(y0));
        return;
      }
    }
  }
}

// Every visible button, check box, radio button, group box and text static with a caption draws
// its text: some dark pixels inside its rectangle, on a background that is not itself dark.
void CheckCaptions(HWND top, const std::string& where, std::vector<std::string>& faults) {
  struct Walk {
    HWND top;
    std::vector<HWND> controls;
  } walk{top, {}};
  ::EnumChildWindows(
      top,
      [](HWND h, LPARAM l) -> BOOL {
        reinterpret_cast<Walk*>(l)->controls.push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  for (HWND h : walk.controls) {
    const char* kind = CaptionedKind(h);
    if (!kind || !::IsWindowVisible(h)) continue;
    std::string caption = WindowText(h), shown;
    for (char ch : caption)
      if (ch != '&' && ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n') shown += ch;
    if (shown.empty()) continue;
    const RECT r = VisiblePart(h, top);
    const Picture p = Capture(r);
    const std::string name = where + kind + " " + std::to_string(::GetDlgCtrlID(h)) + " \"" + caption + "\": ";
    if (p.px.empty()) {
      faults.push_back(name + "nothing of it shows inside its window");
      continue;
    }
    // Dark: well below the face colour, as black text is and greyed text still is.
    const int darkBelow = Luma(Rgb(::GetSysColor(COLOR_BTNFACE))) - 64;
    size_t dark = 0;
    for (uint32_t v : p.px) dark += Luma(v) < darkBelow;
    if (dark < 2) faults.push_back(name + "no text drawn (no dark pixel in its rectangle)");
    else if (dark * 10 > p.px.size() * 7)
      faults.push_back(name + "its rectangle is dark (" + Hex(p.At(0, 0)) + "): no text can be seen");
  }
}

// The active window's title bar is drawn in the active caption colours, as a person tells the
// window the keyboard reaches: along the bar's middle row, more of its pixels in the active
// caption colour (or the end colour of its gradient) than in the inactive ones.
void CheckCaptionActive(HWND h, std::vector<std::string>& faults) {
  TITLEBARINFO bar{};
  bar.cbSize = sizeof(bar);
  if (!(::GetWindowLongA(h, GWL_STYLE) & WS_CAPTION) || !::GetTitleBarInfo(h, &bar)) return;
  const RECT& r = bar.rcTitleBar;
  const int y = (r.top + r.bottom) / 2;
  const Picture p = Capture(RECT{r.left, y, r.right, y + 1});
  if (p.px.empty()) return;
  const uint32_t active[] = {Rgb(::GetSysColor(COLOR_ACTIVECAPTION)), Rgb(::GetSysColor(COLOR_GRADIENTACTIVECAPTION))};
  const uint32_t inactive[] = {Rgb(::GetSysColor(COLOR_INACTIVECAPTION)),
                               Rgb(::GetSysColor(COLOR_GRADIENTINACTIVECAPTION))};
  size_t on = 0, off = 0;
  for (uint32_t v : p.px) {
    on += v == active[0] || v == active[1];
    off += v == inactive[0] || v == inactive[1];
  }
  if (off > on)
    faults.push_back("title bar drawn as inactive (" + std::to_string(off) + " pixels of its middle row in the inactive "
                     "caption colours " + Hex(inactive[0]) + "/" + Hex(inactive[1]) + ", " + std::to_string(on) +
                     " in the active ones)");
}

std::string FileName(const std::string& command, int n, const std::string& what) {
  std::string name = command + "-" + (n < 10 ? "0" : "") + std::to_string(n) + "-";
  bool gap = false;
  for (char ch : what) {
    const bool keep = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
    if (keep && gap && name.back() != '-') name += '-';
    if (keep) name += ch;
    gap = !keep;
  }
  return name + ".png";
}

class RunWrapper : public AfxScript::Wrapper {
 public:
  std::string command;
  int windows = 0, failed = 0;
  // The pictures written, and the windows of which one was lost: closed before they were shown,
  // or a picture of theirs not written.
  int pictures = 0, lost = 0;

  bool RunStep(const AfxScript::ModalInfo& info) override {
    if (info.hwnd && (g_check || !g_shotsDir.empty())) {
      if (m_seen.insert(info.hwnd).second) {
        const bool sheet = std::string(info.kind) == "sheet";
        if (::IsWindowVisible(info.hwnd)) {
          Look(info.hwnd, info.Describe(), sheet, true);
        } else {
          // The folder browser asks for its first step while it is set up, before it shows itself:
          // taken then, the step would close it unseen. Such a window is looked at once it is shown,
          // and its step taken after that.
          m_pending[info.hwnd] = Pending{info.Describe(), sheet, info};
          ::SetWindowSubclass(info.hwnd, &WhenShown, 1, reinterpret_cast<DWORD_PTR>(this));
          return true;
        }
      } else if (auto it = m_pending.find(info.hwnd); it != m_pending.end()) {
        // Asked again while still hidden: its step waits no longer.
        it->second.step.reset();
      }
    }
    return Wrapper::RunStep(info);
  }

  int Answer(const std::string& text, UINT type) override {
    const UINT icon = type & MB_ICONMASK;
    std::printf("message box (%s): %s\n",
                icon == MB_ICONERROR         ? "error"
                : icon == MB_ICONINFORMATION ? "information"
                : icon == MB_ICONWARNING     ? "warning"
                : icon == MB_ICONQUESTION    ? "question"
                                             : "plain",
                text.c_str());
    std::fflush(stdout);
    return Wrapper::Answer(text, type);
  }

  // Checks the window as it is on the screen now, and saves its picture; a sheet page by page.
  // A modal window must also be the active one: the one the keyboard reaches.
  void Look(HWND h, const std::string& what, bool sheet, bool modal) {
    if (!g_check && g_shotsDir.empty()) return;
    ++windows;
    std::vector<std::string> faults;
    if (!::IsWindowVisible(h)) faults.push_back("not visible after its creation call");
    if (modal && ::GetActiveWindow() != h) {
      HWND active = ::GetActiveWindow();
      faults.push_back("not the active window (active: " +
                       (active ? ClassOf(active) + " \"" + WindowText(active) + "\"" : std::string("none")) + ")");
    }
    if (modal) CheckCaptionActive(h, faults);
    RECT wr;
    ::GetWindowRect(h, &wr);
    if (wr.right - wr.left > 800 || wr.bottom - wr.top > 600)
      faults.push_back(std::to_string(wr.right - wr.left) + "x" + std::to_string(wr.bottom - wr.top) +
                       ": larger than an 800x600 screen");
    const int pages = sheet ? (int)::SendMessageA(
                                  reinterpret_cast<HWND>(::SendMessageA(h, PSM_GETTABCONTROL, 0, 0)), TCM_GETITEMCOUNT, 0, 0)
                            : 0;
    const int current = sheet ? (int)::SendMessageA(h, PSM_HWNDTOINDEX, (WPARAM)AfxScript::SheetPage(h), 0) : 0;
    bool unwritten = false;
    for (int page = 0; page < std::max(pages, 1); ++page) {
      std::string where;
      if (pages > 1) {
        ::SendMessageA(h, PSM_SETCURSEL, (WPARAM)page, 0);
        where = "page " + std::to_string(page + 1) + " \"" + WindowText(AfxScript::SheetPage(h)) + "\": ";
      }
      Settle(h);
      if (faults.empty() || ::IsWindowVisible(h)) {
        if (ClassOf(h) == "#32770") CheckFace(h, where, faults, false);
        if (sheet) CheckFace(AfxScript::SheetPage(h), where, faults, true);
        CheckCaptions(h, where, faults);
      }
      if (!g_shotsDir.empty() && !Save(wr, what + (pages > 1 ? " page " + std::to_string(page + 1) : ""))) unwritten = true;
    }
    if (unwritten) ++lost;
    if (pages > 1) ::SendMessageA(h, PSM_SETCURSEL, (WPARAM)current, 0);
    if (!g_check) return;
    if (!faults.empty()) ++failed;
    for (const std::string& f : faults) std::printf("render check: %s: %s: %s\n", command.c_str(), what.c_str(), f.c_str());
    std::fflush(stdout);
  }

 private:
  // A window hidden at its first step: what it is, and the step held back until it is shown.
  struct Pending {
    std::string what;
    bool sheet = false;
    std::optional<AfxScript::ModalInfo> step;
  };

  bool Save(const RECT& r, const std::string& what) {
    const Picture p = Capture(r);
    const std::string path = g_shotsDir + "\\" + FileName(command, ++m_shots, what);
    if (!p.px.empty() && AfxScript::SavePng(path, p.width, p.height, [&p](int x, int y) {
          const uint32_t v = p.At(x, y);
          return RGB(v >> 16, (v >> 8) & 255, v & 255);
        })) {
      ++pictures;
      return true;
    }
    std::printf("shots: %s: %s: no picture written to %s\n", command.c_str(), what.c_str(), path.c_str());
    return false;
  }

  // Told when a hidden window is shown, it posts itself a message: by the time that arrives the
  // window is up, active and ready to paint. Then it is looked at and its step taken.
  static LRESULT CALLBACK WhenShown(HWND h, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    static const UINT kShown = ::RegisterWindowMessageA("DeckHostWindowShown");
    auto* self = reinterpret_cast<RunWrapper*>(data);
    if (msg == WM_WINDOWPOSCHANGED && (reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW))
      ::PostMessageA(h, kShown, 0, 0);
    if (msg != kShown && msg != WM_NCDESTROY) return ::DefSubclassProc(h, msg, wParam, lParam);
    const LRESULT result = msg == kShown ? 0 : ::DefSubclassProc(h, msg, wParam, lParam);
    ::RemoveWindowSubclass(h, &WhenShown, 1);
    const Pending pending = self->m_pending[h];
    self->m_pending.erase(h);
    if (msg == kShown) {
      self->Look(h, pending.what, pending.sheet, true);
      // Nothing waits for a person: with no step for it, the window is cancelled.
      if (pending.step && !self->Wrapper::RunStep(*pending.step)) ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
      return result;
    }
    // Closed before the system showed it: there was nothing on the screen to see.
    ++self->lost;
    if (g_check)
      std::printf("render check: %s: %s: closed before it was shown, not checked\n", self->command.c_str(),
                  pending.what.c_str());
    if (!g_shotsDir.empty())
      std::printf("shots: %s: %s: closed before it was shown, no picture\n", self->command.c_str(), pending.what.c_str());
    return result;
  }

  std::set<HWND> m_seen;
  std::map<HWND, Pending> m_pending;  // waiting to be shown
  int m_shots = 0;
};

RunWrapper* g_run = nullptr;

}  // namespace

extern "C" void SetRenderOptions(bool check, const char* shotsDir) {
  g_check = check;
  g_shotsDir = shotsDir ? shotsDir : "";
}

extern "C" void BeginScriptedRun(const char* command) {
  delete g_run;
  g_run = new RunWrapper;
  g_run->command = command;
  AfxScript::SetWrapper(g_run);
}

extern "C" int EndScriptedRun(int exitCode) {
  if (!g_run) return exitCode;
  AfxScript::SetWrapper(nullptr);
  if (g_check) {
    if (g_run->failed)
      std::printf("render check: %s: %d of %d window(s) failed\n", g_run->command.c_str(), g_run->failed, g_run->windows);
    else if (exitCode)
      std::printf("render check: %s: the command failed (exit code %d)\n", g_run->command.c_str(), exitCode);
    else
      std::printf("render check: %s: passed, %d window(s)\n", g_run->command.c_str(), g_run->windows);
  }
  // The pictures' own closing line: the desktop a picture run shows in gives no exit code.
  if (!g_shotsDir.empty()) {
    std::printf("shots: %s: %d picture(s) written, %d window(s) closed before shown or not written", g_run->command.c_str(),
                g_run->pictures, g_run->lost);
    if (exitCode) std::printf(", the command failed (exit code %d)", exitCode);
    std::printf("\n");
  }
  std::fflush(stdout);
  if ((g_run->failed || (!g_shotsDir.empty() && g_run->lost)) && !exitCode) exitCode = 1;
  delete g_run;
  g_run = nullptr;
  return exitCode;
}

namespace deckhost {

void WindowOpened(HWND h, const char* what) {
  if (g_run) g_run->Look(h, std::string(what) + " \"" + WindowText(h) + "\"", false, false);
}

}  // namespace deckhost
