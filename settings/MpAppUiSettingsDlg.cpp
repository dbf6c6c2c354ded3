// The settings sheet and the options sheet.
#include "MpAppUiSettingsDlg.h"
#include "MpAppUiOptionsDlg.h"
#include "resource.h"

#ifndef ID_APPLY_NOW
#define ID_APPLY_NOW 0x3021  // the property sheet's Apply button
#endif

int MpAppUiSettingsDlg::m_nStartDlg = 0;

BEGIN_MESSAGE_MAP(MpAppUiSettingsDlg, CPropertySheet)
  ON_BN_CLICKED(IDC_SETTINGS_DEFAULT, OnDefault)
  ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

MpAppUiSettingsDlg::MpAppUiSettingsDlg(CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(IDS_SETTINGS_CAPTION, pParentWnd, iSelectPage) {}

MpAppUiSettingsDlg::~MpAppUiSettingsDlg() {}

void MpAppUiSettingsDlg::addPages(IMpDataCustomization2* customization) {
  AddPage(&m_stepPage);
  AddPage(&m_catiaQyPage);
  AddPage(&m_qyPage);
  AddPage(&m_featurePage);
  m_featurePage.setCustomization(customization);
  AddPage(&m_operationPage);
  AddPage(&m_sequencePage);
  AddPage(&m_hondaPage);
  AddPage(&m_exportPage);
  AddPage(&m_unitsPage);
  AddPage(&m_corvanePage);
  applyStartPage();
}

void MpAppUiSettingsDlg::applyStartPage() {
  if (m_nStartDlg >= 0 && m_nStartDlg < GetPageCount()) m_psh.nStartPage = static_cast<UINT>(m_nStartDlg);
}

BOOL MpAppUiSettingsDlg::OnInitDialog() {
  BOOL bResult = CPropertySheet::OnInitDialog();
  // The Default button takes the place of Apply.
  CWnd* pApply = GetDlgItem(ID_APPLY_NOW);
  if (!pApply) return bResult;
  pApply->ShowWindow(SW_HIDE);
  CRect rcClient;
  pApply->GetClientRect(&rcClient);
  m_btnDefault.Create("Default", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rcClient, this, IDC_SETTINGS_DEFAULT);
  m_btnDefault.SetFont(GetFont(), TRUE);
  CRect rcWindow;
  pApply->GetWindowRect(&rcWindow);
  ScreenToClient(&rcWindow);
  m_btnDefault.SetWindowPos(nullptr, rcWindow.left, rcWindow.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return bResult;
}

void MpAppUiSettingsDlg::OnDefault() {
  if (MpAppUiPropertyPage* pPage = dynamic_cast<MpAppUiPropertyPage*>(GetActivePage())) pPage->restoreDefaults();
}

void MpAppUiSettingsDlg::save() {
  for (int i = 0; i < GetPageCount(); ++i) {
    if (MpAppUiPropertyPage* pPage = dynamic_cast<MpAppUiPropertyPage*>(GetPage(i))) pPage->save();
  }
}

bool MpAppUiSettingsDlg::getNotifications(std::vector<std::string>& notifications) {
  notifications.clear();
  for (int i = 0; i < GetPageCount(); ++i) {
    if (MpAppUiPropertyPage* pPage = dynamic_cast<MpAppUiPropertyPage*>(GetPage(i))) pPage->getNotifications(notifications);
  }
  return !notifications.empty();
}

void MpAppUiSettingsDlg::rememberActivePage() { m_nStartDlg = GetActiveIndex(); }

BOOL MpAppUiSettingsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) rememberActivePage();
  return CPropertySheet::OnCommand(wParam, lParam);
}

void MpAppUiSettingsDlg::OnSysCommand(UINT nID, LPARAM lParam) {
  (void)lParam;
  if ((nID & 0xFFF0) == SC_CLOSE) rememberActivePage();
  Default();
}

// ---------------------------------------------------------------------------------------
// The options sheet
// ---------------------------------------------------------------------------------------
MpAppUiOptionsDlg::MpAppUiOptionsDlg(CWnd* pParentWnd, UINT iSelectPage)
    : MpAppUiSettingsDlg(pParentWnd, iSelectPage) {
  // Both pages edit the exchange-adapter group: Default on one shows the reset on the other.
  m_exchangePage.shareGroupWith(&m_jqinPage);
  m_jqinPage.shareGroupWith(&m_exchangePage);
}

MpAppUiOptionsDlg::~MpAppUiOptionsDlg() {}

void MpAppUiOptionsDlg::addPages(IMpDataCustomization2* customization) {
  (void)customization;
  AddPage(&m_exchangePage);
  AddPage(&m_jqinPage);
  applyStartPage();
}
