// The customer user-exit page: for each planning step a switch and a command line run before and
// after it (the output step also in between), each command line with a browse button.
#pragma once
#include <afxdlgs.h>
#include "MpAppUiPropertyPage.h"

class MpAppUiCustomerPage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiCustomerPage)

 public:
  MpAppUiCustomerPage();
  ~MpAppUiCustomerPage() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  // Lets the user choose a script or program file; TRUE when one was chosen, its full path then
  // in path. The next dialog, of any exit and any page, opens in that file's folder.
  BOOL browseScript(CString& path);

  afx_msg void OnBrowseClicked(UINT id);

  DECLARE_MESSAGE_MAP()

 private:
  CButton m_browse[13];
  CString m_strChosenPath;  // the last file chosen with a browse button
};
