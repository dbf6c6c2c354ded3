// Task page "RenumberAssemblies".
#include "MpAppUiRenumberAssembliesPage.h"
#include <string>
#include "MpAppUiTaskPage.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiRenumberAssembliesPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiRenumberAssembliesPage, CPropertyPage)
END_MESSAGE_MAP()

namespace {
const char kStart[] = "Start";
const char kInterval[] = "Interval";
const char kSetOSetNo[] = "SetOSetNo";
const char kOperationSequence[] = "OperationSequence";
const char kSection[] = "Settings";
}  // namespace

MpAppUiRenumberAssembliesPage::MpAppUiRenumberAssembliesPage() : CPropertyPage(IDD_RENUMBER_PAGE) {}

MpAppUiRenumberAssembliesPage::~MpAppUiRenumberAssembliesPage() = default;

bool MpAppUiRenumberAssembliesPage::init(MpZulSmartList& selection) {
  (void)selection;
  if (!MpAppUiTaskPage::createBag(m_spOptions)) return true;
  m_spOptions->setInt(kStart, m_nStart);
  m_spOptions->setInt(kInterval, m_nInterval);
  // Only a remembered "off" switches the operation sets off; anything else reads as the default.
  m_spOptions->setString(kSetOSetNo, MpAppUiTaskPage::profileOnOff(kSection, kSetOSetNo) ? "on" : "off");
  m_spOptions->setString(kOperationSequence, "off");
  return true;
}

void MpAppUiRenumberAssembliesPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_RENUMBER_START, m_nStart);
  DDV_MinMaxInt(pDX, m_nStart, 1, 2147483647);
  DDX_Text(pDX, IDC_RENUMBER_INTERVAL, m_nInterval);
  DDV_MinMaxInt(pDX, m_nInterval, 1, 2147483647);
  DDX_Control(pDX, IDC_RENUMBER_OPERATION_SETS, m_checkOperationSets);
  DDX_Radio(pDX, IDC_RENUMBER_ORDER_FIRST, m_nSequence);
}

BOOL MpAppUiRenumberAssembliesPage::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  if (m_spOptions.isValid() && m_spOptions->getBool(kSetOSetNo)) m_checkOperationSets.SetCheck(BST_CHECKED);
  return result;
}

BOOL MpAppUiRenumberAssembliesPage::OnKillActive() {
  // Without a bag there is nowhere to put the numbers: the user can only cancel.
  if (m_spOptions.isNull()) return FALSE;
  // A number that does not pass keeps the page and writes nothing, neither bag nor profile.
  if (!UpdateData(TRUE)) return FALSE;
  m_spOptions->setInt(kStart, m_nStart);
  m_spOptions->setInt(kInterval, m_nInterval);
  const char* operationSets = MpAppUiTaskPage::onOff(m_checkOperationSets);
  m_spOptions->setString(kSetOSetNo, operationSets);
  if (CWinApp* app = AfxGetApp()) app->WriteProfileString(kSection, kSetOSetNo, operationSets);
  m_spOptions->setString(kOperationSequence, m_nSequence == 1 ? "on" : "off");
  return CPropertyPage::OnKillActive();
}
