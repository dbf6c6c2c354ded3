// Field objects and parameter sets: the fields of a class, and the values of a node's fields.
#include <afx.h>
#include <map>
#include <string>
#include <utility>
#include "MpHostData.h"
#include "MpHostOptions.h"
#include "host_internal.h"
#include "host_registry.h"

namespace {

class FieldObject final : public mphost::SingleInterfaceObject<IMpZulField, IID_IMpZulField> {
 public:
  FieldObject(MpHostCustomization* customization, const MpHostFieldDef& field)
      : m_customization(customization), m_field(field) {
    m_customization->AddRef();
  }

  bool getName(std::string& name) override {
    name = m_field.name;
    return true;
  }
  bool getDisplayName(std::string& name) override {
    name = m_field.displayName.empty() ? m_field.name : m_field.displayName;
    return true;
  }
  IMpZulClass* getClass() override {
    return m_field.objectClass.empty() ? nullptr : MpHostCreateClass(m_customization, m_field.objectClass);
  }
  bool matchesValueTypes(bool allowInteger, bool allowDouble, bool allowString) override {
    if (m_field.dimension != MpZulFieldDimension::Single || !m_field.objectClass.empty()) return false;
    return (m_field.type == MpHostFieldInteger && allowInteger) || (m_field.type == MpHostFieldDouble && allowDouble) ||
           (m_field.type == MpHostFieldString && allowString);
  }
  bool getDimension(int& dimension) override {
    dimension = m_field.dimension;
    return true;
  }
  bool getType(int& type) override {
    type = m_field.type;
    return true;
  }
  bool getEnumValues(std::vector<std::string>& values, bool) override {
    if (m_field.enumValues.empty()) return false;
    values = m_field.enumValues;
    return true;
  }
  bool getProperty(const std::string& key, std::string& value) override {
    const auto it = m_field.properties.find(key);
    if (it == m_field.properties.end()) return false;
    value = it->second;
    return true;
  }
  bool getUnit(std::string& unit) override {
    unit = m_field.unit;
    return true;
  }

 private:
  ~FieldObject() override { m_customization->Release(); }
  MpHostCustomization* m_customization;
  MpHostFieldDef m_field;
};

class ParameterSetObject final : public MpUnknown<IMpDataParameterSet>, public mphost::ParameterSet {
 public:

  bool addParameter(const std::string& name) override {
    if (name.empty()) return false;
    m_values.emplace(name, Value());
    return true;
  }
  bool getValue(const std::string& name, VARIANT& value, bool& found) override {
    ::VariantInit(&value);
    const auto it = m_values.find(name);
    found = it != m_values.end() && it->second.set;
    if (it == m_values.end()) return false;
    if (found && it->second.isText) return textVariant(it->second.text, value);
    if (found) ::VariantCopy(&value, &it->second.variant);
    return true;
  }

  // The setters keep a number as a double and text, lists included (joined with ","), as text.
  bool setDouble(const std::string& name, double value) override {
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_R8;
    v.dblVal = value;
    return put(name, v);
  }
  bool setValue(const std::string& name, const std::string& value) override { return putText(name, value); }
  bool setNumberList(const std::string& name, const std::vector<double>& values) override {
    std::string text;
    for (double d : values) text += (text.empty() ? "" : ",") + MpHostFormatDouble(d);
    return putText(name, text);
  }
  bool setStringList(const std::string& name, const std::vector<std::string>& values) override {
    std::string text;
    for (size_t i = 0; i < values.size(); ++i) text += (i ? "," : "") + values[i];
    return putText(name, text);
  }
  // A value as text: a double as MpHostFormatDouble writes it; "" when none.
  std::string text(const std::string& name) const {
    const auto it = m_values.find(name);
    if (it == m_values.end() || !it->second.set) return std::string();
    if (it->second.isText) return it->second.text;
    const VARIANT& v = it->second.variant;
    if (v.vt == VT_R8) return MpHostFormatDouble(v.dblVal);
    VARIANT copy;
    ::VariantInit(&copy);
    std::string result;
    if (SUCCEEDED(::VariantChangeType(&copy, const_cast<VARIANT*>(&v), 0, VT_BSTR)) && copy.bstrVal)
      result = AfxAnsiFromWide(copy.bstrVal, static_cast<int>(::SysStringLen(copy.bstrVal)));
    ::VariantClear(&copy);
    return result;
  }
  bool getValueText(const std::string& name, std::string& text) override {
    text.clear();
    const auto it = m_values.find(name);
    if (it == m_values.end()) return false;
    if (!it->second.set) return true;
    if (it->second.isText) {
      text = it->second.text;
      return true;
    }
    VARIANT copy;
    ::VariantInit(&copy);
    if (FAILED(::VariantChangeType(&copy, &it->second.variant, 0, VT_BSTR))) return false;
    text = AfxAnsiFromWide(copy.bstrVal, static_cast<int>(::SysStringLen(copy.bstrVal)));
    ::VariantClear(&copy);
    return true;
  }

  int getCount() override { return static_cast<int>(m_values.size()); }
  bool getName(int index, std::string& name) override {
    if (index < 0 || index >= getCount()) return false;
    name = std::next(m_values.begin(), index)->first;
    return true;
  }
  // The value as text; the type is the field type the variant stands for.
  bool getEntry(const std::string& name, std::string& value, int& type) override {
    const auto it = m_values.find(name);
    if (it == m_values.end() || !it->second.set) return false;
    const VARTYPE vt = it->second.isText ? static_cast<VARTYPE>(VT_BSTR) : it->second.variant.vt;
    type = vt == VT_R8 ? MpHostFieldDouble : vt == VT_I4 ? MpHostFieldInteger : MpHostFieldString;
    value = text(name);
    return true;
  }

  std::vector<std::string> names() const override {
    std::vector<std::string> result;
    for (const auto& kv : m_values) result.push_back(kv.first);
    return result;
  }
  void setValue(const std::string& name, VARIANT& value) override {
    Value& v = m_values[name];
    ::VariantClear(&v.variant);
    v.variant = value;
    v.isText = false;
    v.text.clear();
    v.set = true;
    ::VariantInit(&value);
  }

 private:
  bool put(const std::string& name, VARIANT& value) {
    if (name.empty()) return false;
    setValue(name, value);
    return true;
  }
  // Text is kept as it came and handed out as a string variant only when asked for one: a bulk
  // query reads thousands of names as text, and converting each twice costs more than the rest.
  bool putText(const std::string& name, const std::string& text) {
    if (name.empty()) return false;
    Value& v = m_values[name];
    ::VariantClear(&v.variant);
    v.text = text;
    v.isText = true;
    v.set = true;
    return true;
  }
  static bool textVariant(const std::string& text, VARIANT& value) {
    const std::wstring wide = AfxWideFromAnsi(text.data(), static_cast<int>(text.size()));
    BSTR b = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (b == nullptr) return false;
    value.vt = VT_BSTR;
    value.bstrVal = b;
    return true;
  }

  struct Value {
    Value() { ::VariantInit(&variant); }
    Value(const Value&) = delete;
    Value(Value&& other) noexcept
        : variant(other.variant), text(std::move(other.text)), isText(other.isText), set(other.set) {
      ::VariantInit(&other.variant);
    }
    ~Value() { ::VariantClear(&variant); }
    VARIANT variant;
    std::string text;  // the value when isText
    bool isText = false;
    bool set = false;
  };
  ~ParameterSetObject() override = default;
  void* findInterface(REFIID iid) override {
    if (IsEqualGUID(iid, IID_MpHostParameterSetImpl)) return static_cast<mphost::ParameterSet*>(this);
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpDataParameterSet))
      return static_cast<IMpDataParameterSet*>(this);
    return nullptr;
  }

  mphost::LiveObject m_live;
  std::map<std::string, Value> m_values;
};

}  // namespace

namespace mphost {

IMpZulField* createField(MpHostCustomization* customization, const MpHostFieldDef& field) {
  return new FieldObject(customization, field);
}

ParameterSet* parameterSetOf(IUnknown* set) {
  void* p = nullptr;
  if (!set || FAILED(set->QueryInterface(IID_MpHostParameterSetImpl, &p)) || !p) return nullptr;
  set->Release();  // the caller holds the set
  return static_cast<ParameterSet*>(p);
}

HRESULT createParameterSet(REFIID iid, void** out) { return handOut(new ParameterSetObject(), iid, out); }

std::string parameterText(IMpDataParameterSet* set, const std::string& name) {
  auto* p = dynamic_cast<ParameterSetObject*>(set);
  return p ? p->text(name) : std::string();
}

}  // namespace mphost

std::string MpHostParameterValue(IMpDataParameterSet* set, const std::string& name) {
  return mphost::parameterText(set, name);
}
