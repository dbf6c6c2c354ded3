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
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(nullptr, list.front());
    list.push_back(a->unknown(), true);
    EXPECT_EQ(2, a->refs());
    b->AddRef();
    list.push_back(b->unknown(), false);  // takes over the caller's reference
    EXPECT_EQ(2, b->refs());
    list.push_back(nullptr, true);
    EXPECT_EQ(2u, list.size());
    EXPECT_EQ(a->unknown(), list.front());

    MpSmartList copy(list);
    EXPECT_EQ(3, a->refs());
    EXPECT_EQ(3, b->refs());

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

    MpSmartList::iterator it = copy.erase(copy.begin());
    EXPECT_EQ(b->unknown(), *it);
    EXPECT_EQ(4, a->refs());
    copy.clear();
    EXPECT_TRUE(copy.empty());
    EXPECT_EQ(3, a->refs());
    EXPECT_EQ(3, b->refs());
  }
  EXPECT_EQ(1, a->refs());
  EXPECT_EQ(1, b->refs());
  a->Release();
  b->Release();
  EXPECT_EQ(live, liveTestObjects());
}

TEST(ZulSmartListTest, KeysFindAndIdentity) {
  const int live = liveTestObjects();
  {
    TestNode* n1 = new TestNode(11, {{"Name", "first"}});
    TestNode* n2 = new TestNode(12, {{"Name", "second"}});
    TestNode* n1Again = new TestNode(11);  // another object with the identifier of n1
    TestPlain* plain = new TestPlain;

    MpZulSmartList list;
    EXPECT_EQ(nullptr, list.getData());
    list.push_back(n1->unknown(), false);
    list.push_back(plain, false);
    list.push_back(n2->asPrototype(), false);  // a node handed in through another interface

    std::vector<ZulObjectKey> keys = list.getKeys();
    ASSERT_EQ(2u, keys.size()) << "elements that are not nodes have no key";
    EXPECT_EQ(11u, keys[0].objectId);
    EXPECT_EQ(12u, keys[1].objectId);
    std::vector<ZulObjectKey> appended{ZulObjectKey(1)};
    EXPECT_TRUE(list.getKeys(appended));
    EXPECT_EQ(3u, appended.size());

    EXPECT_EQ(n2->asPrototype(), *list.find(ZulObjectKey(12)));
    EXPECT_TRUE(list.find(ZulObjectKey(13)) == list.end());
    const MpZulSmartList& constList = list;
    EXPECT_EQ(n1->unknown(), *constList.find(ZulObjectKey(11)));

    EXPECT_TRUE(list.hasElement(n1Again->unknown())) << "same identifier, same object";
    EXPECT_TRUE(list.hasElement(n2->unknown()));
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
    EXPECT_EQ(6u, list.size());
    list.getUniqueElements();
    ASSERT_EQ(3u, list.size());
    std::vector<IUnknown*> order(list.begin(), list.end());
    EXPECT_EQ(n1->unknown(), order[0]) << "the first of each object stays in its place";
    EXPECT_EQ(static_cast<IUnknown*>(plain), order[1]);
    EXPECT_EQ(n2->asPrototype(), order[2]);
    EXPECT_EQ(1, plain->refs());
    EXPECT_EQ(1, n2->refs());
    // n1Again was dropped as a duplicate: its only reference was the list's.
    EXPECT_EQ(live + 3, liveTestObjects());

    // Copies are lists of their own; the object-model list is an MpSmartList.
    MpZulSmartList copy(list);
    EXPECT_EQ(2, n1->refs());
    MpSmartList& base = copy;
    EXPECT_FALSE(base.empty());
  }
  EXPECT_EQ(live, liveTestObjects());
}

TEST(ZulSmartListTest, HoldsItsDataObject) {
  TestData* data = new TestData;
  IMpData* asData = data;
  {
    MpZulSmartList list(asData);
    EXPECT_EQ(asData, list.getData());
    EXPECT_EQ(2, data->refs());
    MpZulSmartList copy(list);
    EXPECT_EQ(3, data->refs());
    copy.setData(nullptr);
    EXPECT_EQ(2, data->refs());
    copy = list;
    EXPECT_EQ(asData, copy.getData());
  }
  EXPECT_EQ(1, data->refs());
  data->Release();
}

TEST(ZulSmartListTest, FilterClassesOnAttribute) {
  const int live = liveTestObjects();
  {
    MpSmartList classes;
    TestClass* abstractClass = new TestClass("Shape", {{"Abstract", "TRUE"}});
    TestClass* lowerCase = new TestClass("Solid", {{"Abstract", "true"}});
    TestClass* concrete = new TestClass("Hole", {{"Abstract", "FALSE"}});
    TestClass* noAttribute = new TestClass("Slot");
    classes.push_back(abstractClass, false);
    classes.push_back(lowerCase, false);
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
