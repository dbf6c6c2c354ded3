// The smart-pointer templates: reference counts around every construction and assignment, the
// state word, identity.
#include <gtest/gtest.h>
#include <memory>
#include <type_traits>
#include <vector>
#include "MpClassFactory.h"
#include "MpSmartPointers.h"

namespace {

// A host object with observable reference counting. It offers IMpZulNode and IMpZulPrototype
// (two interface pointers at different addresses), or, when made as a plain object, only
// IMpPmRule. When the count reaches zero it is marked destroyed but its memory stays, so that a
// later call on it is seen instead of crashing.
class CountingObject : public IMpZulNode, public IMpZulPrototype, public IMpPmRule {
 public:
  CountingObject(uint32_t id, bool isNode) : m_id(id), m_isNode(isNode) {}
  virtual ~CountingObject() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    touch();
    *out = nullptr;
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpPmRule)) {
      *out = static_cast<IMpPmRule*>(this);
    } else if (m_isNode && IsEqualGUID(iid, IID_IMpZulNode)) {
      *out = static_cast<IMpZulNode*>(this);
    } else if (m_isNode && IsEqualGUID(iid, IID_IMpZulPrototype)) {
      *out = static_cast<IMpZulPrototype*>(this);
    }
    if (!*out) return E_NOINTERFACE;
    ++m_refs;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    touch();
    return static_cast<ULONG>(++m_refs);
  }
  ULONG STDMETHODCALLTYPE Release() override {
    touch();
    if (--m_refs == 0) m_destroyed = true;
    return static_cast<ULONG>(m_refs);
  }

  ZulObjectKey getObjectKey() override {
    touch();
    return ZulObjectKey(m_id, 77, 5, 9);
  }
  bool getName(std::string& name) override {
    name = "node";
    return true;
  }
  IMpData* getData() override { return nullptr; }
  IMpZulClass* getClass() override { return nullptr; }
  std::string getStringField(const std::string&) override { return std::string(); }

  int refs() const { return m_refs; }
  bool destroyed() const { return m_destroyed; }
  bool touchedAfterFree() const { return m_touchedAfterFree; }
  IUnknown* unknown() { return static_cast<IMpPmRule*>(this); }
  IUnknown* asPrototype() { return static_cast<IMpZulPrototype*>(this); }
  IMpZulNode* asNode() { return this; }

 private:
  void touch() {
    if (m_destroyed) m_touchedAfterFree = true;
  }
  uint32_t m_id;
  bool m_isNode;
  int m_refs = 1;  // the creator's reference
  bool m_destroyed = false;
  bool m_touchedAfterFree = false;
};

typedef MpSmartPointer<IMpZulNode, &IID_IMpZulNode> NodeSp;  // the plain template over a node

const GUID CLSID_TestCounting = MpGuid("{6B0C2F55-2E0A-4C55-9A43-57A4A8D0B101}");

// Every instantiation is a class of its own with a virtual destructor: vtable, pointer and, for the
// object-model template, the state word.
static_assert(std::has_virtual_destructor<IMpOptionsPtr>::value, "virtual destructor");
static_assert(sizeof(IMpOptionsPtr) == 2 * sizeof(void*), "vtable and the pointer");
static_assert(sizeof(IMpZulNodePtr) == 2 * sizeof(void*) + 8, "vtable, pointer, state word");
static_assert(!std::is_same<IMpZulNodePtr, IMpZulPrototypePtr>::value, "one class per instantiation");

TEST(SmartPointerTest, EmptyFromPointerAndFromQuery) {
  IMpOptionsPtr empty;
  EXPECT_TRUE(empty.isNull());
  EXPECT_FALSE(empty.isValid());
  IMpZulNodePtr emptyNode;
  EXPECT_EQ(0, emptyNode.getStateWord());

  CountingObject obj(7, true);
  {
    NodeSp added(obj.asNode(), true);
    EXPECT_EQ(2, obj.refs());
    EXPECT_EQ(obj.asNode(), added.get());
    EXPECT_EQ(obj.asNode(), added.operator->());
    EXPECT_EQ(2, obj.refs()) << "get and -> add no reference";
  }
  EXPECT_EQ(1, obj.refs());
  {
    obj.AddRef();  // the reference the smart pointer takes over
    IMpZulNodePtr taken(obj.asNode(), false);
    EXPECT_EQ(2, obj.refs());
    EXPECT_EQ(-1, taken.getStateWord());
  }
  EXPECT_EQ(1, obj.refs());
  IMpZulNodePtr nullNode(static_cast<IMpZulNode*>(nullptr), true);
  EXPECT_TRUE(nullNode.isNull());
  EXPECT_EQ(-1, nullNode.getStateWord());

  // From another interface: queried, the source kept or taken over.
  {
    NodeSp kept(obj.asPrototype(), true);
    ASSERT_TRUE(kept.isValid());
    EXPECT_EQ(obj.asNode(), kept.get());
    EXPECT_EQ(2, obj.refs()) << "the query added one, the source kept its own";
  }
  EXPECT_EQ(1, obj.refs());
  {
    obj.AddRef();  // the caller's reference, handed over
    IMpZulNodePtr taken(obj.asPrototype(), false);
    EXPECT_EQ(2, obj.refs()) << "one added by the query, one released";
    EXPECT_EQ(-1, taken.getStateWord());
  }
  EXPECT_EQ(1, obj.refs());

  CountingObject plain(8, false);
  plain.AddRef();
  {
    IMpZulNodePtr refused(plain.unknown(), false);
    EXPECT_TRUE(refused.isNull());
    EXPECT_EQ(1, plain.refs()) << "the source is released even though it lacks the interface";
    EXPECT_EQ(-1, refused.getStateWord());
  }
  EXPECT_TRUE(NodeSp(plain.unknown(), true).isNull());
  EXPECT_EQ(1, plain.refs());
}

TEST(SmartPointerTest, ByClassIdentifierThroughTheFactory) {
  std::vector<std::unique_ptr<CountingObject>> made;
  int calls = 0;
  ASSERT_TRUE(MpRegisterClass(CLSID_TestCounting, [&](REFIID iid, void** out) {
    ++calls;
    made.emplace_back(new CountingObject(100 + calls, true));
    HRESULT hr = made.back()->QueryInterface(iid, out);
    made.back()->Release();  // the creator's own reference
    return hr;
  }));
  {
    NodeSp created(CLSID_TestCounting, nullptr);
    ASSERT_TRUE(created.isValid());
    EXPECT_EQ(1, made.back()->refs());
    CountingObject* first = made.back().get();
    EXPECT_TRUE(created.createInstance(CLSID_TestCounting, nullptr));
    EXPECT_TRUE(first->destroyed()) << "createInstance released the old object";
    EXPECT_EQ(made.back()->asNode(), created.get());

    EXPECT_TRUE(IMpZulNodePtr(CLSID_TestCounting, nullptr).isValid());
  }
  EXPECT_EQ(3, calls);
  for (auto& obj : made) EXPECT_TRUE(obj->destroyed());

  CountingObject outer(1, true);
  NodeSp aggregated(CLSID_TestCounting, outer.unknown());
  EXPECT_TRUE(aggregated.isNull()) << "an outer object is refused";
  EXPECT_EQ(3, calls);
  EXPECT_TRUE(MpUnregisterClass(CLSID_TestCounting));
  EXPECT_FALSE(aggregated.createInstance(CLSID_TestCounting, nullptr)) << "an unknown class";
}

TEST(SmartPointerTest, ByKeyThroughTheObjectFactory) {
  CountingObject obj(42, true);
  IMpData* const data = reinterpret_cast<IMpData*>(0x1000);
  std::vector<int> flagsSeen;
  MpZulObjectResolver previous = MpSetZulObjectResolver(
      [&](IMpData* d, const ZulObjectKey& key, int flags, REFIID iid, void** out) -> HRESULT {
        flagsSeen.push_back(flags);
        *out = nullptr;
        if (d != data || key.objectId != 42) return E_FAIL;
        return obj.QueryInterface(iid, out);
      });
  {
    IMpZulNodePtr found(data, ZulObjectKey(42), 0);
    EXPECT_TRUE(found.isValid());
    EXPECT_EQ(42, found.getStateWord());
    EXPECT_EQ(2, obj.refs());

    IMpZulNodePtr missing(data, ZulObjectKey(43), 0);
    EXPECT_TRUE(missing.isNull());
    EXPECT_EQ(43, missing.getStateWord()) << "the key's identifier stays when nothing is found";

    IMpZulNodePtr target;
    target = found;
    EXPECT_EQ(-1, target.getStateWord()) << "the other's state word is not copied";
    EXPECT_EQ(3, obj.refs());
  }
  EXPECT_EQ(1, obj.refs());
  EXPECT_EQ((std::vector<int>{0, 0}), flagsSeen);
  MpSetZulObjectResolver(previous);
  IMpZulNodePtr noResolver(data, ZulObjectKey(42), 0);
  EXPECT_TRUE(noResolver.isNull());
}

TEST(SmartPointerTest, CopyAddRefGetAndAssignment) {
  CountingObject obj(1, true);
  NodeSp first(obj.asNode(), true);
  {
    NodeSp copied(first, true);
    EXPECT_EQ(3, obj.refs());
    NodeSp implicitCopy = first;
    EXPECT_EQ(4, obj.refs());
  }
  EXPECT_EQ(2, obj.refs());
  obj.AddRef();  // a reference of the caller's own, handed to the copy made without one
  { NodeSp shared(first, false); EXPECT_EQ(3, obj.refs()); }
  EXPECT_EQ(2, obj.refs());

  IMpZulNode* handed = first.addRefGet();
  EXPECT_EQ(obj.asNode(), handed);
  EXPECT_EQ(3, obj.refs());
  handed->Release();
  EXPECT_EQ(nullptr, NodeSp().addRefGet());
  first = nullptr;

  CountingObject& a = obj;
  CountingObject b(2, true);
  IMpZulNodePtr sp(a.asNode(), true);
  EXPECT_EQ(2, a.refs());
  sp = a.asNode();
  EXPECT_EQ(2, a.refs()) << "assigning the held pointer changes no count";
  EXPECT_EQ(-1, sp.getStateWord());
  sp = b.asNode();
  EXPECT_EQ(1, a.refs());
  EXPECT_EQ(2, b.refs());

  IMpZulNodePtr other(a.asNode(), true);
  sp = other;
  EXPECT_EQ(3, a.refs());
  EXPECT_EQ(1, b.refs());
  sp = sp;  // self-assignment
  EXPECT_EQ(3, a.refs());
  sp = other;  // the same object again
  EXPECT_EQ(3, a.refs());

  sp = 0;
  EXPECT_TRUE(sp.isNull());
  EXPECT_EQ(2, a.refs());
  other = nullptr;
  EXPECT_EQ(1, a.refs());
  EXPECT_EQ(-1, other.getStateWord());

  NodeSp plain(a.asNode(), true);
  plain = b.asNode();
  EXPECT_EQ(1, a.refs());
  EXPECT_EQ(2, b.refs());
  NodeSp plainOther;
  plainOther = plain;
  EXPECT_EQ(3, b.refs());
  plain = 5;  // the value of a null constant is not looked at
  EXPECT_TRUE(plain.isNull());
  EXPECT_EQ(2, b.refs());
}

TEST(SmartPointerTest, AssignFromAnotherInterfaceQueriesFirst) {
  CountingObject a(1, true), b(2, true);
  {
    IMpZulNodePtr sp(a.asNode(), true);
    sp = b.asPrototype();
    EXPECT_EQ(b.asNode(), sp.get());
    EXPECT_EQ(2, b.refs()) << "the source keeps its reference";
    EXPECT_EQ(1, a.refs());
    EXPECT_EQ(-1, sp.getStateWord());

    CountingObject plain(3, false);
    sp = plain.unknown();
    EXPECT_TRUE(sp.isNull()) << "an object without the interface empties the pointer";
    EXPECT_EQ(1, b.refs());
    EXPECT_EQ(1, plain.refs());
  }

  // A source kept alive only by the held reference: the query comes before the release.
  CountingObject* lonely = new CountingObject(9, true);
  {
    IMpZulNodePtr sp(lonely->asNode(), false);  // takes over the only reference
    sp = lonely->asPrototype();
    EXPECT_FALSE(lonely->destroyed());
    EXPECT_FALSE(lonely->touchedAfterFree());
    EXPECT_EQ(1, lonely->refs());
    EXPECT_EQ(lonely->asNode(), sp.get());
  }
  EXPECT_TRUE(lonely->destroyed());
  EXPECT_FALSE(lonely->touchedAfterFree());
  delete lonely;
}

TEST(SmartPointerTest, AttachTakesOverTheCallersReference) {
  CountingObject a(1, true), b(2, true);
  a.AddRef();
  {
    NodeSp sp;
    sp.attach(a.asNode());
    EXPECT_EQ(2, a.refs()) << "no reference added";
    b.AddRef();
    sp.attach(b.asNode());
    EXPECT_EQ(1, a.refs());
    EXPECT_EQ(2, b.refs());
    b.AddRef();
    sp.attach(b.asNode());  // the held pointer again: one of the two references goes
    EXPECT_EQ(2, b.refs());
  }
  EXPECT_EQ(1, b.refs()) << "after attach and destruction the object lost exactly one reference";

  IMpZulNodePtr zul(a.asNode(), true);
  EXPECT_EQ(2, a.refs());
  b.AddRef();
  zul.attach(b.asPrototype());  // from another interface: asked, then the source released
  EXPECT_EQ(b.asNode(), zul.get());
  EXPECT_EQ(2, b.refs());
  EXPECT_EQ(1, a.refs());
  EXPECT_EQ(-1, zul.getStateWord());

  CountingObject plain(3, false);
  plain.AddRef();
  zul.attach(plain.unknown());
  EXPECT_TRUE(zul.isNull());
  EXPECT_EQ(1, plain.refs()) << "the source is released although it lacks the interface";
  EXPECT_EQ(1, b.refs());

  // A source whose only remaining reference is the caller's: the query keeps it alive.
  CountingObject* lonely = new CountingObject(9, true);
  zul.attach(lonely->asPrototype());
  EXPECT_FALSE(lonely->destroyed());
  EXPECT_EQ(1, lonely->refs());
  zul.attach(nullptr);
  EXPECT_TRUE(lonely->destroyed());
  EXPECT_FALSE(lonely->touchedAfterFree());
  delete lonely;
}

TEST(SmartPointerTest, IsSameObject) {
  CountingObject a(5, true), sameId(5, true), other(6, true), plain(5, false);
  IMpZulNodePtr empty;
  EXPECT_FALSE(empty.isSameObject(a.unknown()));
  IMpZulNodePtr sp(a.asNode(), true);
  EXPECT_FALSE(sp.isSameObject(nullptr));
  EXPECT_FALSE(sp.isSameObject(plain.unknown())) << "an object without IMpZulNode";
  EXPECT_TRUE(sp.isSameObject(a.asPrototype())) << "two interface pointers of one node";
  EXPECT_TRUE(sp.isSameObject(sameId.unknown())) << "equal object identifiers";
  EXPECT_FALSE(sp.isSameObject(other.unknown()));
  EXPECT_EQ(2, a.refs()) << "the temporaries are released";
  EXPECT_EQ(1, sameId.refs());
  EXPECT_EQ(1, plain.refs());

  IMpZulNodePtr heldPlain(plain.unknown(), true);
  EXPECT_TRUE(heldPlain.isNull());
  EXPECT_FALSE(heldPlain.isSameObject(a.unknown()));
}

}  // namespace
