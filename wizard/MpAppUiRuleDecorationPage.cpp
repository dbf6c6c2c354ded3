// Task page "RuleDecoration".
#include "MpAppUiRuleDecorationPage.h"
#include <iterator>
#include <vector>
#include "MpAppUiTaskPage.h"
#include "MpStrings.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiRuleDecorationPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiRuleDecorationPage, CPropertyPage)
  ON_CBN_SELCHANGE(IDC_RULE_DECORATION_TYPE, OnSelChangeType)
END_MESSAGE_MAP()

namespace {
const char kName[] = "Name";
const char kType[] = "Type";
const char kClass[] = "Class";

// A field's display name; empty when it has none.
std::string displayName(IUnknown* object) {
  IMpZulFieldPtr field(object, true);
  std::string name;
  if (field.isNull() || !field->getDisplayName(name)) return std::string();
  return name;
}
}  // namespace

MpAppUiRuleDecorationPage::MpAppUiRuleDecorationPage() : CPropertyPage(IDD_RULE_DECORATION_PAGE) {}

MpAppUiRuleDecorationPage::~MpAppUiRuleDecorationPage() = default;

bool MpAppUiRuleDecorationPage::init(MpZulSmartList& selection, IMpOptions* preset) {
  MpAppUiTaskPage::takeBag(m_spOptions, preset, [](IMpOptions* bag) {
    for (const char* key : {kName, kType, kClass}) bag->setString(key, "");
  });
  for (IUnknown* object : selection) {
    IMpPmRulePtr rule(object, true);
    if (rule.isValid()) m_spRule = rule;
  }
  return true;
}

bool MpAppUiRuleDecorationPage::isNameUnused(const std::string& name) {
  if (m_spOptions.isNull()) return true;
  // The decoration keeps its own name.
  if (name == m_spOptions->getString(kName)) return true;
  return !MpAppUiTaskPage::listHolds(m_spOptions.get(), kName, name);
}

void MpAppUiRuleDecorationPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RULE_DECORATION_NAME, m_editName);
  DDX_Control(pDX, IDC_RULE_DECORATION_TYPE, m_comboType);
  DDX_Control(pDX, IDC_RULE_DECORATION_CLASS, m_comboClass);
}

BOOL MpAppUiRuleDecorationPage::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  if (m_spRule.isNull() || m_spOptions.isNull()) return result;

  MpAppUiTaskPage::setWindowText(m_editName, m_spOptions->getString(kName));
  m_fields.clear();
  m_spRule->getFields(m_fields);
  for (IUnknown* field : m_fields) {
    const std::string name = displayName(field);
    if (!name.empty()) m_comboType.AddString(name.c_str());
  }
  fitDropDownHeight(&m_comboType);
  const int type = MpAppUiTaskPage::findExact(m_comboType, m_spOptions->getString(kType));
  m_comboType.SetCurSel(type == CB_ERR ? 0 : type);
  OnSelChangeType();
  UpdateData(FALSE);
  return result;
}

void MpAppUiRuleDecorationPage::OnSelChangeType() {
  m_comboClass.ResetContent();
  m_classes.clear();
  if (m_comboType.GetCurSel() == CB_ERR) return;
  const std::string type = MpAppUiTaskPage::selectedText(m_comboType);

  // Every field of that display name offers its class and the concrete classes below it; the
  // chooser and the class list grow together, so an entry's index is its class's position.
  for (IUnknown* object : m_fields) {
    if (displayName(object) != type) continue;
    IMpZulFieldPtr field(object, true);
    IMpZulClassPtr fieldClass;
    fieldClass.attach(field->getClass());
    if (fieldClass.isNull()) continue;
    MpSmartList tree;
    tree.push_back(fieldClass.get(), true);
    fieldClass->getSubClasses(tree, true);
    for (IUnknown* candidate : MpZulFilterClassesOnAttribute(tree, "Abstract", "TRUE", true)) {
      IMpZulClassPtr cls(candidate, true);
      std::string niceName;
      if (cls.isNull() || !cls->getNiceName(niceName) || niceName.empty()) continue;
      m_comboClass.AddString(niceName.c_str());
      m_classes.push_back(candidate, true);
    }
    fitDropDownHeight(&m_comboClass);
  }

  int position = 0;
  IMpZulClassPtr stored(CLSID_MpZulClass, nullptr);
  IMpZulNodePtr ruleNode(static_cast<IUnknown*>(m_spRule.get()), true);
  if (stored.isValid() && ruleNode.isValid()) {
    IMpDataPtr data;
    data.attach(ruleNode->getData());
    std::string niceName;
    if (stored->loadByName(data.get(), m_spOptions->getString(kClass)) && stored->getNiceName(niceName) &&
        !niceName.empty()) {
      const int found = MpAppUiTaskPage::findExact(m_comboClass, niceName);
      if (found != CB_ERR) position = found;
    }
  }
  m_comboClass.SetCurSel(position);
}

void MpAppUiRuleDecorationPage::fitDropDownHeight(CComboBox* combo) {
  if (combo == nullptr || combo->GetSafeHwnd() == nullptr) return;
  CRect client;
  combo->GetClientRect(&client);
  CRect list;
  combo->SendMessage(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
  ScreenToClient(&list);
  const int item = static_cast<int>(combo->SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  const int count = combo->GetCount() < 1 ? 1 : combo->GetCount();
  list.bottom = list.top + client.Height() + item * count;
  RECT work;
  if (::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
    CRect screen = list;
    ClientToScreen(&screen);
    if (screen.bottom > work.bottom) list.bottom -= screen.bottom - work.bottom + 5 * item;
  }
  // However little room there is, the list shows one entry.
  if (list.bottom < list.top + client.Height() + item) list.bottom = list.top + client.Height() + item;
  combo->SetWindowPos(nullptr, 0, 0, list.Width(), list.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL MpAppUiRuleDecorationPage::OnKillActive() {
  // Without a bag there is nothing to check or keep: the user may go.
  if (m_spOptions.isNull()) return TRUE;
  UpdateData(TRUE);

  // Every check runs and reports its own failure.
  bool ok = true;
  std::string name, type, className;
  const std::string typedName = MpAppUiTaskPage::windowText(m_editName);
  if (typedName.empty()) {
    MpAppUiTaskPage::showInputError(IDS_TASK_NAME_EMPTY);
    ok = false;
  } else {
    name = typedName;
    if (!MpIsIdentifier(name)) {
      MpAppUiTaskPage::showInputError(IDS_TASK_NAME_NOT_IDENTIFIER, name);
      ok = false;
    } else if (!isNameUnused(name)) {
      MpAppUiTaskPage::showInputError(IDS_TASK_NAME_TAKEN);
      ok = false;
    }
  }

  if (!MpAppUiTaskPage::requireSelection(m_comboType, type)) ok = false;

  // The chosen entry's class, by its position; one that gives no name is no class.
  const int chosen = m_comboClass.GetCurSel();
  IMpZulClassPtr cls;
  if (chosen != CB_ERR && static_cast<size_t>(chosen) < m_classes.size())
    cls = IMpZulClassPtr(*std::next(m_classes.begin(), chosen), true);
  if (cls.isNull() || !cls->getName(className) || className.empty()) {
    MpAppUiTaskPage::showInputError(IDS_TASK_NO_TYPE);
    ok = false;
  }

  if (ok) {
    ok = m_spOptions->setString(kName, name) && ok;
    ok = m_spOptions->setString(kType, type) && ok;
    ok = m_spOptions->setString(kClass, className) && ok;
  }
  return ok && CPropertyPage::OnKillActive() ? TRUE : FALSE;
}
