#include "graphics/GradientFill.h"

#include "graphics/CanvasGuards.h"
#include "platform/core/MathUtils.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vx {

namespace {

// The running state of the band walk: the colour pair of the current segment, the colour
// reached so far (real channels) and its change per band.
class TBandColors {
public:
  TBandColors(std::span<const TColor> Colors, std::int64_t SegmentLength, std::int64_t Step)
      : FColors(Colors), FLength(SegmentLength), FStep(Step), FBoundary(SegmentLength) {
    FFirst = ColorToRGB(Colors[0]);
    FSecond = ColorToRGB(Colors.size() > 1 ? Colors[1] : Colors[0]);
    FIndex = Colors.size() > 1 ? 1 : 0;
    FChannel = {double(GetRValue(FFirst)), double(GetGValue(FFirst)), double(GetBValue(FFirst))};
    UpdateDelta();
  }

  TColor Current() const {
    return RGB(ClampChannel(FChannel[0]), ClampChannel(FChannel[1]), ClampChannel(FChannel[2]));
  }

  /// Bands (at least 1) after which the next segment starts, for a walk that has advanced
  /// Done pixels; 0 when no further segment changes anything.
  std::int64_t StepsToNextSegment(std::int64_t Done) const {
    if (FSaturated) return 0;
    const std::int64_t Missing = FBoundary - Done;
    return Missing <= 0 ? 1 : (Missing + FStep - 1) / FStep;
  }

  /// One band further; Done is the distance from the near edge after the step.
  void Advance(std::int64_t Done) {
    if (!FSaturated && Done >= FBoundary) {
      FBoundary += FLength;
      FIndex = std::min(FIndex + 1, FColors.size() - 1);
      FFirst = FSecond;
      FSecond = ColorToRGB(FColors[FIndex]);
      UpdateDelta();
    }
    for (int I = 0; I < 3; ++I)
      FChannel[I] += FDelta[I];
  }

  /// Count bands further, none of which starts a segment (walks outside the visible part).
  void Skip(std::int64_t Count) {
    for (int I = 0; I < 3; ++I)
      FChannel[I] += FDelta[I] * static_cast<double>(Count);
  }

private:
  void UpdateDelta() {
    const double L = static_cast<double>(FLength);
    const double S = static_cast<double>(FStep);
    FDelta = {(GetRValue(FSecond) - GetRValue(FFirst)) / L * S,
              (GetGValue(FSecond) - GetGValue(FFirst)) / L * S,
              (GetBValue(FSecond) - GetBValue(FFirst)) / L * S};
    // Past the last colour every further segment pairs it with itself: nothing changes any
    // more, so the walk need not look for segment starts.
    FSaturated = FIndex + 1 >= FColors.size() && FFirst == FSecond;
  }

  std::span<const TColor> FColors;
  std::int64_t FLength;
  std::int64_t FStep;
  std::int64_t FBoundary;
  std::size_t FIndex = 0;
  TColor FFirst = clBlack;
  TColor FSecond = clBlack;
  std::array<double, 3> FChannel{};
  std::array<double, 3> FDelta{};
  bool FSaturated = false;
};

void SetVertexColor(TTriVertex& V, TColor Color) {
  const TColor C = ColorToRGB(Color);
  V.Red = static_cast<std::uint16_t>(GetRValue(C) << 8);
  V.Green = static_cast<std::uint16_t>(GetGValue(C) << 8);
  V.Blue = static_cast<std::uint16_t>(GetBValue(C) << 8);
  V.Alpha = 0;
}

void FillDiagonal(TCanvas& Canvas, const TRect& R, std::span<const TColor> Colors,
                  TGradientDirection Direction) {
  // Corners 0 (Left, Top), 1 (Right, Top), 2 (Right, Bottom), 3 (Left, Bottom).
  std::array<TTriVertex, 4> V;
  V[0].X = V[3].X = R.Left;
  V[1].X = V[2].X = R.Right;
  V[0].Y = V[1].Y = R.Top;
  V[2].Y = V[3].Y = R.Bottom;
  int S = 0;
  int E = 2;
  switch (Direction) {
  case gdDownLeft:
    S = 1, E = 3;
    break;
  case gdUpRight:
    S = 3, E = 1;
    break;
  case gdUpLeft:
    S = 2, E = 0;
    break;
  default:
    break;
  }
  SetVertexColor(V[S], Colors[0]);
  SetVertexColor(V[E], Colors.size() > 1 ? Colors[1] : Colors[0]);
  // The middle corners take the mean, so the two triangles make one linear gradient.
  for (int M : {(S + 1) % 4, (S + 3) % 4}) {
    V[M].Red = static_cast<std::uint16_t>((V[S].Red + V[E].Red) / 2);
    V[M].Green = static_cast<std::uint16_t>((V[S].Green + V[E].Green) / 2);
    V[M].Blue = static_cast<std::uint16_t>((V[S].Blue + V[E].Blue) / 2);
    V[M].Alpha = 0;
  }
  Canvas.GradientTriangle(V[0], V[1], V[3]);
  Canvas.GradientTriangle(V[1], V[2], V[3]);
}

} // namespace

const char* GradientDirectionName(TGradientDirection Direction) {
  const auto Names = EnumInfoOf(Direction).Names;
  return Direction < Names.size() ? Names[Direction] : "";
}

int ClampChannel(double X) {
  if (std::isnan(X) || X <= 0) return 0;
  if (X >= 255) return 255;
  return static_cast<int>(Round(X));
}

TColor Blend(TColor Color1, TColor Color2, float T) {
  const TColor A = ColorToRGB(Color1);
  const TColor B = ColorToRGB(Color2);
  const double F = T;
  auto Mix = [F](int C1, int C2) { return ClampChannel((1 - F) * C1 + F * C2); };
  return RGB(Mix(GetRValue(A), GetRValue(B)), Mix(GetGValue(A), GetGValue(B)),
             Mix(GetBValue(A), GetBValue(B)));
}

void FillGradientBands(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                       bool Vertical, int Coarseness) {
  if (Rect.Right == 0 || Rect.Bottom == 0 || Colors.empty()) return;
  const std::int64_t Step = std::max(Coarseness, 1);
  TRect R;
  NormalizeRect(Rect, R);
  const TRect Clip = Canvas.ClipRect();

  // Along the gradient: the rectangle's ends and the visible span; across it: whether any
  // band can be seen at all.
  const std::int64_t Start = Vertical ? R.Top : R.Left;
  const std::int64_t Stop = Vertical ? R.Bottom : R.Right;
  const std::int64_t VisibleLo = Vertical ? Clip.Top : Clip.Left;
  const std::int64_t VisibleHi = Vertical ? Clip.Bottom : Clip.Right;
  const int AcrossLo = Vertical ? std::max(R.Left, Clip.Left) : std::max(R.Top, Clip.Top);
  const int AcrossHi = Vertical ? std::min(R.Right, Clip.Right) : std::min(R.Bottom, Clip.Bottom);
  if (AcrossLo >= AcrossHi || VisibleLo >= VisibleHi) return;

  const std::int64_t Segments = std::max<std::int64_t>(1, std::int64_t(Colors.size()) - 1);
  const std::int64_t Length = std::max<std::int64_t>(1, (Stop - Start) / Segments);
  TBandColors Color(Colors, Length, Step);
  TBrushColorKeeper KeepBrush(Canvas);

  // The walk visits every band from the near edge, but jumps over runs of bands that lie
  // before the visible span and stops after it, so it is bounded by what can be seen.
  std::int64_t Pos = Start;
  while (Pos <= Stop && Pos < VisibleHi) {
    if (Pos + Step <= VisibleLo) {
      std::int64_t Count = std::min((VisibleLo - Pos) / Step, (Stop - Pos) / Step + 1);
      if (const std::int64_t ToSegment = Color.StepsToNextSegment(Pos - Start))
        Count = std::min(Count, ToSegment - 1);
      if (Count > 0) {
        Pos += Count * Step;
        Color.Skip(Count);
        continue;
      }
    } else {
      const int Near = ClampToInt(Pos);
      const int Far = ClampToInt(Pos + Step);
      Canvas.Brush().SetColor(Color.Current());
      Canvas.FillRect(Vertical ? TRect{R.Left, Near, R.Right, Far}
                               : TRect{Near, R.Top, Far, R.Bottom});
    }
    Pos += Step;
    Color.Advance(Pos - Start);
  }
}

void FillGradient(TCanvas& Canvas, const TRect& Rect, std::span<const TColor> Colors,
                  TGradientDirection Direction, int Coarseness) {
  switch (Direction) {
  case gdDown:
  case gdRight:
    FillGradientBands(Canvas, Rect, Colors, Direction == gdDown, Coarseness);
    break;
  case gdLeft:
  case gdUp: {
    const std::vector<TColor> Reversed(Colors.rbegin(), Colors.rend());
    FillGradientBands(Canvas, Rect, Reversed, Direction == gdUp, Coarseness);
    break;
  }
  case gdDownRight:
  case gdDownLeft:
  case gdUpRight:
  case gdUpLeft:
    if (Rect.Right == 0 || Rect.Bottom == 0 || Colors.empty()) return;
    FillDiagonal(Canvas, Rect, Colors, Direction);
    break;
  }
}

} // namespace vx
