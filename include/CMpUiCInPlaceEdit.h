// An edit control laid over one cell of a list control. It reports the typed text to the list's
// owner as the list's own end-of-label-edit notification, then destroys and deletes itself: make
// it with new and do not use the pointer after the notification, nor after a failed Create.
#pragma once
#include <afxwin.h>
#include "WidgetDeckApi.h"

class WIDGETDECK_API CMpUiCInPlaceEdit : public CEdit {
 public:
  CMpUiCInPlaceEdit(int row, CString initialText);
  ~CMpUiCInPlaceEdit() override;

  // Creates the editor's window; when there is none after the call, the object is deleted.
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

  int m_row;
  CString m_initialText;
  BOOL m_cancelled = FALSE;

 private:
  void PostNcDestroy() override;
  bool* m_pDeleted = nullptr;  // set while Create runs: told when the object goes

  DECLARE_MESSAGE_MAP()
};
