// The feature recognition page: the recognition options, and which feature classes of the
// host's customization take part, for each of two flag sets.
#pragma once
#include <string>
#include <vector>
#include "MpAppUiPropertyPage.h"
#include "MpSmartList.h"

class MpAppUiFeaturePage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiFeaturePage)

 public:
  MpAppUiFeaturePage();
  ~MpAppUiFeaturePage() override;

  // The customization whose feature classes the page lists; handed to the settings service
  // before the group is fetched or reset.
  void setCustomization(IMpDataCustomization2* customization);

  BOOL OnInitDialog() override;
  void restoreDefaults() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void prepareService(IMpPmUtSettingsBase* pService) override;

  // Lists the feature classes, each marked from its flag in the shown flag set.
  void fillFeatureClassList();
  // The shown flag set: 0 while the first radio is checked, else 1.
  size_t flagPosition() const;

  afx_msg void OnFlagSetClicked();
  afx_msg void OnClassCheckChange();
  afx_msg void OnDestroy();

  CCheckListBox m_classList;
  IMpDataCustomization2Ptr m_spCustomization;
  // The feature classes below the root, without those recognition leaves out: found once per
  // page window and released with it.
  MpSmartList m_candidates;
  bool m_bCandidatesFound = false;
  // Row by row, the settings key (nice name) of the row's own class.
  std::vector<std::string> m_rowKeys;

  DECLARE_MESSAGE_MAP()
};
