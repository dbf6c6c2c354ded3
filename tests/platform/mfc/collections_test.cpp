#include <afx.h>
#include <afxtempl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// An element with heap-owning members that also counts its live instances, so that a
// collection that copies raw bytes, leaks or destroys twice is caught.
struct Entry {
  static int live;
  std::string name;
  std::vector<int> values;
  Entry() { ++live; }
  Entry(std::string n, int v) : name(std::move(n)), values{v, v + 1} { ++live; }
  Entry(const Entry& other) : name(other.name), values(other.values) { ++live; }
  Entry(Entry&& other) noexcept : name(std::move(other.name)), values(std::move(other.values)) {
    ++live;
  }
  Entry& operator=(const Entry&) = default;
  Entry& operator=(Entry&&) = default;
  ~Entry() { --live; }
};
int Entry::live = 0;

std::vector<std::string> Names(const CArray<Entry, Entry&>& array) {
  std::vector<std::string> names;
  for (INT_PTR i = 0; i < array.GetSize(); ++i) names.push_back(array[i].name);
  return names;
}

TEST(CArrayTest, KeepsNonTrivialElementsThroughInsertRemoveAndGrowth) {
  {
    CArray<Entry, Entry&> array;
    for (int i = 0; i < 100; ++i) {
      Entry e("item" + std::to_string(i), i);
      EXPECT_EQ(array.Add(e), i);
    }
    EXPECT_EQ(array.GetSize(), 100);
    EXPECT_EQ(array.GetUpperBound(), 99);
    EXPECT_EQ(array[57].name, "item57");
    EXPECT_EQ(array[57].values, (std::vector<int>{57, 58}));

    array.SetSize(3);
    EXPECT_EQ(Entry::live, 3);
    Entry inserted("new", 7);
    array.InsertAt(1, inserted, 2);
    EXPECT_EQ(Names(array), (std::vector<std::string>{"item0", "new", "new", "item1", "item2"}));
    array.FreeExtra();
    array.InsertAt(0, array[4]);  // an element of the array itself, while the array grows
    EXPECT_EQ(Names(array),
              (std::vector<std::string>{"item2", "item0", "new", "new", "item1", "item2"}));
    array.InsertAt(8, inserted);  // past the end: the gap holds default elements
    EXPECT_EQ(array.GetSize(), 9);
    EXPECT_EQ(array[7].name, "");
    EXPECT_EQ(array[8].name, "new");

    array.RemoveAt(6, 3);
    array.RemoveAt(1);
    EXPECT_EQ(Names(array), (std::vector<std::string>{"item2", "new", "new", "item1", "item2"}));
    EXPECT_EQ(array[3].values, (std::vector<int>{1, 2}));

    array.Append(array);
    EXPECT_EQ(array.GetSize(), 10);
    EXPECT_EQ(array[9].name, "item2");

    CArray<Entry, Entry&> other;
    other.Copy(array);
    array.RemoveAll();
    EXPECT_EQ(array.GetSize(), 0);
    EXPECT_EQ(other.GetSize(), 10);
    other.InsertAt(2, &other);
    EXPECT_EQ(other.GetSize(), 20);
    EXPECT_EQ(other[2].name, "item2");
    EXPECT_EQ(other[12].name, "new");
    EXPECT_EQ(Entry::live, 20 + 1);
  }
  EXPECT_EQ(Entry::live, 0);
}

TEST(CArrayTest, NumbersStartAtZeroAndSetAtGrowFillsTheGap) {
  CArray<int, int&> numbers;
  numbers.SetSize(4);
  for (INT_PTR i = 0; i < numbers.GetSize(); ++i) EXPECT_EQ(numbers[i], 0);
  int seven = 7;
  numbers.SetAtGrow(6, seven);
  EXPECT_EQ(numbers.GetSize(), 7);
  EXPECT_EQ(numbers[5], 0);
  EXPECT_EQ(numbers.GetAt(6), 7);
  numbers.ElementAt(0) = 3;
  EXPECT_EQ(numbers.GetData()[0], 3);
  numbers.FreeExtra();
  EXPECT_EQ(numbers[6], 7);

  CDWordArray dwords;
  dwords.Add(0xFFFFFFFFu);
  dwords.InsertAt(0, 1u, 2);
  EXPECT_EQ(dwords.GetSize(), 3);
  EXPECT_EQ(dwords[2], 0xFFFFFFFFu);

  CStringArray strings;
  strings.Add("b");
  strings.InsertAt(0, "a");
  strings.SetAtGrow(3, "d");
  EXPECT_EQ(strings.GetSize(), 4);
  EXPECT_STREQ(strings[0], "a");
  EXPECT_STREQ(strings[2], "");
  EXPECT_STREQ(strings[3], "d");
}

TEST(CTypedPtrArrayTest, StoresTypedPointers) {
  CTypedPtrArray<CPtrArray, HMENU> menus;
  HMENU first = reinterpret_cast<HMENU>(0x1010);
  HMENU second = reinterpret_cast<HMENU>(0x2020);
  menus.Add(first);
  menus.InsertAt(0, second);
  EXPECT_EQ(menus.GetSize(), 2);
  EXPECT_EQ(menus[0], second);
  EXPECT_EQ(menus.GetAt(1), first);
  menus[1] = second;
  EXPECT_EQ(menus.GetAt(1), second);
  menus.RemoveAt(0);
  EXPECT_EQ(menus.GetSize(), 1);

  CStringArray* owned = new CStringArray;
  CTypedPtrArray<CObArray, CStringArray*> arrays;
  arrays.Add(owned);
  EXPECT_EQ(arrays[0], owned);
  delete arrays[0];
}

std::vector<std::string> Walk(const CStringList& list) {
  std::vector<std::string> items;
  for (POSITION pos = list.GetHeadPosition(); pos != NULL;) items.emplace_back(list.GetNext(pos));
  return items;
}

TEST(CListTest, KeepsOrderAndPositions) {
  CStringList list;
  EXPECT_TRUE(list.IsEmpty());
  list.AddTail("b");
  POSITION posC = list.AddTail("c");
  list.AddHead("a");
  list.InsertBefore(posC, "b2");
  list.InsertAfter(posC, "d");
  EXPECT_EQ(Walk(list), (std::vector<std::string>{"a", "b", "b2", "c", "d"}));
  EXPECT_EQ(list.GetCount(), 5);
  EXPECT_STREQ(list.GetHead(), "a");
  EXPECT_STREQ(list.GetTail(), "d");

  POSITION posB = list.Find("b");
  ASSERT_NE(posB, nullptr);
  EXPECT_EQ(list.Find("b", posB), nullptr);
  EXPECT_EQ(list.Find("c", posB), posC);
  EXPECT_EQ(list.Find("zz"), nullptr);
  EXPECT_EQ(list.FindIndex(3), posC);
  EXPECT_EQ(list.FindIndex(5), nullptr);

  list.RemoveAt(posB);
  EXPECT_STREQ(list.RemoveHead(), "a");
  EXPECT_STREQ(list.RemoveTail(), "d");
  EXPECT_EQ(Walk(list), (std::vector<std::string>{"b2", "c"}));

  list.AddTail(&list);
  EXPECT_EQ(Walk(list), (std::vector<std::string>{"b2", "c", "b2", "c"}));
  list.AddHead(&list);
  EXPECT_EQ(list.GetCount(), 8);

  POSITION back = list.GetTailPosition();
  EXPECT_STREQ(list.GetPrev(back), "c");
  EXPECT_STREQ(list.GetAt(back), "b2");
  list.SetAt(back, "changed");
  EXPECT_STREQ(list.GetAt(list.FindIndex(6)), "changed");

  list.RemoveAll();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(list.GetHeadPosition(), nullptr);

  CList<Entry, const Entry&> entries;
  entries.AddTail(Entry("x", 1));
  entries.AddHead(Entry("y", 2));
  EXPECT_EQ(entries.GetHead().name, "y");
  EXPECT_EQ(entries.RemoveTail().values, (std::vector<int>{1, 2}));
  entries.RemoveAll();
  EXPECT_EQ(Entry::live, 0);

  int a = 1, b = 2;
  CTypedPtrList<CPtrList, int*> pointers;
  pointers.AddTail(&a);
  pointers.AddTail(&b);
  POSITION pos = pointers.GetHeadPosition();
  EXPECT_EQ(pointers.GetNext(pos), &a);
  EXPECT_EQ(*pointers.GetNext(pos), 2);
  EXPECT_EQ(pos, nullptr);
}

TEST(CMapTest, LooksUpReplacesRemovesAndWalksEveryEntryOnce) {
  CMap<CString, LPCSTR, int, int> map;
  EXPECT_EQ(map.GetStartPosition(), nullptr);
  int value = -1;
  EXPECT_FALSE(map.Lookup("missing", value));
  EXPECT_EQ(value, -1);

  for (int i = 0; i < 1000; ++i) {
    std::string key = "k" + std::to_string(i);
    map.SetAt(key.c_str(), i);
  }
  EXPECT_EQ(map.GetCount(), 1000);
  ASSERT_TRUE(map.Lookup("k500", value));
  EXPECT_EQ(value, 500);
  map.SetAt("k500", -500);
  map["k501"] += 1;
  map["new"] = 7;
  EXPECT_EQ(map.GetCount(), 1001);
  EXPECT_TRUE(map.Lookup("k500", value));
  EXPECT_EQ(value, -500);
  EXPECT_EQ(map["k501"], 502);
  EXPECT_TRUE(map.RemoveKey("new"));
  EXPECT_FALSE(map.RemoveKey("new"));
  EXPECT_FALSE(map.Lookup("new", value));

  // Every entry once, and removing the entry just read does not disturb the walk.
  std::set<std::string> seen;
  POSITION pos = map.GetStartPosition();
  while (pos != NULL) {
    CString key;
    int v = 0;
    map.GetNextAssoc(pos, key, v);
    EXPECT_TRUE(seen.insert(std::string(key)).second);
    if (v % 2 == 0) map.RemoveKey(key);
  }
  EXPECT_EQ(seen.size(), 1000u);
  EXPECT_EQ(map.GetCount(), 499);  // the even values went: 500 of them, and k501's 502
  EXPECT_FALSE(map.Lookup("k2", value));
  EXPECT_TRUE(map.Lookup("k3", value));

  map.RemoveAll();
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_FALSE(map.Lookup("k3", value));

  CMap<int, int, Entry, const Entry&> byNumber;
  byNumber.SetAt(3, Entry("three", 3));
  byNumber[-1].name = "minus one";
  Entry found;
  ASSERT_TRUE(byNumber.Lookup(3, found));
  EXPECT_EQ(found.values, (std::vector<int>{3, 4}));
  EXPECT_EQ(byNumber.PLookup(-1)->value.name, "minus one");
  EXPECT_EQ(byNumber.PLookup(4), nullptr);
}

}  // namespace
