// Task page "AddOperation".
#include "MpAppUiAddOperation.h"
#include <commctrl.h>
#include <iterator>
#include "MpAppUiTaskPage.h"
#include "MpNameIds.h"
#include "MpStrings.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiAddOperation, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiAddOperation, CPropertyPage)
  ON_CBN_SELCHANGE(IDC_ADD_OPERATION_PROTOTYPE, OnSelChangePrototype)
  ON_CBN_SELCHANGE(IDC_ADD_OPERATION_SETUP, OnSelChangeSetup)
  ON_CBN_SELCHANGE(IDC_ADD_OPERATION_TOOL, OnSelChangeToolAssembly)
  ON_CBN_SELCHANGE(IDC_ADD_OPERATION_FEATURE_CLASS, OnSelChangeFeatureClass)
END_MESSAGE_MAP()

namespace {
const char kPrototype[] = "OperationPrototype";
const char kSetup[] = "OperationSetup";
const char kToolAssembly[] = "ToolAssembly";
const char kFeatureClass[] = "FeatureClass";
const char kName[] = "OperationName";

// Selects the entry of exactly that text; nothing when there is none.
void selectExact(CComboBox& combo, const std::string& text) {
  const int index = MpAppUiTaskPage::findExact(combo, text);
  if (index != CB_ERR) combo.SetCurSel(index);
}

IUnknown* at(const MpSmartList& list, size_t position) {
  return position < list.size() ? *std::next(list.begin(), static_cast<long>(position)) : nullptr;
}

// Lists the named nodes of objects in the combo box, each entry carrying its object's position in
// objects, so that entries of one name stay apart.
void fillNodeChooser(CComboBox& combo, const MpSmartList& objects) {
  size_t position = 0;
  for (IUnknown* object : objects) {
    IMpZulNodePtr node(object, true);
    std::string name;
    if (node.isValid() && node->getName(name)) {
      const int index = combo.AddString(name.c_str());
      combo.SetItemDataPtr(index, reinterpret_cast<void*>(position));
    }
    ++position;
  }
}

// The object behind the chosen entry of a combo box that fillNodeChooser filled; null for none.
IUnknown* chosenNode(CComboBox& combo, const MpSmartList& objects) {
  const int chosen = combo.GetCurSel();
  return chosen == CB_ERR ? nullptr : at(objects, reinterpret_cast<size_t>(combo.GetItemDataPtr(chosen)));
}

// Selects the entry of the object with the same key as object; nothing when there is none.
void selectNode(CComboBox& combo, const MpSmartList& objects, IUnknown* object) {
  IMpZulNodePtr wanted(object, true);
  if (wanted.isNull()) return;
  const ZulObjectKey key = wanted->getObjectKey();
  for (int i = 0; i < combo.GetCount(); ++i) {
    IMpZulNodePtr node(at(objects, reinterpret_cast<size_t>(combo.GetItemDataPtr(i))), true);
    if (node.isValid() && node->getObjectKey() == key) {
      combo.SetCurSel(i);
      return;
    }
  }
}
}  // namespace

MpAppUiAddOperation::MpAppUiAddOperation() : CPropertyPage(IDD_ADD_OPERATION_PAGE) {}

MpAppUiAddOperation::~MpAppUiAddOperation() = default;

bool MpAppUiAddOperation::init(MpZulSmartList& selection, IMpOptions* preset) {
  MpAppUiTaskPage::takeBag(m_spOptions, preset, [](IMpOptions* bag) { bag->setString(kPrototype, ""); });
  m_selection = selection;
  IUnknown* first = m_selection.front();
  IMpZulNodePtr node(first, true);
  if (node.isValid()) m_spData.attach(node->getData());

  IMpPmFeaturePtr feature(first, true);
  if (feature.isValid()) {
    IMpZulInstancePtr instance(first, true);
    if (instance.isValid()) m_spFeaturePrototype = IMpPmFeaturePrototypePtr(instance->getPrototype(), false);
    IMpPmModelPtr model;
    model.attach(feature->getModel());
    if (model.isValid()) {
      m_spModelSetup.attach(model->getOperationSetup());
      m_spChosenSetup = m_spModelSetup;
      IMpPmProductPtr product;
      product.attach(model->getProduct());
      if (product.isValid()) product->getOperationSetups(m_setups);
    }
  }
  return true;
}

void MpAppUiAddOperation::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ADD_OPERATION_NAME, m_editName);
  DDX_Control(pDX, IDC_ADD_OPERATION_PROTOTYPE, m_comboPrototype);
  DDX_Control(pDX, IDC_ADD_OPERATION_SETUP, m_comboSetup);
  DDX_Control(pDX, IDC_ADD_OPERATION_TOOL, m_comboToolAssembly);
  DDX_Control(pDX, IDC_ADD_OPERATION_FEATURE_CLASS, m_comboFeatureClass);
}

void MpAppUiAddOperation::fillClassChooser(unsigned nameId, CComboBox& combo, MpSmartList& classes) {
  classes.clear();
  IMpZulClassPtr kind(CLSID_MpZulClass, nullptr);
  MpSmartList objects;
  if (kind.isNull() || !kind->loadByName(m_spData.get(), MpName(nameId)) || !kind->getObjects(objects)) return;
  for (IUnknown* object : objects) {
    IMpZulClassPtr cls(object, true);
    std::string niceName;
    if (cls.isNull() || !cls->getNiceName(niceName)) continue;
    combo.AddString(niceName.c_str());
    classes.push_back(object, true);
  }
}

BOOL MpAppUiAddOperation::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  const std::string caption = MpAppUiTaskPage::windowText(*this);
  if (!caption.empty()) setTabText(caption);
  MpAppUiTaskPage::setWindowText(m_editName, "");

  fillClassChooser(MpNameId::OperationPrototypeClass, m_comboPrototype, m_prototypeClasses);
  fillClassChooser(MpNameId::FeatureClassClass, m_comboFeatureClass, m_featureClasses);
  fillNodeChooser(m_comboSetup, m_setups);

  // The feature's own class and its model's set-up are shown, not written.
  IMpZulNodePtr prototype(static_cast<IUnknown*>(m_spFeaturePrototype.get()), true);
  if (prototype.isValid()) {
    IMpZulClassPtr cls;
    cls.attach(prototype->getClass());
    std::string niceName;
    if (cls.isValid() && cls->getNiceName(niceName)) selectExact(m_comboFeatureClass, niceName);
  }
  if (m_spModelSetup.isValid()) selectNode(m_comboSetup, m_setups, m_spModelSetup.get());
  fillToolAssemblies();
  return result;
}

void MpAppUiAddOperation::setTabText(const std::string& text) {
  CWnd* sheet = GetParent();
  if (sheet == nullptr) return;
  HWND tabs = reinterpret_cast<HWND>(sheet->SendMessage(PSM_GETTABCONTROL, 0, 0));
  if (tabs == nullptr) return;
  std::string title = MpStrFormat("%d. %s", m_nVariant + 1, text.c_str());
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = &title[0];
  ::SendMessageA(tabs, TCM_SETITEMA, static_cast<WPARAM>(m_nVariant), reinterpret_cast<LPARAM>(&item));
}

void MpAppUiAddOperation::fillToolAssemblies() {
  m_comboToolAssembly.ResetContent();
  m_toolAssemblies.clear();
  if (m_spChosenSetup.isValid()) {
    IMpPmResourceSetupPtr resources;
    resources.attach(m_spChosenSetup->getResourceSetup());
    MpSmartList list;
    if (resources.isValid() && resources->getResources(list)) {
      for (IUnknown* resource : list) {
        IMpPmToolSetPtr toolSet(resource, true);
        if (toolSet.isValid()) toolSet->getToolAssemblies(m_toolAssemblies, true);
      }
    }
  }
  fillNodeChooser(m_comboToolAssembly, m_toolAssemblies);
  bool held = false;
  if (m_spChosenToolAssembly.isValid()) {
    selectNode(m_comboToolAssembly, m_toolAssemblies, m_spChosenToolAssembly.get());
    held = m_comboToolAssembly.GetCurSel() != CB_ERR;
  }
  // A tool assembly of another set-up is no choice for this one.
  if (m_spChosenToolAssembly.isValid() && !held) {
    m_spChosenToolAssembly = nullptr;
    if (m_spOptions.isValid()) m_spOptions->setObjectKey(kToolAssembly, ZulObjectKey());
  }
}

IUnknown* MpAppUiAddOperation::chosenClass(const CComboBox& combo, const MpSmartList& classes) const {
  const int chosen = combo.GetCurSel();
  return chosen == CB_ERR ? nullptr : at(classes, static_cast<size_t>(chosen));
}

void MpAppUiAddOperation::OnSelChangePrototype() {
  UpdateData(TRUE);
  if (m_spOptions.isNull()) return;
  IMpZulClassPtr cls(chosenClass(m_comboPrototype, m_prototypeClasses), true);
  std::string name;
  if (cls.isNull() || !cls->getName(name)) return;
  m_spOptions->setString(kPrototype, name);
  setTabText(MpAppUiTaskPage::selectedText(m_comboPrototype));
}

void MpAppUiAddOperation::OnSelChangeFeatureClass() {
  UpdateData(TRUE);
  if (m_spOptions.isNull()) return;
  IMpZulClassPtr cls(chosenClass(m_comboFeatureClass, m_featureClasses), true);
  std::string name;
  if (cls.isValid() && cls->getName(name)) m_spOptions->setString(kFeatureClass, name);
}

void MpAppUiAddOperation::OnSelChangeSetup() {
  UpdateData(TRUE);
  if (m_spOptions.isNull()) return;
  m_spChosenSetup = nullptr;
  IUnknown* setup = chosenNode(m_comboSetup, m_setups);
  if (setup != nullptr) {
    m_spChosenSetup = IMpPmOperationSetupPtr(setup, true);
    IMpZulNodePtr node(setup, true);
    if (node.isValid()) m_spOptions->setObjectKey(kSetup, ZulObjectKey(node->getObjectKey().objectId));
  }
  fillToolAssemblies();
}

void MpAppUiAddOperation::OnSelChangeToolAssembly() {
  UpdateData(TRUE);
  if (m_spOptions.isNull()) return;
  IUnknown* assembly = chosenNode(m_comboToolAssembly, m_toolAssemblies);
  IMpZulNodePtr node(assembly, true);
  if (node.isNull()) return;
  m_spChosenToolAssembly = IMpPmToolAssemblyPtr(assembly, true);
  m_spOptions->setObjectKey(kToolAssembly, ZulObjectKey(node->getObjectKey().objectId));
}

BOOL MpAppUiAddOperation::OnKillActive() {
  // Nothing is checked: the name goes as typed, and a page without a bag lets the user go.
  if (m_spOptions.isValid()) m_spOptions->setString(kName, MpAppUiTaskPage::windowText(m_editName));
  return CPropertyPage::OnKillActive();
}
