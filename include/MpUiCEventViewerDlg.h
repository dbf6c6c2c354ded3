// The result viewer: a resizable dialog listing messages, one row each, with the message's
// kind in the first column and its text in the second.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include <string>
#include "MpAppUiResizableDialog.h"
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpUiCEventViewerDlg : public MpAppUiResizableDialog {
 public:
  // events: lines ended by "\n", each "kind - message" (as "error - Disk full"). A line without
  // a "-" is left out, and so is text after the last line break.
  MpUiCEventViewerDlg(std::string& title, std::string& events, CWnd* parent = nullptr);
  ~MpUiCEventViewerDlg() override;

  // Replaces the text and, once the window exists, the rows.
  void setEvents(std::string& events);
  // Kept for the caller; the viewer does not depend on it.
  void setSendMessage(bool sendMessage);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  CListCtrl m_listCtrl;
  std::string m_title;
  std::string m_events;
  bool m_bSendMessage;

  DECLARE_MESSAGE_MAP()

 private:
  void fillList();
};
