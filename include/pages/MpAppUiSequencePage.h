// The sequencing page: step size, safety distance and step limit (written when the sheet
// saves), the fast-ordering level on a slider, and the preferences of the sequencer.
#pragma once
#include <afxcmn.h>
#include "MpAppUiPropertyPage.h"

class MpAppUiSequencePage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiSequencePage)

 public:
  MpAppUiSequencePage();
  ~MpAppUiSequencePage() override;

  void save() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void prepareControls() override;
  void fillControls() override;

  afx_msg void OnRadioClicked(UINT id);
  afx_msg void OnSliderReleased(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg LRESULT OnScroll(WPARAM wParam, LPARAM lParam);
  void writeSliderPosition();

  // What the last data exchange took from the fields; save writes these.
  double m_dSafetyDistance = 0.0;
  double m_dStepSize = 0.0;
  int m_nMaxSteps = 0;
  CSliderCtrl m_slider;

  DECLARE_MESSAGE_MAP()
};
