// An edit control laid over one cell of a list control. It reports the typed text to the list's
// owner as the list's own end-of-label-edit notification, then destroys and deletes itself: make
// it with new and do not use the pointer after the notification.
#pragma once
#include <afxwin.h>
#include "WidgetDeckApi.h"

class WIDGETDECK_API CMpUiCInPlaceEdit : public CEdit {
 public:
  CMpUiCInPlaceEdit(int row, CString initialText);
  ~CMpUiCInPlaceEdit() override;

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnNcDestroy();
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

  int m_row;
  CString m_initialText;
  BOOL m_cancelled = FALSE;

  DECLARE_MESSAGE_MAP()
};
