#include "graphics/ObjectRect.h"

#include "graphics/Geometry.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Published.h"

#include <cstdint>

namespace vx {

namespace {
int Sum(int A, std::int64_t B) {
  return ClampToInt(A + B);
}
} // namespace

int TVXCustomRect::GetValue(int Index) const {
  switch (Index) {
  case 0:
    return FLeft;
  case 1:
    return FTop;
  case 2:
    return FRight;
  case 3:
    return FBottom;
  case 4:
    return Sum(FBottom, -std::int64_t{FTop});
  default:
    if (Index < 0) throw EListError::Index(Index);
    return Sum(FRight, -std::int64_t{FLeft});
  }
}

void TVXCustomRect::SetValue(int Index, int Value) {
  if (Value == GetValue(Index)) return;
  switch (Index) {
  case 0:
    FLeft = Value;
    break;
  case 1:
    FTop = Value;
    break;
  case 2:
    FRight = Value;
    break;
  case 3:
    FBottom = Value;
    break;
  case 4:
    FBottom = Sum(FTop, Value);
    break;
  default:
    FRight = Sum(FLeft, Value);
    break;
  }
  Changed();
}

void TVXCustomRect::SetRect(const TRect& R) {
  FLeft = R.Left;
  FTop = R.Top;
  FRight = R.Right;
  FBottom = R.Bottom;
  Changed();
}

void TVXCustomRect::MoveTo(int X, int Y) {
  if (X == FLeft && Y == FTop) return;
  FRight = Sum(FRight, std::int64_t{X} - FLeft);
  FBottom = Sum(FBottom, std::int64_t{Y} - FTop);
  FLeft = X;
  FTop = Y;
  Changed();
}

void TVXCustomRect::Offset(int DX, int DY) {
  if (DX == 0 && DY == 0) return;
  FLeft = Sum(FLeft, DX);
  FRight = Sum(FRight, DX);
  FTop = Sum(FTop, DY);
  FBottom = Sum(FBottom, DY);
  Changed();
}

void TVXCustomRect::Inflate(int DX, int DY) {
  const int HX = DX / 2;
  const int HY = DY / 2;
  FLeft = Sum(FLeft, -std::int64_t{HX});
  FTop = Sum(FTop, -std::int64_t{HY});
  FRight = Sum(FRight, HX);
  FBottom = Sum(FBottom, HY);
  Changed();
}

void TVXCustomRect::Assign(const TPersistent* Source) {
  if (const auto* R = dynamic_cast<const TVXCustomRect*>(Source)) {
    FLeft = R->FLeft;
    FTop = R->FTop;
    FRight = R->FRight;
    FBottom = R->FBottom;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

void TVXCustomRect::Changed() {
  if (FOnChange) FOnChange(this);
}

VX_PUBLISHED(TVXCustomRect, TPersistent) {}

VX_PUBLISHED(TVXObjectRect, TVXCustomRect) {
  P.Int("Left", &TVXObjectRect::Left, &TVXObjectRect::SetLeft, 0);
  P.Int("Top", &TVXObjectRect::Top, &TVXObjectRect::SetTop, 0);
  P.Int("Right", &TVXObjectRect::Right, &TVXObjectRect::SetRight, 0);
  P.Int("Bottom", &TVXObjectRect::Bottom, &TVXObjectRect::SetBottom, 0);
}

} // namespace vx
