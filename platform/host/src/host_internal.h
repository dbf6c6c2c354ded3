// Shared by the host's sources: the live-object count and the identifiers through which the host
// finds its own implementation behind an interface pointer.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "MpGuid.h"
#include "MpHostData.h"
#include "MpUnknown.h"

// Answered only by the host's own objects, with a pointer to the implementing C++ object.
MP_IDENTIFIER(IID_MpHostOptionsImpl, "{97DD3317-1373-4B78-8B56-84659C99F6BF}");
MP_IDENTIFIER(IID_MpHostCustomizationImpl, "{C96E9D98-8586-4687-B9E8-265123CFCED5}");
MP_IDENTIFIER(IID_MpHostDataImpl, "{A62A590C-E435-4C21-B954-93665AF6FAF5}");
MP_IDENTIFIER(IID_MpHostNodeImpl, "{48C3114B-4A04-4EE9-8882-9EA54EBD2037}");
MP_IDENTIFIER(IID_MpHostParameterSetImpl, "{6E1C2B7A-3F0D-4C55-9A8E-2B7D14C0E913}");

namespace mphost {

void objectMade();
void objectGone();

// A member that keeps an object in the live-object count for its life.
class LiveObject {
 public:
  LiveObject() { objectMade(); }
  ~LiveObject() { objectGone(); }
  LiveObject(const LiveObject&) = delete;
  LiveObject& operator=(const LiveObject&) = delete;
};

// Builders of class trees: a field, and a class with its interfaces and fields.
inline MpHostFieldDef field(const char* name, int type, const char* unit = "",
                               std::vector<std::string> enumValues = {}) {
  MpHostFieldDef f;
  f.name = name;
  f.type = type;
  f.unit = unit;
  f.enumValues = std::move(enumValues);
  return f;
}

inline MpHostClassDef classDef(const char* name, const char* niceName, const char* parent,
                               std::vector<GUID> interfaces = {}, std::vector<MpHostFieldDef> fields = {},
                               bool abstract = false) {
  MpHostClassDef c;
  c.name = name;
  c.niceName = niceName;
  c.parent = parent;
  c.interfaces = std::move(interfaces);
  c.fields = std::move(fields);
  if (abstract) c.properties["Abstract"] = "TRUE";
  return c;
}

// A host object that offers one interface.
template <class I, const GUID& Iid>
class SingleInterfaceObject : public MpUnknown<I> {
 protected:
  void* findInterface(REFIID iid) override {
    return IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, Iid) ? static_cast<I*>(this) : nullptr;
  }

 private:
  LiveObject m_live;
};

// Hands a new object out as the interface asked for; the maker's reference is given up.
template <class T>
HRESULT handOut(T* object, REFIID iid, void** out) {
  const HRESULT hr = object->QueryInterface(iid, out);
  object->Release();
  return hr;
}

// Asks an object for one of the host's implementation identifiers; the implementation pointer
// without the reference the query added (the caller holds the object), null when it has none.
template <class T>
T* implementationOf(IUnknown* object, REFIID implementationId) {
  if (!object) return nullptr;
  void* p = nullptr;
  if (FAILED(object->QueryInterface(implementationId, &p)) || !p) return nullptr;
  T* impl = static_cast<T*>(p);
  impl->Release();
  return impl;
}

// A field object over a field of a class of the customization (one reference for the caller).
IMpZulField* createField(MpHostCustomization* customization, const MpHostFieldDef& field);

// The parameter set behind the interface: the names asked for and their values.
class ParameterSet {
 public:
  virtual ~ParameterSet() = default;
  virtual std::vector<std::string> names() const = 0;
  // Takes over the variant.
  virtual void setValue(const std::string& name, VARIANT& value) = 0;
};
ParameterSet* parameterSetOf(IUnknown* set);

}  // namespace mphost
