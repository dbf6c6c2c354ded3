// Runtime classes defined outside the class library's DLL, as the library's own are: the chain
// of bases, and creation by class record that fails softly.
#include <afx.h>
#include <gtest/gtest.h>

#include <stdexcept>

class Shape : public CObject {
  DECLARE_DYNAMIC(Shape)
};
IMPLEMENT_DYNAMIC(Shape, CObject)

class Square : public Shape {
  DECLARE_DYNCREATE(Square)
 public:
  int corners = 4;
};
IMPLEMENT_DYNCREATE(Square, Shape)

class Circle : public Shape {
  DECLARE_DYNCREATE(Circle)
 public:
  Circle() {
    if (failNextConstruction) {
      failNextConstruction = false;
      throw std::runtime_error("construction refused");
    }
  }
  static bool failNextConstruction;
};
bool Circle::failNextConstruction = false;
IMPLEMENT_DYNCREATE(Circle, Shape)

namespace {

TEST(RuntimeClassTest, KindsFollowTheChainAndCreationFailsSoftly) {
  CObject* created = RUNTIME_CLASS(Square)->CreateObject();
  ASSERT_NE(created, nullptr);
  EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(Shape)));
  EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(created->IsKindOf(RUNTIME_CLASS(Circle)));
  EXPECT_FALSE(created->IsKindOf(nullptr));
  EXPECT_FALSE(RUNTIME_CLASS(Shape)->IsDerivedFrom(RUNTIME_CLASS(Square)));
  EXPECT_EQ(DYNAMIC_DOWNCAST(Square, created)->corners, 4);  // constructed, not just allocated
  EXPECT_EQ(DYNAMIC_DOWNCAST(Circle, created), nullptr);
  delete created;

  EXPECT_EQ(RUNTIME_CLASS(Shape)->CreateObject(), nullptr);  // not creatable
  Circle::failNextConstruction = true;
  EXPECT_EQ(RUNTIME_CLASS(Circle)->CreateObject(), nullptr);  // nothing thrown to the caller
  CObject* circle = RUNTIME_CLASS(Circle)->CreateObject();
  EXPECT_NE(circle, nullptr);
  delete circle;
}

}  // namespace
