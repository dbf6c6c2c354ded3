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
  EXPECT_STREQ(RUNTIME_CLASS(Square)->m_lpszClassName, "Square");
  EXPECT_EQ(RUNTIME_CLASS(Square)->m_nObjectSize, static_cast<int>(sizeof(Square)));
  EXPECT_EQ(RUNTIME_CLASS(Square)->m_pfnGetBaseClass(), RUNTIME_CLASS(Quad));
  EXPECT_STREQ(RUNTIME_CLASS(CObject)->m_lpszClassName, "CObject");
  EXPECT_FALSE(square.IsSerializable());

  // Classes of the class library itself chain to the same root.
  CStringArray strings;
  EXPECT_TRUE(strings.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(strings.IsKindOf(RUNTIME_CLASS(CPtrArray)));
  EXPECT_STREQ(strings.GetRuntimeClass()->m_lpszClassName, "CStringArray");
}

TEST(RuntimeClassTest, DowncastsCheckTheClass) {
  Square square;
  Circle circle;
  CObject* asObject = &square;
  EXPECT_EQ(DYNAMIC_DOWNCAST(Quad, asObject), &square);
  EXPECT_EQ(DYNAMIC_DOWNCAST(Square, asObject), &square);
  EXPECT_EQ(DYNAMIC_DOWNCAST(Circle, asObject), nullptr);
  EXPECT_EQ(DYNAMIC_DOWNCAST(Quad, &circle), nullptr);
  EXPECT_EQ(DYNAMIC_DOWNCAST(Square, static_cast<CObject*>(nullptr)), nullptr);
  EXPECT_EQ(STATIC_DOWNCAST(Quad, asObject), &square);
}

TEST(RuntimeClassTest, CreateObjectMakesDynCreateClassesOnly) {
  CObject* created = RUNTIME_CLASS(Square)->CreateObject();
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->GetRuntimeClass(), RUNTIME_CLASS(Square));
  Square* square = DYNAMIC_DOWNCAST(Square, created);
  ASSERT_NE(square, nullptr);
  EXPECT_EQ(square->corners, 4);  // constructed, not just allocated
  delete created;

  CObject* polygon = Quad::CreateObject();
  ASSERT_NE(polygon, nullptr);
  EXPECT_EQ(polygon->GetRuntimeClass(), RUNTIME_CLASS(Quad));
  delete polygon;

  EXPECT_EQ(RUNTIME_CLASS(Shape)->CreateObject(), nullptr);
  EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);

  Circle::failNextConstruction = true;
  EXPECT_EQ(RUNTIME_CLASS(Circle)->CreateObject(), nullptr);
  CObject* circle = RUNTIME_CLASS(Circle)->CreateObject();
  EXPECT_NE(circle, nullptr);
  delete circle;
}

TEST(GeometryTest, RectanglesNormalizeIntersectAndUnite) {
  CRect inverted(10, 20, 0, 5);
  EXPECT_EQ(inverted.Width(), -10);
  EXPECT_TRUE(inverted.IsRectEmpty());
  EXPECT_FALSE(inverted.IsRectNull());
  inverted.NormalizeRect();
  EXPECT_EQ(inverted, CRect(0, 5, 10, 20));
  EXPECT_EQ(inverted.Size(), CSize(10, 15));

  CRect a(0, 0, 10, 10), b(5, 5, 20, 15), c(30, 30, 40, 40);
  CRect result;
  EXPECT_TRUE(result.IntersectRect(a, b));
  EXPECT_EQ(result, CRect(5, 5, 10, 10));
  EXPECT_FALSE(result.IntersectRect(a, c));
  EXPECT_TRUE(result.IsRectNull());
  EXPECT_TRUE(result.UnionRect(a, c));
  EXPECT_EQ(result, CRect(0, 0, 40, 40));
  EXPECT_EQ(a & b, CRect(5, 5, 10, 10));
  EXPECT_EQ(a | b, CRect(0, 0, 20, 15));
  CRect d = a;
  d &= b;
  EXPECT_EQ(d, CRect(5, 5, 10, 10));
  d |= c;
  EXPECT_EQ(d, CRect(5, 5, 40, 40));
  // An empty rectangle adds nothing to a union.
  CRect e = a;
  e |= CRect(100, 100, 100, 100);
  EXPECT_EQ(e, a);

  EXPECT_TRUE(a.PtInRect(CPoint(0, 0)));
  EXPECT_TRUE(a.PtInRect(CPoint(9, 9)));
  EXPECT_FALSE(a.PtInRect(CPoint(10, 5)));  // right and bottom edges are outside
  EXPECT_EQ(b.CenterPoint(), CPoint(12, 10));
}

TEST(GeometryTest, RectanglesMoveGrowAndShrink) {
  CRect r(10, 20, 30, 60);
  r.OffsetRect(5, -5);
  EXPECT_EQ(r, CRect(15, 15, 35, 55));
  r.InflateRect(1, 2);
  EXPECT_EQ(r, CRect(14, 13, 36, 57));
  r.DeflateRect(1, 2, 3, 4);
  EXPECT_EQ(r, CRect(15, 15, 33, 53));
  r.DeflateRect(CSize(5, 5));
  EXPECT_EQ(r, CRect(20, 20, 28, 48));
  r.InflateRect(CRect(1, 1, 1, 1));
  EXPECT_EQ(r, CRect(19, 19, 29, 49));
  r.MoveToXY(0, 0);
  EXPECT_EQ(r, CRect(0, 0, 10, 30));

  r.TopLeft() = CPoint(2, 3);
  EXPECT_EQ(r, CRect(2, 3, 10, 30));
  r.BottomRight().Offset(1, 1);
  EXPECT_EQ(r.BottomRight(), CPoint(11, 31));

  EXPECT_EQ(r + CPoint(1, 1), CRect(3, 4, 12, 32));
  EXPECT_EQ(r - CSize(2, 3), CRect(0, 0, 9, 28));
  r += CSize(10, 10);
  EXPECT_EQ(r, CRect(12, 13, 21, 41));
  r -= CPoint(12, 13);
  EXPECT_EQ(r, CRect(0, 0, 9, 28));
  r.SetRectEmpty();
  EXPECT_TRUE(r.IsRectNull());

  RECT raw = {1, 2, 3, 4};
  CRect copy(raw);
  LPRECT asPointer = copy;
  asPointer->right = 9;
  EXPECT_EQ(copy.Width(), 8);
  EXPECT_TRUE(copy.EqualRect(CRect(1, 2, 9, 4)));
  EXPECT_EQ(CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6));
}

TEST(GeometryTest, PointsAndSizesCombine) {
  CPoint p(5, 7);
  EXPECT_EQ(p - CPoint(1, 2), CSize(4, 5));  // two points differ by a size
  EXPECT_EQ(p + CSize(1, 1), CPoint(6, 8));
  EXPECT_EQ(-p, CPoint(-5, -7));
  p += CPoint(1, 1);
  p -= CSize(2, 2);
  EXPECT_EQ(p, CPoint(4, 6));
  EXPECT_NE(p, CPoint(6, 4));

  CSize s(3, 4);
  EXPECT_EQ(s + CSize(1, 1), CSize(4, 5));
  EXPECT_EQ(s + CPoint(1, 1), CPoint(4, 5));
  s -= CSize(5, 5);
  EXPECT_EQ(s, CSize(-2, -1));

  // Packed 16-bit coordinates are signed.
  EXPECT_EQ(CPoint(static_cast<LPARAM>(MAKELONG(-3, 9))), CPoint(-3, 9));
  EXPECT_EQ(CSize(static_cast<DWORD>(MAKELONG(7, -1))), CSize(7, -1));
  EXPECT_EQ(CPoint(), CPoint(0, 0));
  EXPECT_EQ(CSize(), CSize(0, 0));
  EXPECT_TRUE(CRect().IsRectNull());
}

}  // namespace
