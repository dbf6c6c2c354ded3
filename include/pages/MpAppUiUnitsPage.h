// The units page: the default modeler, the time unit and three switches. A change of the time
// unit, or the page's defaults restored, is told to the host as "task_units".
#pragma once
#include "MpAppUiPropertyPage.h"

class MpAppUiUnitsPage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiUnitsPage)

 public:
  MpAppUiUnitsPage();
  ~MpAppUiUnitsPage() override;

  BOOL OnInitDialog() override;
  void restoreDefaults() override;
  bool getNotifications(std::vector<std::string>& notifications) override;

 protected:
  void prepareControls() override;
  void fillControls() override;

  afx_msg void OnModelerClicked(UINT id);
  afx_msg void OnTimeUnitChanged();

  // Set once the time unit was changed or the defaults restored; stays set for the page's life.
  bool m_bUnitsChanged = false;

  DECLARE_MESSAGE_MAP()
};
