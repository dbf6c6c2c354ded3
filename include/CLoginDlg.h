// Logs the user in to the data store. The user name is remembered, the password on request
// (enciphered); with a remembered password the dialog logs in by itself five seconds after it
// opens unless the user touches it first. DoModal gives IDOK only after a successful login.
#pragma once
#include <afxcmn.h>
#include "WidgetDeckApi.h"

class WIDGETDECK_API CLoginDlg : public CDialog {
 public:
  explicit CLoginDlg(CWnd* parent = nullptr);
  ~CLoginDlg() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  afx_msg void OnChangePwd();
  afx_msg void OnChangeUser();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

  DECLARE_MESSAGE_MAP()

 protected:
  CButton m_rememberCheck;
  bool m_passwordEdited;
  UINT_PTR m_timerId;
  bool m_autoLogin;
  CString m_user;
  CString m_password;
  CAnimateCtrl m_animation;
  // The fields are being filled by the program, not typed.
  bool m_filling = false;
  POINT m_cursorAtStart{};

 private:
  void Encrypt(CString& text);
  void Decrypt(CString& text);
  void ShowRemember(bool show);
  void ForgetPassword();
  bool CursorMoved() const;
};
