// Small host objects with observable reference counts for the maker library's tests.
#pragma once
#include <string>
#include "MpInterfaces.h"

// Counts the objects alive, so a test sees leaks and premature frees.
inline int& liveTestObjects() {
  static int live = 0;
  return live;
}

// Reference counting shared by the test objects: made with one reference (the creator's); the
// object deletes itself when the count reaches zero.
template <class Derived>
class TestRefCounted {
 public:
  TestRefCounted() { ++liveTestObjects(); }
  virtual ~TestRefCounted() { --liveTestObjects(); }
  int refs() const { return m_refs; }

 protected:
  ULONG addRef() { return static_cast<ULONG>(++m_refs); }
  ULONG release() {
    const int refs = --m_refs;
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
  }

 private:
  int m_refs = 1;
};

// QueryInterface for an object with one interface besides IUnknown.
template <class I>
HRESULT queryOne(I* self, REFIID iid, REFIID own, void** out) {
  *out = IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, own) ? self : nullptr;
  if (!*out) return E_NOINTERFACE;
  self->AddRef();
  return S_OK;
}

// A node with an object identifier; it also answers as a prototype, through an
// interface pointer at another address.
class TestNode final : public IMpZulNode, public IMpZulPrototype, public TestRefCounted<TestNode> {
 public:
  explicit TestNode(uint32_t id) : m_id(id) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpZulNode))
      *out = static_cast<IMpZulNode*>(this);
    else if (IsEqualGUID(iid, IID_IMpZulPrototype))
      *out = static_cast<IMpZulPrototype*>(this);
    if (!*out) return E_NOINTERFACE;
    addRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return release(); }

  ZulObjectKey getObjectKey() override { return ZulObjectKey(m_id, 3, 1, 0); }
  bool getName(std::string& name) override {
    name = "node " + std::to_string(m_id);
    return true;
  }
  IMpData* getData() override { return nullptr; }
  // The class given with setClass (a reference for the caller), else none.
  IMpZulClass* getClass() override {
    if (m_class) m_class->AddRef();
    return m_class;
  }
  std::string getStringField(const std::string&) override { return std::string(); }
  bool getChildren(MpSmartList&) override { return false; }
  IUnknown* getLocation() override { return nullptr; }
  bool getNodeList(MpZulSmartList&) override { return false; }
  bool getParameters(IMpDataParameterSet*) override { return false; }
  IMpZulVariantSet* getVariantSet() override { return nullptr; }
  double getDoubleField(const std::string&) override { return 0; }
  std::vector<double> getDoubleVectorField(const std::string&) override { return {}; }
  std::vector<std::string> getStringVectorField(const std::string&) override { return {}; }
  bool getPermittedChildClasses(MpSmartList&) override { return false; }
  bool getPossibleChildClasses(MpSmartList&) override { return false; }
  std::string getInfoText() override { return std::string(); }
  int getCheckOutState() override { return 0; }
  bool getCheckOutUser(std::string&) override { return false; }

  IUnknown* unknown() { return static_cast<IMpZulNode*>(this); }
  IUnknown* asPrototype() { return static_cast<IMpZulPrototype*>(this); }
  // The node's class; the caller keeps it alive as long as the node.
  void setClass(IMpZulClass* zulClass) { m_class = zulClass; }

 private:
  uint32_t m_id;
  IMpZulClass* m_class = nullptr;
};

// A class that reports an icon but no class identifier, as a class of no customization may.
class TestClass final : public IMpZulClass, public TestRefCounted<TestClass> {
 public:
  explicit TestClass(int iconId) : m_iconId(iconId) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return queryOne<IMpZulClass>(this, iid, IID_IMpZulClass, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return release(); }

  bool getName(std::string&) override { return false; }
  bool getNiceName(std::string&) override { return false; }
  bool loadByName(IMpData*, const std::string&) override { return false; }
  bool loadByNameFromCustomization(IMpDataCustomization2*, const std::string&) override { return false; }
  bool getSubClasses(MpSmartList&, bool) override { return false; }
  bool getProperty(const std::string&, std::string&) override { return false; }
  bool getClassId(int&) override { return false; }
  bool loadById(IMpData*, int) override { return false; }
  bool getFields(MpSmartList&, bool, bool) override { return false; }
  IMpZulField* getField(const std::string&) override { return nullptr; }
  bool getObjects(MpSmartList&) override { return false; }
  IMpDataCustomization2* getCustomization() override { return nullptr; }
  bool getIconId(int& iconId) override {
    iconId = m_iconId;
    return true;
  }
  IMpZulClass* getParentClass() override { return nullptr; }
  bool isKindOf(const std::string&) override { return false; }

 private:
  int m_iconId;
};

// An object that is no node.
class TestPlain final : public IMpPmRule, public TestRefCounted<TestPlain> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return queryOne<IMpPmRule>(this, iid, IID_IMpPmRule, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return release(); }
  bool getFields(MpSmartList&) override { return false; }
};

// A data object: identity and reference counting only.
class TestData final : public IMpData, public TestRefCounted<TestData> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return queryOne<IMpData>(this, iid, IID_IMpData, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return release(); }
  bool getCurrentUserId(long&) override { return false; }
  bool getIdentityNumber(long&) override { return false; }
  bool getIdentityPair(long&, long&) override { return false; }
  bool getProductVariantSets(std::vector<ZulObjectKey>&) override { return false; }
  bool fillClassIcons(HIMAGELIST, std::map<int, int>&, std::map<int, int>&) override { return false; }
  bool queryKeys(const std::vector<ZulObjectKey>&, const std::vector<std::string>&,
                 std::map<int, MpSmartPointer<IMpDataParameterSet, &IID_IMpDataParameterSet>>&) override {
    return false;
  }
  bool getVariantFilters(std::list<ZulObjectKey>&) override { return false; }
  bool setVariantFilter(const ZulObjectKey&) override { return false; }
  bool getProjects(std::map<long, std::string>&) override { return false; }
  bool getProjectComment(long, std::string&) override { return false; }
  bool getUserName(long, std::string&) override { return false; }
  bool checkOut(const std::vector<ZulObjectKey>&, void*, void*, const std::string&) override { return false; }
  bool checkIn(const std::vector<ZulObjectKey>&, void*, void*, const std::string&, bool, int) override { return false; }
  bool cancelCheckOut(const std::vector<ZulObjectKey>&, void*, void*, const std::string&, int) override { return false; }
};
