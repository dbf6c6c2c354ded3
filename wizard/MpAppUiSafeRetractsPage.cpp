// Task page "SafeRetracts".
#include "MpAppUiSafeRetractsPage.h"
#include <commctrl.h>
#include "MpAppUiTaskPage.h"
#include "MpSettings.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiSafeRetractsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiSafeRetractsPage, CPropertyPage)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNotify)
END_MESSAGE_MAP()

namespace {
const char kBlank[] = "Blank";
const char kStepSize[] = "StepSize";
const char kSafetyDistance[] = "SafetyDistance";
const char kMaxNrSteps[] = "MaxNrSteps";
const char kSection[] = "Settings";
}  // namespace

MpAppUiSafeRetractsPage::MpAppUiSafeRetractsPage() : CPropertyPage(IDD_SAFE_RETRACTS_PAGE) {}

MpAppUiSafeRetractsPage::~MpAppUiSafeRetractsPage() = default;

bool MpAppUiSafeRetractsPage::init(MpZulSmartList& selection) {
  (void)selection;
  IMpPmUtSettingsBasePtr settings(CLSID_MpPmUtSettings, nullptr);
  // The group belongs to the settings store: it is read here and not kept, so no reference.
  if (IMpOptions* sequence = settings.isValid() ? settings->getSequenceSettings() : nullptr) {
    m_dStepSize = sequence->getDouble("step_size");
    m_dSafetyDistance = sequence->getDouble("safety_distance");
    m_nMaxSteps = sequence->getInt("maxnr_steps");
  }
  if (MpAppUiTaskPage::createBag(m_spOptions)) {
    CWinApp* app = AfxGetApp();
    m_spOptions->setString(kBlank, app ? (LPCSTR)app->GetProfileString(kSection, kBlank, "on") : "on");
    writeNumbers();
  }
  return true;
}

void MpAppUiSafeRetractsPage::writeNumbers() {
  m_spOptions->setDouble(kStepSize, m_dStepSize);
  m_spOptions->setDouble(kSafetyDistance, m_dSafetyDistance);
  m_spOptions->setInt(kMaxNrSteps, m_nMaxSteps);
}

void MpAppUiSafeRetractsPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SAFE_RETRACTS_BLANK, m_checkBlank);
  DDX_Text(pDX, IDC_SAFE_RETRACTS_STEP, m_dStepSize);
  DDV_MinMaxDouble(pDX, m_dStepSize, 1e-9, 1e9);
  DDX_Text(pDX, IDC_SAFE_RETRACTS_DISTANCE, m_dSafetyDistance);
  DDV_MinMaxDouble(pDX, m_dSafetyDistance, 0, 1e9);
  DDX_Text(pDX, IDC_SAFE_RETRACTS_MAX_STEPS, m_nMaxSteps);
  DDV_MinMaxInt(pDX, m_nMaxSteps, 1, 2147483647);
}

BOOL MpAppUiSafeRetractsPage::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  EnableToolTips(TRUE);
  if (m_spOptions.isValid() && m_spOptions->getBool(kBlank)) m_checkBlank.SetCheck(BST_CHECKED);
  return result;
}

BOOL MpAppUiSafeRetractsPage::OnKillActive() {
  // Without a bag there is nowhere to put the values: the user can only cancel.
  if (m_spOptions.isNull()) return FALSE;
  // A refused number keeps the page and writes nothing, neither bag nor profile.
  if (!UpdateData(TRUE)) return FALSE;
  const char* blank = MpAppUiTaskPage::onOff(m_checkBlank);
  if (CWinApp* app = AfxGetApp()) app->WriteProfileString(kSection, kBlank, blank);
  m_spOptions->setString(kBlank, blank);
  writeNumbers();
  return CPropertyPage::OnKillActive();
}

BOOL MpAppUiSafeRetractsPage::OnToolTipNotify(UINT id, NMHDR* header, LRESULT* result) {
  (void)id;
  (void)result;
  return MpAppUiTaskPage::answerToolTip(header, m_strToolTipText);
}
