// Shows one link (a text and the address it opens) under the application's name.
#pragma once
#include <afxlinkctrl.h>
#include <string>
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpAppUiHyperlinkDlg : public CDialog {
 public:
  explicit MpAppUiHyperlinkDlg(CWnd* parent = nullptr);
  ~MpAppUiHyperlinkDlg() override;

  // Both before DoModal.
  void setURL(std::string& url);
  void setText(std::string& text);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  DECLARE_MESSAGE_MAP()

  CMFCLinkCtrl m_link;
  std::string m_url;
  std::string m_text;
};
