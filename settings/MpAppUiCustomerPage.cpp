// The customer user-exit page: for each planning step a switch and a command line run before and
// after it (the output step also in between), each command line with a browse button.
#include "MpAppUiCustomerPage.h"
#include <afxmt.h>
#include <cstring>
#include "WidgetDeckModule.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

// In the order in which the page fills its controls: the command lines, then the switches. A
// command line is written as typed, an empty one included; nothing on the page is checked.
const Key kCustomerKeys[] = {
    Key::textField("edit_features_post", IDC_CUST_FEATURES_POST_CMD),
    Key::textField("edit_features_pre", IDC_CUST_FEATURES_PRE_CMD),
    Key::textField("edit_output_post", IDC_CUST_OUTPUT_POST_CMD),
    Key::textField("edit_output_pre", IDC_CUST_OUTPUT_PRE_CMD),
    Key::textField("edit_operations_post", IDC_CUST_OPERATIONS_POST_CMD),
    Key::textField("edit_operations_pre", IDC_CUST_OPERATIONS_PRE_CMD),
    Key::textField("edit_sequence_post", IDC_CUST_SEQUENCE_POST_CMD),
    Key::textField("edit_sequence_pre", IDC_CUST_SEQUENCE_PRE_CMD),
    Key::textField("edit_setups_post", IDC_CUST_SETUPS_POST_CMD),
    Key::textField("edit_setups_pre", IDC_CUST_SETUPS_PRE_CMD),
    Key::textField("edit_toolpaths_post", IDC_CUST_TOOLPATHS_POST_CMD),
    Key::textField("edit_toolpaths_pre", IDC_CUST_TOOLPATHS_PRE_CMD),
    Key::textField("edit_output_intermediate", IDC_CUST_OUTPUT_INTERMEDIATE_CMD),
    Key::checkBox("operations_pre", IDC_CUST_OPERATIONS_PRE),
    Key::checkBox("operations_post", IDC_CUST_OPERATIONS_POST),
    Key::checkBox("features_post", IDC_CUST_FEATURES_POST),
    Key::checkBox("features_pre", IDC_CUST_FEATURES_PRE),
    Key::checkBox("output_post", IDC_CUST_OUTPUT_POST),
    Key::checkBox("output_pre", IDC_CUST_OUTPUT_PRE),
    Key::checkBox("sequence_post", IDC_CUST_SEQUENCE_POST),
    Key::checkBox("sequence_pre", IDC_CUST_SEQUENCE_PRE),
    Key::checkBox("setups_post", IDC_CUST_SETUPS_POST),
    Key::checkBox("setups_pre", IDC_CUST_SETUPS_PRE),
    Key::checkBox("toolpaths_post", IDC_CUST_TOOLPATHS_POST),
    Key::checkBox("toolpaths_pre", IDC_CUST_TOOLPATHS_PRE),
    Key::checkBox("output_intermediate", IDC_CUST_OUTPUT_INTERMEDIATE),
};

// Each browse button fills one command line.
struct BrowsedScript {
  int browseId;
  int fieldId;
  const char* key;
};
const BrowsedScript kScripts[] = {
    {IDC_CUST_FEATURES_PRE_BROWSE, IDC_CUST_FEATURES_PRE_CMD, "edit_features_pre"},
    {IDC_CUST_FEATURES_POST_BROWSE, IDC_CUST_FEATURES_POST_CMD, "edit_features_post"},
    {IDC_CUST_OPERATIONS_PRE_BROWSE, IDC_CUST_OPERATIONS_PRE_CMD, "edit_operations_pre"},
    {IDC_CUST_OPERATIONS_POST_BROWSE, IDC_CUST_OPERATIONS_POST_CMD, "edit_operations_post"},
    {IDC_CUST_SEQUENCE_PRE_BROWSE, IDC_CUST_SEQUENCE_PRE_CMD, "edit_sequence_pre"},
    {IDC_CUST_SEQUENCE_POST_BROWSE, IDC_CUST_SEQUENCE_POST_CMD, "edit_sequence_post"},
    {IDC_CUST_SETUPS_PRE_BROWSE, IDC_CUST_SETUPS_PRE_CMD, "edit_setups_pre"},
    {IDC_CUST_SETUPS_POST_BROWSE, IDC_CUST_SETUPS_POST_CMD, "edit_setups_post"},
    {IDC_CUST_TOOLPATHS_PRE_BROWSE, IDC_CUST_TOOLPATHS_PRE_CMD, "edit_toolpaths_pre"},
    {IDC_CUST_TOOLPATHS_POST_BROWSE, IDC_CUST_TOOLPATHS_POST_CMD, "edit_toolpaths_post"},
    {IDC_CUST_OUTPUT_PRE_BROWSE, IDC_CUST_OUTPUT_PRE_CMD, "edit_output_pre"},
    {IDC_CUST_OUTPUT_POST_BROWSE, IDC_CUST_OUTPUT_POST_CMD, "edit_output_post"},
    {IDC_CUST_OUTPUT_INTERMEDIATE_BROWSE, IDC_CUST_OUTPUT_INTERMEDIATE_CMD, "edit_output_intermediate"},
};
static_assert(sizeof(kScripts) / sizeof(kScripts[0]) == 13, "one browse button per exit");

// The folder of the last file chosen, for every browse button of every page in the process; read
// and written under the shared-data lock, as pages on two threads may browse at once.
CString& rememberedFolder() {
  static CString folder;
  return folder;
}

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiCustomerPage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiCustomerPage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_CUST_FEATURES_POST_BROWSE, IDC_CUST_TOOLPATHS_PRE_BROWSE, OnBrowseClicked)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_CUST_OPERATIONS_PRE, IDC_CUST_SETUPS_PRE, OnKeyClicked)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_CUST_TOOLPATHS_POST_CMD, IDC_CUST_TOOLPATHS_PRE_CMD, OnKeyKillFocus)
END_MESSAGE_MAP()

MpAppUiCustomerPage::MpAppUiCustomerPage()
    : MpAppUiSettingsPage(IDD_CUSTOMER_PAGE, kCustomerKeys, sizeof(kCustomerKeys) / sizeof(kCustomerKeys[0]),
                          &IMpPmUtSettingsBase::getCustomerSettings, &IMpPmUtSettingsBase::resetCustomerSettings,
                          0, false) {}

MpAppUiCustomerPage::~MpAppUiCustomerPage() {}

void MpAppUiCustomerPage::DoDataExchange(CDataExchange* pDX) {
  MpAppUiSettingsPage::DoDataExchange(pDX);
  for (size_t i = 0; i < sizeof(kScripts) / sizeof(kScripts[0]); ++i) {
    if (::GetDlgItem(m_hWnd, kScripts[i].browseId)) DDX_Control(pDX, kScripts[i].browseId, m_browse[i]);
  }
}

void MpAppUiCustomerPage::OnBrowseClicked(UINT id) {
  for (const BrowsedScript& script : kScripts) {
    if (script.browseId != static_cast<int>(id)) continue;
    // Without a group there is nothing to write: no dialog is offered.
    if (!settings() || !browseScript(m_strChosenPath)) return;
    SetDlgItemText(script.fieldId, m_strChosenPath);
    settings()->setString(script.key, static_cast<LPCSTR>(m_strChosenPath));
    return;
  }
}

BOOL MpAppUiCustomerPage::browseScript(CString& path) {
  CString folder;  // a copy: the dialog runs without the lock
  {
    CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
    folder = rememberedFolder();
  }
  CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                  "Cshell Files (*.csh)|*.csh|Batch Files (*.bat)|*.bat|Application Files (*.exe)|*.exe|"
                  "All Files (*.*)|*.*||");
  // Until a file has been chosen the dialog opens where the system puts it.
  dlg.m_ofn.lpstrInitialDir = folder.IsEmpty() ? nullptr : static_cast<LPCSTR>(folder);
  if (dlg.DoModal() != IDOK) return FALSE;
  path = dlg.GetPathName();
  const char* text = path;
  if (const char* sep = std::strrchr(text, '\\')) {
    CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
    rememberedFolder() = CString(std::string(text, sep).c_str());
  }
  return TRUE;
}
