// Task page "AddOperation": for a selected feature, the prototype, set-up, tool assembly and
// feature class of a new operation, and its name. The sheet shows six of these pages, numbered on
// their tabs, so that up to six operations are defined in one run.
#pragma once
#include <afxdlgs.h>
#include <string>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiAddOperation : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiAddOperation)

 public:
  MpAppUiAddOperation();
  ~MpAppUiAddOperation() override;

  // Keeps the selection and, when its first object is a feature, that feature's prototype, model
  // set-up and the product's set-ups. A preset becomes the page's bag; without one a fresh bag is
  // made with an empty "OperationPrototype". Always true.
  bool init(MpZulSmartList& selection, IMpOptions* preset);
  // The page's position among the six (0 to 5), which numbers its tab.
  void setPageVariant(int variant) { m_nVariant = variant; }
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnKillActive() override;
  afx_msg void OnSelChangePrototype();
  afx_msg void OnSelChangeSetup();
  afx_msg void OnSelChangeToolAssembly();
  afx_msg void OnSelChangeFeatureClass();

  CEdit m_editName;
  CComboBox m_comboPrototype;
  CComboBox m_comboSetup;
  CComboBox m_comboToolAssembly;
  CComboBox m_comboFeatureClass;
  IMpDataPtr m_spData;
  MpZulSmartList m_selection;
  IMpOptionsPtr m_spOptions;
  // The classes behind the two class choosers' entries, one for one.
  MpSmartList m_prototypeClasses;
  MpSmartList m_featureClasses;
  int m_nVariant = 0;
  IMpPmFeaturePrototypePtr m_spFeaturePrototype;
  IMpPmOperationSetupPtr m_spModelSetup;
  IMpPmOperationSetupPtr m_spChosenSetup;
  // The product's set-ups; the set-up chooser's entries carry their position here.
  MpZulSmartList m_setups;
  MpZulSmartList m_toolAssemblies;
  IMpPmToolAssemblyPtr m_spChosenToolAssembly;

  DECLARE_MESSAGE_MAP()

 private:
  void setTabText(const std::string& text);
  void fillToolAssemblies();
  void fillClassChooser(unsigned nameId, CComboBox& combo, MpSmartList& classes);
  // The class behind the chosen entry of a class chooser; null when none is chosen.
  IUnknown* chosenClass(const CComboBox& combo, const MpSmartList& classes) const;
};
