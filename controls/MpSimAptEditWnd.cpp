#include "MpSimAptEditWnd.h"

#include <cstdlib>
#include <exception>

#include "MpAppUiMenu.h"


BEGIN_MESSAGE_MAP(MpSimAptEditWnd, MpAppUiEditCntrl)
  ON_WM_CREATE()
  ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

MpSimAptEditWnd::MpSimAptEditWnd() = default;
MpSimAptEditWnd::~MpSimAptEditWnd() = default;

bool MpSimAptEditWnd::CreateEx(DWORD exStyle, CWnd* parent, UINT id) {
  CRect empty(0, 0, 0, 0);
  if (!SECEditCtrl::CreateEx(0, nullptr, "SECEdit", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_READONLY, empty, parent, id)) return false;
  ModifyStyleEx(0, exStyle, SWP_FRAMECHANGED);
  GetEdit()->m_charClass[1]['/'] = '/';
  GetEdit()->m_charClass[2]['/'] = '/';
  return true;
}

int MpSimAptEditWnd::OnCreate(LPCREATESTRUCT cs) {
  int result = SECEditCtrl::OnCreate(cs);
  if (result == 0) {
    struct Group {
      std::vector<std::string> words;
      COLORREF colour;
    } groups[] = {
        {{"GOTO"}, 0x00AA00},
        {{"LOOPST", "LOOPND", "CYCLE"}, 0x800080},
        {{"CUTCOM", "RAPID", "SPINDL", "COOLNT", "FEDRAT", "CIRCLE", "PPFUN", "AUXFUN", "PREFUN", "INSERT",
          "PRINT", "MODE", "REMARK"},
         0xAA0000},
        {{"RPM", "CLW", "LEFT", "RIGHT", "MMPM", "ON", "OFF"}, 0x0000AA},
    };
    for (Group& g : groups) addKeyWords(g.words, g.colour);
    initKeyWordMap();
  }
  GetEdit()->SetReadOnly(1);  // the background keeps its colour
  return result;
}

bool MpSimAptEditWnd::SelectLines(std::string text) {
  try {
    // The last line of the text, without its line end when it has one.
    size_t end = text.size();
    if (end && text[end - 1] == '\n') --end;
    if (end && text[end - 1] == '\r') --end;
    size_t nl = text.rfind('\n', end ? end - 1 : 0);
    size_t start = (nl == std::string::npos || nl >= end) ? 0 : nl + 1;
    std::string search = text.substr(start, end - start);
    SECEdit* doc = GetEdit();
    OEPos from, to;
    OESearch rec;
    rec.strFind = search;
    rec.nFlags = (rec.nFlags & ~0x40u) | 0x8u;
    if (!search.empty() && doc->Find(&from, &to, rec)) {
      GotoLine(from.nLine);
    } else {
      char* numberEnd = nullptr;
      long n = std::strtol(search.c_str(), &numberEnd, 10);
      if (numberEnd == search.c_str()) return false;  // no leading number
      long line = n / 10 + 1;
      // Statement n is line n/10 + 1 counting from 1; the last line when the listing is shorter.
      GotoLine((int)std::min<long>(std::max<long>(line - 1, 0), doc->GetLineCount() - 1));
    }
    SelectLine(1);
    UpdateEditor();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void MpSimAptEditWnd::OnLButtonDblClk(UINT, CPoint) {
  SelectLine(1);
  CWnd* parent = GetParent();
  CWnd* grand = parent ? parent->GetParent() : nullptr;
  if (grand && SIMULATION_GOTO != 0) grand->SendMessage(SIMULATION_GOTO, 0, 0);
}
