// The property grid and its properties, and COleVariant.
#include "afxpropertygridctrl.h"
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

AFX_GLOBAL_DATA afxGlobalData = {
    ::GetSysColor(COLOR_BTNTEXT),  ::GetSysColor(COLOR_BTNFACE),       ::GetSysColor(COLOR_BTNSHADOW),
    ::GetSysColor(COLOR_WINDOW),   ::GetSysColor(COLOR_WINDOWTEXT),    ::GetSysColor(COLOR_HIGHLIGHT),
    ::GetSysColor(COLOR_HIGHLIGHTTEXT), ::GetSysColor(COLOR_GRAYTEXT),
};

UINT AFX_WM_PROPERTY_CHANGED = ::RegisterWindowMessageA("AFX_WM_PROPERTY_CHANGED");

// ---------------------------------------------------------------------------------------
// COleVariant
// ---------------------------------------------------------------------------------------
COleVariant::COleVariant(const COleVariant& src) {
  ::VariantInit(this);
  ::VariantCopy(this, const_cast<COleVariant*>(&src));
}

COleVariant::COleVariant(LPCSTR lpszSrc) {
  ::VariantInit(this);
  if (lpszSrc == nullptr) lpszSrc = "";
  const std::wstring text = AfxWideFromAnsi(lpszSrc);
  vt = VT_BSTR;
  bstrVal = ::SysAllocStringLen(text.data(), (UINT)text.size());
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc) {
  ::VariantInit(this);
  if (vtSrc == VT_BOOL) {
    vt = VT_BOOL;
    boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    vt = VT_I2;
    iVal = nSrc;
  }
}

COleVariant::COleVariant(long lSrc, VARTYPE vtSrc) {
  ::VariantInit(this);
  if (vtSrc == VT_BOOL) {
    vt = VT_BOOL;
    boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    vt = VT_I4;
    lVal = lSrc;
  }
}

COleVariant& COleVariant::operator=(const COleVariant& src) {
  if (this != &src) ::VariantCopy(this, const_cast<COleVariant*>(&src));
  return *this;
}

bool COleVariant::operator==(const COleVariant& other) const {
  if (vt != other.vt) return false;
  switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
      return true;
    case VT_BSTR: {
      const wchar_t* a = bstrVal ? bstrVal : L"";
      const wchar_t* b = other.bstrVal ? other.bstrVal : L"";
      return wcscmp(a, b) == 0;
    }
    case VT_I2:
      return iVal == other.iVal;
    case VT_I4:
      return lVal == other.lVal;
    case VT_BOOL:
      return (boolVal != VARIANT_FALSE) == (other.boolVal != VARIANT_FALSE);
    default:
      return llVal == other.llVal;
  }
}

CString COleVariant::GetString() const {
  if (vt != VT_BSTR || bstrVal == nullptr) return CString();
  return CString(AfxAnsiFromWide(bstrVal).c_str());
}

// ---------------------------------------------------------------------------------------
// In-place editors
// ---------------------------------------------------------------------------------------
namespace {

const UINT kInPlaceId = 3;
// Posted to the grid to close the editor outside the editor's own message: wParam 0 to cancel,
// 1 to take the value over, kEndOnFocusLoss to take it over unless the focus came back (after a
// refused value's message box); lParam the editor's window.
const UINT WM_GRID_ENDEDIT = WM_USER + 0x4E1;
const WPARAM kEndOnFocusLoss = 2;
const int kCheckSize = 13;

// Whole decimal text (blanks around, an optional sign) read into out, saturating at the
// bounds of long long; false for anything else, the empty text included.
bool ParseSaturating(const char* text, long long& out) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  if (*p < '0' || *p > '9') return false;
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    const int digit = *p - '0';
    if (value > (LLONG_MAX - digit) / 10) value = LLONG_MAX;
    else value = value * 10 + digit;
  }
  while (*p == ' ' || *p == '\t') ++p;
  if (*p != '\0') return false;
  out = negative ? -value : value;
  return true;
}

CString WindowText(HWND h) {
  const int n = ::GetWindowTextLengthA(h);
  std::string text((size_t)n + 1, '\0');
  ::GetWindowTextA(h, &text[0], n + 1);
  return CString(text.c_str());
}

// The editor: keys Enter and Escape close it (through the grid), characters outside the
// property's valid characters are refused, and so is a paste that holds one.
class CGridInPlaceEdit : public CEdit {
public:
  CGridInPlaceEdit(CMFCPropertyGridCtrl* pGrid, const CString& validChars) : m_pGrid(pGrid), m_validChars(validChars) {}

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | CEdit::WindowProc(message, wParam, lParam);
      case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
          m_pGrid->PostMessage(WM_GRID_ENDEDIT, wParam == VK_RETURN, (LPARAM)m_hWnd);
          return 0;
        }
        break;
      case WM_CHAR:
        if (wParam == '\r' || wParam == 27) return 0;
        if (wParam >= 32 && !m_validChars.IsEmpty()) {
          UINT ch = (UINT)wParam;
          if ((GetStyle() & ES_UPPERCASE) && ch < 128) ch = (UINT)toupper((int)ch);
          if (!Accepts(ch)) {
            ::MessageBeep(MB_OK);
            return 0;
          }
          wParam = ch;
        }
        break;
      case WM_PASTE:
        if (!m_validChars.IsEmpty() && !PasteAccepted()) {
          ::MessageBeep(MB_OK);
          return 0;
        }
        break;
      default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
  }

private:
  bool Accepts(UINT ch) const { return ch < 256 && ch != 0 && strchr((LPCSTR)m_validChars, (int)ch) != nullptr; }
  bool PasteAccepted() {
    bool ok = true;
    if (!::OpenClipboard(m_hWnd)) return false;
    HANDLE data = ::GetClipboardData(CF_TEXT);
    const char* text = data ? static_cast<const char*>(::GlobalLock(data)) : nullptr;
    if (text != nullptr) {
      const bool upper = (GetStyle() & ES_UPPERCASE) != 0;
      for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p && ok; ++p)
        ok = Accepts(upper && *p < 128 ? (UINT)toupper(*p) : *p);
      ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return ok;
  }
  CMFCPropertyGridCtrl* m_pGrid;
  CString m_validChars;
};

class CGridInPlaceCombo : public CComboBox {
public:
  explicit CGridInPlaceCombo(CMFCPropertyGridCtrl* pGrid) : m_pGrid(pGrid) {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS | CComboBox::WindowProc(message, wParam, lParam);
    if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE) &&
        !SendMessage(CB_GETDROPPEDSTATE)) {
      m_pGrid->PostMessage(WM_GRID_ENDEDIT, wParam == VK_RETURN, (LPARAM)m_hWnd);
      return 0;
    }
    return CComboBox::WindowProc(message, wParam, lParam);
  }

private:
  CMFCPropertyGridCtrl* m_pGrid;
};

}  // namespace

// ---------------------------------------------------------------------------------------
// CMFCPropertyGridProperty
// ---------------------------------------------------------------------------------------
IMPLEMENT_DYNAMIC(CMFCPropertyGridProperty, CObject)

CMFCPropertyGridProperty::CMFCPropertyGridProperty(const CString& strGroupName, DWORD_PTR dwData, BOOL bIsValueList)
    : m_strName(strGroupName), m_dwData(dwData), m_bGroup(!bIsValueList) {}

CMFCPropertyGridProperty::CMFCPropertyGridProperty(const CString& strName, const COleVariant& varValue,
                                                   LPCSTR lpszDescr, DWORD_PTR dwData, LPCSTR, LPCSTR,
                                                   LPCSTR lpszValidChars)
    : m_strName(strName),
      m_strDescr(lpszDescr ? lpszDescr : ""),
      m_varValue(varValue),
      m_varValueOrig(varValue),
      m_dwData(dwData),
      m_strValidChars(lpszValidChars ? lpszValidChars : "") {}

CMFCPropertyGridProperty::~CMFCPropertyGridProperty() {
  if (m_bInPlaceEdit) OnEndEdit();
  for (CMFCPropertyGridProperty* p : m_lstSubItems) delete p;
}

void CMFCPropertyGridProperty::SetOwnerList(CMFCPropertyGridCtrl* pWndList) {
  m_pWndList = pWndList;
  for (CMFCPropertyGridProperty* p : m_lstSubItems) p->SetOwnerList(pWndList);
}

void CMFCPropertyGridProperty::SetValue(const COleVariant& varValue) {
  m_varValue = varValue;
  if (m_pWndInPlace != nullptr && m_pWndInPlace->GetSafeHwnd()) m_pWndInPlace->SetWindowText(FormatProperty());
  Redraw();
}

BOOL CMFCPropertyGridProperty::AddSubItem(CMFCPropertyGridProperty* pProp) {
  if (pProp == nullptr || pProp->m_pParent != nullptr) return FALSE;
  pProp->m_pParent = this;
  pProp->SetOwnerList(m_pWndList);
  m_lstSubItems.push_back(pProp);
  return TRUE;
}

CMFCPropertyGridProperty* CMFCPropertyGridProperty::GetSubItem(int nIndex) const {
  return nIndex >= 0 && nIndex < GetSubItemsCount() ? m_lstSubItems[(size_t)nIndex] : nullptr;
}

void CMFCPropertyGridProperty::Expand(BOOL bExpand) {
  if (m_bExpanded == bExpand) return;
  m_bExpanded = bExpand;
  if (m_pWndList == nullptr) return;
  // A collapsed group takes the selection of a row that disappears under it.
  for (CMFCPropertyGridProperty* p = m_pWndList->m_pSel; !bExpand && p != nullptr; p = p->m_pParent)
    if (p->m_pParent == this) {
      m_pWndList->SetCurSel(this);
      break;
    }
  m_pWndList->AdjustLayout();
}

void CMFCPropertyGridProperty::Enable(BOOL bEnable) {
  m_bEnabled = bEnable;
  if (!bEnable && m_bInPlaceEdit && m_pWndList) m_pWndList->EndEditItem(FALSE);
  Redraw();
}

void CMFCPropertyGridProperty::Show(BOOL bShow, BOOL bAdjustLayout) {
  m_bVisible = bShow;
  if (m_pWndList == nullptr) return;
  if (!bShow && IsSelected()) {
    m_pWndList->EndEditItem(FALSE);
    m_pWndList->SetCurSel(nullptr, FALSE);
  }
  if (bAdjustLayout) m_pWndList->AdjustLayout();
}

BOOL CMFCPropertyGridProperty::IsSelected() const { return m_pWndList != nullptr && m_pWndList->m_pSel == this; }

BOOL CMFCPropertyGridProperty::AddOption(LPCSTR lpszOption, BOOL bInsertUnique) {
  if (lpszOption == nullptr) return FALSE;
  if (bInsertUnique)
    for (const CString& s : m_lstOptions)
      if (s.Compare(lpszOption) == 0) return FALSE;
  m_lstOptions.emplace_back(lpszOption);
  return TRUE;
}

LPCSTR CMFCPropertyGridProperty::GetOption(int nIndex) const {
  return nIndex >= 0 && nIndex < GetOptionCount() ? (LPCSTR)m_lstOptions[(size_t)nIndex] : nullptr;
}

void CMFCPropertyGridProperty::EnableSpinControl(BOOL bEnable, int nMin, int nMax) {
  m_bSpin = bEnable;
  m_nMinValue = nMin;
  m_nMaxValue = nMax;
}

CString CMFCPropertyGridProperty::FormatProperty() {
  char buf[32];
  switch (m_varValue.vt) {
    case VT_EMPTY:
      return CString();
    case VT_BSTR:
      return m_varValue.GetString();
    case VT_I2:
      snprintf(buf, sizeof buf, "%d", (int)m_varValue.iVal);
      return CString(buf);
    case VT_I4:
      snprintf(buf, sizeof buf, "%ld", (long)m_varValue.lVal);
      return CString(buf);
    case VT_BOOL:
      return CString(m_varValue.boolVal != VARIANT_FALSE ? "True" : "False");
    default: {
      COleVariant text;
      if (FAILED(::VariantChangeType(&text, &m_varValue, 0, VT_BSTR))) return CString();
      return text.GetString();
    }
  }
}

BOOL CMFCPropertyGridProperty::TextToVar(const CString& strText) {
  switch (m_varValue.vt) {
    case VT_BSTR:
      m_varValue = COleVariant((LPCSTR)strText);
      return TRUE;
    case VT_I2:
    case VT_I4: {
      long long n = 0;
      if (!ParseSaturating(strText, n)) return FALSE;
      const long long low = m_varValue.vt == VT_I2 ? SHRT_MIN : LONG_MIN;
      const long long high = m_varValue.vt == VT_I2 ? SHRT_MAX : LONG_MAX;
      if (n < low || n > high) return FALSE;
      if (m_bSpin && m_nMinValue < m_nMaxValue && (n < m_nMinValue || n > m_nMaxValue)) return FALSE;
      if (m_varValue.vt == VT_I2) m_varValue = COleVariant((short)n);
      else m_varValue = COleVariant((long)n);
      return TRUE;
    }
    case VT_BOOL:
      if (strText.Compare("True") != 0 && strText.Compare("False") != 0) return FALSE;
      m_varValue = COleVariant((short)(strText.Compare("True") == 0), VT_BOOL);
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL CMFCPropertyGridProperty::OnUpdateValue() {
  if (m_pWndInPlace == nullptr || !m_pWndInPlace->GetSafeHwnd()) return TRUE;
  const CString text = WindowText(m_pWndInPlace->m_hWnd);
  if (text.Compare(FormatProperty()) == 0) return TRUE;
  if (!TextToVar(text)) return FALSE;
  Redraw();
  if (m_pWndList != nullptr) m_pWndList->OnPropertyChanged(this);
  return TRUE;
}

CWnd* CMFCPropertyGridProperty::CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat) {
  bDefaultFormat = TRUE;
  if (!m_lstOptions.empty()) {
    auto* combo = new CGridInPlaceCombo(m_pWndList);
    CRect rect = rectEdit;
    rect.bottom += 200;  // the drop-down list
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL |
                        (m_bAllowEdit ? (DWORD)(CBS_DROPDOWN | CBS_AUTOHSCROLL) : (DWORD)CBS_DROPDOWNLIST);
    if (!combo->Create(style, rect, m_pWndList, kInPlaceId)) {
      delete combo;
      return nullptr;
    }
    combo->SendMessage(WM_SETFONT, (WPARAM)m_pWndList->m_hFont, FALSE);
    const CString text = FormatProperty();
    for (const CString& s : m_lstOptions) combo->AddString(s);
    const int index = (int)combo->SendMessage(CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCSTR)text);
    combo->SetCurSel(index);
    if (index < 0 || m_bAllowEdit) combo->SetWindowText(text);
    return combo;
  }
  auto* edit = new CGridInPlaceEdit(m_pWndList, m_strValidChars);
  const DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | (m_bAllowEdit ? 0u : (DWORD)ES_READONLY);
  if (!edit->Create(style, rectEdit, m_pWndList, kInPlaceId)) {
    delete edit;
    return nullptr;
  }
  edit->SendMessage(WM_SETFONT, (WPARAM)m_pWndList->m_hFont, FALSE);
  edit->SetWindowText(FormatProperty());
  return edit;
}

BOOL CMFCPropertyGridProperty::OnEdit(LPPOINT) {
  if (m_pWndList == nullptr || m_bGroup || !m_bEnabled || IsCheck()) return FALSE;
  CRect rect = m_Rect;
  rect.left = m_pWndList->m_nLeftColumnWidth + 1;
  if (HasButton()) rect.right -= m_pWndList->m_nRowHeight;
  BOOL bDefaultFormat = FALSE;
  m_pWndInPlace = CreateInPlaceEdit(rect, bDefaultFormat);
  if (m_pWndInPlace == nullptr) return FALSE;
  m_bInPlaceEdit = TRUE;
  if (m_bSpin) {
    HWND spin = ::CreateWindowExA(0, UPDOWN_CLASSA, "",
                                  WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
                                  0, 0, 0, 0, m_pWndList->m_hWnd, nullptr, nullptr, nullptr);
    if (spin != nullptr) {
      ::SendMessageA(spin, UDM_SETBUDDY, (WPARAM)m_pWndInPlace->m_hWnd, 0);
      ::SendMessageA(spin, UDM_SETRANGE32, (WPARAM)m_nMinValue, (LPARAM)m_nMaxValue);
      m_pWndSpin = new CWnd;
      m_pWndSpin->Attach(spin);
    }
  }
  m_pWndInPlace->SetFocus();
  m_pWndInPlace->SendMessage(m_lstOptions.empty() ? EM_SETSEL : CB_SETEDITSEL, 0, m_lstOptions.empty() ? -1 : MAKELPARAM(0, -1));
  return TRUE;
}

BOOL CMFCPropertyGridProperty::OnEndEdit() {
  m_bInPlaceEdit = FALSE;
  for (CWnd** w : {&m_pWndSpin, &m_pWndInPlace}) {
    CWnd* wnd = *w;
    *w = nullptr;
    if (wnd == nullptr) continue;
    wnd->DestroyWindow();
    delete wnd;
  }
  Redraw();
  return TRUE;
}

void CMFCPropertyGridProperty::OnClickButton(CPoint) {
  if (m_pWndInPlace != nullptr && !m_lstOptions.empty()) {
    m_pWndInPlace->SetFocus();
    m_pWndInPlace->SendMessage(CB_SHOWDROPDOWN, TRUE);
  }
}

void CMFCPropertyGridProperty::Redraw() {
  if (m_pWndList != nullptr && m_pWndList->GetSafeHwnd() && !::IsRectEmpty(&m_Rect))
    m_pWndList->InvalidateRect(m_Rect, FALSE);
}

// ---------------------------------------------------------------------------------------
// CMFCPropertyGridCtrl
// ---------------------------------------------------------------------------------------
IMPLEMENT_DYNAMIC(CMFCPropertyGridCtrl, CWnd)

CMFCPropertyGridCtrl::CMFCPropertyGridCtrl() {
  for (COLORREF& c : m_clrCustom) c = (COLORREF)-1;
}

CMFCPropertyGridCtrl::~CMFCPropertyGridCtrl() {
  if (m_pSel != nullptr && m_pSel->m_bInPlaceEdit) m_pSel->OnEndEdit();
  m_pSel = nullptr;
  for (CMFCPropertyGridProperty* p : m_lstProps) delete p;
  if (m_hFontBold) ::DeleteObject(m_hFontBold);
}

BOOL CMFCPropertyGridCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  LPCSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW));
  if (!CWnd::Create(cls, "", dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID)) return FALSE;
  m_hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA lf{};
  ::GetObjectA(m_hFont, sizeof lf, &lf);
  lf.lfWeight = FW_BOLD;
  m_hFontBold = ::CreateFontIndirectA(&lf);
  HDC dc = ::GetDC(m_hWnd);
  HGDIOBJ old = ::SelectObject(dc, m_hFont);
  TEXTMETRICA tm{};
  ::GetTextMetricsA(dc, &tm);
  ::SelectObject(dc, old);
  ::ReleaseDC(m_hWnd, dc);
  m_nRowHeight = (int)tm.tmHeight + 4;
  CRect client;
  GetClientRect(&client);
  m_nLeftColumnWidth = client.Width() / 2;
  AdjustLayout();
  return TRUE;
}

int CMFCPropertyGridCtrl::AddProperty(CMFCPropertyGridProperty* pProp, BOOL bRedraw, BOOL bAdjustLayout) {
  if (pProp == nullptr || pProp->m_pParent != nullptr) return -1;
  for (CMFCPropertyGridProperty* p : m_lstProps)
    if (p == pProp) return -1;
  m_lstProps.push_back(pProp);
  pProp->SetOwnerList(this);
  if (bAdjustLayout) AdjustLayout();
  else if (bRedraw && GetSafeHwnd()) Invalidate(FALSE);
  return (int)m_lstProps.size() - 1;
}

CMFCPropertyGridProperty* CMFCPropertyGridCtrl::GetProperty(int nIndex) const {
  return nIndex >= 0 && nIndex < GetPropertyCount() ? m_lstProps[(size_t)nIndex] : nullptr;
}

namespace {
CMFCPropertyGridProperty* FindByData(CMFCPropertyGridProperty* p, DWORD_PTR data, BOOL sub) {
  if (p->GetData() == data) return p;
  for (int i = 0; sub && i < p->GetSubItemsCount(); ++i)
    if (CMFCPropertyGridProperty* found = FindByData(p->GetSubItem(i), data, sub)) return found;
  return nullptr;
}
}  // namespace

CMFCPropertyGridProperty* CMFCPropertyGridCtrl::FindItemByData(DWORD_PTR dwData, BOOL bSearchSubItems) const {
  for (CMFCPropertyGridProperty* p : m_lstProps)
    if (CMFCPropertyGridProperty* found = FindByData(p, dwData, bSearchSubItems)) return found;
  return nullptr;
}

void CMFCPropertyGridCtrl::VisibleRows(std::vector<CMFCPropertyGridProperty*>& rows) const {
  struct Walk {
    static void add(CMFCPropertyGridProperty* p, std::vector<CMFCPropertyGridProperty*>& rows) {
      if (!p->IsVisible()) return;
      rows.push_back(p);
      if (!p->IsExpanded()) return;
      for (int i = 0; i < p->GetSubItemsCount(); ++i) add(p->GetSubItem(i), rows);
    }
  };
  for (CMFCPropertyGridProperty* p : m_lstProps) Walk::add(p, rows);
}

CRect CMFCPropertyGridCtrl::ListRect() const {
  CRect rect;
  if (GetSafeHwnd()) GetClientRect(&rect);
  const int descr = 3 * m_nRowHeight + 4;
  rect.bottom = rect.top + (rect.Height() > 2 * descr ? rect.Height() - descr : rect.Height());
  return rect;
}

CRect CMFCPropertyGridCtrl::ButtonRect(const CMFCPropertyGridProperty* pProp) const {
  CRect rect = pProp->m_Rect;
  rect.left = rect.right - m_nRowHeight;
  return rect;
}

void CMFCPropertyGridCtrl::AdjustLayout() {
  struct Clear {
    static void all(CMFCPropertyGridProperty* p) {
      p->m_Rect.SetRectEmpty();
      for (CMFCPropertyGridProperty* s : p->m_lstSubItems) all(s);
    }
  };
  for (CMFCPropertyGridProperty* p : m_lstProps) Clear::all(p);
  if (!GetSafeHwnd()) return;
  std::vector<CMFCPropertyGridProperty*> rows;
  VisibleRows(rows);
  const CRect list = ListRect();
  const int page = m_nRowHeight > 0 ? list.Height() / m_nRowHeight : 0;
  const int maxOffset = (int)rows.size() > page ? (int)rows.size() - page : 0;
  if (m_nVertScrollOffset > maxOffset) m_nVertScrollOffset = maxOffset;
  if (m_nVertScrollOffset < 0) m_nVertScrollOffset = 0;
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, (int)rows.size() - 1, (UINT)page, m_nVertScrollOffset, 0};
  ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
  CRect client;
  GetClientRect(&client);
  for (size_t i = 0; i < rows.size(); ++i) {
    const int top = list.top + ((int)i - m_nVertScrollOffset) * m_nRowHeight;
    rows[i]->m_Rect = CRect(0, top, client.right, top + m_nRowHeight);
  }
  if (m_pSel != nullptr && m_pSel->m_bInPlaceEdit && m_pSel->m_pWndInPlace != nullptr) {
    CRect rect = m_pSel->m_Rect;
    rect.left = m_nLeftColumnWidth + 1;
    if (m_pSel->HasButton()) rect.right -= m_nRowHeight;
    m_pSel->m_pWndInPlace->MoveWindow(&rect);
  }
  Invalidate(FALSE);
}

CMFCPropertyGridProperty* CMFCPropertyGridCtrl::HitTest(CPoint pt) const {
  if (!::PtInRect(&static_cast<const RECT&>(ListRect()), pt)) return nullptr;
  std::vector<CMFCPropertyGridProperty*> rows;
  VisibleRows(rows);
  for (CMFCPropertyGridProperty* p : rows)
    if (::PtInRect(&static_cast<const RECT&>(p->m_Rect), pt)) return p;
  return nullptr;
}

void CMFCPropertyGridCtrl::SetCurSel(CMFCPropertyGridProperty* pProp, BOOL bRedraw) {
  if (pProp == m_pSel) return;
  if (m_pSel != nullptr && m_pSel->m_bInPlaceEdit) EndEditItem(FALSE);
  m_pSel = pProp;
  if (pProp != nullptr) EnsureVisible(pProp);
  if (bRedraw && GetSafeHwnd()) Invalidate(FALSE);
}

void CMFCPropertyGridCtrl::EnsureVisible(CMFCPropertyGridProperty* pProp) {
  std::vector<CMFCPropertyGridProperty*> rows;
  VisibleRows(rows);
  const int page = m_nRowHeight > 0 ? ListRect().Height() / m_nRowHeight : 0;
  for (int i = 0; i < (int)rows.size(); ++i) {
    if (rows[(size_t)i] != pProp) continue;
    if (i < m_nVertScrollOffset) m_nVertScrollOffset = i;
    else if (page > 0 && i >= m_nVertScrollOffset + page) m_nVertScrollOffset = i - page + 1;
    else return;
    AdjustLayout();
    return;
  }
}

void CMFCPropertyGridCtrl::SetVSDotNetLook(BOOL bSet) {
  m_bVSDotNetLook = bSet;
  if (GetSafeHwnd()) Invalidate(FALSE);
}

void CMFCPropertyGridCtrl::MarkModifiedProperties(BOOL bMark, BOOL bRedraw) {
  m_bMarkModifiedProperties = bMark;
  if (bRedraw && GetSafeHwnd()) Invalidate(FALSE);
}

void CMFCPropertyGridCtrl::SetCustomColors(COLORREF clrBackground, COLORREF clrText, COLORREF clrGroupBackground,
                                           COLORREF clrGroupText, COLORREF clrDescriptionBackground,
                                           COLORREF clrDescriptionText, COLORREF clrLine) {
  const COLORREF colors[7] = {clrBackground, clrText, clrGroupBackground, clrGroupText,
                              clrDescriptionBackground, clrDescriptionText, clrLine};
  memcpy(m_clrCustom, colors, sizeof colors);
  if (GetSafeHwnd()) Invalidate(FALSE);
}

void CMFCPropertyGridCtrl::SetLeftColumnWidth(int cx) {
  CRect client;
  if (GetSafeHwnd()) GetClientRect(&client);
  const int low = m_nRowHeight + 10;
  const int high = client.Width() - 10;
  m_nLeftColumnWidth = high > low ? (cx < low ? low : cx > high ? high : cx) : cx;
  AdjustLayout();
}

// Colours by role: background, text, group background, group text, description background,
// description text, lines; a custom colour where one is set.
COLORREF CMFCPropertyGridCtrl::Color(int nIndex) const {
  if (m_clrCustom[nIndex] != (COLORREF)-1) return m_clrCustom[nIndex];
  switch (nIndex) {
    case 0: return afxGlobalData.clrWindow;
    case 1: return afxGlobalData.clrWindowText;
    case 2: return afxGlobalData.clrBtnFace;
    case 3: return afxGlobalData.clrBtnText;
    case 4: return afxGlobalData.clrBtnFace;
    case 5: return afxGlobalData.clrBtnText;
    default: return m_bVSDotNetLook ? afxGlobalData.clrBtnFace : afxGlobalData.clrBtnShadow;
  }
}

namespace {
void Fill(HDC dc, const RECT& rect, COLORREF color) {
  HBRUSH brush = ::CreateSolidBrush(color);
  ::FillRect(dc, &rect, brush);
  ::DeleteObject(brush);
}
void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
  HPEN pen = ::CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = ::SelectObject(dc, pen);
  ::MoveToEx(dc, x1, y1, nullptr);
  ::LineTo(dc, x2, y2);
  ::SelectObject(dc, old);
  ::DeleteObject(pen);
}
void Text(HDC dc, const CString& text, RECT rect, COLORREF color, HFONT font, UINT format = DT_LEFT) {
  ::SetTextColor(dc, color);
  HGDIOBJ old = ::SelectObject(dc, font);
  rect.left += 3;
  ::DrawTextA(dc, text, -1, &rect, format | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  ::SelectObject(dc, old);
}
}  // namespace

void CMFCPropertyGridCtrl::OnDraw(CDC* pDC) {
  HDC dc = pDC->m_hDC;
  CRect client;
  GetClientRect(&client);
  const CRect list = ListRect();
  Fill(dc, list, Color(0));
  ::SetBkMode(dc, TRANSPARENT);
  const int gutter = m_nRowHeight;
  const int divider = m_nLeftColumnWidth;
  const bool focused = ::GetFocus() == m_hWnd || (m_pSel && m_pSel->m_bInPlaceEdit);
  const HRGN clip = ::CreateRectRgnIndirect(&list);
  ::SelectClipRgn(dc, clip);
  std::vector<CMFCPropertyGridProperty*> rows;
  VisibleRows(rows);
  for (CMFCPropertyGridProperty* p : rows) {
    const CRect& r = p->m_Rect;
    if (r.bottom <= list.top || r.top >= list.bottom) continue;
    if (m_bVSDotNetLook) Fill(dc, CRect(0, r.top, gutter, r.bottom), Color(2));
    if (p->IsGroup()) {
      Fill(dc, CRect(m_bVSDotNetLook ? gutter : 0, r.top, r.right, r.bottom), Color(2));
      // The box that expands and collapses the group.
      const int cx = gutter / 2, cy = (r.top + r.bottom) / 2;
      const CRect box(cx - 4, cy - 4, cx + 5, cy + 5);
      Fill(dc, box, Color(0));
      ::FrameRect(dc, &box, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
      Line(dc, cx - 2, cy, cx + 3, cy, Color(3));
      if (!p->IsExpanded()) Line(dc, cx, cy - 2, cx, cy + 3, Color(3));
      CRect name(gutter, r.top, r.right, r.bottom);
      if (p == m_pSel) Fill(dc, name, focused ? afxGlobalData.clrHilite : afxGlobalData.clrBtnShadow);
      Text(dc, p->m_strName, name, p == m_pSel ? afxGlobalData.clrTextHilite : Color(3), m_hFontBold);
      continue;
    }
    const COLORREF text = p->IsEnabled() ? Color(1) : afxGlobalData.clrGrayedText;
    CRect name(gutter, r.top, divider, r.bottom - 1);
    if (p == m_pSel) Fill(dc, name, focused ? afxGlobalData.clrHilite : afxGlobalData.clrBtnFace);
    Text(dc, p->m_strName, name, p == m_pSel && focused ? afxGlobalData.clrTextHilite : text, m_hFont);
    CRect value(divider + 1, r.top, r.right, r.bottom - 1);
    if (p->IsCheck()) {
      const int top = r.top + (m_nRowHeight - kCheckSize) / 2;
      RECT box = {value.left + 3, top, value.left + 3 + kCheckSize, top + kCheckSize};
      ::DrawFrameControl(dc, &box, DFC_BUTTON,
                         DFCS_BUTTONCHECK | DFCS_FLAT | (p->m_varValue.boolVal != VARIANT_FALSE ? DFCS_CHECKED : 0) |
                             (p->IsEnabled() ? 0 : DFCS_INACTIVE));
    } else if (!p->m_bInPlaceEdit) {
      const bool bold = m_bMarkModifiedProperties && p->IsModified();
      Text(dc, p->FormatProperty(), value, text, bold ? m_hFontBold : m_hFont);
    }
    if (p == m_pSel && p->HasButton() && p->IsEnabled()) {
      RECT button = ButtonRect(p);
      button.bottom -= 1;
      ::DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    }
    Line(dc, gutter, r.bottom - 1, r.right, r.bottom - 1, Color(6));
    Line(dc, divider, r.top, divider, r.bottom, Color(6));
  }
  ::SelectClipRgn(dc, nullptr);
  ::DeleteObject(clip);
  if (list.bottom < client.bottom) {
    // The description area: the selected property's name and description.
    CRect descr(client.left, list.bottom, client.right, client.bottom);
    Fill(dc, descr, Color(4));
    Line(dc, descr.left, descr.top, descr.right, descr.top, afxGlobalData.clrBtnShadow);
    if (m_pSel != nullptr) {
      CRect title(descr.left + 2, descr.top + 2, descr.right - 2, descr.top + 2 + m_nRowHeight);
      Text(dc, m_pSel->m_strName, title, Color(5), m_hFontBold);
      CRect body(descr.left + 5, title.bottom, descr.right - 2, descr.bottom - 2);
      ::SetTextColor(dc, Color(5));
      HGDIOBJ old = ::SelectObject(dc, m_hFont);
      ::DrawTextA(dc, m_pSel->m_strDescr, -1, &body, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS);
      ::SelectObject(dc, old);
    }
  }
}

BOOL CMFCPropertyGridCtrl::EditItem(CMFCPropertyGridProperty* pProp, LPPOINT lptClick) {
  if (pProp == nullptr) return FALSE;
  if (m_pSel != nullptr && m_pSel->m_bInPlaceEdit && !EndEditItem(TRUE)) return FALSE;
  SetCurSel(pProp);
  if (!pProp->OnEdit(lptClick)) return FALSE;
  Invalidate(FALSE);
  return TRUE;
}

BOOL CMFCPropertyGridCtrl::EndEditItem(BOOL bUpdateData) {
  static thread_local bool ending = false;  // a check's message box may ask again
  if (m_pSel == nullptr || !m_pSel->m_bInPlaceEdit) return TRUE;
  if (ending) return FALSE;
  CMFCPropertyGridProperty* prop = m_pSel;
  if (bUpdateData) {
    ending = true;
    BOOL ok = FALSE;
    try {
      ok = prop->OnUpdateValue();
    } catch (...) {
      ending = false;
      throw;
    }
    ending = false;
    if (!ok) {
      if (prop->m_pWndInPlace != nullptr && prop->m_pWndInPlace->GetSafeHwnd()) prop->m_pWndInPlace->SetFocus();
      return FALSE;
    }
  }
  const bool hadFocus = prop->m_pWndInPlace != nullptr && ::GetFocus() == prop->m_pWndInPlace->GetSafeHwnd();
  prop->OnEndEdit();
  if (hadFocus) SetFocus();
  Invalidate(FALSE);
  return TRUE;
}

void CMFCPropertyGridCtrl::OnPropertyChanged(CMFCPropertyGridProperty* pProp) const {
  if (pProp == nullptr) return;
  pProp->Redraw();
  CWnd* owner = GetOwner();
  if (owner != nullptr && GetSafeHwnd())
    owner->SendMessage(AFX_WM_PROPERTY_CHANGED, (WPARAM)GetDlgCtrlID(), (LPARAM)pProp);
}

void CMFCPropertyGridCtrl::OnClickButton(CPoint point) {
  if (m_pSel != nullptr) m_pSel->OnClickButton(point);
}

void CMFCPropertyGridCtrl::ClickButton(CMFCPropertyGridProperty* pProp, CPoint point) {
  // The button works on the open editor (its option list).
  if (!pProp->m_bInPlaceEdit && !EditItem(pProp)) return;
  OnClickButton(point);
}

void CMFCPropertyGridCtrl::ToggleCheck(CMFCPropertyGridProperty* pProp) {
  if (pProp == nullptr || !pProp->IsCheck() || !pProp->IsEnabled()) return;
  pProp->SetValue(COleVariant((short)(pProp->m_varValue.boolVal == VARIANT_FALSE), VT_BOOL));
  OnPropertyChanged(pProp);
}

void CMFCPropertyGridCtrl::OnKey(UINT nChar) {
  std::vector<CMFCPropertyGridProperty*> rows;
  VisibleRows(rows);
  if (rows.empty()) return;
  int index = -1;
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i] == m_pSel) index = (int)i;
  const int page = m_nRowHeight > 0 && ListRect().Height() / m_nRowHeight > 1 ? ListRect().Height() / m_nRowHeight - 1 : 1;
  const int last = (int)rows.size() - 1;
  int next = index;
  switch (nChar) {
    case VK_UP: next = index < 0 ? 0 : index - 1; break;
    case VK_DOWN: next = index + 1; break;
    case VK_PRIOR: next = index - page; break;
    case VK_NEXT: next = index + page; break;
    case VK_HOME: next = 0; break;
    case VK_END: next = last; break;
    case VK_LEFT:
    case VK_SUBTRACT:
      if (m_pSel && m_pSel->IsGroup()) m_pSel->Expand(FALSE);
      return;
    case VK_RIGHT:
    case VK_ADD:
      if (m_pSel && m_pSel->IsGroup()) m_pSel->Expand(TRUE);
      return;
    case VK_RETURN:
      if (m_pSel == nullptr) return;
      if (m_pSel->IsGroup()) m_pSel->Expand(!m_pSel->IsExpanded());
      else if (m_pSel->IsCheck()) ToggleCheck(m_pSel);
      else EditItem(m_pSel);
      return;
    case VK_SPACE:
      ToggleCheck(m_pSel);
      return;
    case VK_F4:
      if (m_pSel && m_pSel->HasButton() && m_pSel->IsEnabled()) ClickButton(m_pSel, ButtonRect(m_pSel).CenterPoint());
      return;
    default:
      return;
  }
  if (next < 0) next = 0;
  if (next > last) next = last;
  SetCurSel(rows[(size_t)next]);
}

void CMFCPropertyGridCtrl::OnMouseDown(CPoint pt, BOOL bDouble) {
  if (m_pSel != nullptr && m_pSel->m_bInPlaceEdit && !EndEditItem(TRUE)) return;
  SetFocus();
  if (::PtInRect(&static_cast<const RECT&>(ListRect()), pt) && pt.x >= m_nLeftColumnWidth - 2 && pt.x <= m_nLeftColumnWidth + 2) {
    m_bTracking = TRUE;
    SetCapture();
    return;
  }
  CMFCPropertyGridProperty* prop = HitTest(pt);
  if (prop == nullptr) return;
  SetCurSel(prop);
  if (prop->IsGroup()) {
    if (bDouble || pt.x < m_nRowHeight) prop->Expand(!prop->IsExpanded());
    return;
  }
  if (pt.x <= m_nLeftColumnWidth) return;
  if (prop->IsCheck()) {
    if (pt.x <= m_nLeftColumnWidth + 4 + kCheckSize || bDouble) ToggleCheck(prop);
  } else if (prop->HasButton() && prop->IsEnabled() && ::PtInRect(&static_cast<const RECT&>(ButtonRect(prop)), pt)) {
    ClickButton(prop, pt);
  } else {
    EditItem(prop, &pt);
  }
}

LRESULT CMFCPropertyGridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(m_hWnd, &ps);
      CDC cdc;
      cdc.m_hDC = dc;
      OnDraw(&cdc);
      cdc.m_hDC = nullptr;
      ::EndPaint(m_hWnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      CDC cdc;
      cdc.m_hDC = reinterpret_cast<HDC>(wParam);
      OnDraw(&cdc);
      cdc.m_hDC = nullptr;
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      AdjustLayout();
      break;
    case WM_GETDLGCODE: {
      const MSG* msg = reinterpret_cast<const MSG*>(lParam);
      LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
      if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate(FALSE);
      break;
    case WM_KEYDOWN:
      OnKey((UINT)wParam);
      return 0;
    case WM_CHAR:
      // Typing on a value row opens its editor with the character as the new text.
      if (wParam > 32 && m_pSel != nullptr && EditItem(m_pSel) && m_pSel->m_pWndInPlace != nullptr &&
          m_pSel->GetOptionCount() == 0)
        m_pSel->m_pWndInPlace->SendMessage(WM_CHAR, wParam, lParam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnMouseDown(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)), message == WM_LBUTTONDBLCLK);
      return 0;
    case WM_MOUSEMOVE:
      if (m_bTracking) SetLeftColumnWidth((short)LOWORD(lParam));
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (m_bTracking) {
        m_bTracking = FALSE;
        if (message == WM_LBUTTONUP) ::ReleaseCapture();
      }
      return 0;
    case WM_SETCURSOR: {
      POINT pt;
      ::GetCursorPos(&pt);
      ::ScreenToClient(m_hWnd, &pt);
      if (LOWORD(lParam) == HTCLIENT && ::PtInRect(&static_cast<const RECT&>(ListRect()), pt) && pt.x >= m_nLeftColumnWidth - 2 &&
          pt.x <= m_nLeftColumnWidth + 2) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_SIZEWE));
        return TRUE;
      }
      break;
    }
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: {
      if (!EndEditItem(TRUE)) return 0;
      const int page = m_nRowHeight > 0 ? ListRect().Height() / m_nRowHeight : 1;
      int offset = m_nVertScrollOffset;
      if (message == WM_MOUSEWHEEL) {
        offset -= 3 * (short)HIWORD(wParam) / WHEEL_DELTA;
      } else {
        switch (LOWORD(wParam)) {
          case SB_LINEUP: --offset; break;
          case SB_LINEDOWN: ++offset; break;
          case SB_PAGEUP: offset -= page; break;
          case SB_PAGEDOWN: offset += page; break;
          case SB_TOP: offset = 0; break;
          case SB_BOTTOM: offset = INT_MAX / 2; break;
          case SB_THUMBTRACK:
          case SB_THUMBPOSITION: offset = (short)HIWORD(wParam); break;
          default: break;
        }
      }
      m_nVertScrollOffset = offset;
      AdjustLayout();
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kInPlaceId && m_pSel != nullptr && m_pSel->m_pWndInPlace != nullptr &&
          reinterpret_cast<HWND>(lParam) == m_pSel->m_pWndInPlace->m_hWnd) {
        const UINT code = HIWORD(wParam);
        HWND editor = reinterpret_cast<HWND>(lParam);
        if (code == EN_KILLFOCUS || code == CBN_KILLFOCUS) {
          PostMessage(WM_GRID_ENDEDIT, kEndOnFocusLoss, lParam);
        } else if ((code == CBN_SELCHANGE && !::SendMessageA(editor, CB_GETDROPPEDSTATE, 0, 0)) ||
                   code == CBN_CLOSEUP) {
          // A chosen option is taken over at once; the list stays open for another choice.
          const int index = (int)::SendMessageA(editor, CB_GETCURSEL, 0, 0);
          if (index >= 0) ::SetWindowTextA(editor, m_pSel->GetOption(index));
          m_pSel->OnUpdateValue();
        }
        return 0;
      }
      break;
    case WM_GRID_ENDEDIT:
      if (m_pSel != nullptr && m_pSel->m_pWndInPlace != nullptr &&
          m_pSel->m_pWndInPlace->m_hWnd == reinterpret_cast<HWND>(lParam)) {
        if (wParam != kEndOnFocusLoss || ::GetFocus() != reinterpret_cast<HWND>(lParam)) EndEditItem(wParam != 0);
      }
      return 0;
    case WM_DESTROY:
      if (m_pSel != nullptr && m_pSel->m_bInPlaceEdit) m_pSel->OnEndEdit();
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
