// The data-management login: user, password and group, accepted by a login function that the
// caller gives. User and group are remembered in the registry; the password never is.
#pragma once
#include <afxwin.h>
#include <string>
#include "WidgetDeckApi.h"

class WIDGETDECK_API CJqLoginDlg : public CDialog {
 public:
  // False refuses the login; reason then says why.
  typedef bool (*LoginCallBack)(std::string user, std::string password, std::string group, std::string& reason);

  explicit CJqLoginDlg(CWnd* pParent = nullptr);
  ~CJqLoginDlg() override;

  void setLoginCallBackFunction(LoginCallBack callback);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

  CString m_user;
  CString m_password;
  CString m_group;
  LoginCallBack m_loginCallback = nullptr;

  DECLARE_MESSAGE_MAP()
};
