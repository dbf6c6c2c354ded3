// The in-place cell editor.
#include "CMpUiCInPlaceEdit.h"
#include <commctrl.h>

BEGIN_MESSAGE_MAP(CMpUiCInPlaceEdit, CEdit)
  ON_WM_KILLFOCUS()
  ON_WM_CHAR()
  ON_WM_CREATE()
END_MESSAGE_MAP()

CMpUiCInPlaceEdit::CMpUiCInPlaceEdit(int row, CString initialText) : m_row(row), m_initialText(initialText) {}

CMpUiCInPlaceEdit::~CMpUiCInPlaceEdit() = default;

BOOL CMpUiCInPlaceEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  bool deleted = false;
  m_pDeleted = &deleted;
  if (CEdit::Create(dwStyle, rect, pParentWnd, nID)) {
    m_pDeleted = nullptr;
    return TRUE;
  }
  // A window that came and went during its creation has deleted the object already; without a
  // window at all, it goes now, as its window's end would have taken it.
  if (!deleted) PostNcDestroy();
  return FALSE;
}

BOOL CMpUiCInPlaceEdit::PreTranslateMessage(MSG* pMsg) {
  // Return and Escape end the edit here instead of closing the dialog, and Control combinations
  // reach the editor rather than the dialog's accelerators.
  if (pMsg->message == WM_KEYDOWN &&
      (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_DELETE || pMsg->wParam == VK_ESCAPE ||
       (::GetKeyState(VK_CONTROL) & 0x8000))) {
    ::TranslateMessage(pMsg);
    ::DispatchMessageA(pMsg);
    return TRUE;
  }
  return CEdit::PreTranslateMessage(pMsg);
}

int CMpUiCInPlaceEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CEdit::OnCreate(lpCreateStruct) == -1) return -1;
  if (CWnd* parent = GetParent()) SetFont(parent->GetFont());
  SetWindowText(m_initialText);
  SetFocus();
  SetSel(0, -1);
  return 0;
}

void CMpUiCInPlaceEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_ESCAPE || nChar == VK_RETURN) {
    if (nChar == VK_ESCAPE) m_cancelled = TRUE;
    if (CWnd* parent = GetParent()) parent->SetFocus();
    return;
  }
  CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CMpUiCInPlaceEdit::OnKillFocus(CWnd* pNewWnd) {
  CEdit::OnKillFocus(pNewWnd);
  CString text;
  GetWindowText(text);
  CWnd* list = GetParent();
  NMLVDISPINFOA info = {};
  // The header names the list, so that its owner takes this for the list's own label edit.
  info.hdr.hwndFrom = list ? list->m_hWnd : nullptr;
  info.hdr.idFrom = list ? static_cast<UINT_PTR>(list->GetDlgCtrlID()) : 0;
  info.hdr.code = LVN_ENDLABELEDITA;
  info.item.mask = LVIF_TEXT;
  info.item.iItem = m_row;
  info.item.iSubItem = 1;
  info.item.pszText = m_cancelled ? nullptr : const_cast<LPSTR>(static_cast<LPCSTR>(text));
  info.item.cchTextMax = text.GetLength();
  if (list && list->GetParent())
    list->GetParent()->SendMessage(WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
  DestroyWindow();
}

// Once the window is gone and the object detached from it: the only place the object is deleted.
void CMpUiCInPlaceEdit::PostNcDestroy() {
  if (m_pDeleted) *m_pDeleted = true;
  delete this;
}
