#include "MpAppUiEditCntrl.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "MpAppUiCompletion.h"
#include "MpSmartPointers.h"
#include "MpStrings.h"
#include "MpUiResourceString.h"
#include "resource.h"

namespace {
const COLORREF kReadOnlyBack = 0xD4E6EC;
const COLORREF kBack = 0xFFFFFF;

std::string Res(UINT id) { return getResourceString(id, "", "", "", ""); }

bool Held(int vk) { return ::GetKeyState(vk) < 0; }

}  // namespace

BEGIN_MESSAGE_MAP(MpAppUiEditCntrl, SECEditCtrl)
  ON_WM_CHAR()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_LBN_SELCHANGE(IDC_COMPLETION_LIST, OnListBoxChanged)
  ON_WM_KEYDOWN()
  ON_WM_LBUTTONDOWN()
  ON_WM_RBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
  AFX_MSG_ENTRY(WM_MOUSEWHEEL, *_r = _p->OnMouseWheel(LOWORD(_w), (short)HIWORD(_w), AFX_PT(_l)))
  ON_WM_KILLFOCUS()
  ON_COMMAND(ID_OE_LEFT, OnEditLeft)
  ON_COMMAND(ID_OE_RIGHT, OnEditRight)
  ON_COMMAND(ID_OE_UP, OnEditUp)
  ON_COMMAND(ID_OE_DOWN, OnEditDown)
  ON_COMMAND(ID_OE_HOME, OnEditHome)
  ON_COMMAND(ID_OE_TAB, OnEditTab)
  ON_COMMAND(ID_OE_BACKSPACE, OnEditBackspace)
END_MESSAGE_MAP()

MpAppUiEditCntrl::MpAppUiEditCntrl()
    : m_dictionary(std::strcmp), m_pfnCompare(std::strcmp), m_pfnCompareN(std::strncmp) {}

MpAppUiEditCntrl::~MpAppUiEditCntrl() {
  if (m_list.GetSafeHwnd()) m_list.DestroyWindow();
}

void MpAppUiEditCntrl::CreateNewEdit() {
  if (m_pEdit) return;
  m_pOwnEdit = new MpAppUiEdit;
  SetDocument(m_pOwnEdit);
}

BOOL MpAppUiEditCntrl::InitView() {
  BOOL ok = SECEditCtrl::InitView();
  if (m_nCharWidth && m_hWnd) {
    CRect rc;
    GetClientRect(&rc);
    m_nWrapColumn = rc.Width() / m_nCharWidth - 3;
  }
  return ok;
}

// ---------------------------------------------------------------------------------------
// Keywords and appearance
// ---------------------------------------------------------------------------------------
bool MpAppUiEditCntrl::addKeyWords(std::vector<std::string>& words, COLORREF colour) {
  return m_pOwnEdit && m_pOwnEdit->addKeyWords(words, colour);
}
bool MpAppUiEditCntrl::addKeyWords(std::map<std::string, COLORREF>& keywords) {
  return m_pOwnEdit && m_pOwnEdit->addKeyWords(keywords);
}
bool MpAppUiEditCntrl::removeKeyWords() { return m_pOwnEdit && m_pOwnEdit->removeKeyWords(); }
bool MpAppUiEditCntrl::initKeyWordMap() {
  bool ok = m_pOwnEdit && m_pOwnEdit->initKeyWordMap();
  if (m_hWnd) Invalidate(FALSE);
  return ok;
}
bool MpAppUiEditCntrl::getKeyWords(std::vector<std::string>& words) {
  return m_pOwnEdit && m_pOwnEdit->getKeyWords(words);
}
std::vector<std::string>& MpAppUiEditCntrl::getKeywords() { return m_dictionary.words(); }
void MpAppUiEditCntrl::setKeywords(std::vector<std::string>& words) { m_dictionary.assign(words); }

void MpAppUiEditCntrl::ShowGutter(bool show) {
  m_bGutter = show;
  m_nLeftMargin = show ? 20 : 2;
  if (m_hWnd) Invalidate(FALSE);
}

COLORREF MpAppUiEditCntrl::GetGutterColor(COLORREF colour) {
  return m_bGutter ? SECEditCtrl::GetGutterColor(colour) : colour;
}

void MpAppUiEditCntrl::MySetScrollRange() {
  if (m_bGutter) {
    SECEditCtrl::MySetScrollRange();
    return;
  }
  m_bNoScrollRange[0] = m_bNoScrollRange[1] = 1;
}

void MpAppUiEditCntrl::setReadOnly(bool readOnly) {
  if (!m_pOwnEdit) return;
  m_pOwnEdit->SetReadOnly(readOnly);
  m_pOwnEdit->m_crColors[5] = readOnly ? kReadOnlyBack : kBack;
  if (m_hWnd) {
    Invalidate(TRUE);
    UpdateWindow();
  }
}

bool MpAppUiEditCntrl::getReadOnly() { return m_pOwnEdit && m_pOwnEdit->GetReadOnly() == 1; }

BOOL MpAppUiEditCntrl::DoError(int, LPCSTR, int) { return 1; }
BOOL MpAppUiEditCntrl::DoError(int, int) { return 1; }

void MpAppUiEditCntrl::OnPaint() { SECEditCtrl::OnPaint(); }
BOOL MpAppUiEditCntrl::OnEraseBkgnd(CDC*) { return 0; }

BOOL MpAppUiEditCntrl::OnMouseWheel(UINT, short delta, CPoint point) {
  if (m_list.GetSafeHwnd())
    return (BOOL)m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)delta), MAKELPARAM(point.x, point.y));
  OnVScroll(delta < 0 ? SB_LINEDOWN : SB_LINEUP, 1, nullptr);
  return TRUE;
}

void MpAppUiEditCntrl::OnLButtonDown(UINT nFlags, CPoint point) {
  RemoveListbox();
  SECEditCtrl::OnLButtonDown(nFlags, point);
}
void MpAppUiEditCntrl::OnRButtonDown(UINT, CPoint) {
  RemoveListbox();
  Default();
}
void MpAppUiEditCntrl::OnLButtonDblClk(UINT nFlags, CPoint point) { SECEditCtrl::OnLButtonDblClk(nFlags, point); }
void MpAppUiEditCntrl::OnKillFocus(CWnd* pNewWnd) {
  // The list itself takes the focus when clicked; it closes only when the focus goes elsewhere.
  if (!(pNewWnd && pNewWnd->GetSafeHwnd() == m_list.GetSafeHwnd())) RemoveListbox();
  SECEditCtrl::OnKillFocus(pNewWnd);
}

// ---------------------------------------------------------------------------------------
// Text and wrapping
// ---------------------------------------------------------------------------------------
int MpAppUiEditCntrl::WrapLine(CString& text) {
  int w = m_nWrapColumn;
  int len = text.GetLength();
  if (len <= w) return len;
  for (int i = w; i >= 1; --i)
    if (text[i] == ' ') return i + 1;
  for (int i = std::min(len - 1, w); i >= 1; --i)
    if (m_pOwnEdit && m_pOwnEdit->IsOperator((unsigned char)text[i])) return i + 1;
  return w;
}

void MpAppUiEditCntrl::SetWindowTextA(LPCSTR text) {
  SECEdit* doc = GetEdit();
  SelectAll(0);
  int readOnly = doc->GetReadOnly();
  if (readOnly) doc->SetReadOnly(0);
  CString rest = text ? text : "";
  // A wrap column below 1 means no wrapping: the text is set as it is.
  if (!rest.IsEmpty() && doc->GetWordWrap() && m_nWrapColumn >= 1) {
    // Each of the text's own lines is wrapped by itself, so that no wrap point falls on or
    // inside one of its line ends; the breaks the wrap makes are marked soft.
    bool first = true;
    while (true) {
      const int eol = rest.Find('\n');
      CString line = eol < 0 ? rest : rest.Left(eol > 0 && rest[eol - 1] == '\r' ? eol - 1 : eol);
      if (!first) SplitLine(0, 1);
      first = false;
      while (!line.IsEmpty()) {
        const int n = WrapLine(line);
        ReplaceSelection(line.Left(n), 0, 1);
        line = line.Mid(n);
        if (line.IsEmpty()) break;
        SplitLine(0, 1);
        doc->SetSoftBreak(m_nCaretLine - 1, true);
      }
      if (eol < 0) break;
      rest = rest.Mid(eol + 1);
    }
  } else {
    ReplaceSelection(rest, 0, 1);
  }
  if (readOnly) doc->SetReadOnly(readOnly);
}

void MpAppUiEditCntrl::GetWindowTextA(CString& text) {
  SECEdit* doc = GetEdit();
  if (doc->GetLineCount() == 0) {
    text = "";
    return;
  }
  // With word wrap on, the breaks the wrap made go; the text's own line ends stay.
  const bool wrap = doc->GetWordWrap() != 0;
  std::string out;
  for (int i = 0; i < doc->GetLineCount(); ++i) {
    out += doc->GetLine(i);
    if (i + 1 < doc->GetLineCount() && !(wrap && doc->IsSoftBreak(i))) out += "\r\n";
  }
  text = out.c_str();
}

void MpAppUiEditCntrl::redrawText() {
  if (!m_hWnd || !m_nCharWidth) return;
  CRect rc;
  GetClientRect(&rc);
  m_nWrapColumn = rc.Width() / m_nCharWidth - 3;
  CString text;
  GetWindowTextA(text);
  SetWindowTextA(text);
}

// ---------------------------------------------------------------------------------------
// Shortcuts and context menu
// ---------------------------------------------------------------------------------------
BOOL MpAppUiEditCntrl::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_CHAR && m_list.GetSafeHwnd() && msg->hwnd == m_list.GetSafeHwnd()) {
    SetFocus();
    msg->hwnd = m_hWnd;
  }
  if (msg->message != WM_KEYDOWN || msg->hwnd != m_hWnd) return SECEditCtrl::PreTranslateMessage(msg);
  UINT key = (UINT)msg->wParam, repeat = LOWORD(msg->lParam), flags = HIWORD(msg->lParam);
  switch (key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END: case VK_BACK:
      OnKeyDown(key, repeat, flags);
      return SECEditCtrl::PreTranslateMessage(msg);
    case VK_ESCAPE:
      OnKeyDown(key, repeat, flags);
      return TRUE;
    default: break;
  }
  // Ctrl without Alt: Ctrl+Alt is AltGr, which types letters.
  const bool ctrl = Held(VK_CONTROL) && !Held(VK_MENU), shift = Held(VK_SHIFT);
  CWinApp* app = AfxGetApp();
  auto direction = [&] {
    if (app) app->WriteProfileInt(OEFindDlg::ProfileSection(), Res(IDS_FIND_PROFILE_DIRECTION).c_str(), shift ? 0 : 1);
  };
  if (key == VK_F3) {
    UINT cmd = ID_OE_FINDNEXT;
    if (ctrl) {
      if (app) app->WriteProfileString(OEFindDlg::ProfileSection(), OEFindDlg::ProfileEntry(), GetSelection());
      cmd = ID_EDIT_FIND;
    }
    direction();
    SendMessage(WM_COMMAND, cmd, 0);
    return TRUE;
  }
  if (key == VK_F2 && shift) {
    OnBookmarkprev();
    return TRUE;
  }
  if (ctrl) {
    UINT cmd = 0;
    switch (key) {
      case 'C': cmd = ID_EDIT_COPY; break;
      case 'F': direction(); cmd = ID_EDIT_FIND; break;
      case 'H': cmd = ID_EDIT_REPLACE; break;
      case 'V': cmd = ID_EDIT_PASTE; break;
      case 'X': cmd = ID_EDIT_CUT; break;
      case 'Y': cmd = ID_EDIT_REDO; break;
      case 'Z': cmd = ID_EDIT_UNDO; break;
      default: break;
    }
    if (cmd) {
      SendMessage(WM_COMMAND, cmd, 0);
      return TRUE;
    }
  }
  if (key == VK_F8) {
    if (m_bEnabled) Autocomplete(1, 0, 1);  // nothing while completion is disabled
    return TRUE;
  }
  return SECEditCtrl::PreTranslateMessage(msg);
}

BOOL MpAppUiEditCntrl::ExtendContextMenu(CMenu* menu) {
  SECEdit* doc = GetEdit();
  OEPos s, e;
  const bool sel = GetSelection(s, e) != 0, ro = doc->GetReadOnly() != 0;
  bool paste = false;
  if (::OpenClipboard(m_hWnd)) {
    paste = !ro && ::IsClipboardFormatAvailable(CF_TEXT);
    ::CloseClipboard();
  }
  auto add = [&](UINT id, UINT cmd, bool grey) {
    menu->AppendMenu(MF_STRING | (grey ? MF_GRAYED : 0u), cmd, Res(id).c_str());
  };
  add(IDS_EDIT_UNDO, ID_EDIT_UNDO, doc->m_nUndoPos == 0);
  add(IDS_EDIT_REDO, ID_EDIT_REDO, doc->UndoCount() == 0 || doc->UndoCount() <= doc->m_nUndoPos);
  menu->AppendMenu(MF_SEPARATOR);
  add(IDS_EDIT_CUT, ID_EDIT_CUT, !sel || ro);
  add(IDS_EDIT_COPY, ID_EDIT_COPY, !sel);
  add(IDS_EDIT_PASTE, ID_EDIT_PASTE, !paste);
  menu->AppendMenu(MF_SEPARATOR);
  add(IDS_EDIT_SELECT_ALL, ID_OE_SELECTALL, false);
  return TRUE;
}

// ---------------------------------------------------------------------------------------
// Host field values
// ---------------------------------------------------------------------------------------
namespace {
// The whole text, blanks around it aside, as one number; false for anything else.
bool StrictDouble(const std::string& text, double& value) {
  const size_t b = text.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return false;
  const size_t e = text.find_last_not_of(" \t\r\n");
  const std::string core = text.substr(b, e - b + 1);
  char* end = nullptr;
  errno = 0;
  const double d = std::strtod(core.c_str(), &end);
  if (end != core.c_str() + core.size() || errno == ERANGE || d != d) return false;
  value = d;
  return true;
}
}  // namespace

IMpDataParameterSet* MpAppUiEditCntrl::getFieldValue(IMpZulNode* node, std::string& fieldName, std::string& value,
                                                     bool& equal) {
  equal = false;
  IMpZulNodePtr held(node, true);
  IMpDataParameterSetPtr set(CLSID_MpDataParameterSet, nullptr);
  if (held.isNull() || set.isNull()) return nullptr;
  IMpZulClassPtr cls(held->getClass(), false);
  if (cls.isNull()) return nullptr;
  IMpZulFieldPtr field(cls->getField(fieldName), true);  // the class lends its field
  int dimension = 0, type = 0;
  if (field.isNull() || !field->getDimension(dimension) || !field->getType(type)) return nullptr;
  bool written = false;
  double d = 0;
  if (dimension == MpZulFieldDimension::Single && type == MpZulFieldType::Double) {
    if (!StrictDouble(value, d)) return nullptr;
    written = set->setDouble(fieldName, d);
    equal = isNearlyEqual(held->getDoubleField(fieldName), d, 0.0001);
  } else if (dimension == MpZulFieldDimension::Single && type == MpZulFieldType::String) {
    written = set->setValue(fieldName, value);
    equal = MpTrimRight(held->getStringField(fieldName)) == value;
  } else if (dimension == MpZulFieldDimension::Vector && type == MpZulFieldType::Double) {
    if (!StrictDouble(value, d)) return nullptr;  // exactly one number
    written = set->setNumberList(fieldName, std::vector<double>{d});
    const std::vector<double> current = held->getDoubleVectorField(fieldName);
    equal = !current.empty() && isNearlyEqual(current[0], d, 0.0001);
  } else if (dimension == MpZulFieldDimension::Vector && type == MpZulFieldType::String) {
    written = set->setStringList(fieldName, getVectorFromString(value, ","));
    equal = getStringFromVector(held->getStringVectorField(fieldName), ",") == value;
  }
  if (!written) {
    equal = false;
    return nullptr;
  }
  set->AddRef();
  return set.get();
}

bool MpAppUiEditCntrl::showTypeAheadDlg(UINT) { return false; }
bool MpAppUiEditCntrl::getTypeAheadDlg(std::string&) { return false; }
bool MpAppUiEditCntrl::getTypeAheadStrings(std::string&, std::vector<std::string>&) { return false; }
std::string MpAppUiEditCntrl::getLookupIntellisenseValue(UINT, std::string& word) { return word; }

// ---------------------------------------------------------------------------------------
// Completion: set-up and dictionaries
// ---------------------------------------------------------------------------------------
void MpAppUiEditCntrl::activateIntellisense(UINT key, UINT modifiers, UINT minLength) {
  m_keys.push_back(key);
  m_modifiers.push_back(modifiers);
  m_minLengths.push_back(minLength);
}

void MpAppUiEditCntrl::addIntellisenseWords(std::string& prefix, std::vector<std::string>& words) {
  std::sort(words.begin(), words.end());
  m_prefixes[prefix + "."] = words;
}

void MpAppUiEditCntrl::cleanupPrefix(std::string& prefix) { m_prefixes.erase(prefix + "."); }

// Kept sorted under the active comparison, which the binary search of complete needs.
int MpAppUiEditCntrl::AddKeyword(const std::string& word) { return m_dictionary.add(word) ? 1 : 0; }

bool MpAppUiEditCntrl::IsKeyword(const std::string& word) { return m_dictionary.contains(word); }

void MpAppUiEditCntrl::CaseSensitive(int on) {
  // Not the runtime's _stricmp, whose order the lookup does not share for every byte.
  m_pfnCompare = on ? std::strcmp : MpAppUiCompareNoCase;
  m_pfnCompareN = on ? std::strncmp : MpAppUiCompareNoCaseN;
  m_dictionary.setCompare(m_pfnCompare);
  std::stable_sort(m_working.begin(), m_working.end(),
                   [this](const std::string& a, const std::string& b) { return m_pfnCompare(a.c_str(), b.c_str()) < 0; });
}

void MpAppUiEditCntrl::Enable(int on) {
  m_bEnabled = on;
  if (!on) RemoveListbox();
}

void MpAppUiEditCntrl::ListAllWords(int on) { m_bListAll = on; }

bool MpAppUiEditCntrl::IsCaseSensitive() const { return m_pfnCompare == std::strcmp; }

const std::vector<std::string>& MpAppUiEditCntrl::ActiveDictionary() {
  return m_bWorking ? m_working : m_dictionary.words();
}

bool MpAppUiEditCntrl::isHotKeyPressed(UINT key) {
  m_nFired = -1;
  for (size_t i = 0; i < m_keys.size() && i < m_modifiers.size(); ++i) {
    if (m_keys[i] != key) continue;
    UINT m = m_modifiers[i];
    if (m == 0 || ((Held(VK_MENU) || (m & 1)) && (Held(VK_SHIFT) || (m & 4)) && (Held(VK_CONTROL) || (m & 2)) &&
                   (Held(VK_LWIN) || Held(VK_RWIN) || (m & 8)))) {
      m_nFired = (int)i;
      return true;
    }
  }
  return false;
}

bool MpAppUiEditCntrl::ResetDictionary(const std::string& text) {
  m_working.clear();
  m_bWorking = true;
  for (const auto& kv : m_prefixes) {
    if (text.rfind(kv.first, kv.first.size()) != std::string::npos) {
      m_working = kv.second;
      m_bListAll = 1;
      CaseSensitive(IsCaseSensitive());
      return false;
    }
  }
  // No prefix list applies: the host's own words are offered with all the lists.
  m_working = m_dictionary.words();
  for (const auto& kv : m_prefixes) m_working.insert(m_working.end(), kv.second.begin(), kv.second.end());
  CaseSensitive(IsCaseSensitive());
  return true;
}

// ---------------------------------------------------------------------------------------
// Completion: proposing
// ---------------------------------------------------------------------------------------
int MpAppUiEditCntrl::GetCurWord(CString& word, int clearSelection) {
  OEPos s, e;
  BOOL had = GetSelection(s, e);
  OEPos anchor = m_anchor;
  int col = m_nCaretCol;
  SelectWordLeft(1, 1);
  m_nCaretCol = col;
  word = GetSelection();
  if (clearSelection) ClearSelection(1);
  MySetCaretPos();
  MakeCursorVisible();
  if (had) {
    m_anchor = anchor;
    m_bSelection = TRUE;
  } else {
    m_bSelection = FALSE;
  }
  return 1;
}

CString MpAppUiEditCntrl::complete(const CString& word, const CString& selection, CStringArray& matches) {
  const std::vector<std::string>& dict = ActiveDictionary();
  const MpAppUiMatches found = MpAppUiCompleteWord(dict, IsCaseSensitive(), word, selection);
  for (size_t i = found.first; i < found.last; ++i) matches.Add(dict[i].c_str());
  if (found.proposal == MpAppUiMatches::npos) return CString();
  return dict[found.proposal].c_str() + word.GetLength();
}

void MpAppUiEditCntrl::Autocomplete(int clearSelection, int listMode, int useCompletion) {
  CString word, selText, completion;
  GetCurWord(word, clearSelection);
  // The word as it stands before the caret: where the completion starts.
  const int wordStart = m_nCaretCol - word.GetLength();
  OEPos s, e;
  GetSelection(s, e);
  if (s.nOffset != e.nOffset && s.nLine != e.nLine) selText = GetSelection();
  const bool again = m_bActive && !m_strTyped.IsEmpty() && word == m_strCompleted &&
                     m_strCompleted.GetLength() > m_strTyped.GetLength();
  if (again) {
    // Again on the word the last completion made: the next candidate for the typed word.
    selText = word.Mid(m_strTyped.GetLength());
    word = m_strTyped;
  }
  CStringArray matches;
  if (!word.IsEmpty()) {
    completion = word + complete(word, selText, matches);
  } else {
    selText = GetSelection();
    completion = selText + complete(selText, "", matches);
    word = selText;
  }
  if (!useCompletion) completion = selText;
  m_bActive = 1;
  if (matches.GetSize() == 0) word = "";
  m_strTyped = word;
  m_strCompleted.Empty();
  // The list stands under the word's start, as it is before the completion replaces it.
  const int listLine = m_nCaretLine, listCol = again ? wordStart : m_nCaretCol - word.GetLength();
  if (matches.GetSize() > 0) {
    // The completion takes the place of the word before the caret and of a proposal
    // selected after it; all of it is selected, so that Escape can put the typed word back.
    GetSelection(s, e);
    if (m_strTyped.GetLength() > 0) s = OEPos(m_nCaretLine, std::max(0, listCol));
    SetSelection(s, std::max(e, OEPos(m_nCaretLine, m_nCaretCol)), FALSE);
    ReplaceSelection(completion, 1, 1);
    SetSelection(s, OEPos(s.nLine, s.nOffset + completion.GetLength()), TRUE);
    m_strCompleted = completion;
    ShowListBox(1);
    std::vector<std::string> shown;
    if (m_bListAll && listMode == 0)
      shown = ActiveDictionary();
    else
      for (int i = 0; i < matches.GetSize(); ++i) shown.push_back((LPCSTR)matches[i]);
    FillList(shown);
    PlaceList((int)matches.GetSize() + 1, listLine, listCol);
    int at = m_list.FindString(-1, completion);
    m_list.SetCurSel(at);
    return;
  }
  if (!m_bListAll) {
    m_bActive = 0;
    m_bWorking = false;
    return;
  }
  const std::vector<std::string>& dict = ActiveDictionary();
  if (!m_list.GetSafeHwnd() && !dict.empty()) {
    GetSelection(s, e);
    SetCaret(e);
    ShowListBox(1);
    FillList(dict);
    PlaceList((int)dict.size() + 1, listLine, listCol);
    m_list.SetCurSel(-1);
  }
}

void MpAppUiEditCntrl::FillList(const std::vector<std::string>& words) {
  m_list.SetRedraw(FALSE);
  for (const std::string& w : words) m_list.AddEntry(w.c_str());
  m_list.SetRedraw(TRUE);
}

void MpAppUiEditCntrl::PlaceList(int rows, int line, int col) {
  rows = std::min(rows, m_nMaxRows);
  const int cw = m_nCharWidth ? m_nCharWidth : 8, lh = m_nLineHeight ? m_nLineHeight : 16;
  CRect rc;
  rc.left = (col - m_nLeftCol) * cw + m_nLeftMargin;
  rc.top = (line - m_nTopLine + 1) * lh;
  rc.bottom = rc.top + m_list.GetItemHeight(0) * rows;
  rc.right = rc.left + (m_list.LongestEntry() + 3) * cw;
  ClientToScreen(&rc);
  RECT work;
  if (::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) && rc.bottom >= work.bottom)
    rc.OffsetRect(0, -rc.Height());
  m_list.MoveWindow(&rc);
}

void MpAppUiEditCntrl::ShowListBox(int show) {
  if (!show) {
    RemoveListbox();
    return;
  }
  if (m_list.GetSafeHwnd()) {
    m_list.ResetContent();
    return;
  }
  CRect empty(0, 0, 0, 0);
  if (!m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_WANTKEYBOARDINPUT |
                        LBS_HASSTRINGS | LBS_SORT | LBS_NOTIFY,
                    empty, this, IDC_COMPLETION_LIST)) return;
  m_list.ModifyStyleEx(0, WS_EX_TOOLWINDOW);
  m_list.ModifyStyle(0, WS_CLIPSIBLINGS);
  // On the desktop, so that it can reach beyond the control; owned by the control, which
  // still gets its notifications.
  ::SetParent(m_list.GetSafeHwnd(), ::GetDesktopWindow());
  ::SetWindowLongPtrA(m_list.GetSafeHwnd(), GWLP_HWNDPARENT, (LONG_PTR)m_hWnd);
  m_list.SetFont(GetFont());
}

void MpAppUiEditCntrl::RemoveListbox() {
  if (m_list.GetSafeHwnd()) m_list.DestroyWindow();
  m_bActive = 0;
  m_bListAll = 0;
  m_bWorking = false;
}

// ---------------------------------------------------------------------------------------
// Completion: keys
// ---------------------------------------------------------------------------------------
void MpAppUiEditCntrl::OnChar(UINT ch, UINT repeat, UINT flags) {
  if (!m_bEnabled) {
    SECEditCtrl::OnChar(ch, repeat, flags);
    return;
  }
  if (ch == VK_ESCAPE) {
    RemoveListbox();
    m_bActive = 1;
    return;
  }
  if (ch == VK_RETURN) {
    if (m_list.GetSafeHwnd()) {
      ClearSelection(1);
      RemoveListbox();
    } else if (m_bGutter) {
      SECEditCtrl::OnChar(ch, repeat, flags);
    }
    return;
  }
  CString word;
  if (!m_bActive) {
    if (ch == ' ' || ch == '\t' || ch == '\b') {
      SECEditCtrl::OnChar(ch, repeat, flags);
      return;
    }
    if (!isHotKeyPressed(ch)) {
      SECEditCtrl::OnChar(ch, repeat, flags);
      GetCurWord(word, 1);
      SECEdit* doc = GetEdit();
      if (m_nWrapColumn >= 1 && m_nCaretCol >= m_nWrapColumn - 3 && doc->GetWordWrap()) {
        SelectWordLeft(1, 1);
        CString w = GetSelection();
        OEPos ws, we;
        GetSelection(ws, we);
        const int breakLine = m_nCaretLine;
        if (w.GetLength() < m_nWrapColumn) {
          // The word moves to a new line only when something stands before it there.
          if (std::min(ws.nOffset, we.nOffset) > 0) {
            Cut(1, 1);  // the clipboard is left alone
            SplitLine(0, 1);
            doc->SetSoftBreak(breakLine, true);
            ReplaceSelection(w, 0, 1);
          }
          ClearSelection(1);
        } else {
          SplitLine(1, 1);
          doc->SetSoftBreak(breakLine, true);
        }
      }
      if (m_nFired >= 0 && m_nFired < (int)m_minLengths.size() && m_minLengths[(size_t)m_nFired] != 0 &&
          (int)m_minLengths[(size_t)m_nFired] < word.GetLength() && !IsKeyword((LPCSTR)word))
        Autocomplete(1, 0, 1);
      return;
    }
    GetCurWord(word, 0);
    if (!word.IsEmpty()) {
      SECEditCtrl::OnChar(ch, repeat, flags);
      CString after;
      GetCurWord(after, 1);
      // The word with the trigger typed after it, so that "OBJ." finds the list under OBJ.
      std::string w = std::string((LPCSTR)word) + (char)ch;
      if (!ResetDictionary(getLookupIntellisenseValue(ch, w))) Autocomplete(1, 0, 1);
    } else {
      ResetDictionary("");
      ListAllWords(1);
      Autocomplete(1, 0, 1);
    }
    return;
  }
  if (m_list.GetSafeHwnd()) {
    m_list.SendMessage(WM_KEYDOWN, ch, MAKELPARAM(repeat, flags));
    if (m_list.GetSafeHwnd() && m_list.GetCurSel() >= 0) return;
  }
  OEPos s, e;
  GetSelection(s, e);
  if (ch == '\b') {
    GetCurWord(word, 1);
    m_bActive = 0;
    if (!word.IsEmpty()) {
      SetSelection(OEPos(s.nLine, std::max(0, s.nOffset - 1)), e, FALSE);
      SECEditCtrl::OnChar(ch, repeat, flags);
    } else {
      SECEditCtrl::OnChar(ch, repeat, flags);
      RemoveListbox();
    }
    return;
  }
  if (std::isalpha((int)ch)) {
    m_bActive = 0;
    SECEditCtrl::OnChar(ch, repeat, flags);
    Autocomplete(1, 0, 1);
    return;
  }
  m_bActive = 0;
  if (m_list.GetSafeHwnd()) m_list.DestroyWindow();
  m_bWorking = false;
  SECEditCtrl::OnChar(ch, repeat, flags);
}

void MpAppUiEditCntrl::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  if (!m_list.GetSafeHwnd()) {
    if (key != VK_RETURN) SECEditCtrl::OnKeyDown(key, repeat, flags);
    return;
  }
  switch (key) {
    case VK_TAB:
      ClearSelection(1);
      RemoveListbox();
      break;
    case VK_ESCAPE: {
      CString typed = m_strTyped;
      RemoveListbox();
      ReplaceSelection(typed, 0, 1);
      break;
    }
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_UP: case VK_DOWN:
      m_list.SendMessage(WM_KEYDOWN, key, MAKELPARAM(repeat, flags));
      break;
    default: break;
  }
}

// Left and Right first drop a proposal the list stands for, never through the clipboard: the
// selection holds the typed word and the proposal, and the typed word stays.
void MpAppUiEditCntrl::DropProposal() {
  if (!m_list.GetSafeHwnd()) return;
  CString typed = m_strTyped;
  Cut(1, 0);
  if (!typed.IsEmpty()) ReplaceSelection(typed, 0, 1);
  ClearSelection(1);
  RemoveListbox();
}
void MpAppUiEditCntrl::OnEditLeft() {
  DropProposal();
  SECEditCtrl::OnEditLeft();
}
void MpAppUiEditCntrl::OnEditRight() {
  DropProposal();
  SECEditCtrl::OnEditRight();
}
void MpAppUiEditCntrl::OnEditUp() {
  if (!m_list.GetSafeHwnd()) SECEditCtrl::OnEditUp();
}
void MpAppUiEditCntrl::OnEditDown() {
  if (!m_list.GetSafeHwnd()) SECEditCtrl::OnEditDown();
}
void MpAppUiEditCntrl::OnEditHome() {
  if (!m_list.GetSafeHwnd()) SECEditCtrl::OnEditHome();
}
void MpAppUiEditCntrl::OnEditEnd() {
  if (!m_list.GetSafeHwnd()) SECEditCtrl::OnEditEnd();
}
void MpAppUiEditCntrl::OnEditBackspace() {
  if (!m_list.GetSafeHwnd()) SECEditCtrl::OnEditBackspace();
}
void MpAppUiEditCntrl::OnEditTab() {
  if (!m_list.GetSafeHwnd()) {
    SECEditCtrl::OnEditTab();
    return;
  }
  ClearSelection(1);
  RemoveListbox();
}

void MpAppUiEditCntrl::OnListBoxChanged() {
  int sel = m_list.GetCurSel();
  if (sel < 0) return;
  CString entry;
  m_list.GetText(sel, entry);
  OEPos s, e;
  GetSelection(s, e);
  CString word;
  GetCurWord(word, 1);
  if (!word.IsEmpty() && m_nFired >= 1 && m_nFired < (int)m_keys.size()) {
    unsigned char last = (unsigned char)word[word.GetLength() - 1];
    if (last != m_keys[(size_t)m_nFired] && GetEdit()->m_charClass[1][last] != last) SetSelection(s, e, FALSE);
  }
  // The entry replaces the word being completed: from the start of that word.
  GetSelection(s, e);
  if (s == e) {
    SelectWordLeft(1, 0);
    GetSelection(s, e);
  }
  ReplaceSelection(entry, 0, 1);
  SetSelection(s, OEPos(s.nLine, s.nOffset + entry.GetLength()), TRUE);
}

// ---------------------------------------------------------------------------------------
// The single-line field
// ---------------------------------------------------------------------------------------
#include "MpAppUiEditField.h"

MpAppUiEditField::MpAppUiEditField() { ShowGutter(false); }
MpAppUiEditField::~MpAppUiEditField() = default;
