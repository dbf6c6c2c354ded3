// The smart-pointer templates: reference counts around every construction and assignment, the
// state word, identity.
#include <gtest/gtest.h>
#include <type_traits>
#include "../platform/maker/test_objects.h"
#include "MpClassFactory.h"
#include "MpSmartPointers.h"

namespace {

typedef MpSmartPointer<IMpZulNode, &IID_IMpZulNode> NodeSp;  // the plain template over a node

const GUID CLSID_TestCounting = MpGuid("{6B0C2F55-2E0A-4C55-9A43-57A4A8D0B101}");

// Every instantiation is a class of its own with a virtual destructor: vtable, pointer and, for the
// object-model template, the state word.
static_assert(std::has_virtual_destructor<IMpOptionsPtr>::value, "virtual destructor");
static_assert(sizeof(IMpOptionsPtr) == 2 * sizeof(void*), "vtable and the pointer");
static_assert(sizeof(IMpZulNodePtr) == 2 * sizeof(void*) + 8, "vtable, pointer, state word");

// Test objects are made with one reference, the test's.
class SmartPointerTest : public ::testing::Test {
 protected:
  void SetUp() override { m_live = liveTestObjects(); }
  void TearDown() override { EXPECT_EQ(m_live, liveTestObjects()) << "test objects left alive or freed twice"; }
  int m_live = 0;
};

TEST_F(SmartPointerTest, ConstructedFromAPointerOrFromAnotherInterface) {
  TestNode* obj = new TestNode(7);
  IMpZulNode* node = static_cast<IMpZulNode*>(obj);
  EXPECT_EQ(0, IMpZulNodePtr().getStateWord());
  {
    NodeSp added(node, true);
    EXPECT_EQ(2, obj->refs());
    EXPECT_EQ(node, added.get());
    EXPECT_EQ(2, obj->refs()) << "get adds no reference";
  }
  EXPECT_EQ(1, obj->refs());
  obj->AddRef();  // handed over
  { EXPECT_EQ(-1, IMpZulNodePtr(node, false).getStateWord()); }
  EXPECT_EQ(1, obj->refs());
  {
    NodeSp kept(obj->asPrototype(), true);
    EXPECT_EQ(node, kept.get()) << "queried";
    EXPECT_EQ(2, obj->refs()) << "the query added one, the source kept its own";
  }
  obj->AddRef();  // handed over through another interface: queried, then released
  { EXPECT_EQ(node, IMpZulNodePtr(obj->asPrototype(), false).get()); }
  EXPECT_EQ(1, obj->refs());

  TestPlain* plain = new TestPlain;
  plain->AddRef();
  EXPECT_TRUE(IMpZulNodePtr(static_cast<IUnknown*>(plain), false).isNull());
  EXPECT_EQ(1, plain->refs()) << "the source is released even though it lacks the interface";
  EXPECT_TRUE(NodeSp(static_cast<IUnknown*>(plain), true).isNull());
  EXPECT_EQ(1, plain->refs());
  plain->Release();
  obj->Release();
}

TEST_F(SmartPointerTest, ByClassIdentifierThroughTheFactory) {
  int calls = 0;
  ASSERT_TRUE(MpRegisterClass(CLSID_TestCounting, [&](REFIID iid, void** out) {
    TestNode* made = new TestNode(100 + ++calls);
    HRESULT hr = made->QueryInterface(iid, out);
    made->Release();  // the creator's own reference
    return hr;
  }));
  {
    NodeSp created(CLSID_TestCounting, nullptr);
    ASSERT_TRUE(created.isValid());
    EXPECT_EQ(m_live + 1, liveTestObjects());
    EXPECT_TRUE(created.createInstance(CLSID_TestCounting, nullptr));
    EXPECT_EQ(102u, created->getObjectKey().objectId);
    EXPECT_EQ(m_live + 1, liveTestObjects()) << "createInstance released the old object";
  }
  TestPlain* outer = new TestPlain;
  NodeSp aggregated(CLSID_TestCounting, outer);
  EXPECT_TRUE(aggregated.isNull()) << "an outer object is refused";
  EXPECT_EQ(2, calls);
  outer->Release();
  EXPECT_TRUE(MpUnregisterClass(CLSID_TestCounting));
  EXPECT_FALSE(aggregated.createInstance(CLSID_TestCounting, nullptr)) << "an unknown class";
}

TEST_F(SmartPointerTest, ByKeyThroughTheObjectFactory) {
  TestNode* obj = new TestNode(42);
  TestData* data = new TestData;
  std::vector<int> flagsSeen;
  MpZulObjectResolver previous = MpSetZulObjectResolver(
      [&](IMpData* d, const ZulObjectKey& key, int flags, REFIID iid, void** out) -> HRESULT {
        flagsSeen.push_back(flags);
        *out = nullptr;
        if (d != data || key.objectId != 42) return E_FAIL;
        return obj->QueryInterface(iid, out);
      });
  {
    IMpZulNodePtr found(data, ZulObjectKey(42), 0);
    EXPECT_TRUE(found.isValid());
    EXPECT_EQ(42, found.getStateWord());
    EXPECT_EQ(2, obj->refs());
    IMpZulNodePtr missing(data, ZulObjectKey(43), 0);
    EXPECT_TRUE(missing.isNull());
    EXPECT_EQ(43, missing.getStateWord()) << "the key's identifier stays when nothing is found";
    IMpZulNodePtr target;
    target = found;
    EXPECT_EQ(-1, target.getStateWord()) << "the other's state word is not copied";
    EXPECT_EQ(3, obj->refs());
  }
  EXPECT_EQ(1, obj->refs());
  EXPECT_EQ((std::vector<int>{0, 0}), flagsSeen);
  MpSetZulObjectResolver(previous);
  EXPECT_TRUE(IMpZulNodePtr(data, ZulObjectKey(42), 0).isNull()) << "no resolver";
  obj->Release();
  data->Release();
}

TEST_F(SmartPointerTest, CopyAssignmentAndAttachCountReferences) {
  TestNode* a = new TestNode(1);
  TestNode* b = new TestNode(2);
  IMpZulNode* na = a;
  IMpZulNode* nb = b;
  {
    NodeSp first(na, true);
    NodeSp copied(first, true);
    NodeSp implicitCopy = first;
    EXPECT_EQ(4, a->refs());
    IMpZulNode* handed = first.addRefGet();
    EXPECT_EQ(5, a->refs());
    handed->Release();
    EXPECT_EQ(nullptr, NodeSp().addRefGet());
  }
  EXPECT_EQ(1, a->refs());
  {
    IMpZulNodePtr sp(na, true);
    sp = na;
    EXPECT_EQ(2, a->refs()) << "assigning the held pointer changes no count";
    sp = nb;
    EXPECT_EQ(1, a->refs());
    EXPECT_EQ(2, b->refs());
    IMpZulNodePtr other(na, true);
    sp = other;
    sp = sp;  // self-assignment
    sp = other;
    EXPECT_EQ(3, a->refs());
    EXPECT_EQ(1, b->refs());
    sp = 0;
    EXPECT_TRUE(sp.isNull());
    EXPECT_EQ(2, a->refs());

    // From another interface: queried, the source keeps its reference.
    sp = b->asPrototype();
    EXPECT_EQ(nb, sp.get());
    EXPECT_EQ(2, b->refs());
    TestPlain* plain = new TestPlain;
    sp = static_cast<IUnknown*>(plain);  // lacks the interface
    EXPECT_TRUE(sp.isNull());
    EXPECT_EQ(1, b->refs());
    EXPECT_EQ(1, plain->refs());
    plain->Release();
  }
  {
    a->AddRef();
    NodeSp sp;
    sp.attach(na);
    EXPECT_EQ(2, a->refs()) << "attach adds no reference";
    b->AddRef();
    sp.attach(nb);
    EXPECT_EQ(1, a->refs());
    b->AddRef();
    sp.attach(nb);  // the held pointer again: one of the two references goes
    EXPECT_EQ(2, b->refs());
    IMpZulNodePtr zul;
    b->AddRef();
    zul.attach(b->asPrototype());  // from another interface: asked, then the source released
    EXPECT_EQ(nb, zul.get());
    EXPECT_EQ(3, b->refs());
    TestPlain* plain = new TestPlain;
    plain->AddRef();
    zul.attach(plain);
    EXPECT_TRUE(zul.isNull());
    EXPECT_EQ(1, plain->refs()) << "the source is released although it lacks the interface";
    plain->Release();
  }
  EXPECT_EQ(1, b->refs());
  a->Release();
  b->Release();
}

// A source kept alive only by the reference the pointer holds: the query comes before the release.
TEST_F(SmartPointerTest, ReplacingTheOnlyReferenceQueriesFirst) {
  TestNode* lonely = new TestNode(9);
  IMpZulNodePtr sp(static_cast<IMpZulNode*>(lonely), false);  // takes over the only reference
  sp = lonely->asPrototype();
  EXPECT_EQ(m_live + 1, liveTestObjects());
  EXPECT_EQ(1, lonely->refs());
  lonely->AddRef();
  sp.attach(lonely->asPrototype());
  EXPECT_EQ(m_live + 1, liveTestObjects());
  EXPECT_EQ(1, lonely->refs());
  sp.attach(nullptr);
}

TEST_F(SmartPointerTest, IsSameObject) {
  TestNode* a = new TestNode(5);
  TestNode* sameId = new TestNode(5);
  TestNode* other = new TestNode(6);
  TestPlain* plain = new TestPlain;
  EXPECT_FALSE(IMpZulNodePtr().isSameObject(a->unknown()));
  {
    IMpZulNodePtr sp(static_cast<IMpZulNode*>(a), true);
    EXPECT_FALSE(sp.isSameObject(nullptr));
    EXPECT_FALSE(sp.isSameObject(plain)) << "an object without IMpZulNode";
    EXPECT_TRUE(sp.isSameObject(a->asPrototype())) << "two interface pointers of one node";
    EXPECT_TRUE(sp.isSameObject(sameId->unknown())) << "equal object identifiers";
    EXPECT_FALSE(sp.isSameObject(other->unknown()));
    EXPECT_EQ(2, a->refs()) << "the temporaries are released";
    EXPECT_EQ(1, sameId->refs());
    EXPECT_EQ(1, plain->refs());
  }
  for (IUnknown* p : std::initializer_list<IUnknown*>{a->unknown(), sameId->unknown(), other->unknown(), plain})
    p->Release();
}

}  // namespace
