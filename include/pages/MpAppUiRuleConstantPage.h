// Task page "RuleConstant": a named constant of the knowledge rules with its value type,
// default value, unit factor (type "double" only) and explanation.
#pragma once
#include <afxdlgs.h>
#include <string>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiRuleConstantPage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiRuleConstantPage)

 public:
  MpAppUiRuleConstantPage();
  ~MpAppUiRuleConstantPage() override;

  // The selection is not used. A preset becomes the page's bag; without one a fresh bag is
  // made with the five keys empty. Always true.
  bool init(MpZulSmartList& selection, IMpOptions* preset);
  // The bag with a reference for the caller; null when the page has none.
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }
  // False when the name is one of the names the host lists as taken ("Name" as a list); true
  // for a page without a bag.
  bool isNameUnused(const std::string& name);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;
  afx_msg void OnSelChangeType();

  CEdit m_editName;
  CEdit m_editDefault;
  CComboBox m_comboType;
  CComboBox m_comboFactor;
  CEdit m_editExplanation;
  IMpOptionsPtr m_spOptions;

  DECLARE_MESSAGE_MAP()
};
