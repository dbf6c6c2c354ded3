// The customization (the class tree) and the class objects over it.
#include <cstdlib>
#include <functional>
#include <map>
#include "MpHostData.h"
#include "MpHostOptions.h"
#include "MpSmartList.h"
#include "host_internal.h"
#include "host_registry.h"

namespace {

using mphost::classDef;
using mphost::field;

// Class attributes that the choosers read: "Icon" (the icon of the class's objects, one of the
// host's icon identifiers 1 to 6) and "Children" (the classes its objects permit as children).
void setChooserAttributes(MpHostCustomization& c) {
  const std::pair<const char*, const char*> icons[] = {{"Node", "1"}, {"Product", "2"}, {"Feature", "3"},
                                                        {"Operation", "4"}, {"Attachment", "5"},
                                                        {"ToolAssembly", "6"}};
  for (const auto& icon : icons) c.setClassProperty(icon.first, "Icon", icon.second);
  c.setClassProperty("Product", "Children", "Model,MachiningProcess,Attachment,VariantSet,OperationSetup");
  c.setClassProperty("ToolSet", "Children", "ToolAssembly,ToolSet");
}

void addStandardClasses(MpHostCustomization& c) {
  const int S = MpHostFieldString;
  const int D = MpHostFieldDouble;
  c.addClass(classDef("Node", "Object", "", {}, {field("Name", S)}, true));
  c.addClass(classDef("Project", "Project", "Node", {IID_IMpZulProject}));
  c.addClass(classDef("Location", "Location", "Node", {IID_IMpZulLocation},
                      {field("X", D, "mm"), field("Y", D, "mm"), field("Z", D, "mm"), field("RotX", D, "deg"),
                       field("RotY", D, "deg"), field("RotZ", D, "deg")}));
  c.addClass(classDef("Attachment", "Attachment", "Node", {IID_IMpZulAttachment},
                      {field("File", S), field("AttachmentType", S)}));
  c.addClass(classDef("VariantSet", "Product variant set", "Node", {IID_IMpZulVariantSet}));
  c.addClass(classDef("Prototype", "Prototype", "Node", {IID_IMpZulPrototype}, {}, true));
  c.addClass(classDef("FeaturePrototype", "Feature prototype", "Prototype", {IID_IMpPmFeaturePrototype}));
  c.addClass(classDef("OperationPrototype", "Operation prototype", "Prototype"));
  c.addClass(classDef("ResourcePrototype", "Resource prototype", "Prototype"));
  c.addClass(classDef("ToolPrototype", "Tool prototype", "ResourcePrototype"));
  c.addClass(classDef("Product", "Product", "Node", {IID_IMpPmProduct}, {field("VariantSet", S)}));
  c.addClass(classDef("Model", "Model", "Node", {IID_IMpPmModel}, {field("Role", S, "", {"part", "blank"})}));
  c.addClass(classDef("ModelInstance", "Model instance", "Node", {IID_IMpPmModelInstance, IID_IMpZulInstance},
                      {field("File", S), field("Prototype", S)}));
  c.addClass(classDef("MachiningProcess", "Machining process", "Node", {IID_IMpPmMachiningProcess}));
  c.addClass(classDef("OperationSetup", "Operation set-up", "Node", {IID_IMpPmOperationSetup}));
  c.addClass(classDef("ResourceSetup", "Resource set-up", "Node", {IID_IMpPmResourceSetup}));
  c.addClass(classDef("Operation", "Operation", "Node", {IID_IMpZulInstance}, {field("Feature", S), field("Tool", S)},
                      true));
  c.addClass(classDef("Feature", "Feature", "Node", {IID_IMpPmFeature, IID_IMpZulInstance}, {field("Prototype", S)},
                      true));
  // The kinds of feature that recognition leaves out.
  for (const char* name : {"CompoundFeature", "PatternFeature", "ManualFeature", "UserFeature", "FreeFormFeature",
                           "ToolPathFeature", "GroupFeature", "ImportedFeature", "DerivedFeature", "AbstractFeature"}) {
    c.addClass(classDef(name, name, "Feature", {}, {}, true));
  }
  c.addClass(classDef("Material", "Material", "Node", {IID_IMpPmMaterial}));
  c.addClass(classDef("ToolSet", "Tool set", "Node", {IID_IMpPmToolSet}));
  c.addClass(classDef("ToolAssembly", "Tool assembly", "Node", {IID_IMpPmToolAssembly}, {field("Diameter", D, "mm")}));
  c.addClass(classDef("Environment", "Environment", "Node", {IID_IMpPmEnvironment}));
  c.addClass(classDef("EnvironmentResource", "Environment resource", "Node", {IID_IMpPmEnvironmentResource}));
  c.addClass(classDef("Rule", "Rule", "Node", {IID_IMpPmRule}));
  c.addClass(classDef("RuleConstant", "Rule constant", "Node", {},
                      {field("Type", S, "", {"integer", "double", "string"}), field("Default", S), field("Factor", S),
                       field("Explanation", S)}));
}

// A class object: empty until loaded, then one class of a customization.
class ClassObject final : public mphost::SingleInterfaceObject<IMpZulClass, IID_IMpZulClass> {
 public:

  bool getName(std::string& name) override {
    const MpHostClassDef* def = definition();
    if (!def) return false;
    name = def->name;
    return true;
  }
  bool getNiceName(std::string& name) override {
    const MpHostClassDef* def = definition();
    if (!def || def->niceName.empty()) return false;
    name = def->niceName;
    return true;
  }
  bool loadByName(IMpData* data, const std::string& name) override {
    const MpHostData* d = MpHostDataOf(data);
    return d && load(d->customization(), name);
  }
  bool loadByNameFromCustomization(IMpDataCustomization2* customization, const std::string& name) override {
    return load(MpHostCustomizationOf(customization), name);
  }
  bool getSubClasses(MpSmartList& classes, bool recursive) override {
    if (!definition()) return false;
    for (const std::string& name : m_customization->subClasses(m_name, recursive))
      classes.push_back(MpHostCreateClass(m_customization, name), false);
    return true;
  }
  bool getProperty(const std::string& key, std::string& value) override {
    const MpHostClassDef* def = definition();
    if (!def) return false;
    const auto it = def->properties.find(key);
    if (it == def->properties.end()) return false;
    value = it->second;
    return true;
  }

  // A class without an icon of its own has icon 0, which no image stands for, so that the
  // choosers show its parent's; an icon that is no number cannot be reported.
  bool getIconId(int& iconId) override {
    if (!definition()) return false;
    std::string text;
    if (!getProperty("Icon", text)) {
      iconId = 0;
      return true;
    }
    char* end = nullptr;
    const long id = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end) return false;
    iconId = static_cast<int>(id);
    return true;
  }
  IMpZulClass* getParentClass() override {
    const MpHostClassDef* def = definition();
    return def && !def->parent.empty() ? MpHostCreateClass(m_customization, def->parent) : nullptr;
  }
  bool isKindOf(const std::string& className) override {
    return definition() && m_customization->isKindOf(m_name, className);
  }

  bool getClassId(int& classId) override {
    if (!definition()) return false;
    classId = static_cast<int>(m_customization->classNumber(m_name));
    return true;
  }
  bool loadById(IMpData* data, int classId) override {
    const MpHostData* d = MpHostDataOf(data);
    if (!d || classId < 1) return false;
    const std::vector<std::string> names = d->customization()->classNames();
    return static_cast<size_t>(classId) <= names.size() && load(d->customization(), names[classId - 1]);
  }
  bool getFields(MpSmartList& fields, bool inherited, bool) override {
    const MpHostClassDef* def = definition();
    if (!def) return false;
    for (const MpHostFieldDef& f : inherited ? m_customization->fields(m_name) : def->fields)
      fields.push_back(mphost::createField(m_customization, f), false);
    return true;
  }
  IMpZulField* getField(const std::string& name) override {
    const auto held = m_fields.find(name);
    if (held != m_fields.end()) return held->second;
    const MpHostFieldDef* def = definition() ? m_customization->findField(m_name, name) : nullptr;
    if (!def) return nullptr;
    // Kept by the class object, which hands it out without a reference.
    IMpZulField* field = mphost::createField(m_customization, *def);
    m_fields[name] = field;
    return field;
  }
  bool getObjects(MpSmartList& objects) override {
    if (!definition()) return false;
    for (const std::string& name : m_customization->subClasses(m_name, true))
      if (!m_customization->isAbstract(name)) objects.push_back(MpHostCreateClass(m_customization, name), false);
    return true;
  }
  IMpDataCustomization2* getCustomization() override { return m_customization; }

  // Loads the class; a failed load leaves the object as it was.
  bool load(MpHostCustomization* customization, const std::string& name) {
    if (!customization || !customization->findClass(name)) return false;
    customization->AddRef();
    if (m_customization) m_customization->Release();
    m_customization = customization;
    m_name = name;
    for (auto& f : m_fields) f.second->Release();
    m_fields.clear();
    return true;
  }

 private:
  ~ClassObject() override {
    for (auto& f : m_fields) f.second->Release();
    if (m_customization) m_customization->Release();
  }
  const MpHostClassDef* definition() const { return m_customization ? m_customization->findClass(m_name) : nullptr; }

  MpHostCustomization* m_customization = nullptr;  // one reference once loaded
  std::string m_name;
  std::map<std::string, IMpZulField*> m_fields;  // one reference each
};

}  // namespace

MpHostCustomization* MpHostCustomization::create(bool standardClasses) {
  MpHostCustomization* c = new MpHostCustomization();
  if (standardClasses) {
    addStandardClasses(*c);
    setChooserAttributes(*c);
  }
  return c;
}

MpHostCustomization::MpHostCustomization() { mphost::objectMade(); }
MpHostCustomization::~MpHostCustomization() { mphost::objectGone(); }

void* MpHostCustomization::findInterface(REFIID iid) {
  if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpDataCustomization2))
    return static_cast<IMpDataCustomization2*>(this);
  if (IsEqualGUID(iid, IID_IMpDataXmlCustomization)) return static_cast<IMpDataXmlCustomization*>(this);
  if (IsEqualGUID(iid, IID_MpHostCustomizationImpl)) return this;
  return nullptr;
}

bool MpHostCustomization::readCustomization(std::vector<std::string>& enumTypes) {
  enumTypes.insert(enumTypes.end(), m_enumTypes.begin(), m_enumTypes.end());
  return true;
}

bool MpHostCustomization::fieldNameTaken(const std::string& className, const std::string& fieldName) const {
  if (findField(className, fieldName)) return true;
  // A field below the class would be shadowed.
  for (const std::string& below : subClasses(className, true)) {
    for (const MpHostFieldDef& f : findClass(below)->fields)
      if (f.name == fieldName) return true;
  }
  return false;
}

bool MpHostCustomization::addClass(const MpHostClassDef& definition) {
  if (definition.name.empty() || m_index.count(definition.name)) return false;
  if (!definition.parent.empty() && !m_index.count(definition.parent)) return false;
  for (size_t i = 0; i < definition.fields.size(); ++i) {
    const std::string& name = definition.fields[i].name;
    if (name.empty() || (!definition.parent.empty() && findField(definition.parent, name))) return false;
    for (size_t j = 0; j < i; ++j)
      if (definition.fields[j].name == name) return false;
  }
  m_index[definition.name] = m_classes.size();
  m_classes.emplace_back(new MpHostClassDef(definition));
  return true;
}

bool MpHostCustomization::addField(const std::string& className, const MpHostFieldDef& field) {
  if (!m_index.count(className) || field.name.empty() || fieldNameTaken(className, field.name)) return false;
  m_classes[m_index[className]]->fields.push_back(field);
  return true;
}

bool MpHostCustomization::setClassProperty(const std::string& className, const std::string& key,
                                           const std::string& value) {
  if (!m_index.count(className)) return false;
  m_classes[m_index[className]]->properties[key] = value;
  return true;
}

const MpHostClassDef* MpHostCustomization::findClass(const std::string& name) const {
  const auto it = m_index.find(name);
  return it == m_index.end() ? nullptr : m_classes[it->second].get();
}

uint32_t MpHostCustomization::classNumber(const std::string& name) const {
  const auto it = m_index.find(name);
  return it == m_index.end() ? 0 : static_cast<uint32_t>(it->second + 1);
}

bool MpHostCustomization::isKindOf(const std::string& className, const std::string& ancestor) const {
  for (const MpHostClassDef* c = findClass(className); c; c = findClass(c->parent))
    if (c->name == ancestor) return true;
  return false;
}

bool MpHostCustomization::isAbstract(const std::string& className) const {
  const MpHostClassDef* c = findClass(className);
  if (!c) return false;
  const auto it = c->properties.find("Abstract");
  return it != c->properties.end() && it->second == "TRUE";
}

std::vector<std::string> MpHostCustomization::subClasses(const std::string& name, bool recursive) const {
  std::vector<std::string> result;
  std::function<void(const std::string&)> walk = [&](const std::string& parent) {
    for (const auto& c : m_classes) {
      if (c->parent != parent) continue;
      result.push_back(c->name);
      if (recursive) walk(c->name);
    }
  };
  if (findClass(name)) walk(name);
  return result;
}

std::vector<MpHostFieldDef> MpHostCustomization::fields(const std::string& className) const {
  std::vector<const MpHostClassDef*> chain;
  for (const MpHostClassDef* c = findClass(className); c; c = findClass(c->parent)) chain.insert(chain.begin(), c);
  std::vector<MpHostFieldDef> result;
  for (const MpHostClassDef* c : chain) result.insert(result.end(), c->fields.begin(), c->fields.end());
  return result;
}

const MpHostFieldDef* MpHostCustomization::findField(const std::string& className, const std::string& fieldName) const {
  for (const MpHostClassDef* c = findClass(className); c; c = findClass(c->parent)) {
    for (const MpHostFieldDef& f : c->fields)
      if (f.name == fieldName) return &f;
  }
  return nullptr;
}

std::vector<GUID> MpHostCustomization::interfaces(const std::string& className) const {
  std::vector<GUID> result;
  for (const MpHostClassDef* c = findClass(className); c; c = findClass(c->parent))
    result.insert(result.end(), c->interfaces.begin(), c->interfaces.end());
  return result;
}

std::vector<std::string> MpHostCustomization::classNames() const {
  std::vector<std::string> names;
  for (const auto& c : m_classes) names.push_back(c->name);
  return names;
}

std::string MpHostCustomization::text() const {
  static const char* const typeNames[] = {"", "", "integer", "", "", "double", "", "string"};
  std::string out;
  std::function<void(const std::string&, int)> walk = [&](const std::string& parent, int depth) {
    for (const auto& c : m_classes) {
      if (c->parent != parent) continue;
      out += std::string(2 * depth, ' ') + c->name;
      if (!c->niceName.empty() && c->niceName != c->name) out += " \"" + c->niceName + "\"";
      if (isAbstract(c->name)) out += " (abstract)";
      for (size_t i = 0; i < c->fields.size(); ++i) {
        const MpHostFieldDef& f = c->fields[i];
        out += (i ? ", " : ": ") + f.name + " " +
               (f.type >= 0 && f.type <= 7 && *typeNames[f.type] ? typeNames[f.type] : "type " + std::to_string(f.type));
        if (!f.unit.empty()) out += " [" + f.unit + "]";
        if (!f.enumValues.empty()) {
          out += " {";
          for (size_t j = 0; j < f.enumValues.size(); ++j) out += (j ? "|" : "") + f.enumValues[j];
          out += "}";
        }
      }
      out += "\n";
      walk(c->name, depth + 1);
    }
  };
  walk("", 0);
  return out;
}

MpHostCustomization* MpHostCustomizationOf(IUnknown* customization) {
  return mphost::implementationOf<MpHostCustomization>(customization, IID_MpHostCustomizationImpl);
}

IMpZulClass* MpHostCreateClass(MpHostCustomization* customization, const std::string& className) {
  ClassObject* object = new ClassObject();
  if (!object->load(customization, className)) {
    object->Release();
    return nullptr;
  }
  return object;
}

namespace mphost {

HRESULT createClassObject(REFIID iid, void** out) {
  return handOut(new ClassObject(), iid, out);
}

}  // namespace mphost
