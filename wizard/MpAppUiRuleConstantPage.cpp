// Task page "RuleConstant".
#include "MpAppUiRuleConstantPage.h"
#include <vector>
#include "MpAppUiTaskPage.h"
#include "MpStrings.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiRuleConstantPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiRuleConstantPage, CPropertyPage)
  ON_CBN_SELCHANGE(IDC_RULE_CONSTANT_TYPE, OnSelChangeType)
END_MESSAGE_MAP()

namespace {
const char kName[] = "Name";
const char kType[] = "Type";
const char kDefault[] = "Default";
const char kFactor[] = "Factor";
const char kExplanation[] = "Explantion";  // the host's key, spelt as the host spells it

const char kInteger[] = "integer";
const char kDouble[] = "double";
const char* const kFactors[] = {"1.0", "25.4"};

// A name stored in single quotes is shown without them.
std::string unquoted(const std::string& name) {
  if (name.size() >= 2 && name.front() == '\'' && name.back() == '\'') return name.substr(1, name.size() - 2);
  return name;
}

// The stored form of a name that is not alphanumeric: its own quotes dropped, the rest quoted.
std::string quoted(const std::string& name) {
  std::string inner;
  for (char c : name)
    if (c != '\'') inner += c;
  return "'" + inner + "'";
}
}  // namespace

MpAppUiRuleConstantPage::MpAppUiRuleConstantPage() : CPropertyPage(IDD_RULE_CONSTANT_PAGE) {}

MpAppUiRuleConstantPage::~MpAppUiRuleConstantPage() = default;

bool MpAppUiRuleConstantPage::init(MpZulSmartList& selection, IMpOptions* preset) {
  (void)selection;
  MpAppUiTaskPage::takeBag(m_spOptions, preset, [](IMpOptions* bag) {
    for (const char* key : {kName, kType, kDefault, kFactor, kExplanation}) bag->setString(key, "");
  });
  return true;
}

bool MpAppUiRuleConstantPage::isNameUnused(const std::string& name) {
  return !MpAppUiTaskPage::listHolds(m_spOptions.get(), kName, name);  // no bag: no names taken
}

void MpAppUiRuleConstantPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_RULE_CONSTANT_NAME, m_editName);
  DDX_Control(pDX, IDC_RULE_CONSTANT_DEFAULT, m_editDefault);
  DDX_Control(pDX, IDC_RULE_CONSTANT_TYPE, m_comboType);
  DDX_Control(pDX, IDC_RULE_CONSTANT_FACTOR, m_comboFactor);
  DDX_Control(pDX, IDC_RULE_CONSTANT_EXPLANATION, m_editExplanation);
}

BOOL MpAppUiRuleConstantPage::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  if (m_spOptions.isNull()) return result;

  MpAppUiTaskPage::setWindowText(m_editName, unquoted(m_spOptions->getString(kName)));

  // The host's types in its order; the current one is the last entry equal to it, else the first.
  const std::vector<std::string> types = m_spOptions->getStringList(kType);
  const std::string currentType = m_spOptions->getString(kType);
  int selected = 0;
  for (size_t i = 0; i < types.size(); ++i) {
    m_comboType.AddString(types[i].c_str());
    if (types[i] == currentType) selected = static_cast<int>(i);
  }
  if (!types.empty()) m_comboType.SetCurSel(selected);

  MpAppUiTaskPage::setWindowText(m_editDefault, m_spOptions->getString(kDefault));

  // Only a factor that is exactly one of the entries selects it; any other leaves the choice open.
  std::string factor = m_spOptions->getString(kFactor);
  if (factor.empty()) factor = kFactors[0];
  for (const char* entry : kFactors) m_comboFactor.AddString(entry);
  const int factorIndex = MpAppUiTaskPage::findExact(m_comboFactor, factor);
  if (factorIndex != CB_ERR) m_comboFactor.SetCurSel(factorIndex);

  MpAppUiTaskPage::setWindowText(m_editExplanation, m_spOptions->getString(kExplanation));

  OnSelChangeType();
  UpdateData(FALSE);
  return result;
}

void MpAppUiRuleConstantPage::OnSelChangeType() {
  UpdateData(TRUE);
  // The unit factor means something for doubles only.
  const int show = MpAppUiTaskPage::selectedText(m_comboType) == kDouble ? SW_SHOW : SW_HIDE;
  m_comboFactor.ShowWindow(show);
  if (CWnd* label = GetDlgItem(IDC_RULE_CONSTANT_FACTOR_LABEL)) label->ShowWindow(show);
}

BOOL MpAppUiRuleConstantPage::OnKillActive() {
  // Without a bag there is nothing to check or keep: the user may go.
  if (m_spOptions.isNull()) return TRUE;
  UpdateData(TRUE);

  // Every check runs and reports its own failure, so the user sees all that is wrong at once.
  bool ok = true;
  std::string name, type, defaultValue, factor, explanation;

  const std::string typedName = MpAppUiTaskPage::windowText(m_editName);
  // A name of nothing but quotes is as empty as no name: its stored form would be ''.
  if (typedName.find_first_not_of('\'') == std::string::npos) {
    MpAppUiTaskPage::showInputError(IDS_TASK_NAME_EMPTY);
    ok = false;
  } else {
    name = typedName;
    if (!MpIsAlphaNumeric(name)) {
      // Only a notice: the rules take such a name in quotes.
      MpAppUiTaskPage::showNotice(IDS_TASK_NAME_QUOTED, typedName);
      name = quoted(name);
    }
    if (!isNameUnused(name)) {
      MpAppUiTaskPage::showInputError(IDS_TASK_NAME_TAKEN);
      ok = false;
    }
  }

  if (!MpAppUiTaskPage::requireSelection(m_comboType, type)) ok = false;

  const std::string typedDefault = MpAppUiTaskPage::windowText(m_editDefault);
  if (typedDefault.empty()) {
    MpAppUiTaskPage::showInputError(IDS_TASK_DEFAULT_EMPTY);
    ok = false;
  } else {
    defaultValue = typedDefault;
    const bool isNumberOfType = (type == kInteger && MpIsNumeric(defaultValue, true, false)) ||
                                (type == kDouble && MpIsNumeric(defaultValue, true, true)) ||
                                (type != kInteger && type != kDouble);
    if (!isNumberOfType) {
      MpAppUiTaskPage::showInputError(IDS_TASK_DEFAULT_NOT_NUMBER);
      ok = false;
    }
  }

  if (type == kDouble) {
    // A factor typed by the user when none of the entries is chosen.
    factor = m_comboFactor.GetCurSel() != CB_ERR ? MpAppUiTaskPage::selectedText(m_comboFactor)
                                                 : MpAppUiTaskPage::windowText(m_comboFactor);
    if (!MpIsNumeric(factor, true, true)) {
      MpAppUiTaskPage::showInputError(IDS_TASK_FACTOR_NOT_NUMBER);
      ok = false;
    }
  }

  explanation = MpAppUiTaskPage::windowText(m_editExplanation);

  if (ok) {
    ok = m_spOptions->setString(kName, name) && ok;
    ok = m_spOptions->setString(kType, type) && ok;
    ok = m_spOptions->setString(kDefault, defaultValue) && ok;
    ok = m_spOptions->setString(kFactor, factor) && ok;
    ok = m_spOptions->setString(kExplanation, explanation) && ok;
  }
  return ok && CPropertyPage::OnKillActive() ? TRUE : FALSE;
}
