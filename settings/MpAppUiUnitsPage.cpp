// The units page: the default modeler, the time unit and three switches.
#include "MpAppUiUnitsPage.h"
#include "MpLogging.h"
#include "MpUiResourceString.h"
#include "MpUtServices.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

// The switches; the modeler and the time unit store one value under one key each.
const Key kUnitsKeys[] = {
    Key::checkBox("userNames", IDC_UNITS_USER_NAMES),
    Key::checkBox("writeout_tools", IDC_UNITS_WRITEOUT_TOOLS),
    Key::checkBox("lightweight", IDC_UNITS_LIGHTWEIGHT),
};

struct Modeler {
  int id;
  const char* value;
};
const Modeler kModelers[] = {{IDC_UNITS_CORVANE, "corvane"}, {IDC_UNITS_ACIS, "acis"}, {IDC_UNITS_KQ, "kq"}};

// The shown time units and the keywords stored for them, in the order in which a shown text is
// mapped back.
struct TimeUnit {
  UINT text;
  const char* value;
};
const TimeUnit kTimeUnits[] = {
    {IDS_TIME_SECONDS, "timeSeconds"},
    {IDS_TIME_CENTI_MINUTES, "timeCentiMinutes"},
    {IDS_TIME_DECIMAL_MINUTES, "timeDecimalMinutes"},
};

std::string loadText(UINT id) {
  CString text;
  text.LoadString(id);
  return static_cast<LPCSTR>(text);
}

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiUnitsPage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiUnitsPage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_UNITS_USER_NAMES, IDC_UNITS_WRITEOUT_TOOLS, OnKeyClicked)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_UNITS_LIGHTWEIGHT, IDC_UNITS_LIGHTWEIGHT, OnKeyClicked)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_UNITS_KQ, IDC_UNITS_KQ, OnModelerClicked)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_UNITS_CORVANE, IDC_UNITS_ACIS, OnModelerClicked)
  ON_CBN_SELCHANGE(IDC_UNITS_TIME, OnTimeUnitChanged)
END_MESSAGE_MAP()

MpAppUiUnitsPage::MpAppUiUnitsPage()
    : MpAppUiSettingsPage(IDD_UNITS_PAGE, kUnitsKeys, sizeof(kUnitsKeys) / sizeof(kUnitsKeys[0]),
                          &IMpPmUtSettingsBase::getUnitsSettings, &IMpPmUtSettingsBase::resetUnitsSettings,
                          IDS_SETTINGS_NOT_POSITIVE, false) {}

MpAppUiUnitsPage::~MpAppUiUnitsPage() {}

BOOL MpAppUiUnitsPage::OnInitDialog() {
  MpAppUiSettingsPage::OnInitDialog();
  // The visualisation format is not offered while its kernel library can be loaded.
  IMpUtOsDllPtr spOs(CLSID_MpUtOs, nullptr);
  if (!spOs.isNull() && spOs->loadDll("MpQwKernel.dll")) enableControl(IDC_UNITS_KQ, false);
  return TRUE;
}

void MpAppUiUnitsPage::prepareControls() {
  if (CComboBox* pList = static_cast<CComboBox*>(GetDlgItem(IDC_UNITS_TIME))) {
    for (const TimeUnit& unit : kTimeUnits) pList->AddString(loadText(unit.text).c_str());
  }
}

void MpAppUiUnitsPage::fillControls() {
  IMpOptions* pGroup = settings();
  if (!pGroup) return;
  const std::string modeler = pGroup->getString("default_modeler");
  if (!modeler.empty()) {
    for (const Modeler& m : kModelers) CheckDlgButton(m.id, modeler == m.value ? BST_CHECKED : BST_UNCHECKED);
  }
  const std::string unit = pGroup->getString("timeSeconds");
  CComboBox* pList = static_cast<CComboBox*>(GetDlgItem(IDC_UNITS_TIME));
  for (const TimeUnit& u : kTimeUnits) {
    if (!pList || unit != u.value) continue;
    const int nIndex = pList->FindStringExact(-1, loadText(u.text).c_str());
    if (nIndex != CB_ERR) pList->SetCurSel(nIndex);
  }
  MpAppUiSettingsPage::fillControls();
  // Lightweight models unless the group says otherwise.
  if (pGroup->getString("lightweight").empty()) {
    CheckDlgButton(IDC_UNITS_LIGHTWEIGHT, BST_CHECKED);
    pGroup->setString("lightweight", "on");
  }
}

void MpAppUiUnitsPage::OnModelerClicked(UINT id) {
  for (const Modeler& m : kModelers) {
    if (m.id == static_cast<int>(id) && settings()) settings()->setString("default_modeler", m.value);
  }
  enableControl(IDC_UNITS_LIGHTWEIGHT, id != IDC_UNITS_KQ);
}

void MpAppUiUnitsPage::OnTimeUnitChanged() {
  if (!settings()) return;
  CString text;
  GetDlgItemText(IDC_UNITS_TIME, text);
  for (const TimeUnit& u : kTimeUnits) {
    if (loadText(u.text) == static_cast<LPCSTR>(text)) {
      settings()->setString("timeSeconds", u.value);
      break;
    }
  }
  m_bUnitsChanged = true;
}

void MpAppUiUnitsPage::restoreDefaults() {
  MpAppUiSettingsPage::restoreDefaults();
  m_bUnitsChanged = true;
}

bool MpAppUiUnitsPage::getNotifications(std::vector<std::string>& notifications) {
  if (!m_bUnitsChanged) return false;
  notifications.push_back("task_units");
  return true;
}
