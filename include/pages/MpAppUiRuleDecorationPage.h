// Task page "RuleDecoration": a decoration of a knowledge rule: its name, one of the rule's
// fields as its type, and a class offered for that field.
#pragma once
#include <afxdlgs.h>
#include <string>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiRuleDecorationPage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiRuleDecorationPage)

 public:
  MpAppUiRuleDecorationPage();
  ~MpAppUiRuleDecorationPage() override;

  // The last rule of the selection is the one decorated. A preset becomes the page's bag;
  // without one a fresh bag is made with "Name", "Type" and "Class" empty. Always true.
  bool init(MpZulSmartList& selection, IMpOptions* preset);
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }
  // False when the name is one the host lists as taken ("Name" as a list), unless it is the
  // decoration's own current name.
  bool isNameUnused(const std::string& name);
  // Sizes a chooser's drop-down list to its entries, within the work area.
  void fitDropDownHeight(CComboBox* combo);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;
  afx_msg void OnSelChangeType();

  CEdit m_editName;
  CComboBox m_comboType;
  CComboBox m_comboClass;
  IMpOptionsPtr m_spOptions;
  IMpPmRulePtr m_spRule;
  MpSmartList m_fields;
  // The classes behind the class chooser's entries, one for one.
  MpSmartList m_classes;

  DECLARE_MESSAGE_MAP()
};
