// Small host objects with observable reference counts for the maker library's tests.
#pragma once
#include <string>
#include "MpInterfaces.h"
#include "MpUnknown.h"

// Counts the objects alive, so a test sees leaks and premature frees.
inline int& liveTestObjects() {
  static int live = 0;
  return live;
}

// A test object: MpUnknown's reference counting, counted among the objects alive.
template <class... Interfaces>
class TestRefCounted : public MpUnknown<Interfaces...> {
 public:
  int refs() const { return static_cast<int>(this->refCount()); }

 protected:
  TestRefCounted() { ++liveTestObjects(); }
  ~TestRefCounted() override { --liveTestObjects(); }
};

// The interface lookup of an object with one interface besides IUnknown.
template <class I>
void* findOne(I* self, REFIID iid, REFIID own) {
  return IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, own) ? self : nullptr;
}

// A node with an object identifier; it also answers as a prototype, through an
// interface pointer at another address.
class TestNode final : public TestRefCounted<IMpZulNode, IMpZulPrototype> {
 public:
  explicit TestNode(uint32_t id) : m_id(id) {}

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
  void* findInterface(REFIID iid) override {
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpZulNode)) return static_cast<IMpZulNode*>(this);
    if (IsEqualGUID(iid, IID_IMpZulPrototype)) return static_cast<IMpZulPrototype*>(this);
    return nullptr;
  }

  uint32_t m_id;
  IMpZulClass* m_class = nullptr;
};

// A class that reports an icon but no class identifier, as a class of no customization may.
class TestClass final : public TestRefCounted<IMpZulClass> {
 public:
  explicit TestClass(int iconId) : m_iconId(iconId) {}

  void* findInterface(REFIID iid) override { return findOne<IMpZulClass>(this, iid, IID_IMpZulClass); }

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
class TestPlain final : public TestRefCounted<IMpPmRule> {
 public:
  void* findInterface(REFIID iid) override { return findOne<IMpPmRule>(this, iid, IID_IMpPmRule); }
  bool getFields(MpSmartList&) override { return false; }
};

// A data object: identity and reference counting only.
class TestData final : public TestRefCounted<IMpData> {
 public:
  void* findInterface(REFIID iid) override { return findOne<IMpData>(this, iid, IID_IMpData); }
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
