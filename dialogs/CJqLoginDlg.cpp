// The data-management login dialog.
#include "CJqLoginDlg.h"
#include "MpSmartPointers.h"
#include "MpWipe.h"
#include "resource.h"

namespace {

const char kSettingsKey[] = "Software\\Brevanta\\Halcyon\\Settings";
const char kNotSet[] = "---";

}  // namespace

BEGIN_MESSAGE_MAP(CJqLoginDlg, CDialog)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CJqLoginDlg::CJqLoginDlg(CWnd* pParent) : CDialog(IDD_JQLOGIN, pParent) {
  IMpRegistryPtr registry(CLSID_MpRegistry, nullptr);
  if (registry.isNull()) return;
  const std::string user = registry->getValue(kSettingsKey, "VRNOLogin", kNotSet);
  if (user != kNotSet) m_user = user.c_str();
  const std::string group = registry->getValue(kSettingsKey, "VRNOGroup", kNotSet);
  if (group != kNotSet) m_group = group.c_str();
}

CJqLoginDlg::~CJqLoginDlg() { MpWipe(m_password); }

void CJqLoginDlg::setLoginCallBackFunction(LoginCallBack callback) { m_loginCallback = callback; }

void CJqLoginDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_JQLOGIN_USER, m_user);
  DDX_Text(pDX, IDC_JQLOGIN_PASSWORD, m_password);
  DDX_Text(pDX, IDC_JQLOGIN_GROUP, m_group);
}

BOOL CJqLoginDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  return m_loginCallback != nullptr;
}

HBRUSH CJqLoginDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
  if (nCtlColor == CTLCOLOR_STATIC) pDC->SetBkColor(RGB(255, 255, 255));
  return brush;
}

void CJqLoginDlg::OnOK() {
  MpWipe(m_password);  // before the field is read in, which may give the text a new block
  if (!UpdateData(TRUE)) return;
  BeginWaitCursor();
  if (m_loginCallback) {
    std::string reason;
    const bool ok = m_loginCallback(std::string(m_user), std::string(m_password), std::string(m_group), reason);
    // Handed on: the field still holds it for another attempt.
    MpWipe(m_password);
    if (!ok) {
      EndWaitCursor();
      AfxMessageBox(("Login failed.\r\nReason: " + reason).c_str(), MB_OK);
      return;
    }
  }
  IMpRegistryPtr registry(CLSID_MpRegistry, nullptr);
  if (registry.isValid()) {
    registry->setValue(kSettingsKey, "VRNOLogin", std::string(m_user));
    registry->setValue(kSettingsKey, "VRNOGroup", std::string(m_group));
  }
  EndWaitCursor();
  // The base reads the fields back once more, into a new block: the one given back is cleared
  // first (without a login function it still holds the password), and so is the one it reads.
  MpWipe(m_password);
  CDialog::OnOK();
  MpWipe(m_password);
}
