// The settings sheet: the host's persistent planning settings on ten pages (STEP, CATIA and
// Pro/E, Moravel and Corvane import, feature recognition, operations, sequencing, optimisation
// limits, export of graphical objects, units).
//
// The host constructs it, calls addPages once with its customization, runs DoModal, calls save
// after OK when it accepts the edits (every page that was shown commits its group), reads
// getNotifications ("task_units" after a change of the time unit) and destroys the sheet. The
// pages write their keys into the groups as the user works; after Cancel nothing is committed
// and what becomes of the written values is the host's matter. The sheet's Default button puts
// the active page back to its defaults. A sheet opens on the page that was active when a sheet
// was last closed (m_nStartDlg), when that index is one of its pages.
#pragma once
#include <afxdlgs.h>
#include <string>
#include <vector>
#include "pages/MpAppUiCatiaQyPage.h"
#include "pages/MpAppUiCorvanePage.h"
#include "pages/MpAppUiExportGraphicalObjectPage.h"
#include "pages/MpAppUiFeaturePage.h"
#include "pages/MpAppUiHondaPage.h"
#include "pages/MpAppUiOperationPage.h"
#include "pages/MpAppUiOutputPage.h"
#include "pages/MpAppUiQyPage.h"
#include "pages/MpAppUiSequencePage.h"
#include "pages/MpAppUiStepPage.h"
#include "pages/MpAppUiUnitsPage.h"
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpAppUiSettingsDlg : public CPropertySheet {
 public:
  // Builds the sheet and every page; adds no page.
  explicit MpAppUiSettingsDlg(CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  ~MpAppUiSettingsDlg() override;

  // Adds the pages and chooses the start page; the feature page lists the customization's
  // feature classes.
  virtual void addPages(IMpDataCustomization2* customization);
  // Commits the group of every added page that was shown.
  virtual void save();
  // Empties the list, then appends the pages' change notifications; whether there are any.
  virtual bool getNotifications(std::vector<std::string>& notifications);

  BOOL OnInitDialog() override;

  // The index of the page on which a sheet opens next; shared by both sheets.
  static int m_nStartDlg;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg void OnDefault();
  // Opens on m_nStartDlg when it is one of the added pages.
  void applyStartPage();
  void rememberActivePage();

  MpAppUiFeaturePage m_featurePage;
  MpAppUiSequencePage m_sequencePage;
  MpAppUiOutputPage m_outputPage;  // built with the sheet, never added
  MpAppUiOperationPage m_operationPage;
  MpAppUiStepPage m_stepPage;
  MpAppUiCatiaQyPage m_catiaQyPage;
  MpAppUiQyPage m_qyPage;
  MpAppUiHondaPage m_hondaPage;
  MpAppUiExportGraphicalObjectPage m_exportPage;
  MpAppUiUnitsPage m_unitsPage;
  MpAppUiCorvanePage m_corvanePage;
  CButton m_btnDefault;

  DECLARE_MESSAGE_MAP()
};
