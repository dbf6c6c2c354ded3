// The chooser of one string out of a list of strings.
#pragma once
#include <list>
#include "MpUiCNodeDlg.h"

class WIDGETDECK_API MpUiCStringSelDlg : public MpUiCNodeDlg {
 public:
  MpUiCStringSelDlg(std::string& title, std::list<std::string>& strings, CWnd* parent = nullptr);
  ~MpUiCStringSelDlg() override;

  // The string chosen with OK; empty until then.
  std::string getSelected();

 protected:
  bool checkEmptyList() override;
  void fillNodeList(std::string filter) override;
  void OnOK() override;

  std::list<std::string> m_strings;
  std::string m_selected;

  DECLARE_MESSAGE_MAP()
};
