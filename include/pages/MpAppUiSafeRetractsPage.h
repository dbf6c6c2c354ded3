// Task page "SafeRetracts": the parameters of the host's safe-retract computation.
#pragma once
#include <afxdlgs.h>
#include <string>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiSafeRetractsPage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiSafeRetractsPage)

 public:
  MpAppUiSafeRetractsPage();
  ~MpAppUiSafeRetractsPage() override;

  // The selection is not used. The numbers start from the host's sequence settings, "Blank"
  // from the profile; a fresh bag is seeded with all four. Always true.
  bool init(MpZulSmartList& selection);
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;
  afx_msg BOOL OnToolTipNotify(UINT id, NMHDR* header, LRESULT* result);

  CButton m_checkBlank;
  double m_dStepSize = 0;
  double m_dSafetyDistance = 0;
  int m_nMaxSteps = 0;
  IMpOptionsPtr m_spOptions;
  std::string m_strToolTipText;

  DECLARE_MESSAGE_MAP()

 private:
  void writeNumbers();
};
