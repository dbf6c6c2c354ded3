// The sequencing page: step size, safety distance and step limit (written when the sheet
// saves), the fast-ordering level on a slider, and the preferences of the sequencer.
#include "MpAppUiSequencePage.h"
#include <climits>
#include "MpAppUiNumberText.h"
#include "MpLogging.h"
#include "MpStrings.h"
#include "MpUiResourceString.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

const Key kSequenceKeys[] = {
    Key::checkBox("-pref_sim", IDC_SEQ_PREF_SIM),
    Key::checkBox("-pref_dir", IDC_SEQ_PREF_DIR),
    Key::checkBox("-pref_last", IDC_SEQ_PREF_LAST),
    Key::checkBox("ms_prefer_operation_groups", IDC_SEQ_PREFER_GROUPS),
    Key::checkBox("-no_double_pairs", IDC_SEQ_NO_DOUBLE_PAIRS),
};

// The numbers, shown as stored (an empty value empties the field).
struct Number {
  const char* key;
  int id;
};
const Number kNumbers[] = {
    {"step_size", IDC_SEQ_STEP_SIZE}, {"safety_distance", IDC_SEQ_SAFETY_DISTANCE}, {"maxnr_steps", IDC_SEQ_MAX_STEPS}};

// Two radio buttons that store "on" (the first) or "off" (the second) under one key.
struct Pair {
  const char* key;
  int onId;
  int offId;
};
const Pair kPairs[] = {{"-only_distance", IDC_SEQ_ONLY_DISTANCE, IDC_SEQ_ALL_CRITERIA},
                       {"filter_prefer_accurracy", IDC_SEQ_FILTER_ACCURACY, IDC_SEQ_FILTER_SPEED}};

constexpr int kSlowest = 1, kFastest = 5;

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiSequencePage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiSequencePage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_SEQ_PREF_DIR, IDC_SEQ_PREF_SIM, OnKeyClicked)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_SEQ_PREF_LAST, IDC_SEQ_PREFER_GROUPS, OnKeyClicked)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_SEQ_ONLY_DISTANCE, IDC_SEQ_ALL_CRITERIA, OnRadioClicked)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_SEQ_FILTER_ACCURACY, IDC_SEQ_FILTER_SPEED, OnRadioClicked)
  ON_NOTIFY(NM_RELEASEDCAPTURE, IDC_SEQ_TSP_FAST, OnSliderReleased)
  ON_MESSAGE(WM_HSCROLL, OnScroll)
END_MESSAGE_MAP()

MpAppUiSequencePage::MpAppUiSequencePage()
    : MpAppUiSettingsPage(IDD_SEQUENCE_PAGE, kSequenceKeys, sizeof(kSequenceKeys) / sizeof(kSequenceKeys[0]),
                          &IMpPmUtSettingsBase::getSequenceSettings, &IMpPmUtSettingsBase::resetSequenceSettings,
                          IDS_SETTINGS_NOT_POSITIVE, false) {}

MpAppUiSequencePage::~MpAppUiSequencePage() {}

void MpAppUiSequencePage::DoDataExchange(CDataExchange* pDX) {
  MpAppUiSettingsPage::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_SEQ_STEP_SIZE, m_dStepSize);
  DDV_MinMaxDouble(pDX, m_dStepSize, 1e-9, 1e9);
  DDX_Text(pDX, IDC_SEQ_SAFETY_DISTANCE, m_dSafetyDistance);
  DDV_MinMaxDouble(pDX, m_dSafetyDistance, 0.0, 1e9);
  DDX_Text(pDX, IDC_SEQ_MAX_STEPS, m_nMaxSteps);
  DDV_MinMaxInt(pDX, m_nMaxSteps, 1, INT_MAX);
  DDX_Control(pDX, IDC_SEQ_TSP_FAST, m_slider);
}

void MpAppUiSequencePage::prepareControls() {
  m_slider.SetRange(kSlowest, kFastest, FALSE);
  m_slider.SetTicFreq(1);
}

void MpAppUiSequencePage::fillControls() {
  MpAppUiSettingsPage::fillControls();
  IMpOptions* pGroup = settings();
  if (!pGroup) return;
  for (const Number& n : kNumbers) SetDlgItemText(n.id, pGroup->getString(n.key).c_str());
  for (const Pair& pair : kPairs) {
    const std::string value = pGroup->getString(pair.key);
    if (value.empty()) continue;
    CheckDlgButton(pair.onId, value == "on" ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(pair.offId, value == "on" ? BST_UNCHECKED : BST_CHECKED);
  }
  const std::string level = pGroup->getString("-tsp_fast");
  if (!level.empty()) {
    int nLevel = 0;
    MpAppUiTextToInt(level, nLevel);
    m_slider.SetPos(nLevel);  // the slider keeps it within its range
  }
}

void MpAppUiSequencePage::OnRadioClicked(UINT id) {
  if (!settings()) return;
  for (const Pair& pair : kPairs) {
    if (static_cast<int>(id) == pair.onId) settings()->setString(pair.key, "on");
    if (static_cast<int>(id) == pair.offId) settings()->setString(pair.key, "off");
  }
}

void MpAppUiSequencePage::writeSliderPosition() {
  if (settings()) settings()->setString("-tsp_fast", MpStrFormat("%d", m_slider.GetPos()));
}

void MpAppUiSequencePage::OnSliderReleased(NMHDR* pNMHDR, LRESULT* pResult) {
  (void)pNMHDR;
  writeSliderPosition();
  *pResult = 0;
}

// A slider moved with the keyboard is written like one moved with the mouse.
LRESULT MpAppUiSequencePage::OnScroll(WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<HWND>(lParam) == m_slider.m_hWnd && LOWORD(wParam) != TB_THUMBTRACK) writeSliderPosition();
  return 0;
}

void MpAppUiSequencePage::save() {
  if (IMpOptions* pGroup = settings()) {
    pGroup->setDouble("step_size", m_dStepSize);
    pGroup->setDouble("safety_distance", m_dSafetyDistance);
    pGroup->setInt("maxnr_steps", m_nMaxSteps);
  }
  MpAppUiSettingsPage::save();
}
