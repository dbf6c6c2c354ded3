#include "seceditctrl.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {
bool IsWordByte(unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; }
}  // namespace

BEGIN_MESSAGE_MAP(SECEditCore<CWnd>, CWnd)
  ON_WM_CHAR()
  ON_WM_KEYDOWN()
  ON_WM_CREATE()
  ON_WM_KILLFOCUS()
  ON_WM_SETFOCUS()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_SIZE()
  ON_WM_VSCROLL()
  ON_WM_CONTEXTMENU()
  ON_WM_GETDLGCODE()
  ON_COMMAND(ID_OE_LEFT, OnEditLeft)
  ON_COMMAND(ID_OE_RIGHT, OnEditRight)
  ON_COMMAND(ID_OE_UP, OnEditUp)
  ON_COMMAND(ID_OE_DOWN, OnEditDown)
  ON_COMMAND(ID_OE_PAGEUP, OnEditPageUp)
  ON_COMMAND(ID_OE_PAGEDOWN, OnEditPageDown)
  ON_COMMAND(ID_OE_HOME, OnEditHome)
  ON_COMMAND(ID_OE_END, OnEditEnd)
  ON_COMMAND(ID_OE_TAB, OnEditTab)
  ON_COMMAND(ID_OE_BACKSPACE, OnEditBackspace)
  ON_COMMAND(ID_OE_FINDNEXT, OnEditFindNext)
  ON_COMMAND(ID_OE_SELECTALL, OnEditSelectAll)
  ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
  ON_COMMAND(ID_EDIT_CUT, OnEditCut)
  ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
  ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
  ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
  ON_COMMAND(ID_EDIT_FIND, OnEditFind)
  ON_COMMAND(ID_EDIT_REPLACE, OnEditReplace)
END_MESSAGE_MAP()

SECEditCore<CWnd>::SECEditCore() = default;

SECEditCore<CWnd>::~SECEditCore() {
  if (m_pFindDlg && m_pFindDlg->GetSafeHwnd()) m_pFindDlg->DestroyWindow();
  delete m_pFindDlg;
  delete m_pEdit;
}

void SECEditCore<CWnd>::CreateNewEdit() {
  if (!m_pEdit) SetDocument(new SECEdit);
}

void SECEditCore<CWnd>::SetDocument(SECEdit* pEdit) {
  if (pEdit != m_pEdit) delete m_pEdit;
  m_pEdit = pEdit;
}

SECEdit* SECEditCore<CWnd>::GetEdit() {
  if (!m_pEdit) CreateNewEdit();
  return m_pEdit;
}

BOOL SECEditCore<CWnd>::Editable() {
  if (GetEdit()->GetReadOnly()) {
    DoError(OE_ERROR_READONLY, 0);
    return FALSE;
  }
  return TRUE;
}

// ---------------------------------------------------------------------------------------
// Selection and editing
// ---------------------------------------------------------------------------------------
BOOL SECEditCore<CWnd>::GetSelection(OEPos& start, OEPos& end) const {
  OEPos caret(m_nCaretLine, m_nCaretCol);
  if (!m_bSelection || m_anchor == caret) {
    start = end = caret;
    return FALSE;
  }
  start = std::min(m_anchor, caret);
  end = std::max(m_anchor, caret);
  return TRUE;
}

CString SECEditCore<CWnd>::GetSelection() const {
  OEPos s, e;
  if (!GetSelection(s, e) || !m_pEdit) return CString();
  return CString(m_pEdit->GetRange(s, e).c_str());
}

void SECEditCore<CWnd>::SetSelection(OEPos start, OEPos end, BOOL bUpdate) {
  start = GetEdit()->Clamp(start);
  end = GetEdit()->Clamp(end);
  m_anchor = start;
  m_nCaretLine = end.nLine;
  m_nCaretCol = end.nOffset;
  m_bSelection = start != end;
  if (bUpdate) UpdateEditor();
}

void SECEditCore<CWnd>::SetCaret(OEPos p, BOOL bKeepSelection) {
  p = GetEdit()->Clamp(p);
  if (!bKeepSelection) m_bSelection = FALSE;
  m_nCaretLine = p.nLine;
  m_nCaretCol = p.nOffset;
  MySetCaretPos();
}

BOOL SECEditCore<CWnd>::SelectWordLeft(int bSelect, int bUpdate) {
  const std::string& line = GetEdit()->GetLine(m_nCaretLine);
  int col = std::min(m_nCaretCol, (int)line.size());
  int start = col;
  while (start > 0 && IsWordByte((unsigned char)line[(size_t)start - 1])) --start;
  if (bSelect) SetSelection(OEPos(m_nCaretLine, start), OEPos(m_nCaretLine, col), bUpdate);
  return start < col;
}

void SECEditCore<CWnd>::SelectAll(int bUpdate) {
  SECEdit* e = GetEdit();
  int last = e->GetLineCount() - 1;
  SetSelection(OEPos(), OEPos(last, (int)e->GetLine(last).size()), bUpdate);
}

BOOL SECEditCore<CWnd>::ReplaceSelection(LPCSTR text, int bSelectNew, int bUpdate) {
  if (!Editable()) return FALSE;
  SECEdit* e = GetEdit();
  OEPos s, end;
  BOOL had = GetSelection(s, end);
  int firstLines = e->GetLineCount();
  // An edit within one line may open or close a block comment for every line below it.
  const bool blockBelow = bUpdate && s.nLine + 1 < firstLines && e->InComment(s.nLine + 1);
  e->BeginGroup();
  if (had) e->Delete(s, end);
  OEPos after;
  e->Insert(s, text ? text : "", &after);
  e->EndGroup();
  if (bSelectNew)
    SetSelection(s, after, FALSE);
  else
    SetCaret(after);
  if (bUpdate) {
    if (e->GetLineCount() != firstLines || s.nLine != after.nLine ||
        (s.nLine + 1 < firstLines && (e->InComment(s.nLine + 1) != 0) != blockBelow))
      InvalidateLines(s.nLine, -1);
    else
      InvalidateLines(s.nLine, s.nLine);
    MySetScrollRange();
    UpdateEditor();
  }
  return TRUE;
}

BOOL SECEditCore<CWnd>::Cut(int bNoClipboard, int bUpdate) {
  OEPos s, e;
  if (!GetSelection(s, e) || !Editable()) return FALSE;
  if (!bNoClipboard && !Copy()) return FALSE;
  return ReplaceSelection("", FALSE, bUpdate);
}

BOOL SECEditCore<CWnd>::Copy() {
  CString text = GetSelection();
  if (text.IsEmpty() || !::OpenClipboard(m_hWnd)) return FALSE;
  ::EmptyClipboard();
  HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, (SIZE_T)text.GetLength() + 1);
  BOOL ok = FALSE;
  if (mem) {
    std::memcpy(::GlobalLock(mem), (LPCSTR)text, (size_t)text.GetLength() + 1);
    ::GlobalUnlock(mem);
    ok = ::SetClipboardData(CF_TEXT, mem) != nullptr;
    if (!ok) ::GlobalFree(mem);
  }
  ::CloseClipboard();
  return ok;
}

BOOL SECEditCore<CWnd>::Paste() {
  if (!Editable() || !::OpenClipboard(m_hWnd)) return FALSE;
  std::string text;
  if (HANDLE h = ::GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(::GlobalLock(h))) {
      text.assign(p, strnlen(p, ::GlobalSize(h)));
      ::GlobalUnlock(h);
    }
  }
  ::CloseClipboard();
  return !text.empty() && ReplaceSelection(text.c_str(), FALSE, TRUE);
}

void SECEditCore<CWnd>::ClearSelection(int bUpdate) {
  m_bSelection = FALSE;
  if (bUpdate) UpdateEditor();
}

BOOL SECEditCore<CWnd>::SplitLine(int bIndent, int bUpdate) {
  std::string insert = "\r\n";
  if (bIndent) {
    const std::string& line = GetEdit()->GetLine(m_nCaretLine);
    size_t n = 0;
    while (n < line.size() && n < (size_t)m_nCaretCol && (line[n] == ' ' || line[n] == '\t')) ++n;
    insert += line.substr(0, n);
  }
  m_bSelection = FALSE;
  return ReplaceSelection(insert.c_str(), FALSE, bUpdate);
}

BOOL SECEditCore<CWnd>::Undo() { return StepHistory(false); }
BOOL SECEditCore<CWnd>::Redo() { return StepHistory(true); }

BOOL SECEditCore<CWnd>::StepHistory(bool forward) {
  OEPos at;
  if (!(forward ? GetEdit()->Redo(&at) : GetEdit()->Undo(&at))) return FALSE;
  SetCaret(at);
  InvalidateLines(0, -1);
  MySetScrollRange();
  UpdateEditor();
  return TRUE;
}

// ---------------------------------------------------------------------------------------
// Navigation
// ---------------------------------------------------------------------------------------
void SECEditCore<CWnd>::GotoLine(int nLine) {
  if (nLine < 0 || nLine >= GetEdit()->GetLineCount()) throw std::out_of_range("no such line");
  SetCaret(OEPos(nLine, 0));
  MakeCursorVisible();
}

void SECEditCore<CWnd>::SelectLine(int bUpdate) {
  int len = (int)GetEdit()->GetLine(m_nCaretLine).size();
  SetSelection(OEPos(m_nCaretLine, 0), OEPos(m_nCaretLine, len), bUpdate);
}

void SECEditCore<CWnd>::UpdateEditor() {
  MakeCursorVisible();
  if (!m_hWnd) return;
  // Only the lines the selection and the caret were and are on are repainted.
  OEPos s, e;
  GetSelection(s, e);
  int first = std::min(s.nLine, m_nCaretLine), last = std::max(e.nLine, m_nCaretLine);
  if (m_nMarkFirst >= 0) InvalidateLines(m_nMarkFirst, m_nMarkLast);
  InvalidateLines(first, last);
  m_nMarkFirst = first;
  m_nMarkLast = last;
  MySetCaretPos();
}

void SECEditCore<CWnd>::MySetCaretPos() {
  // The caret exists only while the window has the focus; it is moved only when its place
  // changes, as every move is a round trip to the window system.
  if (!m_hWnd || !m_bCaret || !m_nLineHeight) return;
  const CPoint at(m_nLeftMargin + (m_nCaretCol - m_nLeftCol) * m_nCharWidth, (m_nCaretLine - m_nTopLine) * m_nLineHeight);
  if (at == m_ptCaret) return;
  m_ptCaret = at;
  ::SetCaretPos(at.x, at.y);
}

int SECEditCore<CWnd>::VisibleLines() const {
  if (!m_hWnd || !m_nLineHeight) return 1;
  CRect rc;
  GetClientRect(&rc);
  return std::max(1, rc.Height() / m_nLineHeight);
}

void SECEditCore<CWnd>::MakeCursorVisible() {
  int rows = VisibleLines();
  int top = m_nTopLine;
  if (m_nCaretLine < top) top = m_nCaretLine;
  if (m_nCaretLine >= top + rows) top = m_nCaretLine - rows + 1;
  if (top != m_nTopLine) {
    m_nTopLine = top;
    if (m_hWnd) {
      SetVertScroll(-1, -1, m_nTopLine);
      Invalidate(FALSE);
    }
  }
  if (m_hWnd && m_nCharWidth) {
    CRect rc;
    GetClientRect(&rc);
    int cols = std::max(1, (rc.Width() - m_nLeftMargin) / m_nCharWidth);
    int left = m_nLeftCol;
    if (m_nCaretCol < left) left = m_nCaretCol;
    if (m_nCaretCol >= left + cols) left = m_nCaretCol - cols + 1;
    if (left != m_nLeftCol) {
      m_nLeftCol = left;
      Invalidate(FALSE);
    }
  }
  MySetCaretPos();
}

void SECEditCore<CWnd>::ToggleBookmark() {
  if (!m_bookmarks.erase(m_nCaretLine)) m_bookmarks.insert(m_nCaretLine);
}

void SECEditCore<CWnd>::OnBookmarkprev() {
  if (m_bookmarks.empty()) return;
  auto it = m_bookmarks.lower_bound(m_nCaretLine);
  int line = it == m_bookmarks.begin() ? *m_bookmarks.rbegin() : *std::prev(it);
  if (line < GetEdit()->GetLineCount()) {
    SetCaret(OEPos(line, 0));
    UpdateEditor();
  }
}

CFont* SECEditCore<CWnd>::GetFont() { return m_font.GetSafeHandle() ? &m_font : nullptr; }

void SECEditCore<CWnd>::GetWindowText(CString& text) const {
  text = m_pEdit ? m_pEdit->GetText("\r\n").c_str() : "";
}

void SECEditCore<CWnd>::Moved(OEPos to, BOOL bExtend) {
  OEPos caret(m_nCaretLine, m_nCaretCol);
  if (bExtend) {
    if (!m_bSelection) m_anchor = caret;
    m_bSelection = TRUE;
  } else {
    m_bSelection = FALSE;
  }
  to = GetEdit()->Clamp(to);
  m_nCaretLine = to.nLine;
  m_nCaretCol = to.nOffset;
  UpdateEditor();
}

static BOOL ShiftHeld() { return ::GetKeyState(VK_SHIFT) < 0; }

void SECEditCore<CWnd>::OnEditLeft() {
  OEPos p(m_nCaretLine, m_nCaretCol - 1);
  if (p.nOffset < 0 && p.nLine > 0) p = OEPos(p.nLine - 1, (int)GetEdit()->GetLine(p.nLine - 1).size());
  Moved(p, ShiftHeld());
}
void SECEditCore<CWnd>::OnEditRight() {
  OEPos p(m_nCaretLine, m_nCaretCol + 1);
  if (p.nOffset > (int)GetEdit()->GetLine(m_nCaretLine).size() && p.nLine + 1 < GetEdit()->GetLineCount())
    p = OEPos(p.nLine + 1, 0);
  Moved(p, ShiftHeld());
}
void SECEditCore<CWnd>::OnEditUp() { Moved(OEPos(std::max(0, m_nCaretLine - 1), m_nCaretCol), ShiftHeld()); }
void SECEditCore<CWnd>::OnEditDown() { Moved(OEPos(m_nCaretLine + 1, m_nCaretCol), ShiftHeld()); }
void SECEditCore<CWnd>::OnEditPageUp() {
  Moved(OEPos(std::max(0, m_nCaretLine - VisibleLines()), m_nCaretCol), ShiftHeld());
}
void SECEditCore<CWnd>::OnEditPageDown() { Moved(OEPos(m_nCaretLine + VisibleLines(), m_nCaretCol), ShiftHeld()); }
void SECEditCore<CWnd>::OnEditHome() { Moved(OEPos(m_nCaretLine, 0), ShiftHeld()); }
void SECEditCore<CWnd>::OnEditEnd() { Moved(OEPos(m_nCaretLine, INT_MAX), ShiftHeld()); }
void SECEditCore<CWnd>::OnEditTab() { ReplaceSelection("\t", FALSE, TRUE); }
void SECEditCore<CWnd>::OnEditBackspace() {
  OEPos s, e;
  if (!GetSelection(s, e)) {
    if (m_nCaretCol > 0)
      s = OEPos(m_nCaretLine, m_nCaretCol - 1);
    else if (m_nCaretLine > 0)
      s = OEPos(m_nCaretLine - 1, (int)GetEdit()->GetLine(m_nCaretLine - 1).size());
    else
      return;
    SetSelection(s, e, FALSE);
  }
  ReplaceSelection("", FALSE, TRUE);
}
void SECEditCore<CWnd>::OnEditCopy() { Copy(); }
void SECEditCore<CWnd>::OnEditCut() { Cut(0, 1); }
void SECEditCore<CWnd>::OnEditPaste() { Paste(); }
void SECEditCore<CWnd>::OnEditUndo() { Undo(); }
void SECEditCore<CWnd>::OnEditRedo() { Redo(); }
void SECEditCore<CWnd>::OnEditFind() { OpenFindDlg(FALSE); }
void SECEditCore<CWnd>::OnEditReplace() { OpenFindDlg(TRUE); }
void SECEditCore<CWnd>::OnEditSelectAll() { SelectAll(1); }
void SECEditCore<CWnd>::OnEditFindNext() {
  CString text = OEFindDlg::LastSearch();
  if (!text.IsEmpty()) FindNext(text, OEFindDlg::SearchForward(), 0);
}

BOOL SECEditCore<CWnd>::FindNext(const char* text, BOOL bForward, unsigned flags) {
  OESearch search;
  search.strFind = text;
  search.nFlags = flags | (bForward ? 0u : (unsigned)OE_FIND_BACKWARD);
  OEPos s, e;
  GetSelection(s, e);
  OEPos from = bForward ? e : s, end;
  if (!GetEdit()->Find(&from, &end, search)) {
    // Once round: from the other end of the document.
    SECEdit* d = GetEdit();
    from = bForward ? OEPos() : OEPos(d->GetLineCount() - 1, (int)d->GetLine(d->GetLineCount() - 1).size());
    if (!d->Find(&from, &end, search)) return FALSE;
  }
  SetSelection(from, end, TRUE);
  return TRUE;
}

void SECEditCore<CWnd>::OpenFindDlg(BOOL bReplace) {
  if (m_pFindDlg && m_pFindDlg->GetSafeHwnd()) m_pFindDlg->DestroyWindow();
  delete m_pFindDlg;
  m_pFindDlg = new OEFindDlg(this, bReplace);
  if (!m_pFindDlg->CreateModeless(this)) {
    delete m_pFindDlg;
    m_pFindDlg = nullptr;
  }
}

// ---------------------------------------------------------------------------------------
// Keys and mouse
// ---------------------------------------------------------------------------------------
BOOL SECEditCore<CWnd>::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd) {
    UINT cmd = 0;
    switch (pMsg->wParam) {
      case VK_LEFT: cmd = ID_OE_LEFT; break;
      case VK_RIGHT: cmd = ID_OE_RIGHT; break;
      case VK_UP: cmd = ID_OE_UP; break;
      case VK_DOWN: cmd = ID_OE_DOWN; break;
      case VK_PRIOR: cmd = ID_OE_PAGEUP; break;
      case VK_NEXT: cmd = ID_OE_PAGEDOWN; break;
      case VK_HOME: cmd = ID_OE_HOME; break;
      case VK_END: cmd = ID_OE_END; break;
      case VK_BACK: cmd = ID_OE_BACKSPACE; break;
      case VK_TAB: cmd = ID_OE_TAB; break;
      default: break;
    }
    if (cmd) {
      SendMessage(WM_COMMAND, cmd, 0);
      return TRUE;
    }
  }
  return CWnd::PreTranslateMessage(pMsg);
}

void SECEditCore<CWnd>::OnKeyDown(UINT nChar, UINT, UINT) {
  if (nChar != VK_DELETE) return;
  OEPos s, e;
  if (!GetSelection(s, e)) {
    SECEdit* d = GetEdit();
    if (m_nCaretCol < (int)d->GetLine(m_nCaretLine).size())
      e = OEPos(m_nCaretLine, m_nCaretCol + 1);
    else if (m_nCaretLine + 1 < d->GetLineCount())
      e = OEPos(m_nCaretLine + 1, 0);
    else
      return;
    SetSelection(s, e, FALSE);
  }
  ReplaceSelection("", FALSE, TRUE);
}

void SECEditCore<CWnd>::OnChar(UINT nChar, UINT nRepCnt, UINT) {
  if (nChar == '\r') {
    for (UINT i = 0; i < std::max(1u, nRepCnt); ++i) SplitLine(GetEdit()->m_nSetting[1], 1);
    return;
  }
  if (nChar == '\b') {
    OnEditBackspace();
    return;
  }
  if (nChar < 32 && nChar != '\t') return;
  std::string text(std::max(1u, nRepCnt), (char)nChar);
  ReplaceSelection(text.c_str(), FALSE, TRUE);
}

UINT SECEditCore<CWnd>::OnGetDlgCode() { return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB; }

OEPos SECEditCore<CWnd>::PosFromPoint(CPoint pt) const {
  if (!m_nLineHeight || !m_nCharWidth) return OEPos(m_nCaretLine, m_nCaretCol);
  int line = m_nTopLine + std::max(0, (int)pt.y) / m_nLineHeight;
  int col = m_nLeftCol + std::max(0, (int)pt.x - m_nLeftMargin + m_nCharWidth / 2) / m_nCharWidth;
  return m_pEdit ? m_pEdit->Clamp(OEPos(line, col)) : OEPos();
}

void SECEditCore<CWnd>::OnLButtonDown(UINT nFlags, CPoint point) {
  SetFocus();
  Moved(PosFromPoint(point), (nFlags & MK_SHIFT) != 0);
}

void SECEditCore<CWnd>::OnLButtonDblClk(UINT, CPoint point) {
  OEPos p = PosFromPoint(point);
  const std::string& line = GetEdit()->GetLine(p.nLine);
  int s = p.nOffset, e = p.nOffset;
  while (s > 0 && IsWordByte((unsigned char)line[(size_t)s - 1])) --s;
  while (e < (int)line.size() && IsWordByte((unsigned char)line[(size_t)e])) ++e;
  SetSelection(OEPos(p.nLine, s), OEPos(p.nLine, e), TRUE);
}

void SECEditCore<CWnd>::OnContextMenu(CWnd*, CPoint pos) {
  CMenu menu;
  if (!menu.CreatePopupMenu()) return;
  ExtendContextMenu(&menu);
  if (menu.GetMenuItemCount() > 0) menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pos.x, pos.y, this);
}

BOOL SECEditCore<CWnd>::ExtendContextMenu(CMenu*) { return TRUE; }
BOOL SECEditCore<CWnd>::DoError(int, LPCSTR text, int) {
  ::MessageBoxA(m_hWnd, text ? text : "", "Editor", MB_ICONERROR);
  return FALSE;
}
BOOL SECEditCore<CWnd>::DoError(int nError, int nValue) {
  char text[64];
  if (nError == OE_ERROR_READONLY)
    lstrcpynA(text, "The document is read-only.", sizeof text);
  else
    wsprintfA(text, "Editor error %d (%d)", nError, nValue);
  return DoError(nError, text, nValue);
}

void SECEditCore<CWnd>::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
  int lines = GetEdit()->GetLineCount();
  int top = m_nTopLine;
  switch (nSBCode) {
    case SB_LINEUP: top -= (int)std::max(1u, nPos); break;
    case SB_LINEDOWN: top += (int)std::max(1u, nPos); break;
    case SB_PAGEUP: top -= VisibleLines(); break;
    case SB_PAGEDOWN: top += VisibleLines(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: top = (int)nPos; break;
    default: return;
  }
  top = std::max(0, std::min(top, lines - 1));
  if (top == m_nTopLine) return;
  m_nTopLine = top;
  if (m_hWnd) {
    SetVertScroll(-1, -1, top);
    Invalidate(FALSE);
    MySetCaretPos();
  }
}

// ---------------------------------------------------------------------------------------
// Window and painting
// ---------------------------------------------------------------------------------------
int SECEditCore<CWnd>::OnCreate(LPCREATESTRUCT) {
  CreateNewEdit();
  if (!m_pEdit) return -1;
  m_nScrollMax = m_nScrollPage = m_nScrollPos = -1;  // a new window has a new scroll bar
  m_rcPending.SetRectEmpty();
  m_bCaret = FALSE;
  InitView();
  return 0;
}

BOOL SECEditCore<CWnd>::InitView() {
  SECEdit* e = GetEdit();
  if (!m_font.GetSafeHandle()) {
    HDC screen = ::GetDC(nullptr);
    int h = e->m_nFontHeight > 0 ? -::MulDiv(e->m_nFontHeight, ::GetDeviceCaps(screen, LOGPIXELSY), 72)
                                 : e->m_nFontHeight;
    ::ReleaseDC(nullptr, screen);
    m_font.Attach(::CreateFontA(h, 0, 0, 0, e->m_nFontWeight, (DWORD)e->m_bFontItalic, 0, 0,
                                (DWORD)e->m_nCharSet, 0, 0, 0, FIXED_PITCH | FF_MODERN, e->m_szFontFace));
  }
  if (m_hWnd) {
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, m_font.GetSafeHandle());
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    m_nCharWidth = tm.tmAveCharWidth > 0 ? tm.tmAveCharWidth : 8;
    m_nLineHeight = tm.tmHeight > 0 ? tm.tmHeight : 16;
    MySetScrollRange();
  }
  return TRUE;
}

void SECEditCore<CWnd>::MySetScrollRange() {
  if (!m_hWnd) return;
  SetVertScroll(std::max(0, GetEdit()->GetLineCount() - 1), VisibleLines(), m_nTopLine);
}

void SECEditCore<CWnd>::SetVertScroll(int nMax, int nPage, int nPos) {
  SCROLLINFO si{sizeof si, SIF_POS, 0, nMax, (UINT)nPage, nPos, 0};
  if (nMax >= 0) {
    if (nMax == m_nScrollMax && nPage == m_nScrollPage && nPos == m_nScrollPos) return;
    si.fMask |= SIF_RANGE | SIF_PAGE;
    m_nScrollMax = nMax;
    m_nScrollPage = nPage;
  } else if (nPos == m_nScrollPos) {
    return;
  }
  m_nScrollPos = nPos;
  ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
}

COLORREF SECEditCore<CWnd>::GetGutterColor(COLORREF) { return ::GetSysColor(COLOR_3DFACE); }

void SECEditCore<CWnd>::OnSize(UINT, int, int) { MySetScrollRange(); }

BOOL SECEditCore<CWnd>::OnEraseBkgnd(CDC*) { return TRUE; }

void SECEditCore<CWnd>::OnSetFocus(CWnd*) {
  m_bCaret = ::CreateCaret(m_hWnd, nullptr, 2, m_nLineHeight ? m_nLineHeight : 16);
  m_ptCaret = CPoint(-1, -1);
  MySetCaretPos();
  ::ShowCaret(m_hWnd);
}

void SECEditCore<CWnd>::OnKillFocus(CWnd*) {
  m_bCaret = FALSE;
  ::DestroyCaret();
}

void SECEditCore<CWnd>::InvalidateLines(int nFirst, int nLast) {
  if (!m_hWnd || !m_nLineHeight) return;
  CRect rc;
  GetClientRect(&rc);
  int top = (nFirst - m_nTopLine) * m_nLineHeight;
  if (nLast >= 0) rc.bottom = std::min<LONG>(rc.bottom, (nLast - m_nTopLine + 1) * m_nLineHeight);
  rc.top = std::max<LONG>(0, top);
  if (rc.bottom <= rc.top) return;
  // A typed character invalidates its line several times over (the edit, the caret, the word
  // looked at for completion) before the window paints: only the first one is sent. The band
  // remembered is exactly what waits for paint: bands of the same width that touch join;
  // otherwise the newest is kept, and the older one is merely sent again if asked for.
  const CRect& p = m_rcPending;
  const bool sameWidth = !::IsRectEmpty(&p) && p.left == rc.left && p.right == rc.right;
  if (sameWidth && rc.top >= p.top && rc.bottom <= p.bottom) return;
  if (sameWidth && rc.top <= p.bottom && rc.bottom >= p.top)
    ::UnionRect(&m_rcPending, &p, &rc);
  else
    m_rcPending = rc;
  InvalidateRect(&rc, FALSE);
}

void SECEditCore<CWnd>::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(m_hWnd, &ps);
  m_rcPending.SetRectEmpty();
  SECEdit* e = GetEdit();
  CRect client;
  GetClientRect(&client);
  HGDIOBJ oldFont = ::SelectObject(dc, m_font.GetSafeHandle());
  const int lh = m_nLineHeight ? m_nLineHeight : 16, cw = m_nCharWidth ? m_nCharWidth : 8;
  const COLORREF back = e->m_crColors[5], text = e->m_crColors[4];
  OEPos s, en;
  BOOL sel = GetSelection(s, en);
  HBRUSH gutter = ::CreateSolidBrush(GetGutterColor(back));
  HBRUSH fill = ::CreateSolidBrush(back);
  HBRUSH mark = nullptr;  // made when a bookmark is drawn
  std::vector<OEColorRun> runs;
  int first = m_nTopLine + std::max(0, (int)ps.rcPaint.top) / lh;
  // The rows the update rectangle touches, and no more: its bottom edge lies outside it.
  int last = m_nTopLine + std::max(0, (int)ps.rcPaint.bottom - 1) / lh;
  for (int l = first; l <= last; ++l) {
    RECT row{client.left, (l - m_nTopLine) * lh, client.right, (l - m_nTopLine + 1) * lh};
    RECT gut = row, body = row;
    gut.right = m_nLeftMargin;
    body.left = m_nLeftMargin;
    ::FillRect(dc, &gut, gutter);
    ::FillRect(dc, &body, fill);
    if (l >= e->GetLineCount()) continue;
    if (m_bookmarks.count(l)) {
      if (!mark) mark = ::CreateSolidBrush(::GetSysColor(COLOR_HIGHLIGHT));
      RECT dot{2, row.top + lh / 3, 8, row.top + lh / 3 + 6};
      ::FillRect(dc, &dot, mark);
    }
    const std::string& line = e->GetLine(l);
    e->ColorLine(l, runs);
    int selFrom = -1, selTo = -1;
    if (sel && l >= s.nLine && l <= en.nLine) {
      selFrom = l == s.nLine ? s.nOffset : 0;
      selTo = l == en.nLine ? en.nOffset : (int)line.size() + 1;
    }
    // Stretches of one colour and selection state are drawn with one call each.
    size_t r = 0;
    ::SetBkMode(dc, OPAQUE);
    std::string piece;
    auto colourAt = [&](int col, bool* inSel) {
      while (r < runs.size() && runs[r].nEnd <= col) ++r;
      *inSel = col >= selFrom && col < selTo;
      return (r < runs.size() && runs[r].nStart <= col) ? runs[r].crColor : text;
    };
    int col = m_nLeftCol;
    while (col < (int)line.size()) {
      int x = m_nLeftMargin + (col - m_nLeftCol) * cw;
      if (x > client.right) break;
      bool inSel = false;
      COLORREF fg = colourAt(col, &inSel);
      piece.clear();
      int end = col;
      for (bool sel2 = inSel; end < (int)line.size() && colourAt(end, &sel2) == fg && sel2 == inSel; ++end)
        piece += line[(size_t)end] == '\t' ? ' ' : line[(size_t)end];
      ::SetTextColor(dc, inSel ? ::GetSysColor(COLOR_HIGHLIGHTTEXT) : fg);
      ::SetBkColor(dc, inSel ? ::GetSysColor(COLOR_HIGHLIGHT) : back);
      ::TextOutA(dc, x, row.top, piece.data(), (int)piece.size());
      col = end;
    }
  }
  ::DeleteObject(gutter);
  ::DeleteObject(fill);
  if (mark) ::DeleteObject(mark);
  ::SelectObject(dc, oldFont);
  ::EndPaint(m_hWnd, &ps);
}

// ---------------------------------------------------------------------------------------
// SECEditCtrl
// ---------------------------------------------------------------------------------------
LPCSTR SECEditCtrl::WindowClass() {
  static LPCSTR name = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_IBEAM));
  return name;
}

BOOL SECEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID) {
  return CreateEx(0, nullptr, "SECEdit", dwStyle, rect, pParent, nID);
}

BOOL SECEditCtrl::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                           const RECT& rect, CWnd* pParent, UINT nID) {
  return CWnd::CreateEx(dwExStyle, lpszClassName ? lpszClassName : WindowClass(), lpszWindowName,
                        dwStyle | WS_VSCROLL, rect, pParent, nID);
}
