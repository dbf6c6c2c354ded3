#include <afx.h>
#include <gtest/gtest.h>

#include <stdexcept>

// A small class family defined outside the class library's DLL, as the library's own are.
class Shape : public CObject {
  DECLARE_DYNAMIC(Shape)
};
IMPLEMENT_DYNAMIC(Shape, CObject)

class Quad : public Shape {
  DECLARE_DYNCREATE(Quad)
 public:
  int corners = 0;
};
IMPLEMENT_DYNCREATE(Quad, Shape)

class Square : public Quad {
  DECLARE_DYNCREATE(Square)
 public:
  Square() { corners = 4; }
};
IMPLEMENT_DYNCREATE(Square, Quad)

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

TEST(RuntimeClassTest, IsKindOfFollowsTheWholeChain) {
  Square square;
  EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(Square)));
  EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(Quad)));
  EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(Shape)));
  EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(square.IsKindOf(RUNTIME_CLASS(Circle)));
  EXPECT_FALSE(square.IsKindOf(nullptr));

  Quad polygon;
  EXPECT_FALSE(polygon.IsKindOf(RUNTIME_CLASS(Square)));
  EXPECT_TRUE(RUNTIME_CLASS(Square)->IsDerivedFrom(RUNTIME_CLASS(Shape)));
  EXPECT_FALSE(RUNTIME_CLASS(Shape)->IsDerivedFrom(RUNTIME_CLASS(Square)));

  // The record is the class's one record, reached the same way from an object.
  const CObject& asObject = square;
  EXPECT_EQ(asObject.GetRuntimeClass(), RUNTIME_CLASS(Square));
  EXPECT_EQ(&Square::classSquare, RUNTIME_CLASS(Square));

  // Classes of the class library itself chain to the same root.
  CStringArray strings;
  EXPECT_TRUE(strings.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(strings.IsKindOf(RUNTIME_CLASS(CPtrArray)));
  EXPECT_STREQ(strings.GetRuntimeClass()->m_lpszClassName, "CStringArray");
}

TEST(RuntimeClassTest, CreateObjectMakesDynCreateClassesOnly) {
  CObject* created = RUNTIME_CLASS(Square)->CreateObject();
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->GetRuntimeClass(), RUNTIME_CLASS(Square));
  Square* square = DYNAMIC_DOWNCAST(Square, created);
  ASSERT_NE(square, nullptr);
  EXPECT_EQ(square->corners, 4);  // constructed, not just allocated
  EXPECT_EQ(DYNAMIC_DOWNCAST(Circle, created), nullptr);
  EXPECT_EQ(DYNAMIC_DOWNCAST(Square, static_cast<CObject*>(nullptr)), nullptr);
  delete created;

  EXPECT_EQ(RUNTIME_CLASS(Shape)->CreateObject(), nullptr);
  EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);

  Circle::failNextConstruction = true;
  EXPECT_EQ(RUNTIME_CLASS(Circle)->CreateObject(), nullptr);
  CObject* circle = RUNTIME_CLASS(Circle)->CreateObject();
  EXPECT_NE(circle, nullptr);
  delete circle;
}

TEST(GeometryTest, RectangleCornersAreTheRectanglesOwnPoints) {
  CRect r(10, 20, 30, 60);
  EXPECT_EQ(r.Size(), CSize(20, 40));
  EXPECT_EQ(r.CenterPoint(), CPoint(20, 40));
  r.TopLeft() = CPoint(2, 3);
  r.BottomRight().x = 11;
  EXPECT_EQ(r, CRect(2, 3, 11, 60));
  EXPECT_EQ(r + CPoint(1, 1), CRect(3, 4, 12, 61));
  r.DeflateRect(1, 2, 3, 4);
  EXPECT_EQ(r, CRect(3, 5, 8, 56));
  LPRECT asPointer = r;
  asPointer->right = 9;
  EXPECT_EQ(r.Width(), 6);
  EXPECT_EQ(CSize(POINT{3, 4}) + CSize(1, 1), CSize(4, 5));
}

}  // namespace
