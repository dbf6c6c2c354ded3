#include <afx.h>
#include <afxtempl.h>
#include <gtest/gtest.h>

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
    EXPECT_EQ(array[57].values, (std::vector<int>{57, 58}));
    array.RemoveAt(3, 97);
    EXPECT_EQ(Entry::live, 3);

    Entry inserted("new", 7);
    array.InsertAt(1, inserted, 2);
    EXPECT_EQ(Names(array), (std::vector<std::string>{"item0", "new", "new", "item1", "item2"}));
    array.InsertAt(0, array[4]);  // an element of the array itself, while the array grows
    array.Add(array[0]);
    EXPECT_EQ(Names(array), (std::vector<std::string>{"item2", "item0", "new", "new", "item1",
                                                      "item2", "item2"}));
    array.InsertAt(9, inserted);  // past the end: the gap holds default elements
    EXPECT_EQ(array.GetSize(), 10);
    EXPECT_EQ(array[8].name, "");
    EXPECT_EQ(array[9].name, "new");
    array.RemoveAt(1);
    EXPECT_EQ(array[3].values, (std::vector<int>{1, 2}));
    EXPECT_EQ(Entry::live, 9 + 1);
  }
  EXPECT_EQ(Entry::live, 0);

  CArray<int, int&> numbers;
  int seven = 7;
  numbers.InsertAt(2, seven);
  EXPECT_EQ(numbers[0], 0);  // numbers start at zero
  EXPECT_EQ(numbers.GetAt(2), 7);
  numbers.RemoveAll();
  EXPECT_EQ(numbers.GetSize(), 0);
}

TEST(CTypedPtrArrayTest, StoresTypedPointers) {
  CTypedPtrArray<CPtrArray, HMENU> menus;
  HMENU first = reinterpret_cast<HMENU>(0x1010);
  HMENU second = reinterpret_cast<HMENU>(0x2020);
  menus.Add(first);
  menus.InsertAt(0, second);
  EXPECT_EQ(menus[0], second);
  EXPECT_EQ(menus.GetAt(1), first);
  menus[1] = second;
  EXPECT_EQ(menus.GetAt(1), second);
}

}  // namespace
