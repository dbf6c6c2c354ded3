// Asks what to search for among the host's objects: a text, whether it must match a whole word,
// and whether it is looked for in the objects' names. The search itself is the host's.
#pragma once
#include <afxwin.h>
#include <string>
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpUiCFindDialog : public CDialog {
 public:
  MpUiCFindDialog(std::string& title, CWnd* parent);
  ~MpUiCFindDialog() override;

  std::string getFindString();
  // An indeterminate check box counts as not checked.
  bool isMatchWholeWord();
  // True when the first button of the group (search in the name) is chosen.
  bool isUseName();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  CString m_strFind;
  int m_nMatchWholeWord;
  int m_nSearchPlace;
  std::string m_title;
};
