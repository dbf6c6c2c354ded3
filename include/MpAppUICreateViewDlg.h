// Asks for the name of a new view, under a caption the host chooses. OK is offered only while
// the name is not empty.
#pragma once
#include <afxwin.h>
#include <string>
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpAppUICreateViewDlg : public CDialog {
 public:
  MpAppUICreateViewDlg(std::string& title, CWnd* parent);
  ~MpAppUICreateViewDlg() override;

  // The name proposed when the dialog opens.
  void setViewName(std::string& name);
  // The proposed name, after OK the name typed.
  std::string getViewName();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChangeViewName();

  DECLARE_MESSAGE_MAP()

 private:
  void updateOK();

  std::string m_title;
  CString m_strViewName;
};
