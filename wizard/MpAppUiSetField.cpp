// Task page "SetField".
#include "MpAppUiSetField.h"
#include <vector>
#include "MpAppUiTaskPage.h"
#include "MpStrings.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(MpAppUiSetField, CPropertyPage)

BEGIN_MESSAGE_MAP(MpAppUiSetField, CPropertyPage)
  ON_CBN_SELCHANGE(IDC_SET_FIELD_NAME, OnSelChangeFieldName)
  ON_BN_CLICKED(IDC_SET_FIELD_PROTOTYPE, OnClickPrototypeFields)
END_MESSAGE_MAP()

namespace {
const char kName[] = "SetFieldName";
const char kValue[] = "SetFieldValue";
const char kPrototype[] = "SetFieldPrototype";
const char kDepth[] = "SetFieldDepth";

// The prototype of a node as a node; null when it has none.
IMpZulNode* prototypeOf(IUnknown* node) {
  IMpZulInstancePtr instance(node, true);
  if (instance.isNull()) return nullptr;
  IMpZulNodePtr prototype(instance->getPrototype(), false);
  return prototype.isValid() ? prototype.addRefGet() : nullptr;
}

// Appends the fields of the node's class.
void appendClassFields(IMpZulNode* node, MpSmartList& fields) {
  if (node == nullptr) return;
  IMpZulClassPtr cls;
  cls.attach(node->getClass());
  if (cls.isValid()) cls->getFields(fields, true, false);
}

// The field of that name on the node's class, with a reference for the caller.
IMpZulField* classField(IMpZulNode* node, const std::string& name) {
  if (node == nullptr) return nullptr;
  IMpZulClassPtr cls;
  cls.attach(node->getClass());
  IMpZulField* field = cls.isValid() ? cls->getField(name) : nullptr;
  // The class object lends its field: the caller's reference is added here, while it lives.
  if (field != nullptr) field->AddRef();
  return field;
}

// A variant as text in the thread's code page: a double array by its first element.
bool variantText(VARIANT& value, std::string& text) {
  if (value.vt == (VT_ARRAY | VT_R8)) {
    LONG lower = 0, upper = -1;
    double first = 0;
    if (value.parray == nullptr || FAILED(::SafeArrayGetLBound(value.parray, 1, &lower)) ||
        FAILED(::SafeArrayGetUBound(value.parray, 1, &upper)) || upper < lower ||
        FAILED(::SafeArrayGetElement(value.parray, &lower, &first)))
      return false;
    text = MpStrFormat("%lf", first);
    return true;
  }
  if (FAILED(::VariantChangeType(&value, &value, 0, VT_BSTR))) return false;
  text = AfxAnsiFromWide(value.bstrVal, static_cast<int>(::SysStringLen(value.bstrVal)), CP_THREAD_ACP);
  return true;
}
}  // namespace

bool isSimpleField(IMpZulField* field, bool allowType2, bool allowDouble, bool allowString) {
  if (field == nullptr) return false;
  if (field->matchesValueTypes(allowType2, allowDouble, allowString)) return true;
  int dimension = 0, type = 0;
  if (!field->getDimension(dimension) || dimension != MpZulFieldDimension::Single || !field->getType(type))
    return false;
  return (type == MpZulFieldType::Integer && allowType2) || (type == MpZulFieldType::Double && allowDouble) ||
         (type == MpZulFieldType::String && allowString);
}

MpAppUiSetField::MpAppUiSetField() : CPropertyPage(IDD_SET_FIELD_PAGE) {}

MpAppUiSetField::~MpAppUiSetField() = default;

bool MpAppUiSetField::init(MpZulSmartList& selection, IMpOptions* preset) {
  (void)preset;
  m_selection = selection;
  if (MpAppUiTaskPage::createBag(m_spOptions)) {
    m_spOptions->setString(kName, "");
    m_spOptions->setString(kValue, "");
    m_spOptions->setBool(kPrototype, true);
    m_spOptions->setBool(kDepth, false);
  }
  return true;
}

void MpAppUiSetField::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SET_FIELD_NAME, m_comboFieldName);
  DDX_Control(pDX, IDC_SET_FIELD_VALUE, m_comboValue);
  DDX_Control(pDX, IDC_SET_FIELD_PROTOTYPE, m_checkPrototype);
  DDX_Control(pDX, IDC_SET_FIELD_DEPTH, m_checkDepth);
}

BOOL MpAppUiSetField::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  if (m_spOptions.isNull()) return result;
  if (m_spOptions->getBool(kPrototype)) m_checkPrototype.SetCheck(BST_CHECKED);
  if (m_spOptions->getBool(kDepth)) m_checkDepth.SetCheck(BST_CHECKED);
  collectFields();
  fillFieldNames();
  return result;
}

void MpAppUiSetField::collectFields() {
  m_fields.clear();
  for (IUnknown* object : m_selection) {
    IMpZulNodePtr node(object, true);
    if (node.isNull()) continue;
    appendClassFields(node.get(), m_fields);
    if (usesPrototypes()) {
      IMpZulNodePtr prototype(prototypeOf(object), false);
      appendClassFields(prototype.get(), m_fields);
    }
  }
}

void MpAppUiSetField::fillFieldNames() {
  m_comboFieldName.ResetContent();
  for (IUnknown* object : m_fields) {
    IMpZulFieldPtr field(object, true);
    std::string name;
    if (!isSimpleField(field.get(), true, true, true) || !field->getName(name)) continue;
    // One entry a name, whatever its case.
    if (m_comboFieldName.FindStringExact(-1, name.c_str()) == CB_ERR) m_comboFieldName.AddString(name.c_str());
  }
}

bool MpAppUiSetField::getFieldValueText(IMpZulNode* node, const std::string& name, std::string& value) {
  IMpDataParameterSetPtr parameters(CLSID_MpDataParameterSet, nullptr);
  if (node == nullptr || parameters.isNull()) return false;
  parameters->addParameter(name);
  if (!node->getParameters(parameters.get())) return false;
  VARIANT variant;
  ::VariantInit(&variant);
  bool found = false;
  std::string text;
  const bool ok = parameters->getValue(name, variant, found) && variant.vt != VT_EMPTY && variantText(variant, text);
  ::VariantClear(&variant);
  if (ok) value = text;
  return ok;
}

std::string MpAppUiSetField::getCommonValue(const std::string& name) {
  std::string common;
  bool haveValue = false, fromObject = false;
  // A value that differs from the first one found means there is no common value.
  auto take = [&](const std::string& value, bool objectValue) {
    if (!haveValue) {
      common = value;
      haveValue = true;
      fromObject = objectValue;
      return true;
    }
    return value == common;
  };
  for (IUnknown* object : m_selection) {
    IMpZulNodePtr node(object, true);
    if (node.isNull()) continue;
    std::string value;
    if (getFieldValueText(node.get(), name, value) && !take(value, true)) return std::string();
    if (!fromObject && usesPrototypes()) {
      IMpZulNodePtr prototype(prototypeOf(object), false);
      if (getFieldValueText(prototype.get(), name, value) && !take(value, false)) return std::string();
    }
  }
  return common;
}

IMpZulField* MpAppUiSetField::findField(const std::string& name) {
  IMpZulNodePtr node(m_selection.front(), true);
  if (node.isNull()) return nullptr;
  IMpZulField* field = classField(node.get(), name);
  if (field == nullptr && usesPrototypes()) {
    IMpZulNodePtr prototype(prototypeOf(node.get()), false);
    field = classField(prototype.get(), name);
  }
  return field;
}

void MpAppUiSetField::OnSelChangeFieldName() {
  if (m_spOptions.isNull()) return;
  UpdateData(TRUE);
  const std::string name = MpAppUiTaskPage::selectedText(m_comboFieldName);
  if (name.empty()) return;
  m_spOptions->setString(kName, name);
  const std::string common = getCommonValue(name);

  m_comboValue.ResetContent();
  IMpZulFieldPtr field(findField(name), false);
  std::vector<std::string> values;
  if (field.isValid() && field->getEnumValues(values, false))
    for (const std::string& value : values) m_comboValue.AddString(value.c_str());
  MpAppUiTaskPage::setWindowText(m_comboValue, common);
  m_comboValue.ShowDropDown(m_comboValue.GetCount() > 0 ? TRUE : FALSE);
}

void MpAppUiSetField::OnClickPrototypeFields() {
  collectFields();
  fillFieldNames();
  if (m_spOptions.isNull()) return;
  // The chosen field stays chosen while it is still offered; otherwise no field is chosen.
  std::string name = m_spOptions->getString(kName);
  const int index = MpAppUiTaskPage::findExact(m_comboFieldName, name);
  if (index == CB_ERR) {
    name.clear();
    m_spOptions->setString(kName, name);
  }
  m_comboFieldName.SetCurSel(index);
  MpAppUiTaskPage::setWindowText(m_comboValue, name.empty() ? std::string() : getCommonValue(name));
}

BOOL MpAppUiSetField::OnKillActive() {
  const BOOL base = CPropertyPage::OnKillActive();
  if (!base || m_spOptions.isNull()) return base;
  UpdateData(TRUE);
  const std::string name = m_spOptions->getString(kName);
  const std::string value = MpAppUiTaskPage::windowText(m_comboValue);
  bool ok = false;
  if (!value.empty() && !name.empty()) {
    ok = m_spOptions->setString(kValue, value);
  } else {
    MpAppUiTaskPage::showInputError(IDS_TASK_NAME_EMPTY);
  }
  m_spOptions->setString(kPrototype, MpAppUiTaskPage::onOff(m_checkPrototype));
  m_spOptions->setString(kDepth, MpAppUiTaskPage::onOff(m_checkDepth));
  return ok ? TRUE : FALSE;
}
