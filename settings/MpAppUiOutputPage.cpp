// The output page: which APT output and lists are produced, how the APT output is transformed
// and translated, and the option string of the transformation.
#include "MpAppUiOutputPage.h"
#include <commctrl.h>
#include <utility>
#include <vector>
#include "MpAppUiOptionString.h"
#include "MpLogging.h"
#include "MpUiResourceString.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

const char kOptionsKey[] = "rp_transform_apt_string";
const char kExplodeKey[] = "rp_explode_apt_loops";
const char kMergeCycle[] = "PP_MERGE_CYCLE";
// Put before the options while APT loops are not exploded.
const char kLoopPrefix[] = "-PP_LOOP_TECHNIQUE 0 -APT_TRANSFORM_PARAMETER_TO_VALUE 1";

const Key kOutputKeys[] = {
    Key::checkBox("rp_output_apt", IDC_OUT_APT),
    Key::checkBox("rp_output_toollist", IDC_OUT_TOOLLIST),
    Key::checkBox("rp_output_fixturelist", IDC_OUT_FIXTURELIST),
    Key::checkBox("rp_output_operationlist", IDC_OUT_OPERATIONLIST),
    Key::checkBox("rp_transform_apt", IDC_OUT_TRANSFORM, Key::DrivesRules),
    Key::checkBox("rp_translate_apt", IDC_OUT_TRANSLATE, Key::DrivesRules),
    Key::checkBox("rp_merge_origins", IDC_OUT_MERGE_ORIGINS),
    Key::checkBox("all_setupgroup", IDC_OUT_ALL_SETUPGROUP),
    Key::textField("rp_translate_apt_string", IDC_OUT_TRANSLATE_STRING),
};

struct OptionRow {
  const char* word;
  int tooltip;
};
const OptionRow kBaseRows[] = {
    {kMergeCycle, IDS_OPT_PP_MERGE_CYCLE},
    {"APT_SCOPE_MODAL_OPNAME", IDS_OPT_APT_SCOPE_MODAL_OPNAME},
    {"APT_SCOPE_MODAL_TOOLNO", IDS_OPT_APT_SCOPE_MODAL_TOOLNO},
    {"APT_SCOPE_MODAL_ORIGIN", IDS_OPT_APT_SCOPE_MODAL_ORIGIN},
};
const OptionRow kMergeCycleRows[] = {
    {"PP_MERGE_CYCLE_IF_RTRCT1_EQ_CLRNCE", IDS_OPT_IF_RTRCT1_EQ_CLRNCE},
    {"PP_MERGE_CYCLE_IF_CLRNCE_EQ_RTRCT2", IDS_OPT_IF_CLRNCE_EQ_RTRCT2},
    {"PP_MERGE_CYCLE_IF_RTRCT2_EQ_RTRCT1", IDS_OPT_IF_RTRCT2_EQ_RTRCT1},
    {"PP_MERGE_CYCLE_CHECK_MATRIX_NOT", IDS_OPT_CHECK_MATRIX_NOT},
    {"PP_MERGE_CYCLE_CHECK_TRANS_NOT", IDS_OPT_CHECK_TRANS_NOT},
    {"PP_MERGE_CYCLE_CHECK_SELCTL_NOT", IDS_OPT_CHECK_SELCTL_NOT},
    {"PP_MERGE_CYCLE_CHECK_CUTCOM_LENGTH_NOT", IDS_OPT_CHECK_CUTCOM_LENGTH_NOT},
    {"PP_MERGE_CYCLE_CHECK_CYCLE_PAR_NOT", IDS_OPT_CHECK_CYCLE_PAR_NOT},
    {"PP_MERGE_CYCLE_CHECK_PAR25D_NOT", IDS_OPT_CHECK_PAR25D_NOT},
};

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiOutputPage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiOutputPage, MpAppUiSettingsPage)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNeedText)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_OUT_ALL_SETUPGROUP, IDC_OUT_APT, OnKeyClicked)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_OUT_FIXTURELIST, IDC_OUT_TRANSLATE, OnKeyClicked)
  ON_BN_CLICKED(IDC_OUT_EXPLODE_LOOPS, OnExplodeAptLoops)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_OUT_TRANSLATE_STRING, IDC_OUT_TRANSLATE_STRING, OnKeyKillFocus)
  ON_CONTROL(CLBN_CHKCHANGE, IDC_OUT_OPTIONS, OnOptionCheckChange)
END_MESSAGE_MAP()

MpAppUiOutputPage::MpAppUiOutputPage()
    : MpAppUiSettingsPage(IDD_OUTPUT_PAGE, kOutputKeys, sizeof(kOutputKeys) / sizeof(kOutputKeys[0]),
                          &IMpPmUtSettingsBase::getOutputSettings, &IMpPmUtSettingsBase::resetOutputSettings,
                          IDS_SETTINGS_NOT_POSITIVE, false) {}

MpAppUiOutputPage::~MpAppUiOutputPage() {}

void MpAppUiOutputPage::DoDataExchange(CDataExchange* pDX) {
  MpAppUiSettingsPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_OUT_OPTIONS, m_optionList);
}

BOOL MpAppUiOutputPage::OnInitDialog() {
  MpAppUiSettingsPage::OnInitDialog();
  initOptionTable();
  fillOptionList();
  updateControls();
  return TRUE;
}

void MpAppUiOutputPage::fillControls() {
  MpAppUiSettingsPage::fillControls();
  if (!settings()) return;
  // Checked while loops are not exploded.
  const std::string explode = settings()->getString(kExplodeKey);
  if (!explode.empty()) CheckDlgButton(IDC_OUT_EXPLODE_LOOPS, explode == "off" ? BST_CHECKED : BST_UNCHECKED);
}

void MpAppUiOutputPage::applyEnableRules() { updateControls(); }

bool MpAppUiOutputPage::updateControls() {
  enableControl(IDC_OUT_OPTIONS, isChecked(IDC_OUT_TRANSFORM));
  enableControl(IDC_OUT_TRANSLATE_STRING, isChecked(IDC_OUT_TRANSLATE));
  return true;
}

void MpAppUiOutputPage::writeOptions() {
  if (settings()) settings()->setString(kOptionsKey, m_options);
}

void MpAppUiOutputPage::initOptionTable() {
  for (const OptionRow& row : kBaseRows) m_optionTable.emplace(row.word, row.tooltip);
  m_options = settings() ? settings()->getString(kOptionsKey) : std::string();
  if (MpAppUiHasOption(m_options, kMergeCycle)) initMergeCycleOptions();
}

void MpAppUiOutputPage::initMergeCycleOptions() {
  for (const OptionRow& row : kMergeCycleRows) {
    m_optionTable.emplace(row.word, row.tooltip);
    addOption(row.word, true);
  }
  writeOptions();
  fillOptionList();
}

void MpAppUiOutputPage::removeMergeCycleOptions() {
  for (const OptionRow& row : kMergeCycleRows) {
    m_optionTable.erase(row.word);
    removeOption(row.word);
  }
  writeOptions();
  fillOptionList();
}

void MpAppUiOutputPage::fillOptionList() {
  if (!m_optionList.m_hWnd) return;
  m_optionList.ResetContent();
  if (settings()) m_options = settings()->getString(kOptionsKey);
  for (const auto& row : m_optionTable) {
    const int nIndex = m_optionList.AddString(row.first.c_str());
    if (nIndex >= 0) m_optionList.SetCheck(nIndex, MpAppUiHasOption(m_options, row.first) ? 1 : 0);
  }
}

void MpAppUiOutputPage::addOption(const std::string& word, bool bUnlessOff) {
  if (bUnlessOff && settings() && settings()->getString(word) == "off") return;
  if (MpAppUiAddOption(m_options, word)) writeOptions();
}

void MpAppUiOutputPage::removeOption(const std::string& word) {
  if (MpAppUiRemoveOption(m_options, word)) writeOptions();
}

void MpAppUiOutputPage::OnExplodeAptLoops() {
  if (!settings()) return;
  m_options = settings()->getString(kOptionsKey);
  if (isChecked(IDC_OUT_EXPLODE_LOOPS)) {
    settings()->setString(kExplodeKey, "off");
    MpAppUiRemovePrefix(m_options, kLoopPrefix);
  } else {
    settings()->setString(kExplodeKey, "on");
    MpAppUiAddPrefix(m_options, kLoopPrefix);
  }
  writeOptions();
}

void MpAppUiOutputPage::OnOptionCheckChange() {
  if (!settings()) return;
  // Every row whose mark differs from the stored string, whether selected or not (the space bar
  // may turn a row the selection does not hold); taken first, as the merge-cycle row refills the
  // list on its way.
  const std::string stored = settings()->getString(kOptionsKey);
  std::vector<std::pair<std::string, bool>> rows;
  for (int nIndex = 0; nIndex < m_optionList.GetCount(); ++nIndex) {
    CString text;
    m_optionList.GetText(nIndex, text);
    const std::string word = static_cast<LPCSTR>(text);
    const bool bMark = m_optionList.GetCheck(nIndex) == 1;
    if (bMark != MpAppUiHasOption(stored, word)) rows.emplace_back(word, bMark);
  }
  for (const auto& row : rows) {
    settings()->setString(row.first, row.second ? "on" : "off");
    if (row.second) addOption(row.first, false);
    else removeOption(row.first);
    if (row.first == kMergeCycle) {
      if (row.second) initMergeCycleOptions();
      else removeMergeCycleOptions();
    }
  }
}

void MpAppUiOutputPage::restoreDefaults() {
  MpAppUiSettingsPage::restoreDefaults();
  fillOptionList();
  updateControls();
  removeMergeCycleOptions();
}

BOOL MpAppUiOutputPage::OnToolTipNeedText(UINT id, NMHDR* pNMHDR, LRESULT* pResult) {
  (void)id;
  (void)pResult;
  TOOLTIPTEXTA* pTTT = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
  if (!(pTTT->uFlags & TTF_IDISHWND)) return FALSE;
  HWND hTool = reinterpret_cast<HWND>(pNMHDR->idFrom);
  UINT nID = static_cast<UINT>(::GetDlgCtrlID(hTool));
  if (nID == IDC_OUT_OPTIONS && m_optionList.GetCount() > 0) {
    // The row under the mouse (the nearest one).
    POINT pt;
    ::GetCursorPos(&pt);
    ::ScreenToClient(hTool, &pt);
    BOOL bOutside = FALSE;
    CString word;
    m_optionList.GetText(static_cast<int>(m_optionList.ItemFromPoint(CPoint(pt.x, pt.y), bOutside)), word);
    auto row = m_optionTable.find(static_cast<LPCSTR>(word));
    if (row != m_optionTable.end()) nID = static_cast<UINT>(row->second);
  }
  return answerToolTip(pNMHDR, nID);
}
