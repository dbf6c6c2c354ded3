// The export page: deviations of the STL, GEO and XGL output, and how Corvane files are written.
#pragma once
#include "MpAppUiPropertyPage.h"

class MpAppUiExportGraphicalObjectPage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiExportGraphicalObjectPage)

 public:
  MpAppUiExportGraphicalObjectPage();
  ~MpAppUiExportGraphicalObjectPage() override;

 protected:
  DECLARE_MESSAGE_MAP()
};
