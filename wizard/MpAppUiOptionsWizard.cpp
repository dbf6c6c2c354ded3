// The task sheet.
#include "MpAppUiOptionsWizard.h"
#include "MpLogging.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(MpAppUiOptionsWizard, CPropertySheet)
END_MESSAGE_MAP()

namespace {

enum class Task {
  DesignChanges,
  RenumberAssemblies,
  ExportNode,
  AddProductVariant,
  RuleConstant,
  RuleDecoration,
  Find,
  SetField,
  CustomerCommand,
  GroupingCommand,
  AddOperation,
  SafeRetracts,
  CustomizationClass,
  CustomizationField,
  None,
};

struct TaskName {
  const char* name;
  Task task;
};

// Every task name, in the order init compares them. The names are distinct, so the getters'
// lookup finds the same task whatever order it goes in.
const TaskName kTasks[] = {
    {"DesignChanges", Task::DesignChanges},
    {"RenumberAssemblies", Task::RenumberAssemblies},
    {"ExportNode", Task::ExportNode},
    {"AddProductVariant", Task::AddProductVariant},
    {"RuleConstant", Task::RuleConstant},
    {"RuleDecoration", Task::RuleDecoration},
    {"Find", Task::Find},
    {"SetField", Task::SetField},
    {"CustomerCommand", Task::CustomerCommand},
    {"GroupingCommand", Task::GroupingCommand},
    {"AddOperation", Task::AddOperation},
    {"SafeRetracts", Task::SafeRetracts},
    {"CustomizationClass", Task::CustomizationClass},
    {"CustomizationField", Task::CustomizationField},
};

// Exact, case-sensitive comparison.
Task findTask(const std::string& name) {
  for (const TaskName& entry : kTasks)
    if (name == entry.name) return entry.task;
  return Task::None;
}

void logTrace(const std::string& message, int line) {
  if (g_spLogger.get() != nullptr)
    g_spLogger->log(MpLog::ProgrammingError, MpLog::ProgrammingFlag, message, "MpAppUiOptionsWizard.cpp", line);
}

// Reports a failure caught at the sheet's boundary; nothing may leave it, not even from here.
void logFailure(const std::string& taskName, int line) noexcept {
  try {
    if (g_spLogger.get() != nullptr)
      g_spLogger->log(MpLog::Error, MpLog::NoFlag, "MpAppUiOptionsWizard - init failed, task " + taskName,
                      "MpAppUiOptionsWizard.cpp", line);
  } catch (...) {
  }
}

// Hands the page's bag to the list, which takes its own reference; the page's added one is
// given back.
void appendBag(MpSmartList& options, IMpOptions* bag) {
  if (bag == nullptr) return;
  options.push_back(bag, true);
  bag->Release();
}

}  // namespace

MpAppUiOptionsWizard::MpAppUiOptionsWizard() : CPropertySheet(IDS_TASK_SHEET_CAPTION, nullptr, 0) {}

MpAppUiOptionsWizard::~MpAppUiOptionsWizard() = default;

bool MpAppUiOptionsWizard::init(std::string& taskName, MpZulSmartList& selection, IMpOptions* preset) {
  try {
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    // One task per sheet: a second set-up would add its page beside the first.
    if (m_bInitDone) {
      logTrace("MpAppUiOptionsWizard - init called again, task " + taskName + " ignored", __LINE__);
      return false;
    }
    m_bInitDone = true;
    m_taskName = taskName;

    switch (findTask(taskName)) {
      case Task::DesignChanges:
        AddPage(&m_designChangesPage);
        return m_designChangesPage.init(selection);
      case Task::RenumberAssemblies:
        AddPage(&m_renumberPage);
        return m_renumberPage.init(selection);
      case Task::ExportNode:
        AddPage(&m_exportNodePage);
        return m_exportNodePage.init(selection);
      case Task::AddProductVariant:
        AddPage(&m_addProductVariantPage);
        return m_addProductVariantPage.init(selection);
      case Task::RuleConstant:
        AddPage(&m_ruleConstantPage);
        return m_ruleConstantPage.init(selection, preset);
      case Task::RuleDecoration:
        AddPage(&m_ruleDecorationPage);
        return m_ruleDecorationPage.init(selection, preset);
      case Task::Find:
        AddPage(&m_findPage);
        return m_findPage.init(selection, preset);
      case Task::SetField:
        AddPage(&m_setFieldPage);
        return m_setFieldPage.init(selection, preset);
      case Task::CustomerCommand:
        AddPage(&m_customerCommandPage);
        return m_customerCommandPage.init(selection, preset);
      case Task::GroupingCommand:
        AddPage(&m_groupingPage);
        // Without chosen objects the task works on the open data object.
        return selection.empty() ? m_groupingPage.init(m_spData.get(), preset) : m_groupingPage.init(selection, preset);
      case Task::AddOperation: {
        for (MpAppUiAddOperation& page : m_operationPages) AddPage(&page);
        // Only the first page writes into the host's preset: each operation needs a bag of its
        // own, or the six would overwrite one another.
        bool result = false;
        for (int i = 0; i < 6; ++i) {
          result = m_operationPages[i].init(selection, i == 0 ? preset : nullptr);
          m_operationPages[i].setPageVariant(i);
        }
        return result;
      }
      case Task::SafeRetracts:
        AddPage(&m_safeRetractsPage);
        return m_safeRetractsPage.init(selection);
      case Task::CustomizationClass:
        AddPage(&m_customClassPage);
        return m_customClassPage.init(selection, preset);
      case Task::CustomizationField:
        AddPage(&m_customFieldPage);
        return m_customFieldPage.init(selection, preset);
      default:
        // An unknown name, or a task whose page this build does not have.
        logTrace("MpAppUiOptionsWizard - invalid task " + taskName, 243);
        return false;
    }
  } catch (...) {
    logFailure(taskName, __LINE__);
    return false;
  }
}

bool MpAppUiOptionsWizard::init(std::string& taskName, IMpData* data, IMpOptions* preset) {
  try {
    // A refused second call leaves the data object of the first.
    if (!m_bInitDone) m_spData = data;
    MpZulSmartList noSelection;
    return init(taskName, noSelection, preset);
  } catch (...) {
    logFailure(taskName, __LINE__);
    return false;
  }
}

IMpOptions* MpAppUiOptionsWizard::getOptions() {
  try {
    switch (findTask(m_taskName)) {
      case Task::DesignChanges:
        return m_designChangesPage.getOptions();
      case Task::RenumberAssemblies:
        return m_renumberPage.getOptions();
      case Task::ExportNode:
        return m_exportNodePage.getOptions();
      case Task::AddProductVariant:
        return m_addProductVariantPage.getOptions();
      case Task::RuleConstant:
        return m_ruleConstantPage.getOptions();
      case Task::RuleDecoration:
        return m_ruleDecorationPage.getOptions();
      case Task::Find:
        return m_findPage.getOptions();
      case Task::GroupingCommand:
        return m_groupingPage.getOptions();
      case Task::CustomerCommand:
        return m_customerCommandPage.getOptions();
      case Task::SafeRetracts:
        return m_safeRetractsPage.getOptions();
      case Task::CustomizationClass:
        return m_customClassPage.getOptions();
      case Task::CustomizationField:
        return m_customFieldPage.getOptions();
      default:
        // "AddOperation" has six bags and "SetField" is read through the list form only.
        return nullptr;
    }
  } catch (...) {
    return nullptr;
  }
}

bool MpAppUiOptionsWizard::getOptions(MpSmartList& options) {
  try {
    switch (findTask(m_taskName)) {
      case Task::DesignChanges:
        appendBag(options, m_designChangesPage.getOptions());
        break;
      case Task::RenumberAssemblies:
        appendBag(options, m_renumberPage.getOptions());
        break;
      case Task::ExportNode:
        appendBag(options, m_exportNodePage.getOptions());
        break;
      case Task::AddProductVariant:
        appendBag(options, m_addProductVariantPage.getOptions());
        break;
      case Task::RuleConstant:
        appendBag(options, m_ruleConstantPage.getOptions());
        break;
      case Task::RuleDecoration:
        appendBag(options, m_ruleDecorationPage.getOptions());
        break;
      case Task::Find:
        appendBag(options, m_findPage.getOptions());
        break;
      case Task::SetField:
        appendBag(options, m_setFieldPage.getOptions());
        break;
      case Task::CustomerCommand:
        appendBag(options, m_customerCommandPage.getOptions());
        break;
      case Task::AddOperation:
        for (MpAppUiAddOperation& page : m_operationPages) appendBag(options, page.getOptions());
        break;
      case Task::SafeRetracts:
        appendBag(options, m_safeRetractsPage.getOptions());
          break;
      case Task::CustomizationClass:
        appendBag(options, m_customClassPage.getOptions());
        break;
      case Task::CustomizationField:
        appendBag(options, m_customFieldPage.getOptions());
        break;
      default:
        // "GroupingCommand" is read through getOptions() only.
        break;
    }
    return !options.empty();
  } catch (...) {
    return false;
  }
}

INT_PTR MpAppUiOptionsWizard::DoModal() {
  try {
    if (GetPageCount() == 0) return IDCANCEL;
    return CPropertySheet::DoModal();
  } catch (...) {
    return -1;
  }
}
