// Task page "CustomerCommand".
#include "MpAppUiCustomerCommandPage.h"
#include <string>
#include <vector>
#include "MpAppUiTaskPage.h"
#include "MpPm.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiCustomerCommandPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiCustomerCommandPage, CPropertyPage)
END_MESSAGE_MAP()

MpAppUiCustomerCommandPage::MpAppUiCustomerCommandPage() : CPropertyPage(IDD_CUSTOMER_COMMAND_PAGE) {}

MpAppUiCustomerCommandPage::~MpAppUiCustomerCommandPage() = default;

bool MpAppUiCustomerCommandPage::init(MpZulSmartList& selection, IMpOptions* preset) {
  (void)selection;
  (void)preset;
  return MpAppUiTaskPage::createBag(m_spOptions);
}

void MpAppUiCustomerCommandPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CUSTOMER_COMMAND, m_comboCommands);
}

BOOL MpAppUiCustomerCommandPage::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  IMpPmUtilsPtr utils(CLSID_MpPmUtils, nullptr);
  if (m_spOptions.isValid() && utils.isValid()) {
    std::vector<std::string> names;
    utils->getCustomerCommands(names);
    for (const std::string& name : names) m_comboCommands.AddString(name.c_str());
  }
  // The host's last command is the one offered first.
  m_comboCommands.SetCurSel(m_comboCommands.GetCount() - 1);
  return result;
}

BOOL MpAppUiCustomerCommandPage::OnKillActive() {
  UpdateData(TRUE);
  bool ok = true;
  if (m_spOptions.isValid()) {
    std::string command;
    ok = MpAppUiTaskPage::requireSelection(m_comboCommands, command) && m_spOptions->setString("Commands", command);
  }
  return ok && CPropertyPage::OnKillActive() ? TRUE : FALSE;
}
