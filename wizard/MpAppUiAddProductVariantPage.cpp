// Task page "AddProductVariant".
#include "MpAppUiAddProductVariantPage.h"
#include <vector>
#include "MpAppUiTaskPage.h"
#include "MpSettings.h"
#include "MpNameIds.h"
#include "MpStrings.h"
#include "MpUiCAttachmentDlg.h"
#include "MpUiCadFilters.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiAddProductVariantPage, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiAddProductVariantPage, CPropertyPage)
  ON_CBN_SELCHANGE(IDC_VARIANT_BASE_SET, OnSelChangeBaseVariantSet)
  ON_CBN_SELCHANGE(IDC_VARIANT_NEW_SET, OnSelChangeNewVariantSet)
  ON_BN_CLICKED(IDC_VARIANT_ADD_BLANK, OnAddBlank)
  ON_BN_CLICKED(IDC_VARIANT_BROWSE_BLANK, OnBrowseBlankModel)
  ON_BN_CLICKED(IDC_VARIANT_ADD_PART, OnAddPart)
  ON_BN_CLICKED(IDC_VARIANT_BROWSE_PART, OnBrowsePartModel)
  ON_BN_CLICKED(IDC_VARIANT_CREATE_GROUPS, OnCreateGroups)
  ON_BN_CLICKED(IDC_VARIANT_COMPARE_FACES, OnCompareFeatureFaces)
  ON_BN_CLICKED(IDC_VARIANT_COMPARE_PARAMS, OnCompareFeatureParams)
  ON_BN_CLICKED(IDC_VARIANT_INCREMENTAL, OnIncrementalUpdate)
END_MESSAGE_MAP()

namespace {
const char kBaseSet[] = "BaseProductVariantSet";
const char kNewSet[] = "NewProductVariantSet";
const char kAddBlank[] = "AddBlank";
const char kBlankModel[] = "BlankModel";
const char kAddPart[] = "AddPart";
const char kPartModel[] = "PartModel";
const char kCreateGroups[] = "CreateGroups";
const char kCompareFaces[] = "CompareFeatureFaces";
const char kCompareParams[] = "CompareFeatureParams";
const char kIncremental[] = "IncrementalUpdate";

// The entry whose item data is the position; CB_ERR when none.
int findPosition(const CComboBox& combo, size_t position) {
  for (int i = 0; i < combo.GetCount(); ++i)
    if (combo.GetItemData(i) == position) return i;
  return CB_ERR;
}

// The element at a position of a list (no reference added); null past the end.
IUnknown* elementAt(const MpSmartList& list, size_t position) {
  size_t i = 0;
  for (IUnknown* p : list)
    if (i++ == position) return p;
  return nullptr;
}

std::string nameOf(IMpZulNode* node) {
  std::string name;
  node->getName(name);
  return name;
}
}  // namespace

MpAppUiAddProductVariantPage::MpAppUiAddProductVariantPage() : CPropertyPage(IDD_ADD_PRODUCT_VARIANT_PAGE) {}

MpAppUiAddProductVariantPage::~MpAppUiAddProductVariantPage() = default;

bool MpAppUiAddProductVariantPage::init(MpZulSmartList& selection) {
  m_selection = selection;
  MpAppUiTaskPage::createBag(m_spOptions);
  if (m_spOptions.isNull() || !collectVariantSets()) {
    MpAppUiTaskPage::showInputError(IDS_VARIANT_NO_SETS);
    return false;
  }
  IMpOptions* bag = m_spOptions.get();
  bool ok = bag->setObjectKey(kBaseSet, ZulObjectKey());
  ok = bag->setObjectKey(kNewSet, ZulObjectKey()) && ok;
  ok = bag->setBool(kAddBlank, false) && ok;
  ok = bag->setString(kBlankModel, "") && ok;
  ok = bag->setBool(kAddPart, false) && ok;
  ok = bag->setString(kPartModel, "") && ok;
  ok = bag->setBool(kCreateGroups, true) && ok;
  ok = bag->setBool(kCompareFaces, true) && ok;
  ok = bag->setBool(kCompareParams, false) && ok;
  ok = bag->setBool(kIncremental, true) && ok;
  return ok;
}

bool MpAppUiAddProductVariantPage::collectVariantSets() {
  IMpZulNodePtr spFirst(m_selection.front(), true);
  if (spFirst.isNull()) return false;
  IMpDataPtr spData(spFirst->getData(), false);
  if (spData.isNull()) return false;
  std::vector<ZulObjectKey> keys;
  if (!spData->getProductVariantSets(keys)) return false;
  m_variantSets.clear();
  for (const ZulObjectKey& key : keys) {
    IMpZulNodePtr spHolder(spData.get(), key, 0);
    if (spHolder.isNull()) continue;
    MpSmartList children;
    spHolder->getChildren(children);
    // Only the sets among the node's children can be offered.
    for (IUnknown* child : children) {
      IMpZulVariantSetPtr spSet(child, true);
      if (spSet.isValid()) m_variantSets.push_back(child, true);
    }
  }
  return !m_variantSets.empty();
}

IMpZulVariantSet* MpAppUiAddProductVariantPage::getProductVariantSet() {
  IMpPmProductPtr spProduct(m_selection.front(), true);
  if (spProduct.isNull()) return nullptr;
  IMpZulNodePtr spNode(static_cast<IUnknown*>(spProduct.get()), true);
  return spNode.isValid() ? spNode->getVariantSet() : nullptr;
}

void MpAppUiAddProductVariantPage::fillVariantSetCombo(CComboBox& combo, IUnknown* excluded) {
  size_t position = 0;
  for (IUnknown* element : m_variantSets) {
    const size_t here = position++;
    IMpZulNodePtr spSet(element, true);
    if (spSet.isNull()) continue;
    const int entry = findPosition(combo, here);
    if (excluded != nullptr && spSet.isSameObject(excluded)) {
      if (entry != CB_ERR) combo.DeleteString((UINT)entry);
    } else if (entry == CB_ERR) {
      const int added = combo.AddString(nameOf(spSet.get()).c_str());
      ::SendMessageA(combo.GetSafeHwnd(), CB_SETITEMDATA, (WPARAM)added, (LPARAM)here);
    }
  }
}

void MpAppUiAddProductVariantPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_VARIANT_BASE_SET, m_comboBaseSet);
  DDX_Control(pDX, IDC_VARIANT_NEW_SET, m_comboNewSet);
  DDX_Control(pDX, IDC_VARIANT_ADD_BLANK, m_checkAddBlank);
  DDX_Control(pDX, IDC_VARIANT_BLANK_MODEL, m_editBlankModel);
  DDX_Control(pDX, IDC_VARIANT_BROWSE_BLANK, m_buttonBrowseBlank);
  DDX_Control(pDX, IDC_VARIANT_ADD_PART, m_checkAddPart);
  DDX_Control(pDX, IDC_VARIANT_PART_MODEL, m_editPartModel);
  DDX_Control(pDX, IDC_VARIANT_BROWSE_PART, m_buttonBrowsePart);
  DDX_Control(pDX, IDC_VARIANT_CREATE_GROUPS, m_checkCreateGroups);
  DDX_Control(pDX, IDC_VARIANT_COMPARE_FACES, m_checkCompareFaces);
  DDX_Control(pDX, IDC_VARIANT_COMPARE_PARAMS, m_checkCompareParams);
  DDX_Control(pDX, IDC_VARIANT_INCREMENTAL, m_checkIncremental);
}

BOOL MpAppUiAddProductVariantPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  if (m_spOptions.isNull()) return TRUE;
  IMpZulNodePtr spCurrent;
  spCurrent.attach(static_cast<IUnknown*>(getProductVariantSet()));
  if (spCurrent.isValid()) {
    const int entry = m_comboBaseSet.AddString(nameOf(spCurrent.get()).c_str());
    size_t position = 0;
    for (IUnknown* element : m_variantSets) {
      if (spCurrent.isSameObject(element)) break;
      ++position;
    }
    ::SendMessageA(m_comboBaseSet.GetSafeHwnd(), CB_SETITEMDATA, (WPARAM)entry, (LPARAM)position);
    m_comboBaseSet.SetCurSel(0);
    m_comboBaseSet.EnableWindow(FALSE);
    m_spOptions->setObjectKey(kBaseSet, ZulObjectKey(spCurrent->getObjectKey().objectId));
  } else {
    fillVariantSetCombo(m_comboBaseSet, nullptr);
  }
  fillVariantSetCombo(m_comboNewSet, spCurrent.isValid() ? static_cast<IUnknown*>(spCurrent.get()) : nullptr);

  const bool addBlank = m_spOptions->getBool(kAddBlank);
  m_checkAddBlank.SetCheck(addBlank ? BST_CHECKED : BST_UNCHECKED);
  m_buttonBrowseBlank.EnableWindow(addBlank ? TRUE : FALSE);
  MpAppUiTaskPage::setWindowText(m_editBlankModel, m_spOptions->getString(kBlankModel));
  const bool addPart = m_spOptions->getBool(kAddPart);
  m_checkAddPart.SetCheck(addPart ? BST_CHECKED : BST_UNCHECKED);
  m_buttonBrowsePart.EnableWindow(addPart ? TRUE : FALSE);
  MpAppUiTaskPage::setWindowText(m_editPartModel, m_spOptions->getString(kPartModel));
  m_checkCreateGroups.SetCheck(m_spOptions->getBool(kCreateGroups) ? BST_CHECKED : BST_UNCHECKED);
  m_checkCompareFaces.SetCheck(m_spOptions->getBool(kCompareFaces) ? BST_CHECKED : BST_UNCHECKED);
  m_checkCompareParams.SetCheck(m_spOptions->getBool(kCompareParams) ? BST_CHECKED : BST_UNCHECKED);
  m_checkIncremental.SetCheck(m_spOptions->getBool(kIncremental) ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

// The chosen entry's set is found by its position, so two sets of one name stay apart.
void MpAppUiAddProductVariantPage::onSelChange(CComboBox& chosen, CComboBox& other, const char* key) {
  if (m_spOptions.isNull()) return;
  UpdateData(TRUE);
  const int sel = chosen.GetCurSel();
  if (sel == CB_ERR) return;
  IMpZulVariantSetPtr spSet(elementAt(m_variantSets, chosen.GetItemData(sel)), true);
  if (spSet.isNull()) return;
  IMpZulNodePtr spNode(static_cast<IUnknown*>(spSet.get()), true);
  if (spNode.isNull()) return;
  m_spOptions->setObjectKey(key, ZulObjectKey(spNode->getObjectKey().objectId));
  fillVariantSetCombo(other, spNode.get());
}

void MpAppUiAddProductVariantPage::OnSelChangeBaseVariantSet() { onSelChange(m_comboBaseSet, m_comboNewSet, kBaseSet); }
void MpAppUiAddProductVariantPage::OnSelChangeNewVariantSet() { onSelChange(m_comboNewSet, m_comboBaseSet, kNewSet); }

void MpAppUiAddProductVariantPage::writeSwitch(const CButton& button, const char* key) {
  m_spOptions->setString(key, button.GetCheck() == BST_CHECKED ? "on" : "off");
}

void MpAppUiAddProductVariantPage::OnAddBlank() {
  if (m_spOptions.isNull()) return;
  writeSwitch(m_checkAddBlank, kAddBlank);
  m_buttonBrowseBlank.EnableWindow(m_checkAddBlank.GetCheck() == BST_CHECKED ? TRUE : FALSE);
}

void MpAppUiAddProductVariantPage::OnAddPart() {
  if (m_spOptions.isNull()) return;
  writeSwitch(m_checkAddPart, kAddPart);
  m_buttonBrowsePart.EnableWindow(m_checkAddPart.GetCheck() == BST_CHECKED ? TRUE : FALSE);
}

void MpAppUiAddProductVariantPage::OnCreateGroups() {
  if (m_spOptions.isValid()) writeSwitch(m_checkCreateGroups, kCreateGroups);
}
void MpAppUiAddProductVariantPage::OnCompareFeatureFaces() {
  if (m_spOptions.isValid()) writeSwitch(m_checkCompareFaces, kCompareFaces);
}
void MpAppUiAddProductVariantPage::OnCompareFeatureParams() {
  if (m_spOptions.isValid()) writeSwitch(m_checkCompareParams, kCompareParams);
}
void MpAppUiAddProductVariantPage::OnIncrementalUpdate() {
  if (m_spOptions.isValid()) writeSwitch(m_checkIncremental, kIncremental);
}

void MpAppUiAddProductVariantPage::browseModel(CEdit& field, const char* pathKey, const char* typeKey) {
  if (m_spOptions.isNull()) return;
  std::string path, fileType;
  if (!chooseModelFile(path, fileType)) return;
  MpAppUiTaskPage::setWindowText(field, path);
  m_spOptions->setString(pathKey, path);
  m_spOptions->setString(typeKey, fileType);
}

void MpAppUiAddProductVariantPage::OnBrowseBlankModel() { browseModel(m_editBlankModel, kBlankModel, "BlankModelType"); }
void MpAppUiAddProductVariantPage::OnBrowsePartModel() { browseModel(m_editPartModel, kPartModel, "PartModelType"); }

bool MpAppUiAddProductVariantPage::chooseModelFile(std::string& path, std::string& fileType) {
  const std::string filters = WidgetDeck::cadFilters();
  std::string cadModel = MpName(MpNameId::CadModel);
  std::vector<std::string> types{cadModel};
  MpUiCAttachmentDlg dlg(true, 1, cadModel, types, nullptr, nullptr,
                         OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST, filters.c_str(), nullptr);
  if (dlg.DoModal() != IDOK) return false;
  const std::vector<std::string> files = dlg.getSelectedFileNames();
  if (files.size() != 1) return false;
  path = files.front();
  fileType = dlg.getConvertType();
  return true;
}

BOOL MpAppUiAddProductVariantPage::OnKillActive() {
  if (m_spOptions.isNull()) return FALSE;
  if (m_spOptions->getObjectKey(kNewSet).isNone()) {
    MpAppUiTaskPage::showInputError(IDS_VARIANT_NO_NEW_SET);
    return FALSE;
  }
  if (m_spOptions->getString(kBlankModel).empty() && m_spOptions->getString(kPartModel).empty()) {
    MpAppUiTaskPage::showInputError(IDS_VARIANT_NO_MODEL);
    return FALSE;
  }
  return CPropertyPage::OnKillActive();
}
