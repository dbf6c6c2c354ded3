// Task page "GroupingCommand".
#include "MpAppUiGroupingCommandPage.h"
#include <commctrl.h>
#include <algorithm>
#include "MpAppUiSetField.h"
#include "MpAppUiTaskPage.h"
#include "MpUiResourceString.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiGroupingCommandPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiGroupingCommandPage, CPropertyPage)
  ON_CBN_SELCHANGE(IDC_GROUPING_CLASS, OnSelChangeClass)
  ON_BN_CLICKED(IDC_GROUPING_ADD, OnAdd)
  ON_BN_CLICKED(IDC_GROUPING_REMOVE, OnRemove)
  ON_BN_CLICKED(IDC_GROUPING_UP, OnMoveUp)
  ON_BN_CLICKED(IDC_GROUPING_DOWN, OnMoveDown)
  ON_BN_CLICKED(IDC_GROUPING_REORDER, OnClickReorder)
END_MESSAGE_MAP()

namespace {
const char kGrouping[] = "GrpGrouping";
const char kSingleField[] = "GrpSingleField";
const char kSelected[] = "GrpSelected";
const char kClasses[] = "GrpClasses";
const char kClassesReorder[] = "GrpClassesReorder";
const char kType[] = "GrpType";
const char kReorderChildren[] = "GrpReorderChildren";
}  // namespace

MpAppUiGroupingCommandPage::MpAppUiGroupingCommandPage() : CPropertyPage(IDD_GROUPING_PAGE) {}

MpAppUiGroupingCommandPage::~MpAppUiGroupingCommandPage() = default;

bool MpAppUiGroupingCommandPage::init(MpZulSmartList& selection, IMpOptions* preset) {
  IMpZulNodePtr node(selection.front(), true);
  if (node.isValid()) m_spData.attach(node->getData());
  return takePreset(preset);
}

bool MpAppUiGroupingCommandPage::init(IMpData* data, IMpOptions* preset) {
  m_spData = data;
  return takePreset(preset);
}

bool MpAppUiGroupingCommandPage::takePreset(IMpOptions* preset) {
  // The task is the host's to describe: without its bag there is nothing to offer.
  if (preset == nullptr) return false;
  m_spOptions = preset;
  return true;
}

void MpAppUiGroupingCommandPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_GROUPING_CLASS, m_comboClass);
  DDX_Control(pDX, IDC_GROUPING_CANDIDATES, m_listCandidates);
  DDX_Control(pDX, IDC_GROUPING_CHOSEN, m_listChosen);
  DDX_Control(pDX, IDC_GROUPING_REORDER, m_checkReorder);
}

BOOL MpAppUiGroupingCommandPage::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  if (m_spOptions.isNull()) return result;
  m_bGrouping = m_spOptions->getBool(kGrouping);
  m_bSingleField = m_spOptions->getBool(kSingleField);
  if (m_bSingleField) {
    for (int id : {IDC_GROUPING_UP, IDC_GROUPING_DOWN})
      if (CWnd* button = GetDlgItem(id)) button->ShowWindow(SW_HIDE);
  }
  setTabTitle();
  m_checkReorder.SetCheck(BST_UNCHECKED);
  m_chosen = m_spOptions->getStringList(kSelected);
  fillClassChooser();
  return result;
}

void MpAppUiGroupingCommandPage::setTabTitle() {
  CWnd* sheet = GetParent();
  if (sheet == nullptr || m_bGrouping) return;
  HWND tabs = reinterpret_cast<HWND>(sheet->SendMessage(PSM_GETTABCONTROL, 0, 0));
  if (tabs == nullptr) return;
  std::string title =
      getResourceString(m_bSingleField ? IDS_GROUPING_TAB_SINGLE : IDS_GROUPING_TAB_MULTIPLE, "", "", "", "");
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = &title[0];
  ::SendMessageA(tabs, TCM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void MpAppUiGroupingCommandPage::fillClassChooser() {
  m_comboClass.ResetContent();
  const std::vector<std::string> names =
      m_spOptions->getStringList(m_checkReorder.GetCheck() != BST_UNCHECKED ? kClassesReorder : kClasses);
  if (names.size() > 1)
    m_comboClass.AddString(getResourceString(IDS_GROUPING_ALL_CLASSES, "", "", "", "").c_str());
  for (const std::string& name : names) m_comboClass.AddString(name.c_str());
  m_comboClass.SetCurSel(0);
  refreshCandidates();
  fillList(m_listChosen, m_chosen);
}

MpSmartList MpAppUiGroupingCommandPage::getGroupClasses() {
  MpSmartList classes;
  for (const std::string& name : m_spOptions->getStringList(kClasses)) {
    IMpZulClassPtr cls(CLSID_MpZulClass, nullptr);
    if (cls.isValid() && cls->loadByName(m_spData.get(), name)) classes.push_back(cls.get(), true);
  }
  return classes;
}

MpSmartList MpAppUiGroupingCommandPage::getGroupableFields(IMpZulClass* cls) {
  MpSmartList fields, groupable;
  cls->getFields(fields, true, false);
  const bool doubles = m_spOptions->getString(kType) == "GrpDouble";
  for (IUnknown* object : fields) {
    IMpZulFieldPtr field(object, true);
    const bool simple =
        doubles ? isSimpleField(field.get(), false, true, false) : isSimpleField(field.get(), true, true, true);
    if (simple) groupable.push_back(object, true);
  }
  return groupable;
}

std::vector<std::string> MpAppUiGroupingCommandPage::getCandidates() {
  const std::string chooserText = MpAppUiTaskPage::windowText(m_comboClass);
  std::vector<std::string> candidates;
  if (m_bGrouping) candidates = {"CLASS", "ORIENTATION"};

  MpSmartList classes;
  IMpZulClassPtr one(CLSID_MpZulClass, nullptr);
  if (chooserText != getResourceString(IDS_GROUPING_ALL_CLASSES, "", "", "", "") && one.isValid() &&
      one->loadByName(m_spData.get(), chooserText))
    classes.push_back(one.get(), true);
  else
    classes = getGroupClasses();

  for (IUnknown* object : classes) {
    IMpZulClassPtr cls(object, true);
    if (cls.isNull()) continue;
    for (IUnknown* fieldObject : getGroupableFields(cls.get())) {
      IMpZulFieldPtr field(fieldObject, true);
      std::string name;
      if (field.isValid() && field->getName(name) && !containsName(m_chosen, name) && !containsName(candidates, name))
        candidates.push_back(name);
    }
  }
  return candidates;
}

void MpAppUiGroupingCommandPage::refreshCandidates() { fillList(m_listCandidates, getCandidates()); }

void MpAppUiGroupingCommandPage::OnSelChangeClass() {
  if (m_spOptions.isValid()) refreshCandidates();
}

void MpAppUiGroupingCommandPage::OnClickReorder() {
  if (m_spOptions.isValid()) fillClassChooser();
}

void MpAppUiGroupingCommandPage::fillList(CListBox& list, const std::vector<std::string>& names) {
  list.ResetContent();
  for (const std::string& name : names) list.AddString(name.c_str());
}

int MpAppUiGroupingCommandPage::getSelectedText(const CListBox& list, std::string& text) {
  const int index = list.GetCurSel();
  text.clear();
  if (index != LB_ERR) {
    CString entry;
    list.GetText(index, entry);
    text = (LPCSTR)entry;
  }
  return index == LB_ERR ? -1 : index;
}

bool MpAppUiGroupingCommandPage::containsName(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

void MpAppUiGroupingCommandPage::insertChosen(const std::string& name, int before) {
  if (m_bSingleField)
    m_chosen.assign(1, name);
  else if (before >= 0 && static_cast<size_t>(before) < m_chosen.size())
    m_chosen.insert(m_chosen.begin() + before, name);
  else
    m_chosen.push_back(name);
}

bool MpAppUiGroupingCommandPage::removeChosen(int index) {
  if (index < 0 || static_cast<size_t>(index) >= m_chosen.size()) return false;
  m_chosen.erase(m_chosen.begin() + index);
  return true;
}

void MpAppUiGroupingCommandPage::OnAdd() {
  if (m_spOptions.isNull()) return;
  std::string candidate, chosen;
  const int candidateIndex = getSelectedText(m_listCandidates, candidate);
  const int chosenIndex = getSelectedText(m_listChosen, chosen);
  if (candidateIndex < 0) return;
  m_listCandidates.DeleteString(candidateIndex);
  insertChosen(candidate, chosenIndex);
  if (m_bSingleField) refreshCandidates();  // the replaced criterion is offered again
  fillList(m_listChosen, m_chosen);
}

void MpAppUiGroupingCommandPage::OnRemove() {
  if (m_spOptions.isNull()) return;
  std::string chosen;
  if (!removeChosen(getSelectedText(m_listChosen, chosen))) return;
  fillList(m_listChosen, m_chosen);
  refreshCandidates();
}

void MpAppUiGroupingCommandPage::moveChosen(int offset) {
  std::string chosen;
  const int index = getSelectedText(m_listChosen, chosen);
  const int target = index + offset;
  if (index < 0 || target < 0 || static_cast<size_t>(index) >= m_chosen.size() ||
      static_cast<size_t>(target) >= m_chosen.size())
    return;
  std::swap(m_chosen[index], m_chosen[target]);
  fillList(m_listChosen, m_chosen);
  m_listChosen.SetCurSel(target);
}

void MpAppUiGroupingCommandPage::OnMoveUp() {
  if (m_spOptions.isValid()) moveChosen(-1);
}

void MpAppUiGroupingCommandPage::OnMoveDown() {
  if (m_spOptions.isValid()) moveChosen(1);
}

BOOL MpAppUiGroupingCommandPage::OnKillActive() {
  UpdateData(TRUE);
  if (m_spOptions.isValid()) {
    m_spOptions->setStringList(kSelected, m_chosen);
    m_spOptions->setBool(kReorderChildren, m_checkReorder.GetCheck() == BST_CHECKED);
  }
  return CPropertyPage::OnKillActive();
}
