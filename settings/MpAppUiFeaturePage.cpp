// The feature recognition page: the recognition options, and which feature classes of the
// host's customization take part, for each of two flag sets.
#include "MpAppUiFeaturePage.h"
#include <set>
#include "MpLogging.h"
#include "MpNameIds.h"
#include "MpStrings.h"
#include "MpUiResourceString.h"
#include "MpZul.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

// In the order in which the page fills its controls.
const Key kFeatureKeys[] = {
    Key::checkBox("fe_use_all_faces", IDC_FEATURE_USE_ALL_FACES),
    Key::checkBox("merge_surfaces", IDC_FEATURE_MERGE_SURFACES),
    Key::checkBox("incrementalHierarchy", IDC_FEATURE_INCR_HIERARCHY),
    Key::checkBox("incrementalPartBlankLink", IDC_FEATURE_INCR_PARTBLANKLINK),
    Key::checkBox("compute_partblanklink", IDC_FEATURE_COMPUTE_PARTBLANKLINK),
    Key::checkBox("subtract_volume", IDC_FEATURE_SUBTRACT_VOLUME),
    Key::textField("fe_map_qdsxml", IDC_FEATURE_MAP_QDSXML),
};

// The root of the listed classes, and the kinds of feature that recognition leaves out.
constexpr unsigned kRootName = MpNameId::FeatureClassRoot;
const unsigned kExcludedNames[] = {MpNameId::CompoundFeatureClass, MpNameId::PatternFeatureClass,
    MpNameId::ManualFeatureClass, MpNameId::UserFeatureClass, MpNameId::FreeFormFeatureClass,
    MpNameId::ToolPathFeatureClass, MpNameId::GroupFeatureClass, MpNameId::ImportedFeatureClass,
    MpNameId::DerivedFeatureClass, MpNameId::FeatureClassRoot, MpNameId::AbstractFeatureClass};

// Shown, but not changed on this page.
const int kShownOnly[] = {IDC_FEATURE_MERGE_SURFACES, IDC_FEATURE_INCR_HIERARCHY, IDC_FEATURE_INCR_PARTBLANKLINK};

IMpZulClassPtr asClass(IUnknown* pEntry) {
  IMpZulClass* pClass = nullptr;
  if (!pEntry || FAILED(pEntry->QueryInterface(IID_IMpZulClass, reinterpret_cast<void**>(&pClass)))) pClass = nullptr;
  return IMpZulClassPtr(pClass, false);
}

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiFeaturePage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiFeaturePage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_FEATURE_USE_ALL_FACES, IDC_FEATURE_COMPUTE_PARTBLANKLINK, OnKeyClicked)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_FEATURE_INCR_HIERARCHY, IDC_FEATURE_SUBTRACT_VOLUME, OnKeyClicked)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_FEATURE_MAP_QDSXML, IDC_FEATURE_MAP_QDSXML, OnKeyKillFocus)
  ON_BN_CLICKED(IDC_FEATURE_FLAGS_FIRST, OnFlagSetClicked)
  ON_BN_CLICKED(IDC_FEATURE_FLAGS_SECOND, OnFlagSetClicked)
  ON_CONTROL(CLBN_CHKCHANGE, IDC_FEATURE_CLASSES, OnClassCheckChange)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

MpAppUiFeaturePage::MpAppUiFeaturePage()
    : MpAppUiSettingsPage(IDD_FEATURE_PAGE, kFeatureKeys, sizeof(kFeatureKeys) / sizeof(kFeatureKeys[0]),
                          &IMpPmUtSettingsBase::getFeatureSettings, &IMpPmUtSettingsBase::resetFeatureSettings,
                          IDS_SETTINGS_NOT_POSITIVE, false) {}

MpAppUiFeaturePage::~MpAppUiFeaturePage() {}

void MpAppUiFeaturePage::setCustomization(IMpDataCustomization2* customization) {
  m_spCustomization = customization;
}

void MpAppUiFeaturePage::DoDataExchange(CDataExchange* pDX) {
  MpAppUiSettingsPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FEATURE_CLASSES, m_classList);
}

void MpAppUiFeaturePage::prepareService(IMpPmUtSettingsBase* pService) {
  pService->setCustomization(m_spCustomization.get());
}

BOOL MpAppUiFeaturePage::OnInitDialog() {
  MpAppUiSettingsPage::OnInitDialog();
  CheckDlgButton(IDC_FEATURE_FLAGS_FIRST, BST_CHECKED);
  fillFeatureClassList();
  for (int id : kShownOnly) enableControl(id, false);
  return TRUE;
}

void MpAppUiFeaturePage::OnDestroy() {
  m_candidates.clear();
  m_bCandidatesFound = false;
  m_rowKeys.clear();
  MpAppUiSettingsPage::OnDestroy();
}

size_t MpAppUiFeaturePage::flagPosition() const { return IsDlgButtonChecked(IDC_FEATURE_FLAGS_FIRST) ? 0 : 1; }

void MpAppUiFeaturePage::fillFeatureClassList() {
  if (!m_classList.m_hWnd) return;
  const size_t nPos = flagPosition();
  m_classList.ResetContent();
  m_rowKeys.clear();
  IMpZulClassPtr spRoot(CLSID_MpZulClass, nullptr);
  if (spRoot.isNull() || !spRoot->loadByNameFromCustomization(m_spCustomization.get(), MpName(kRootName))) return;
  if (!m_bCandidatesFound) {
    spRoot->getSubClasses(m_candidates, true);
    std::set<std::string> excluded;
    for (unsigned id : kExcludedNames) excluded.insert(MpName(id));
    for (auto it = m_candidates.begin(); it != m_candidates.end();) {
      IMpZulClassPtr spClass = asClass(*it);
      std::string name;
      if (!spClass.isNull() && spClass->getName(name) && excluded.count(name)) it = m_candidates.erase(it);
      else ++it;
    }
    m_bCandidatesFound = !m_candidates.empty();
  }
  IMpOptions* pGroup = settings();
  for (IUnknown* pEntry : m_candidates) {
    IMpZulClassPtr spClass = asClass(pEntry);
    std::string niceName, name;
    if (spClass.isNull() || !spClass->getNiceName(niceName)) continue;
    const std::string text = spClass->getName(name) ? name : niceName;
    const int nIndex = m_classList.AddString(text.c_str());
    if (nIndex < 0) continue;
    // Each row keeps its own class, whatever its text.
    m_rowKeys.insert(m_rowKeys.begin() + std::min<size_t>(static_cast<size_t>(nIndex), m_rowKeys.size()), niceName);
    const std::string value = pGroup ? pGroup->getString(niceName) : std::string();
    if (!value.empty()) m_classList.SetCheck(nIndex, nPos < value.size() && value[nPos] == '1' ? 1 : 0);
  }
}

void MpAppUiFeaturePage::OnFlagSetClicked() { fillFeatureClassList(); }

void MpAppUiFeaturePage::OnClassCheckChange() {
  IMpOptions* pGroup = settings();
  if (!pGroup) return;
  const size_t nPos = flagPosition();
  for (size_t i = 0; i < m_rowKeys.size(); ++i) {
    const int nRow = static_cast<int>(i);
    std::string value = pGroup->getString(m_rowKeys[i]);
    const bool bFlag = nPos < value.size() && value[nPos] == '1';
    const bool bMark = m_classList.GetCheck(nRow) == 1;
    if (bMark == bFlag) continue;
    if (value.size() < 2) {
      // The value cannot hold the flag: the row shows what is stored.
      m_classList.SetCheck(nRow, bFlag ? 1 : 0);
      continue;
    }
    value[nPos] = bMark ? '1' : '0';
    pGroup->setString(m_rowKeys[i], value);
  }
}

void MpAppUiFeaturePage::restoreDefaults() {
  MpAppUiSettingsPage::restoreDefaults();
  fillFeatureClassList();
}
