// Task page "AddProductVariant": the base and the new product-variant set, optional blank and
// part models chosen through the attachment dialog, and four switches for the host's follow-up.
// Every change is written to the bag at once.
#pragma once
#include <afxdlgs.h>
#include <string>
#include "MpSmartList.h"
#include "MpSmartPointers.h"

class MpAppUiAddProductVariantPage : public CPropertyPage {
  DECLARE_DYNCREATE(MpAppUiAddProductVariantPage)

 public:
  MpAppUiAddProductVariantPage();
  ~MpAppUiAddProductVariantPage() override;

  // Keeps the selection, gathers the product-variant sets of its data object and seeds a fresh
  // bag. Without a bag or a set to offer, says so (error box) and returns false.
  bool init(MpZulSmartList& selection);
  IMpOptions* getOptions() { return m_spOptions.addRefGet(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Refuses to go without a new set, then without any model.
  BOOL OnKillActive() override;

  bool collectVariantSets();
  // The set of the selected product, with a reference for the caller; null when none.
  IMpZulVariantSet* getProductVariantSet();
  // Adds the sets the chooser lacks and removes the excluded one (null: none). Each entry's item
  // data is its set's position in the variant-set list.
  void fillVariantSetCombo(CComboBox& combo, IUnknown* excluded);
  bool chooseModelFile(std::string& path, std::string& fileType);

  afx_msg void OnSelChangeBaseVariantSet();
  afx_msg void OnSelChangeNewVariantSet();
  afx_msg void OnAddBlank();
  afx_msg void OnBrowseBlankModel();
  afx_msg void OnAddPart();
  afx_msg void OnBrowsePartModel();
  afx_msg void OnCreateGroups();
  afx_msg void OnCompareFeatureFaces();
  afx_msg void OnCompareFeatureParams();
  afx_msg void OnIncrementalUpdate();

  CComboBox m_comboBaseSet;
  CComboBox m_comboNewSet;
  CButton m_checkAddBlank;
  CEdit m_editBlankModel;
  CButton m_buttonBrowseBlank;
  CButton m_checkAddPart;
  CEdit m_editPartModel;
  CButton m_buttonBrowsePart;
  CButton m_checkCreateGroups;
  CButton m_checkCompareFaces;
  CButton m_checkCompareParams;
  CButton m_checkIncremental;
  IMpOptionsPtr m_spOptions;
  MpZulSmartList m_selection;
  MpZulSmartList m_variantSets;

  DECLARE_MESSAGE_MAP()

 private:
  void onSelChange(CComboBox& chosen, CComboBox& other, const char* key);
  void writeSwitch(const CButton& button, const char* key);
  void browseModel(CEdit& field, const char* pathKey, const char* typeKey);
};
