// Lists of host objects: the references they hold.
#include <gtest/gtest.h>
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

}  // namespace
