// What a node answers through the process-model interfaces: models, set-ups, tools, prototypes,
// attachments, rules and the values of its fields.
#include <afx.h>
#include <cstdlib>
#include <functional>
#include "MpHostData.h"
#include "MpHostOptions.h"
#include "MpSmartList.h"
#include "host_internal.h"
#include "host_registry.h"

namespace {

// A field's text as the variant its type makes of it; false for a text the type cannot take.
bool toVariant(const MpHostFieldDef& field, const std::string& text, VARIANT& value) {
  ::VariantInit(&value);
  if (field.type == MpHostFieldDouble && (field.dimension > 1 || field.valueArray)) {
    std::vector<double> numbers;
    size_t start = 0;
    for (;;) {
      const size_t comma = text.find(',', start);
      double d = 0;
      if (!MpHostParseDouble(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start), d))
        return false;
      numbers.push_back(d);
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
    SAFEARRAY* array = ::SafeArrayCreateVector(VT_R8, 0, static_cast<ULONG>(numbers.size()));
    if (!array) return false;
    for (LONG i = 0; i < static_cast<LONG>(numbers.size()); ++i) ::SafeArrayPutElement(array, &i, &numbers[i]);
    value.vt = VT_ARRAY | VT_R8;
    value.parray = array;
    return true;
  }
  if (field.type == MpHostFieldDouble) {
    value.vt = VT_R8;
    return MpHostParseDouble(text, value.dblVal);
  }
  if (field.type == MpHostFieldInteger) {
    int i = 0;
    if (!MpHostParseInt(text, i)) return false;
    value.vt = VT_I4;
    value.lVal = i;
    return true;
  }
  const std::wstring wide = AfxWideFromAnsi(text.data(), static_cast<int>(text.size()));
  value.vt = VT_BSTR;
  value.bstrVal = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return true;
}

}  // namespace

template <class I>
I* MpHostNode::handOut(MpHostNode* node, REFIID iid) {
  void* p = nullptr;
  if (!node || FAILED(node->QueryInterface(iid, &p))) return nullptr;
  return static_cast<I*>(p);
}

MpHostNode* MpHostNode::ancestor(const std::string& className) const {
  for (MpHostNode* n = m_data ? m_data->node(m_parent) : nullptr; n; n = m_data->node(n->m_parent))
    if (m_customization->isKindOf(n->m_className, className)) return n;
  return nullptr;
}

std::vector<MpHostNode*> MpHostNode::allBelow(const std::string& className, bool deep) const {
  std::vector<MpHostNode*> result;
  if (!m_data) return result;
  std::function<void(const MpHostNode*)> walk = [&](const MpHostNode* parent) {
    for (const ZulObjectKey& key : parent->m_children) {
      MpHostNode* child = m_data->node(key);
      if (!child) continue;
      if (className.empty() || m_customization->isKindOf(child->m_className, className)) result.push_back(child);
      if (deep) walk(child);
    }
  };
  walk(this);
  return result;
}

MpHostNode* MpHostNode::firstBelow(const std::string& className, const std::string& role) const {
  for (MpHostNode* n : allBelow(className, true))
    if (role.empty() || (role == "blank") == (n->getStringField("Role") == "blank")) return n;
  return nullptr;
}

bool MpHostNode::getNodeList(MpZulSmartList& nodes) {
  for (MpHostNode* child : allBelow(std::string(), false)) nodes.push_back(static_cast<IMpZulNode*>(child), true);
  return true;
}

bool MpHostNode::getParameters(IMpDataParameterSet* parameters) {
  mphost::ParameterSet* set = mphost::parameterSetOf(parameters);
  if (!set) return false;
  for (const std::string& name : set->names()) {
    const MpHostFieldDef* field = m_customization->findField(m_className, name);
    const std::string text = getStringField(name);
    VARIANT value;
    if (field && (name == "Name" || m_fields.count(name)) && toVariant(*field, text, value)) set->setValue(name, value);
  }
  return true;
}

std::string MpHostNode::parameterText(const std::string& fieldName) {
  const MpHostFieldDef* field = m_customization->findField(m_className, fieldName);
  if (!field || !(fieldName == "Name" || m_fields.count(fieldName))) return std::string();
  // A text field comes back from the set as it is stored; numbers the set formats.
  if (field->type != MpHostFieldDouble && field->type != MpHostFieldInteger) return getStringField(fieldName);
  void* p = nullptr;
  if (FAILED(mphost::createParameterSet(IID_IMpDataParameterSet, &p)) || !p) return std::string();
  IMpDataParameterSet* set = static_cast<IMpDataParameterSet*>(p);
  std::string text;
  set->addParameter(fieldName);
  if (getParameters(set)) set->getValueText(fieldName, text);
  set->Release();
  return text;
}

IUnknown* MpHostNode::getPrototype() {
  const std::string name = getStringField("Prototype");
  if (name.empty() || !m_data) return nullptr;
  return handOut<IMpZulNode>(m_data->node(m_data->find("Prototype", name)), IID_IMpZulNode);
}

bool MpHostNode::getFile(std::string& file) {
  file = getStringField("File");
  return !file.empty();
}

IMpPmModel* MpHostNode::getModel() { return handOut<IMpPmModel>(ancestor("Model"), IID_IMpPmModel); }

bool MpHostNode::isBlank() { return getStringField("Role") == "blank"; }

IMpPmModelInstance* MpHostNode::getModelInstance() {
  return handOut<IMpPmModelInstance>(firstBelow("ModelInstance"), IID_IMpPmModelInstance);
}

IMpPmOperationSetup* MpHostNode::getOperationSetup() {
  if (m_data) {
    for (const ZulObjectKey& key : m_data->related(m_key)) {
      MpHostNode* n = m_data->node(key);
      if (n && m_customization->isKindOf(n->className(), "OperationSetup"))
        return handOut<IMpPmOperationSetup>(n, IID_IMpPmOperationSetup);
    }
  }
  MpHostNode* product = ancestor("Product");
  return handOut<IMpPmOperationSetup>(product ? product->firstBelow("OperationSetup") : nullptr,
                                      IID_IMpPmOperationSetup);
}

IMpPmProduct* MpHostNode::getProduct() { return handOut<IMpPmProduct>(ancestor("Product"), IID_IMpPmProduct); }

IMpPmResourceSetup* MpHostNode::getResourceSetup() {
  return handOut<IMpPmResourceSetup>(firstBelow("ResourceSetup"), IID_IMpPmResourceSetup);
}

IMpPmModel* MpHostNode::getModelA() { return handOut<IMpPmModel>(firstBelow("Model", "part"), IID_IMpPmModel); }

IMpPmModel* MpHostNode::getModelB() { return handOut<IMpPmModel>(firstBelow("Model", "blank"), IID_IMpPmModel); }

bool MpHostNode::getOperationSetups(MpSmartList& setups) {
  for (MpHostNode* n : allBelow("OperationSetup", true)) setups.push_back(static_cast<IMpZulNode*>(n), true);
  return true;
}

bool MpHostNode::getResources(MpSmartList& resources) {
  for (MpHostNode* n : allBelow(std::string(), false)) resources.push_back(static_cast<IMpZulNode*>(n), true);
  return true;
}

bool MpHostNode::getFields(MpSmartList& fields) {
  for (const MpHostFieldDef& f : m_customization->fields(m_className))
    fields.push_back(mphost::createField(m_customization, f), false);
  return true;
}

bool MpHostNode::getToolAssemblies(MpSmartList& assemblies, bool recursive) {
  for (MpHostNode* n : allBelow("ToolAssembly", recursive)) assemblies.push_back(static_cast<IMpZulNode*>(n), true);
  return true;
}

bool MpHostNode::getPermittedChildClasses(MpSmartList& classes) {
  std::string children;
  for (std::string name = m_className; !name.empty() && children.empty();) {
    const MpHostClassDef* def = m_customization->findClass(name);
    if (!def) break;
    const auto it = def->properties.find("Children");
    if (it != def->properties.end()) children = it->second;
    name = def->parent;
  }
  size_t start = 0;
  while (!children.empty() && start <= children.size()) {
    const size_t comma = children.find(',', start);
    const std::string name = children.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    std::vector<std::string> kinds = m_customization->subClasses(name, true);
    kinds.insert(kinds.begin(), name);
    for (const std::string& kind : kinds)
      if (m_customization->findClass(kind) && !m_customization->isAbstract(kind))
        classes.push_back(MpHostCreateClass(m_customization, kind), false);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

bool MpHostNode::getPossibleChildClasses(MpSmartList& classes) {
  for (const std::string& name : m_customization->classNames())
    if (!m_customization->isAbstract(name) && name != "Project")
      classes.push_back(MpHostCreateClass(m_customization, name), false);
  return true;
}

IMpPmEnvironmentResource* MpHostNode::getEnvironmentResource() {
  return handOut<IMpPmEnvironmentResource>(firstBelow("EnvironmentResource"), IID_IMpPmEnvironmentResource);
}

std::string MpHostNode::getInfoText() {
  const MpHostClassDef* c = m_customization->findClass(m_className);
  return c ? c->niceName : m_className;
}

int MpHostNode::getCheckOutState() {
  const long holder = m_data ? m_data->holder(m_key) : 0;
  long current = 0;
  if (holder == 0) return 0;
  return m_data->getCurrentUserId(current) && current == holder ? 1 : 2;
}

bool MpHostNode::getCheckOutUser(std::string& user) {
  user.clear();
  const long holder = m_data ? m_data->holder(m_key) : 0;
  return holder != 0 && m_data->getUserName(holder, user);
}
