#include "graphics/Geometry.h"
#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vx {
namespace {

TEST(RealRect, PointInsideExcludesRightAndBottomEdges) {
  EXPECT_TRUE(PtInRealRect(RealPoint(2, 5), RealRect(0, 0, 2.5, 5.5)));
  EXPECT_FALSE(PtInRealRect(RealPoint(2, 5), RealRect(0, 0, 2, 6)));
  EXPECT_FALSE(PtInRealRect(RealPoint(1, 6), RealRect(0, 0, 2, 6)));
  EXPECT_TRUE(PtInRealRect(RealPoint(0, 0), RealRect(0, 0, 2, 6)));
  EXPECT_FALSE(PtInRealRect(RealPoint(std::nan(""), 1), RealRect(0, 0, 2, 6)));
}

TEST(RealRect, IntersectionOfTouchingRectanglesIsTheirCommonEdge) {
  TVXRealRect R;
  EXPECT_TRUE(IntersectRealRect(RealRect(0, 0, 1, 1), RealRect(1, 1, 2, 2), R));
  EXPECT_EQ(R, RealRect(1, 1, 1, 1));

  EXPECT_TRUE(IntersectRealRect(RealRect(0, 0, 4, 4), RealRect(1, -1, 2, 9), R));
  EXPECT_EQ(R, RealRect(1, 0, 2, 4));

  // Disjoint: false, and the inverted overlap is still stored.
  EXPECT_FALSE(IntersectRealRect(RealRect(0, 0, 1, 1), RealRect(2, 0, 3, 1), R));
  EXPECT_EQ(R, RealRect(2, 0, 1, 1));
  EXPECT_FALSE(IntersectRealRect(RealRect(0, 0, 1, 1), RealRect(0, 1.5, 1, 3), R));
}

TEST(RealPoint, RoundsHalvesToEven) {
  struct Case {
    double V;
    int Expected;
  };
  const Case Cases[] = {{0.5, 0},
                        {1.5, 2},
                        {2.5, 2},
                        {-0.5, 0},
                        {-1.5, -2},
                        {-2.5, -2},
                        {2.49, 2},
                        {2.51, 3},
                        {-2.51, -3},
                        {7, 7},
                        {2147483647.4, 2147483647},
                        {-2147483648.5, -2147483648}};
  for (const Case& C : Cases) {
    EXPECT_EQ(RoundRealPoint(RealPoint(C.V, 0)).X, C.Expected) << C.V;
    EXPECT_EQ(RoundRealPoint(RealPoint(0, C.V)).Y, C.Expected) << C.V;
  }
}

TEST(RealPoint, RoundingOutsideThe32BitRangeRaisesRangeError) {
  const double Bad[] = {
      2147483647.5, -2147483649.0, 1e300, -1e300, std::numeric_limits<double>::infinity(),
      std::nan("")};
  for (double V : Bad) {
    EXPECT_THROW(RoundRealPoint(RealPoint(V, 0)), ERangeError) << V;
    EXPECT_THROW(RoundRealPoint(RealPoint(0, V)), ERangeError) << V;
  }
}

TEST(RealPoint, RoundClampedSaturatesInsteadOfRaising) {
  EXPECT_EQ(RoundClamped(2.5), 2);
  EXPECT_EQ(RoundClamped(-3.5), -4);
  EXPECT_EQ(RoundClamped(1e20), std::numeric_limits<int>::max());
  EXPECT_EQ(RoundClamped(-1e20), std::numeric_limits<int>::min());
  EXPECT_EQ(RoundClamped(-std::numeric_limits<double>::infinity()),
            std::numeric_limits<int>::min());
  EXPECT_EQ(RoundClamped(std::nan("")), 0);
}

TEST(Rect, NormalizeSwapsInvertedSides) {
  struct Case {
    TRect Src, Expected;
  };
  const Case Cases[] = {{Rect(30, 40, 10, 20), Rect(10, 20, 30, 40)},
                        {Rect(10, 40, 30, 20), Rect(10, 20, 30, 40)},
                        {Rect(30, 20, 10, 40), Rect(10, 20, 30, 40)},
                        {Rect(10, 20, 30, 40), Rect(10, 20, 30, 40)},
                        {Rect(5, 5, 5, 5), Rect(5, 5, 5, 5)}};
  for (const Case& C : Cases) {
    TRect Dst{1, 2, 3, 4};
    NormalizeRect(C.Src, Dst);
    EXPECT_EQ(Dst, C.Expected);
  }
}

TEST(Rect, CenterAndShrinkNeverOverflow) {
  constexpr int Max = std::numeric_limits<int>::max();
  constexpr int Min = std::numeric_limits<int>::min();
  EXPECT_EQ(RectCenter(Rect(0, 0, 11, 7)), Point(5, 3));
  EXPECT_EQ(RectCenter(Rect(0, 0, -11, -7)), Point(-5, -3));
  EXPECT_EQ(RectCenter(Rect(Min, Min, Max, Max)), Point(-1, -1));
  EXPECT_EQ(ShrinkRect(Rect(Min, 0, Max, 10), -5), Rect(Min, -5, Max, 15));
  EXPECT_EQ(ShrinkRect(Rect(0, 0, 10, 10), 3), Rect(3, 3, 7, 7));
}

} // namespace
} // namespace vx
