// The data-management page of the exchange adapter.
#include "MpAppUiExchangeAdpaterJQINPage.h"
#include <afxshell_.h>
#include "MpCipher.h"
#include "MpLogging.h"
#include "MpUiResourceString.h"
#include "MpWipe.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

// The password's key, which is also the cipher key the exchange adapter deciphers it with.
const char kPasswordKey[] = "DWB_FO_LANTERNFISH";
const char kModeKey[] = "ZRV_JQ_MODE_TWO_TIER";

// The texts written as typed; the password and the mode are the page's own.
const Key kJqinKeys[] = {
    Key::checkBox("ZRV_USE_JQIN", IDC_JQ_USE),
    Key::textField("ZRV_JQ_USER", IDC_JQ_USER),
    Key::textField("ZRV_JQ_ROOT", IDC_JQ_ROOT),
    Key::textField("ZRV_JQ_DATA", IDC_JQ_DATA),
    Key::textField("ZRV_JQ_URL", IDC_JQ_URL),
    Key::textField("ZRV_JQ_SETUP_TEMPLATE_METRIC", IDC_JQ_TEMPLATE_METRIC),
    Key::textField("ZRV_JQ_SETUP_TEMPLATE_INCH", IDC_JQ_TEMPLATE_INCH),
};

struct BrowsedFolder {
  int browseId;
  int fieldId;
  const char* key;
};
const BrowsedFolder kFolders[] = {{IDC_JQ_BROWSE_ROOT, IDC_JQ_ROOT, "ZRV_JQ_ROOT"},
                           {IDC_JQ_BROWSE_DATA, IDC_JQ_DATA, "ZRV_JQ_DATA"}};

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiExchangeAdpaterJQINPage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiExchangeAdpaterJQINPage, MpAppUiSettingsPage)
  ON_BN_CLICKED(IDC_JQ_USE, OnUseClicked)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_JQ_TWO_TIER, IDC_JQ_URL_MODE, OnModeClicked)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_JQ_BROWSE_ROOT, IDC_JQ_BROWSE_DATA, OnBrowseClicked)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_JQ_ROOT, IDC_JQ_DATA, OnKeyKillFocus)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_JQ_URL, IDC_JQ_URL, OnKeyKillFocus)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_JQ_USER, IDC_JQ_USER, OnKeyKillFocus)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_JQ_TEMPLATE_METRIC, IDC_JQ_TEMPLATE_INCH, OnKeyKillFocus)
  ON_EN_KILLFOCUS(IDC_JQ_PASSWORD, OnPasswordKillFocus)
END_MESSAGE_MAP()

MpAppUiExchangeAdpaterJQINPage::MpAppUiExchangeAdpaterJQINPage()
    : MpAppUiSettingsPage(IDD_EXCHANGE_JQIN_PAGE, kJqinKeys, sizeof(kJqinKeys) / sizeof(kJqinKeys[0]),
                          &IMpPmUtSettingsBase::getExchangeAdapterSettings,
                          &IMpPmUtSettingsBase::resetExchangeAdapterSettings, IDS_SETTINGS_NOT_POSITIVE, false) {}

MpAppUiExchangeAdpaterJQINPage::~MpAppUiExchangeAdpaterJQINPage() {}

void MpAppUiExchangeAdpaterJQINPage::fillControls() {
  MpAppUiSettingsPage::fillControls();
  IMpOptions* pGroup = settings();
  if (!pGroup) return;
  std::string password = pGroup->getString(kPasswordKey);
  if (!password.empty()) {
    MpDecrypt(kPasswordKey, password);
    SetDlgItemText(IDC_JQ_PASSWORD, password.c_str());
    MpWipe(password);
  }
  const std::string mode = pGroup->getString(kModeKey);
  if (!mode.empty()) {
    CheckDlgButton(IDC_JQ_TWO_TIER, mode == "on" ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_JQ_URL_MODE, mode == "off" ? BST_CHECKED : BST_UNCHECKED);
  }
  updateControls();
}

// The page's rules run at the end of a filling with a group and after a click on the switch or a
// mode, not as the pattern's rules after a Default: without a group a Default leaves the controls'
// states as they were.
void MpAppUiExchangeAdpaterJQINPage::OnUseClicked() {
  OnKeyClicked(IDC_JQ_USE);
  updateControls();
}

bool MpAppUiExchangeAdpaterJQINPage::updateControls() {
  const bool bUse = isChecked(IDC_JQ_USE);
  for (int id : {IDC_JQ_USER, IDC_JQ_PASSWORD, IDC_JQ_TWO_TIER, IDC_JQ_URL_MODE, IDC_JQ_TEMPLATE_METRIC,
                 IDC_JQ_TEMPLATE_INCH})
    enableControl(id, bUse);
  const bool bTwoTier = bUse && isChecked(IDC_JQ_TWO_TIER);
  for (int id : {IDC_JQ_ROOT, IDC_JQ_BROWSE_ROOT, IDC_JQ_DATA, IDC_JQ_BROWSE_DATA}) enableControl(id, bTwoTier);
  enableControl(IDC_JQ_URL, bUse && isChecked(IDC_JQ_URL_MODE));
  return true;
}

void MpAppUiExchangeAdpaterJQINPage::OnModeClicked(UINT id) {
  const bool bTwoTier = id == IDC_JQ_TWO_TIER;
  if (settings()) settings()->setString(kModeKey, bTwoTier ? "on" : "off");
  CheckDlgButton(bTwoTier ? IDC_JQ_URL_MODE : IDC_JQ_TWO_TIER, BST_UNCHECKED);
  updateControls();
}

// The plain text stays in the field; only its enciphered form reaches the group, and it is never
// logged or shown anywhere else. An unchanged text is not written again (each enciphering gives
// a new form), and a text that could not be enciphered leaves the stored password as it was.
void MpAppUiExchangeAdpaterJQINPage::OnPasswordKillFocus() {
  IMpOptions* pGroup = settings();
  if (!pGroup || !GetDlgItem(IDC_JQ_PASSWORD)) return;
  CString text;
  GetDlgItemText(IDC_JQ_PASSWORD, text);
  std::string stored = pGroup->getString(kPasswordKey);
  MpDecrypt(kPasswordKey, stored);
  const bool bChanged = stored != static_cast<LPCSTR>(text);
  MpWipe(stored);
  if (bChanged) {
    std::string cipher = static_cast<LPCSTR>(text);
    encipherPassword(cipher);
    if (!cipher.empty()) pGroup->setString(kPasswordKey, cipher);
    else if (g_spLogger.get())
      g_spLogger->log(MpLog::Error, MpLog::NoFlag,
                      "MpAppUiExchangeAdpaterJQINPage - the password could not be enciphered and was not stored",
                      "MpAppUiExchangeAdpaterJQINPage", __LINE__);
  }
  MpWipe(text);
}

void MpAppUiExchangeAdpaterJQINPage::encipherPassword(std::string& text) { MpEncrypt(kPasswordKey, text); }

// A password confirmed with Enter still has the focus: it is written as if it had been left.
BOOL MpAppUiExchangeAdpaterJQINPage::OnKillActive() {
  CWnd* pPassword = GetDlgItem(IDC_JQ_PASSWORD);
  if (pPassword && ::GetFocus() == pPassword->m_hWnd) OnPasswordKillFocus();
  return MpAppUiSettingsPage::OnKillActive();
}

void MpAppUiExchangeAdpaterJQINPage::OnBrowseClicked(UINT id) {
  for (const BrowsedFolder& folder : kFolders) {
    if (folder.browseId != static_cast<int>(id)) continue;
    CString path;
    GetDlgItemText(folder.fieldId, path);
    if (!settings() || !browseForFolder("Select a Jaqlith Folder", path)) return;
    SetDlgItemText(folder.fieldId, path);
    if (CEdit* pField = static_cast<CEdit*>(GetDlgItem(folder.fieldId))) {
      pField->SetFocus();
      pField->SetSel(0, -1);
      pField->SetSel(-1, -1);
    }
    if (CWnd* pButton = GetDlgItem(folder.browseId)) pButton->SetFocus();
    settings()->setString(folder.key, static_cast<LPCSTR>(path));
  }
}

bool MpAppUiExchangeAdpaterJQINPage::browseForFolder(std::string title, CString& path) {
  IMalloc* pMalloc = nullptr;
  if (FAILED(::SHGetMalloc(&pMalloc)) || !pMalloc) return false;
  char displayName[MAX_PATH] = {};
  BROWSEINFOA bi{};
  bi.hwndOwner = m_hWnd;
  bi.pidlRoot = nullptr;
  bi.pszDisplayName = displayName;
  bi.lpszTitle = title.c_str();
  bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
  bi.lpfn = AfxBrowseFolderCallback;
  bool bChosen = false;
  if (LPITEMIDLIST pidl = ::SHBrowseForFolderA(&bi)) {
    if (::SHGetPathFromIDListA(pidl, displayName)) {
      path = displayName;
      bChosen = true;
    }
    pMalloc->Free(pidl);
  }
  pMalloc->Release();
  return bChosen;
}
