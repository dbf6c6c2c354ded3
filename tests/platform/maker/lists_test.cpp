// Lists of host objects: the references they hold, and the object-model list's look-ups.
#include <gtest/gtest.h>
#include <algorithm>
#include "MpSmartList.h"
#include "test_objects.h"

namespace {

TEST(SmartListTest, HoldsOneReferencePerElement) {
  const int live = liveTestObjects();
  TestNode* a = new TestNode(1);
  TestNode* b = new TestNode(2);
  {
    MpSmartList list;
    EXPECT_EQ(nullptr, list.front());
    list.push_back(a->unknown(), true);
    EXPECT_EQ(2, a->refs());
    b->AddRef();
    list.push_back(b->unknown(), false);  // takes over the caller's reference
    EXPECT_EQ(2, b->refs());
    list.push_back(nullptr, true);
    EXPECT_EQ(2u, list.size());

    MpSmartList copy(list);
    EXPECT_EQ(3, a->refs());
    MpSmartList assigned;
    assigned.push_back(b->unknown(), true);
    assigned = list;
    EXPECT_EQ(4, a->refs());
    EXPECT_EQ(4, b->refs()) << "the element held before was released";
    assigned = assigned;
    EXPECT_EQ(4, a->refs());

    copy += copy;  // appending a list to itself doubles it once
    EXPECT_EQ(4u, copy.size());
    EXPECT_EQ(5, a->refs());
    EXPECT_EQ(b->unknown(), *copy.erase(copy.begin()));
    EXPECT_EQ(4, a->refs());
    copy.clear();
    EXPECT_EQ(3, a->refs());
    EXPECT_EQ(3, b->refs());
  }
  EXPECT_EQ(1, a->refs());
  EXPECT_EQ(1, b->refs());
  a->Release();
  b->Release();
  EXPECT_EQ(live, liveTestObjects());
}

TEST(ZulSmartListTest, KeysFindIdentityAndData) {
  const int live = liveTestObjects();
  TestData* data = new TestData;
  {
    TestNode* n1 = new TestNode(11, {{"Name", "first"}});
    TestNode* n2 = new TestNode(12, {{"Name", "second"}});
    TestNode* n1Again = new TestNode(11);  // another object with the identifier of n1
    TestPlain* plain = new TestPlain;

    MpZulSmartList list(data);
    EXPECT_EQ(2, data->refs()) << "the list holds its data object";
    list.push_back(n1->unknown(), false);
    list.push_back(plain, false);
    list.push_back(n2->asPrototype(), false);  // a node handed in through another interface

    std::vector<ZulObjectKey> keys{ZulObjectKey(1)};
    EXPECT_TRUE(list.getKeys(keys));
    ASSERT_EQ(3u, keys.size()) << "appended; elements that are not nodes have no key";
    EXPECT_EQ(11u, keys[1].objectId);
    EXPECT_EQ(12u, keys[2].objectId);
    EXPECT_EQ(2u, list.getKeys().size());

    EXPECT_EQ(n2->asPrototype(), *list.find(ZulObjectKey(12)));
    EXPECT_TRUE(list.find(ZulObjectKey(13)) == list.end());
    EXPECT_TRUE(list.hasElement(n1Again->unknown())) << "same identifier, same object";
    EXPECT_TRUE(list.hasElement(plain));
    TestPlain* stranger = new TestPlain;
    EXPECT_FALSE(list.hasElement(stranger));
    EXPECT_FALSE(list.hasElement(nullptr));
    stranger->Release();

    IMpZulNode* found = list.getNodeByField("Name", "second");
    ASSERT_NE(nullptr, found);
    EXPECT_EQ(12u, found->getObjectKey().objectId);
    EXPECT_EQ(2, n2->refs()) << "the caller receives a reference";
    found->Release();
    EXPECT_EQ(nullptr, list.getNodeByField("Name", "third"));
    EXPECT_EQ(nullptr, list.getNodeByField("Colour", "first"));

    list.push_back(n1Again->unknown(), false);
    list.push_back(plain, true);
    list.push_back(n2->unknown(), true);
    list.getUniqueElements();
    const std::vector<IUnknown*> order(list.begin(), list.end());
    EXPECT_EQ((std::vector<IUnknown*>{n1->unknown(), plain, n2->asPrototype()}), order)
        << "the first of each object stays in its place";
    EXPECT_EQ(1, plain->refs());
    EXPECT_EQ(1, n2->refs());
    EXPECT_EQ(live + 4, liveTestObjects()) << "the dropped duplicate's only reference was the list's";

    MpZulSmartList copy(list);
    EXPECT_EQ(2, n1->refs());
    EXPECT_EQ(3, data->refs());
    copy.setData(nullptr);
    EXPECT_EQ(2, data->refs());
  }
  EXPECT_EQ(1, data->refs());
  data->Release();
  EXPECT_EQ(live, liveTestObjects());
}

TEST(ZulSmartListTest, FilterClassesOnAttribute) {
  const int live = liveTestObjects();
  {
    MpSmartList classes;
    TestClass* abstractClass = new TestClass("Shape", {{"Abstract", "TRUE"}});
    TestClass* concrete = new TestClass("Hole", {{"Abstract", "FALSE"}});
    TestClass* noAttribute = new TestClass("Slot");
    classes.push_back(abstractClass, false);
    classes.push_back(new TestClass("Solid", {{"Abstract", "true"}}), false);
    classes.push_back(concrete, false);
    classes.push_back(new TestPlain, false);
    classes.push_back(noAttribute, false);

    MpSmartList kept = MpZulFilterClassesOnAttribute(classes, "Abstract", "TRUE", true);
    ASSERT_EQ(2u, kept.size());
    EXPECT_EQ(static_cast<IUnknown*>(concrete), kept.front());
    EXPECT_EQ(static_cast<IUnknown*>(noAttribute), *std::next(kept.begin()));
    EXPECT_EQ(2, concrete->refs());

    MpSmartList matching = MpZulFilterClassesOnAttribute(classes, "Abstract", "TRUE", false);
    ASSERT_EQ(2u, matching.size());
    EXPECT_EQ(static_cast<IUnknown*>(abstractClass), matching.front());
    EXPECT_EQ(5u, classes.size()) << "the input stays as it was";
  }
  EXPECT_EQ(live, liveTestObjects());
}

}  // namespace
