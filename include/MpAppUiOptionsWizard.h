// The task sheet: a property sheet that the host opens for one named knowledge-editing task.
//
// The host constructs it, calls one init with the task name, the host objects the task works
// on (or the open data object) and an optional preset bag, shows it with DoModal and reads the
// task page's bag back with getOptions. Task names: "DesignChanges", "RenumberAssemblies",
// "ExportNode", "AddProductVariant", "RuleConstant", "RuleDecoration", "Find", "SetField",
// "CustomerCommand", "GroupingCommand", "AddOperation", "SafeRetracts", "CustomizationClass",
// "CustomizationField"; those whose page is not part of this build are refused as unknown.
#pragma once
#include <afxdlgs.h>
#include <string>
#include "pages/MpAppUiAddOperation.h"
#include "pages/MpAppUiAddProductVariantPage.h"
#include "pages/MpAppUiCustomClassPage.h"
#include "pages/MpAppUiCustomFieldPage.h"
#include "pages/MpAppUiCustomerCommandPage.h"
#include "pages/MpAppUiDesignChangesPage.h"
#include "pages/MpAppUiExportNodePage.h"
#include "pages/MpAppUiFind.h"
#include "pages/MpAppUiGroupingCommandPage.h"
#include "pages/MpAppUiRenumberAssembliesPage.h"
#include "pages/MpAppUiRuleConstantPage.h"
#include "pages/MpAppUiRuleDecorationPage.h"
#include "pages/MpAppUiSafeRetractsPage.h"
#include "pages/MpAppUiSetField.h"
#include "MpSmartList.h"
#include "MpSmartPointers.h"
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpAppUiOptionsWizard : public CPropertySheet {
 public:
  // Builds the sheet and every task page; adds no page.
  MpAppUiOptionsWizard();
  ~MpAppUiOptionsWizard() override;

  // Adds the task's page and sets it up with the selection and, for the tasks that take one,
  // the preset (shared with the host by reference count). Returns the page's set-up result;
  // false for an unknown task name (logged) and for any call after the first (logged; nothing
  // is added).
  bool init(std::string& taskName, MpZulSmartList& selection, IMpOptions* preset);
  // The same for a task that works on the open data object: the sheet keeps the data object and
  // sets the task up with an empty selection.
  bool init(std::string& taskName, IMpData* data, IMpOptions* preset);

  // The task page's bag with one reference for the caller; null for "AddOperation", "SetField",
  // an unknown task and a page without a bag.
  IMpOptions* getOptions();
  // Appends the task page's bag (each with a reference owned by the list); nothing for
  // "GroupingCommand", an unknown task and a page without a bag. True when the list is not
  // empty afterwards.
  bool getOptions(MpSmartList& options);

  // A sheet without a page (init failed or never called) is not shown: IDCANCEL. -1 when the
  // sheet could not be run.
  INT_PTR DoModal() override;

 protected:
  std::string m_taskName;
  IMpDataPtr m_spData;
  MpAppUiDesignChangesPage m_designChangesPage;
  MpAppUiRenumberAssembliesPage m_renumberPage;
  MpAppUiExportNodePage m_exportNodePage;
  MpAppUiAddProductVariantPage m_addProductVariantPage;
  MpAppUiRuleConstantPage m_ruleConstantPage;
  MpAppUiRuleDecorationPage m_ruleDecorationPage;
  MpAppUiFind m_findPage;
  MpAppUiSetField m_setFieldPage;
  MpAppUiCustomerCommandPage m_customerCommandPage;
  MpAppUiGroupingCommandPage m_groupingPage;
  MpAppUiSafeRetractsPage m_safeRetractsPage;
  MpAppUiAddOperation m_operationPages[6];
  MpAppUiCustomClassPage m_customClassPage;
  MpAppUiCustomFieldPage m_customFieldPage;

  DECLARE_MESSAGE_MAP()

 private:
  bool m_bInitDone = false;
};
