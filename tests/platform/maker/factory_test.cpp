// The object factories and their registries.
#include <gtest/gtest.h>
#include "MpClassFactory.h"
#include "test_objects.h"

namespace {

const GUID CLSID_TestNode = MpGuid("{0F4A4A52-8C9B-4E63-A3B1-2C5D6E7F8091}");

TEST(ClassFactoryTest, CreatesRegisteredClasses) {
  IMpClassFactory* factory = theMpClassFactory();
  ASSERT_NE(nullptr, factory);
  const int live = liveTestObjects();

  int created = 0;
  EXPECT_FALSE(MpRegisterClass(CLSID_TestNode, MpClassCreator()));
  ASSERT_TRUE(MpRegisterClass(CLSID_TestNode, [&](REFIID iid, void** out) {
    ++created;
    TestNode* node = new TestNode(static_cast<uint32_t>(created));
    HRESULT hr = node->QueryInterface(iid, out);
    node->Release();
    return hr;
  }));
  EXPECT_TRUE(MpIsClassRegistered(CLSID_TestNode));

  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(S_OK, factory->createInstance(CLSID_TestNode, nullptr, IID_IMpZulNode, &out));
  ASSERT_NE(nullptr, out);
  EXPECT_EQ(1u, static_cast<IMpZulNode*>(out)->getObjectKey().objectId);
  EXPECT_EQ(live + 1, liveTestObjects());
  static_cast<IMpZulNode*>(out)->Release();

  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, factory->createInstance(CLSID_TestNode, nullptr, IID_IMpOptions, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(live, liveTestObjects()) << "an object without the interface is not kept";

  {
    TestPlain outer;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->createInstance(CLSID_TestNode, &outer, IID_IMpZulNode, &out));
  }
  EXPECT_EQ(2, created) << "refused before the creator runs";

  EXPECT_TRUE(MpUnregisterClass(CLSID_TestNode));
  EXPECT_FALSE(MpUnregisterClass(CLSID_TestNode));
  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(REGDB_E_CLASSNOTREG, factory->createInstance(CLSID_TestNode, nullptr, IID_IMpZulNode, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(E_POINTER, factory->createInstance(CLSID_TestNode, nullptr, IID_IMpZulNode, nullptr));

  // A creator that fails hands out nothing, even what it wrote.
  ASSERT_TRUE(MpRegisterClass(CLSID_TestNode, [](REFIID, void** o) {
    *o = static_cast<IMpZulNode*>(new TestNode(1));
    return E_FAIL;
  }));
  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_FAIL, factory->createInstance(CLSID_TestNode, nullptr, IID_IMpZulNode, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(live, liveTestObjects());
  MpUnregisterClass(CLSID_TestNode);
}

}  // namespace
