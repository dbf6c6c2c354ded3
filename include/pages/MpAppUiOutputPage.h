// The output page: which APT output and lists are produced, how the APT output is transformed
// and translated, and the option string of the transformation, composed from a list of option
// words. The settings sheet builds it but does not show it.
#pragma once
#include <map>
#include <string>
#include "MpAppUiPropertyPage.h"

class MpAppUiOutputPage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiOutputPage)

 public:
  MpAppUiOutputPage();
  ~MpAppUiOutputPage() override;

  BOOL OnInitDialog() override;
  void restoreDefaults() override;

  // The option words listed, each with the string id of its tooltip.
  const std::map<std::string, int>& optionTable() const { return m_optionTable; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void fillControls() override;
  void applyEnableRules() override;

  void initOptionTable();
  void initMergeCycleOptions();
  void removeMergeCycleOptions();
  void fillOptionList();
  // Adds a word's entry unless it is there; bUnlessOff: not when the user unchecked the word.
  void addOption(const std::string& word, bool bUnlessOff);
  void removeOption(const std::string& word);
  void writeOptions();
  bool updateControls();

  afx_msg void OnOptionCheckChange();
  afx_msg void OnExplodeAptLoops();
  afx_msg BOOL OnToolTipNeedText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

  std::map<std::string, int> m_optionTable;
  CCheckListBox m_optionList;
  std::string m_options;  // the working copy of "rp_transform_apt_string"

  DECLARE_MESSAGE_MAP()
};
