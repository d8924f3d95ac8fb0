// Differential check: many random shapes drawn on the Qt canvas against the pixel sets
// that the integer rules give (computed here without Qt).

#include "tests/qt/QtTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vx::qt::test {
namespace {

constexpr int N = 32;

TPixelSet ClipToDevice(const TPixelSet& S) {
  TPixelSet R;
  for (const auto& [X, Y] : S)
    if (X >= 0 && Y >= 0 && X < N && Y < N) R.insert({X, Y});
  return R;
}

TEST(QtCanvasDifferential, RandomRectanglesFollowTheIntegerRules) {
  std::mt19937 Random(20240611);
  std::uniform_int_distribution<int> Coord(-8, N + 8);
  for (int I = 0; I < 300; ++I) {
    const int X1 = Coord(Random), Y1 = Coord(Random), X2 = Coord(Random), Y2 = Coord(Random);
    const int L = std::min(X1, X2), T = std::min(Y1, Y2), R = std::max(X1, X2),
              B = std::max(Y1, Y2);
    TImageCanvas S(N, N);
    S.Canvas->Brush().SetColor(clRed);
    S.Canvas->Rectangle(X1, Y1, X2, Y2); // corners in any order
    const QImage& Img = S.Done();
    SCOPED_TRACE(::testing::Message()
                 << "Rectangle(" << X1 << ", " << Y1 << ", " << X2 << ", " << Y2 << ")");
    const TPixelSet Box = R > L && B > T ? Area(L, T, R, B) : TPixelSet{};
    const TPixelSet Edge = R > L && B > T ? Outline(L, T, R, B) : TPixelSet{};
    EXPECT_EQ(PixelsOf(Img, ToRgb(clBlack)), ClipToDevice(Edge))
        << Picture(Img, ClipToDevice(Edge));
    EXPECT_EQ(PixelsOf(Img, ToRgb(clRed)), ClipToDevice(Minus(Box, Edge)));
  }
}

TEST(QtCanvasDifferential, RandomLinesSetOnePixelPerStepFromStartToBeforeEnd) {
  std::mt19937 Random(777);
  std::uniform_int_distribution<int> Coord(0, N - 1);
  for (int I = 0; I < 300; ++I) {
    const TPoint P0{Coord(Random), Coord(Random)}, P1{Coord(Random), Coord(Random)};
    if (P0 == P1) continue;
    TImageCanvas S(N, N);
    S.Canvas->MoveTo(P0.X, P0.Y);
    S.Canvas->LineTo(P1.X, P1.Y);
    const TPixelSet Set = PixelsNot(S.Done());
    SCOPED_TRACE(::testing::Message()
                 << "(" << P0.X << ", " << P0.Y << ") to (" << P1.X << ", " << P1.Y << ")");
    // Along the major axis every coordinate from the start up to the end (excluded) has
    // exactly one pixel, within half a pixel of the exact line.
    const int DX = P1.X - P0.X, DY = P1.Y - P0.Y;
    const bool XMajor = std::abs(DX) >= std::abs(DY);
    const int Steps = XMajor ? std::abs(DX) : std::abs(DY);
    EXPECT_EQ(int(Set.size()), Steps) << Picture(S.Image, {});
    EXPECT_TRUE(Set.count({P0.X, P0.Y}));
    EXPECT_FALSE(Set.count({P1.X, P1.Y}));
    for (const auto& [X, Y] : Set) {
      const double T = XMajor ? double(X - P0.X) / DX : double(Y - P0.Y) / DY;
      EXPECT_GE(T, 0.0);
      EXPECT_LT(T, 1.0);
      const double Minor = XMajor ? P0.Y + T * DY : P0.X + T * DX;
      EXPECT_LE(std::abs((XMajor ? Y : X) - Minor), 0.5 + 1e-9) << X << "," << Y;
    }
  }
}

TEST(QtCanvasDifferential, RandomEllipsesAndRoundRectsFillTheirBoxSymmetrically) {
  std::mt19937 Random(99);
  std::uniform_int_distribution<int> Coord(0, N);
  for (int I = 0; I < 150; ++I) {
    int L = Coord(Random), T = Coord(Random), R = Coord(Random), B = Coord(Random);
    if (L > R) std::swap(L, R);
    if (T > B) std::swap(T, B);
    if (R - L < 2 || B - T < 2) continue;
    for (bool Outline : {true, false}) {
      TImageCanvas S(N, N);
      if (!Outline) S.Canvas->Pen().SetStyle(psClear);
      S.Canvas->Brush().SetColor(clRed);
      const int CW = I % 3 == 0 ? 0 : Coord(Random), CH = Coord(Random);
      if (I % 2)
        S.Canvas->Ellipse(L, T, R, B);
      else
        S.Canvas->RoundRect(L, T, R, B, CW, CH);
      const TPixelSet Set = PixelsNot(S.Done());
      SCOPED_TRACE(::testing::Message()
                   << (I % 2 ? "Ellipse(" : "RoundRect(") << L << ", " << T << ", " << R << ", "
                   << B << ", corner " << CW << " x " << CH << ") outline " << Outline);
      EXPECT_TRUE(Minus(Set, Area(L, T, R, B)).empty()) << Picture(S.Image, Area(L, T, R, B));
      // The middle row and column span the whole box.
      const int MX = L + (R - L - 1) / 2, MY = T + (B - T - 1) / 2;
      EXPECT_TRUE(Set.count({L, MY}) && Set.count({R - 1, MY}) && Set.count({MX, T}) &&
                  Set.count({MX, B - 1}))
          << Picture(S.Image, Area(L, T, R, B));
      int Asymmetric = 0;
      for (const auto& [X, Y] : Set)
        Asymmetric += !Set.count({L + R - 1 - X, Y}) || !Set.count({X, T + B - 1 - Y});
      EXPECT_EQ(Asymmetric, 0) << Picture(S.Image, {});
    }
  }
}

} // namespace
} // namespace vx::qt::test
