// The two object factories: registries filled by the host (and by tests).
#include "MpClassFactory.h"
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

namespace {

struct GuidLess {
  bool operator()(const GUID& a, const GUID& b) const { return std::memcmp(&a, &b, sizeof(GUID)) < 0; }
};

// A process-wide object: reference counting is a formality, it is never deleted.
class ClassFactory : public IMpClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpClassFactory)) {
      *out = static_cast<IMpClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT createInstance(REFCLSID classId, IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    MpClassCreator creator;
    {
      std::lock_guard<std::mutex> guard(m_lock);
      auto it = m_creators.find(classId);
      if (it == m_creators.end()) return REGDB_E_CLASSNOTREG;
      creator = it->second;  // called outside the lock: a creator may create further objects
    }
    HRESULT hr = creator(iid, out);
    if (FAILED(hr) && *out) {
      // A creator that failed hands out nothing.
      static_cast<IUnknown*>(*out)->Release();
      *out = nullptr;
    }
    return hr;
  }

  bool add(const GUID& classId, MpClassCreator creator) {
    if (!creator) return false;
    std::lock_guard<std::mutex> guard(m_lock);
    m_creators[classId] = std::move(creator);
    return true;
  }
  bool remove(const GUID& classId) {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_creators.erase(classId) != 0;
  }
  bool has(const GUID& classId) {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_creators.count(classId) != 0;
  }

 private:
  std::mutex m_lock;
  std::map<GUID, MpClassCreator, GuidLess> m_creators;
};

class ZulClassFactory : public IMpZulClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpZulClassFactory)) {
      *out = static_cast<IMpZulClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT getObject(IMpData* data, const ZulObjectKey& key, int flags, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    MpZulObjectResolver resolver;
    {
      std::lock_guard<std::mutex> guard(m_lock);
      resolver = m_resolver;
    }
    if (!resolver) return E_FAIL;
    HRESULT hr = resolver(data, key, flags, iid, out);
    if (FAILED(hr) && *out) {
      static_cast<IUnknown*>(*out)->Release();
      *out = nullptr;
    }
    return hr;
  }

  MpZulObjectResolver exchange(MpZulObjectResolver resolver) {
    std::lock_guard<std::mutex> guard(m_lock);
    std::swap(resolver, m_resolver);
    return resolver;
  }

 private:
  std::mutex m_lock;
  MpZulObjectResolver m_resolver;
};

ClassFactory& classFactory() {
  static ClassFactory factory;
  return factory;
}

ZulClassFactory& zulClassFactory() {
  static ZulClassFactory factory;
  return factory;
}

}  // namespace

IMpClassFactory* theMpClassFactory() { return &classFactory(); }
IMpZulClassFactory* theMpZulClassFactory() { return &zulClassFactory(); }

bool MpRegisterClass(const GUID& classId, MpClassCreator creator) {
  return classFactory().add(classId, std::move(creator));
}
bool MpUnregisterClass(const GUID& classId) { return classFactory().remove(classId); }
bool MpIsClassRegistered(const GUID& classId) { return classFactory().has(classId); }

MpZulObjectResolver MpSetZulObjectResolver(MpZulObjectResolver resolver) {
  return zulClassFactory().exchange(std::move(resolver));
}
