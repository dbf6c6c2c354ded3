#include "CIntellisenseListBox.h"

#include <algorithm>
#include <cstring>

BEGIN_MESSAGE_MAP(CIntellisenseListBox, CListBox)
  ON_WM_MOUSEMOVE()
  ON_WM_KEYDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

void CIntellisenseListBox::PreSubclassWindow() {
  CListBox::PreSubclassWindow();
  EnableToolTips(TRUE);
  m_strSearch.Empty();
}

int CIntellisenseListBox::AddEntry(LPCSTR text) {
  int at = AddString(text);
  m_nLongest = std::max(m_nLongest, (int)std::strlen(text));
  return at;
}

void CIntellisenseListBox::NotifySelChange() {
  if (CWnd* owner = GetOwner())
    owner->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE), (LPARAM)m_hWnd);
}

void CIntellisenseListBox::OnMouseMove(UINT, CPoint point) {
  m_ptLast = point;
  Default();
}

void CIntellisenseListBox::OnKeyDown(UINT nChar, UINT, UINT) {
  const bool letter = (nChar >= 'A' && nChar <= 'Z') || (nChar >= 'a' && nChar <= 'z') || nChar == 39;
  if (!letter) {
    Default();
    return;
  }
  const char typed[2] = {(char)nChar, 0};
  m_strSearch = typed;
  const int count = GetCount();
  if (count <= 0) return;
  const int cur = GetCurSel();
  auto startsWith = [&](int i) {
    CString text;
    GetText(i, text);
    return _strnicmp(text, m_strSearch, (size_t)m_strSearch.GetLength()) == 0;
  };
  CString probe;
  GetText(cur >= 0 ? cur : 0, probe);
  int start = cur + 1;
  if (cur < 0 || cur == count - 1 || _strnicmp(probe, m_strSearch, (size_t)m_strSearch.GetLength()) > 0) start = 0;
  for (int k = 0; k < count; ++k) {
    int i = (start + k) % count;
    if (!startsWith(i)) continue;
    SetTopIndex(i);
    SetCurSel(i);
    NotifySelChange();
    return;
  }
}

void CIntellisenseListBox::OnLButtonDown(UINT, CPoint point) {
  BOOL outside = FALSE;
  UINT item = ItemFromPoint(point, outside);
  if (!outside) SetCurSel((int)item);
}

void CIntellisenseListBox::OnLButtonUp(UINT, CPoint) { NotifySelChange(); }

void CIntellisenseListBox::OnLButtonDblClk(UINT, CPoint) {
  NotifySelChange();
  if (CWnd* owner = GetOwner()) owner->SendMessage(WM_KEYDOWN, VK_TAB, 0);
}
