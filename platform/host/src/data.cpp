// The data store: data objects and their nodes, the lookup by key, and the rule constants.
#include <algorithm>
#include <functional>
#include "MpHostData.h"
#include "MpHostOptions.h"
#include "MpDataLib.h"
#include "MpSmartList.h"
#include "host_internal.h"
#include "host_registry.h"

namespace {

// Object identifiers are unique in the process, so that two objects of different stores are never
// taken for the same object.
volatile LONG g_lastObjectId = 0;
volatile LONG g_lastStoreNumber = 0;

bool valueFits(const MpHostFieldDef& field, const std::string& value) {
  if (field.type == MpHostFieldInteger) {
    int i = 0;
    if (!MpHostParseInt(value, i)) return false;
  } else if (field.type == MpHostFieldDouble) {
    // A vector holds its numbers separated by commas.
    double d = 0;
    size_t start = 0;
    for (size_t comma = 0; comma != std::string::npos; start = comma + 1) {
      comma = field.dimension > 1 || field.valueArray ? value.find(',', start) : std::string::npos;
      if (!MpHostParseDouble(value.substr(start, comma == std::string::npos ? std::string::npos : comma - start), d))
        return false;
    }
  }
  return field.enumValues.empty() ||
         std::find(field.enumValues.begin(), field.enumValues.end(), value) != field.enumValues.end();
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Nodes
// ---------------------------------------------------------------------------------------------

MpHostNode::MpHostNode(MpHostData* data, const ZulObjectKey& key, const std::string& className,
                       const std::string& name, const ZulObjectKey& parent)
    : m_data(data),
      m_customization(data->customization()),
      m_interfaces(m_customization->interfaces(className)),
      m_key(key),
      m_className(className),
      m_name(name),
      m_parent(parent) {
  m_customization->AddRef();
  mphost::objectMade();
}

MpHostNode::~MpHostNode() {
  m_customization->Release();
  mphost::objectGone();
}

void* MpHostNode::findInterface(REFIID iid) {
  if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpZulNode)) return static_cast<IMpZulNode*>(this);
  if (IsEqualGUID(iid, IID_MpHostNodeImpl)) return this;
  bool offered = false;
  for (const GUID& offer : m_interfaces)
    if (IsEqualGUID(offer, iid)) offered = true;
  if (!offered) return nullptr;
  if (IsEqualGUID(iid, IID_IMpZulInstance)) return static_cast<IMpZulInstance*>(this);
  if (IsEqualGUID(iid, IID_IMpZulAttachment)) return static_cast<IMpZulAttachment*>(this);
  if (IsEqualGUID(iid, IID_IMpZulVariantSet)) return static_cast<IMpZulVariantSet*>(this);
  if (IsEqualGUID(iid, IID_IMpZulLocation)) return static_cast<IMpZulLocation*>(this);
  if (IsEqualGUID(iid, IID_IMpZulProject)) return static_cast<IMpZulProject*>(this);
  if (IsEqualGUID(iid, IID_IMpZulPrototype)) return static_cast<IMpZulPrototype*>(this);
  if (IsEqualGUID(iid, IID_IMpPmEnvironment)) return static_cast<IMpPmEnvironment*>(this);
  if (IsEqualGUID(iid, IID_IMpPmEnvironmentResource)) return static_cast<IMpPmEnvironmentResource*>(this);
  if (IsEqualGUID(iid, IID_IMpPmFeature)) return static_cast<IMpPmFeature*>(this);
  if (IsEqualGUID(iid, IID_IMpPmFeaturePrototype)) return static_cast<IMpPmFeaturePrototype*>(this);
  if (IsEqualGUID(iid, IID_IMpPmMachiningProcess)) return static_cast<IMpPmMachiningProcess*>(this);
  if (IsEqualGUID(iid, IID_IMpPmMaterial)) return static_cast<IMpPmMaterial*>(this);
  if (IsEqualGUID(iid, IID_IMpPmModel)) return static_cast<IMpPmModel*>(this);
  if (IsEqualGUID(iid, IID_IMpPmModelInstance)) return static_cast<IMpPmModelInstance*>(this);
  if (IsEqualGUID(iid, IID_IMpPmOperationSetup)) return static_cast<IMpPmOperationSetup*>(this);
  if (IsEqualGUID(iid, IID_IMpPmProduct)) return static_cast<IMpPmProduct*>(this);
  if (IsEqualGUID(iid, IID_IMpPmResourceSetup)) return static_cast<IMpPmResourceSetup*>(this);
  if (IsEqualGUID(iid, IID_IMpPmRule)) return static_cast<IMpPmRule*>(this);
  if (IsEqualGUID(iid, IID_IMpPmToolAssembly)) return static_cast<IMpPmToolAssembly*>(this);
  if (IsEqualGUID(iid, IID_IMpPmToolSet)) return static_cast<IMpPmToolSet*>(this);
  return nullptr;
}

ZulObjectKey MpHostNode::getObjectKey() { return m_key; }

bool MpHostNode::getName(std::string& name) {
  name = m_name;
  return true;
}

IMpData* MpHostNode::getData() {
  if (m_data) m_data->AddRef();
  return m_data;
}

IMpZulClass* MpHostNode::getClass() { return MpHostCreateClass(m_customization, m_className); }

std::string MpHostNode::getStringField(const std::string& fieldName) {
  if (fieldName == "Name") return m_name;
  const auto it = m_fields.find(fieldName);
  return it == m_fields.end() ? std::string() : it->second;
}

bool MpHostNode::getChildren(MpSmartList& children) {
  if (!m_data) return false;
  for (const ZulObjectKey& key : m_children) {
    MpHostNode* child = m_data->node(key);
    if (child) children.push_back(static_cast<IMpZulNode*>(child), true);
  }
  return true;
}

IUnknown* MpHostNode::getLocation() {
  if (!m_data) return nullptr;
  for (const ZulObjectKey& key : m_children) {
    MpHostNode* child = m_data->node(key);
    if (child && m_customization->isKindOf(child->m_className, "Location")) {
      child->AddRef();
      return static_cast<IMpZulNode*>(child);
    }
  }
  return nullptr;
}

bool MpHostNode::getPlacement(double position[3], double rotation[3], int frame) {
  if (frame != 1 || !m_customization->isKindOf(m_className, "Location")) return false;
  const char* const names[6] = {"X", "Y", "Z", "RotX", "RotY", "RotZ"};
  for (int i = 0; i < 6; ++i) {
    double value = 0;
    const auto it = m_fields.find(names[i]);
    if (it != m_fields.end()) MpHostParseDouble(it->second, value);
    (i < 3 ? position[i] : rotation[i - 3]) = value;
  }
  return true;
}

IMpZulVariantSet* MpHostNode::getVariantSet() {
  const auto it = m_fields.find("VariantSet");
  if (!m_data || it == m_fields.end()) return nullptr;
  MpHostNode* set = m_data->node(m_data->find("VariantSet", it->second));
  if (!set) return nullptr;
  set->AddRef();
  return static_cast<IMpZulVariantSet*>(set);
}

double MpHostNode::getDoubleField(const std::string& fieldName) {
  double d = 0;
  MpHostParseDouble(getStringField(fieldName), d);
  return d;
}

std::vector<std::string> MpHostNode::getStringVectorField(const std::string& fieldName) {
  std::vector<std::string> parts;
  const std::string text = getStringField(fieldName);
  if (text.empty()) return parts;
  size_t start = 0;
  for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
    parts.push_back(text.substr(start, comma - start));
  parts.push_back(text.substr(start));
  return parts;
}

std::vector<double> MpHostNode::getDoubleVectorField(const std::string& fieldName) {
  std::vector<double> values;
  for (const std::string& part : getStringVectorField(fieldName)) {
    double d = 0;
    if (MpHostParseDouble(part, d)) values.push_back(d);
  }
  return values;
}

bool MpHostNode::setField(const std::string& fieldName, const std::string& value) {
  const MpHostFieldDef* field = m_customization->findField(m_className, fieldName);
  if (!field || !valueFits(*field, value)) return false;
  if (fieldName == "Name")
    m_name = value;
  else
    m_fields[fieldName] = value;
  ++m_key.revision;
  return true;
}

// ---------------------------------------------------------------------------------------------
// Data objects
// ---------------------------------------------------------------------------------------------

MpHostData* MpHostData::create(MpHostCustomization* customization) {
  if (customization) {
    customization->AddRef();
  } else {
    customization = MpHostCustomization::create(true);
  }
  return new MpHostData(customization);
}

MpHostData::MpHostData(MpHostCustomization* customization)
    : m_customization(customization),
      m_storeNumber(static_cast<uint32_t>(::InterlockedIncrement(&g_lastStoreNumber))) {
  m_identity[0] = static_cast<long>(m_storeNumber);
  m_identity[2] = static_cast<long>(m_storeNumber);
  mphost::objectMade();
}

bool MpHostData::getCurrentUserId(long& userId) {
  userId = m_userId;
  return m_userId != 0;
}

bool MpHostData::getIdentityNumber(long& number) {
  number = m_identity[2];
  return true;
}

bool MpHostData::getIdentityPair(long& first, long& second) {
  first = m_identity[0];
  second = m_identity[1];
  return true;
}

void MpHostData::setIdentity(long userId, long first, long second, long number) {
  m_userId = userId;
  m_identity[0] = first;
  m_identity[1] = second;
  m_identity[2] = number;
}

bool MpHostData::getUserName(long userId, std::string& name) {
  const auto it = m_userNames.find(userId);
  name = it != m_userNames.end() ? it->second : "user " + std::to_string(userId);
  return userId != 0;
}

void MpHostData::setUserName(long userId, const std::string& name) { m_userNames[userId] = name; }

bool MpHostData::recordCheck(const char* call, const std::vector<ZulObjectKey>& keys, long newHolder) {
  std::string text = call;
  for (const ZulObjectKey& key : keys) text += " " + std::to_string(key.objectId);
  m_checkCalls.push_back(text);
  if (m_checkFails) return false;
  for (const ZulObjectKey& key : keys) setHolder(key, newHolder);
  return true;
}

bool MpHostData::checkOut(const std::vector<ZulObjectKey>& keys, void*, void*, const std::string&) {
  return recordCheck("checkOut", keys, m_userId);
}

bool MpHostData::checkIn(const std::vector<ZulObjectKey>& keys, void*, void*, const std::string&, bool, int) {
  return recordCheck("checkIn", keys, 0);
}

bool MpHostData::cancelCheckOut(const std::vector<ZulObjectKey>& keys, void*, void*, const std::string&, int) {
  return recordCheck("cancelCheckOut", keys, 0);
}

long MpHostData::holder(const ZulObjectKey& key) const {
  const auto it = m_holders.find(key.objectId);
  return it == m_holders.end() ? 0 : it->second;
}

void MpHostData::setHolder(const ZulObjectKey& key, long userId) { m_holders[key.objectId] = userId; }

MpHostData::~MpHostData() {
  for (uint32_t id : m_order) {
    MpHostNode* node = m_nodes[id];
    node->m_data = nullptr;
    node->Release();
  }
  m_customization->Release();
  mphost::objectGone();
}

void* MpHostData::findInterface(REFIID iid) {
  if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpData)) return static_cast<IMpData*>(this);
  if (IsEqualGUID(iid, IID_IMpDataTexts)) return static_cast<IMpDataTexts*>(this);
  if (IsEqualGUID(iid, IID_MpHostDataImpl)) return this;
  return nullptr;
}

ZulObjectKey MpHostData::addNode(const std::string& className, const std::string& name, const ZulObjectKey& parent,
                                 const std::map<std::string, std::string>& fields) {
  if (!m_customization->findClass(className) || m_customization->isAbstract(className)) return ZulObjectKey();
  MpHostNode* parentNode = nullptr;
  if (!parent.isNone()) {
    parentNode = node(parent);
    if (!parentNode) return ZulObjectKey();
  }
  const ZulObjectKey key(static_cast<uint32_t>(::InterlockedIncrement(&g_lastObjectId)),
                         m_customization->classNumber(className), m_storeNumber, 0);
  MpHostNode* created = new MpHostNode(this, key, className, name, parentNode ? parentNode->key() : ZulObjectKey());
  for (const auto& f : fields) {
    if (!created->setField(f.first, f.second)) {
      created->m_data = nullptr;
      created->Release();
      return ZulObjectKey();
    }
  }
  created->m_key.revision = 0;
  m_nodes[key.objectId] = created;
  m_order.push_back(key.objectId);
  if (parentNode) parentNode->m_children.push_back(key);
  return key;
}

bool MpHostData::getProductVariantSets(std::vector<ZulObjectKey>& keys) {
  const size_t before = keys.size();
  for (uint32_t id : m_order) {
    const MpHostNode* n = m_nodes.find(id)->second;
    for (const ZulObjectKey& child : n->children()) {
      const MpHostNode* c = node(child);
      if (c && m_customization->isKindOf(c->className(), "VariantSet")) {
        keys.push_back(n->key());
        break;
      }
    }
  }
  return keys.size() > before;
}

bool MpHostData::getProjects(std::map<long, std::string>& projects) {
  for (const ZulObjectKey& key : objectsOfClass("Project", true)) projects[(long)key.objectId] = node(key)->name();
  return true;
}

bool MpHostData::getProjectComment(long projectId, std::string& comment) {
  const auto it = m_projectComments.find((uint32_t)projectId);
  if (it == m_projectComments.end()) return false;
  comment = it->second;
  return true;
}

void MpHostData::setProjectComment(const ZulObjectKey& project, const std::string& comment) {
  if (comment.empty()) m_projectComments.erase(project.objectId);
  else m_projectComments[project.objectId] = comment;
}

MpHostNode* MpHostData::node(const ZulObjectKey& key) const {
  const auto it = m_nodes.find(key.objectId);
  return it == m_nodes.end() ? nullptr : it->second;
}

ZulObjectKey MpHostData::find(const std::string& className, const std::string& name) const {
  for (uint32_t id : m_order) {
    const MpHostNode* n = m_nodes.find(id)->second;
    if (n->name() == name && (className.empty() || m_customization->isKindOf(n->className(), className)))
      return n->key();
  }
  return ZulObjectKey();
}

std::vector<ZulObjectKey> MpHostData::topLevel() const {
  std::vector<ZulObjectKey> keys;
  for (uint32_t id : m_order) {
    const MpHostNode* n = m_nodes.find(id)->second;
    if (n->parent().isNone()) keys.push_back(n->key());
  }
  return keys;
}

std::vector<ZulObjectKey> MpHostData::objectsOfClass(const std::string& className, bool subClasses) const {
  std::vector<ZulObjectKey> keys;
  for (uint32_t id : m_order) {
    const MpHostNode* n = m_nodes.find(id)->second;
    if (subClasses ? m_customization->isKindOf(n->className(), className) : n->className() == className)
      keys.push_back(n->key());
  }
  return keys;
}

void MpHostData::objectsOfClass(const std::string& className, bool subClasses, MpSmartList& list) const {
  for (const ZulObjectKey& key : objectsOfClass(className, subClasses))
    list.push_back(static_cast<IMpZulNode*>(node(key)), true);
}

bool MpHostData::relate(const ZulObjectKey& from, const ZulObjectKey& to) {
  if (!node(from) || !node(to)) return false;
  m_relations[from.objectId].push_back(node(to)->key());
  return true;
}

std::vector<ZulObjectKey> MpHostData::related(const ZulObjectKey& from) const {
  const auto it = m_relations.find(from.objectId);
  return it == m_relations.end() ? std::vector<ZulObjectKey>() : it->second;
}

std::string MpHostData::text() const {
  std::string out;
  std::function<void(const ZulObjectKey&, int)> print = [&](const ZulObjectKey& key, int depth) {
    const MpHostNode* n = node(key);
    out += std::string(2 * depth, ' ') + "#" + std::to_string(key.objectId) + " " + n->className() + " \"" +
           n->name() + "\"";
    // Field values in the order the class declares its fields.
    for (const MpHostFieldDef& f : m_customization->fields(n->className())) {
      const auto value = n->fieldValues().find(f.name);
      if (value != n->fieldValues().end()) out += "  " + f.name + "=" + value->second + (f.unit.empty() ? "" : " " + f.unit);
    }
    out += "\n";
    for (const ZulObjectKey& child : n->children()) print(child, depth + 1);
  };
  for (const ZulObjectKey& key : topLevel()) print(key, 0);
  return out;
}

MpHostData* MpHostDataOf(IUnknown* data) {
  return mphost::implementationOf<MpHostData>(data, IID_MpHostDataImpl);
}

MpHostNode* MpHostNodeOf(IUnknown* node) { return mphost::implementationOf<MpHostNode>(node, IID_MpHostNodeImpl); }

// ---------------------------------------------------------------------------------------------
// Rule constants
// ---------------------------------------------------------------------------------------------

std::vector<std::string> MpHostRuleConstantNames(IMpData* data) {
  std::vector<std::string> names;
  const MpHostData* d = MpHostDataOf(data);
  if (!d) return names;
  for (const ZulObjectKey& key : d->objectsOfClass("RuleConstant", true)) names.push_back(d->node(key)->name());
  return names;
}

std::vector<std::string> MpHostRuleConstantTypes(IMpData* data) {
  const MpHostData* d = MpHostDataOf(data);
  const MpHostFieldDef* type = d ? d->customization()->findField("RuleConstant", "Type") : nullptr;
  return type ? type->enumValues : std::vector<std::string>();
}

bool MpHostFillRuleConstantChoices(IMpData* data, IMpOptions* bag) {
  if (!bag || !MpHostDataOf(data)) return false;
  const bool names = bag->setStringList("Name", MpHostRuleConstantNames(data));
  const bool types = bag->setStringList("Type", MpHostRuleConstantTypes(data));
  return names && types;
}

// ---------------------------------------------------------------------------------------------
// Lookup by key
// ---------------------------------------------------------------------------------------------

namespace mphost {

HRESULT resolveObject(IMpData* data, const ZulObjectKey& key, int, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  const MpHostData* d = MpHostDataOf(data);
  if (!d) return E_INVALIDARG;
  MpHostNode* n = d->node(key);
  if (!n) return E_FAIL;
  return n->QueryInterface(iid, out);
}

}  // namespace mphost

bool MpHostData::fillClassIcons(HIMAGELIST images, std::map<int, int>&, std::map<int, int>& iconImages) {
  if (!images) return false;
  // One plain coloured square per host icon identifier, drawn side by side into one strip in
  // memory and added at once: no screen, one image-list call.
  const COLORREF colours[6] = {RGB(128, 128, 128), RGB(40, 90, 200), RGB(40, 160, 70),
                               RGB(200, 130, 30), RGB(150, 60, 160), RGB(190, 40, 40)};
  const int count = 6, side = 16;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = count * side;
  info.bmiHeader.biHeight = -side;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP strip = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!strip || !bits) return false;
  DWORD* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < count * side; ++x) {
      const int inside = x % side;
      const bool inner = y >= 2 && y < 14 && inside >= 2 && inside < 14;
      const COLORREF c = inner ? colours[x / side] : RGB(255, 255, 255);
      pixels[y * count * side + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  const int first = ::ImageList_Add(images, strip, nullptr);
  ::DeleteObject(strip);
  if (first < 0) return false;
  for (int icon = 1; icon <= count; ++icon) iconImages[icon] = first + icon - 1;
  return true;
}

bool MpHostData::queryKeys(const std::vector<ZulObjectKey>& keys, const std::vector<std::string>& names,
                           std::map<int, MpSmartPointer<IMpDataParameterSet, &IID_IMpDataParameterSet>>& sets) {
  for (const std::string& name : names)
    if (name.empty()) return false;
  for (const ZulObjectKey& key : keys) {
    MpHostNode* n = node(key);
    if (!n) continue;
    void* p = nullptr;
    if (FAILED(mphost::createParameterSet(IID_IMpDataParameterSet, &p)) || !p) return false;
    IMpDataParameterSet* set = static_cast<IMpDataParameterSet*>(p);
    for (const std::string& name : names) set->addParameter(name);
    n->getParameters(set);
    sets[key.id()].attach(set);
  }
  return true;
}

bool MpHostData::queryTexts(const std::vector<ZulObjectKey>& keys, const std::vector<std::string>& names,
                            std::vector<std::string>& texts) {
  texts.assign(keys.size(), std::string());
  for (const std::string& name : names)
    if (name.empty()) return false;
  for (size_t i = 0; i < keys.size(); ++i) {
    MpHostNode* n = node(keys[i]);
    if (!n) continue;
    for (const std::string& name : names)
      if (!(texts[i] = n->parameterText(name)).empty()) break;
  }
  return true;
}

bool MpHostData::getVariantFilters(std::list<ZulObjectKey>& keys) {
  std::vector<ZulObjectKey> found;
  getProductVariantSets(found);
  keys.insert(keys.end(), found.begin(), found.end());
  return !found.empty();
}

bool MpHostData::setVariantFilter(const ZulObjectKey& key) {
  MpContextData()->variantFilterId = key.id();
  return true;
}
