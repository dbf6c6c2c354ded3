// DeckHost's "editor" command: the code editor and the APT listing window in a host window.
#include "EditorCommand.h"

#include <afxwin.h>

#include <cstdio>
#include <string>

#include "MpAppUiEditCntrl.h"
#include "MpSimAptEditWnd.h"
#include "ScriptedRun.h"

namespace {

const char kRule[] =
    "// Drill or mill a hole by its diameter\r\n"
    "IF diameter <= 10 THEN\r\n"
    "  tool = DRILL /* twist drill */\r\n"
    "ELSE\r\n"
    "  tool = MILL\r\n"
    "ENDIF\r\n";

const char kListing[] =
    "10 PARTNO/BRACKET\r\n"
    "20 SPINDL/RPM,1200,CLW\r\n"
    "30 COOLNT/ON\r\n"
    "40 RAPID\r\n"
    "50 GOTO/10,20,5\r\n"
    "60 FEDRAT/MMPM,300\r\n"
    "70 GOTO/10,40,5\r\n"
    "80 COOLNT/OFF\r\n";

// The host's window: the editor above, the listing in a pane below (so that the listing's
// parent's parent is this window, which gets "SIMULATION_GOTO").
class HostFrame : public CWnd {
public:
  int gotos = 0;
  // The host registers the library's message by its name, as the library does.
  const UINT SIMULATION_GOTO = ::RegisterWindowMessageA("SIMULATION_GOTO");
  LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
    if (msg == SIMULATION_GOTO) {
      ++gotos;
      return 0;
    }
    if (msg == WM_CLOSE) {
      DestroyWindow();
      return 0;
    }
    if (msg == WM_DESTROY) ::PostQuitMessage(0);
    return CWnd::WindowProc(msg, w, l);
  }
};

// The host's message loop: the focused control pre-translates its keys first.
bool PumpOnce(bool wait) {
  MSG msg;
  if (wait ? ::GetMessageA(&msg, nullptr, 0, 0) <= 0 : !::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    return false;
  if (msg.message == WM_QUIT) return false;
  for (HWND h = msg.hwnd; h; h = ::GetParent(h)) {
    CWnd* w = CWnd::FromHandlePermanent(h);
    if (w && w->PreTranslateMessage(&msg)) return true;
  }
  ::TranslateMessage(&msg);
  ::DispatchMessageA(&msg);
  return true;
}

void Drain() {
  while (PumpOnce(false)) {
  }
  AfxDeleteTempMap();
}

void Key(HWND h, UINT vk) {
  ::PostMessageA(h, WM_KEYDOWN, vk, 1);
  Drain();
}

void Type(HWND h, const char* text) {
  for (; *text; ++text) {
    ::PostMessageA(h, WM_CHAR, (BYTE)*text, 1);
    Drain();
  }
}

std::string Keywords(SECEdit* doc, int line) {
  std::vector<OEColorRun> runs;
  doc->ColorLine(line, runs);
  std::string out;
  for (const OEColorRun& r : runs) {
    if (r.crColor == doc->m_crColors[1] || r.crColor == doc->m_crColors[3]) continue;
    char colour[16];
    std::snprintf(colour, sizeof colour, "#%06X", (unsigned)r.crColor);
    out += " " + doc->GetLine(line).substr((size_t)r.nStart, (size_t)(r.nEnd - r.nStart)) + "=" + colour;
  }
  return out;
}

}  // namespace

extern "C" int RunEditorCommand(bool scripted) {
  HostFrame frame;
  if (!frame.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1)),
                      "DeckHost - code editor", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(40, 40, 700, 560),
                      nullptr, 0)) {
    std::printf("editor: the host window could not be created\n");
    return 1;
  }
  MpAppUiEditCntrl editor;
  CWnd pane;
  MpSimAptEditWnd listing;
  bool ok = editor.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 640, 260), &frame, 100) &&
            pane.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 264, 640, 500), &frame, 101) &&
            listing.CreateEx(WS_EX_CLIENTEDGE, &pane, 102);
  if (!ok) {
    std::printf("editor: the controls could not be created\n");
    frame.DestroyWindow();
    return 1;
  }
  listing.MoveWindow(0, 0, 640, 236);

  std::vector<std::string> flow{"IF", "THEN", "ELSE", "ENDIF"}, tools{"DRILL", "MILL"};
  editor.addKeyWords(flow, 0xAA0000);
  editor.addKeyWords(tools, 0x0000AA);
  editor.initKeyWordMap();
  for (const char* w : {"depth", "diameter", "drill_depth", "tool"}) editor.AddKeyword(w);
  editor.SetWindowTextA(kRule);
  listing.SetWindowTextA(kListing);
  frame.ShowWindow(SW_SHOW);
  editor.SetFocus();
  deckhost::WindowOpened(frame.m_hWnd, "editor window");

  int result = 0;
  if (scripted) {
    Drain();
    editor.SetCaret(OEPos(5, 5));
    Type(editor.m_hWnd, "\rIF di");
    Key(editor.m_hWnd, VK_F8);
    std::printf("completion of \"di\": %s (%d candidate(s))\n", (LPCSTR)editor.GetSelection(),
                editor.CompletionList().GetSafeHwnd() ? editor.CompletionList().GetCount() : 0);
    Key(editor.m_hWnd, VK_TAB);
    CString text;
    editor.GetWindowTextA(text);
    std::printf("rule text:\n%s\n", (LPCSTR)text);
    std::printf("keywords of line 2:%s\n", Keywords(editor.GetEdit(), 1).c_str());
    std::printf("listing keywords of line 2:%s\n", Keywords(listing.GetEdit(), 1).c_str());
    listing.SelectLines("70 GOTO/10,40,5\r\n");
    std::printf("simulation step \"70 GOTO/10,40,5\": listing line %d selected\n", listing.CaretLine() + 1);
    listing.SendMessage(WM_LBUTTONDBLCLK, 0, 0);
    std::printf("double-click: SIMULATION_GOTO received %d time(s)\n", frame.gotos);
    if (frame.gotos != 1 || listing.CaretLine() != 6) result = 1;
    frame.DestroyWindow();
    Drain();
  } else {
    while (PumpOnce(true)) {
      if (!::PeekMessageA(nullptr, nullptr, 0, 0, PM_NOREMOVE)) AfxDeleteTempMap();
    }
  }
  return result;
}
