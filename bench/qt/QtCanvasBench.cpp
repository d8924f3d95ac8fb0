// The Qt canvas on an 800 x 600 image: gradient bands of FillRects and a 10,000-point
// polyline with the pens the charts use.

#include "platform/qt/QtCanvas.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <algorithm>
#include <random>
#include <vector>

namespace {

using namespace vx;

constexpr int Width = 800, Height = 600;

// FillRect bands across the whole image, each in its own colour (as a band gradient).
void BM_FillRectBands(benchmark::State& State) {
  QImage Image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  qt::TQtCanvas Canvas(&Image);
  const int Bands = int(State.range(0));
  for (auto _ : State) {
    for (int I = 0; I < Bands; ++I) {
      Canvas.Brush().SetColor(RGB(255 * I / Bands, 80, 255 - 255 * I / Bands));
      Canvas.FillRect(Rect(0, Height * I / Bands, Width, Height * (I + 1) / Bands));
    }
  }
  State.SetItemsProcessed(State.iterations() * Bands);
}
BENCHMARK(BM_FillRectBands)->Arg(64)->Arg(600);

std::vector<TPoint> RandomWalk(int Count) {
  std::mt19937 Random(42);
  std::uniform_int_distribution<int> Step(-12, 12);
  std::vector<TPoint> Points;
  Points.reserve(Count);
  int Y = Height / 2;
  for (int I = 0; I < Count; ++I) {
    Y = std::clamp(Y + Step(Random), 0, Height - 1);
    Points.push_back({I * Width / Count, Y});
  }
  return Points;
}

std::vector<TPoint> RandomScatter(int Count) {
  std::mt19937 Random(7);
  std::uniform_int_distribution<int> X(0, Width - 1), Y(0, Height - 1);
  std::vector<TPoint> Points;
  for (int I = 0; I < Count; ++I)
    Points.push_back({X(Random), Y(Random)});
  return Points;
}

// Polyline of 10,000 points: range(0) 0 = a chart-like walk, 1 = random jumps (long
// segments); range(1) 0 = solid one-pixel pen, 1 = dashed, 2 = width 2, 3 = antialiased.
void BM_Polyline10k(benchmark::State& State) {
  QImage Image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  Image.fill(Qt::white);
  qt::TQtCanvas Canvas(&Image);
  const std::vector<TPoint> Points = State.range(0) ? RandomScatter(10000) : RandomWalk(10000);
  switch (State.range(1)) {
  case 1:
    Canvas.Pen().SetStyle(psDash);
    break;
  case 2:
    Canvas.Pen().SetWidth(2);
    break;
  case 3:
    Canvas.SetAntialiasing(true);
    break;
  default:
    break;
  }
  for (auto _ : State)
    Canvas.Polyline(Points);
  State.SetItemsProcessed(State.iterations() * std::int64_t(Points.size()));
}
BENCHMARK(BM_Polyline10k)
    ->ArgsProduct({{0, 1}, {0, 1, 2, 3}})
    ->ArgNames({"scatter", "pen"})
    ->Unit(benchmark::kMillisecond);

// A polyline far larger than the device: every segment is clipped before Qt sees it.
void BM_PolylineFarOut(benchmark::State& State) {
  QImage Image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  qt::TQtCanvas Canvas(&Image);
  std::vector<TPoint> Points = RandomScatter(10000);
  for (TPoint& P : Points)
    P = {(P.X - Width / 2) * 1000000, (P.Y - Height / 2) * 1000000};
  for (auto _ : State)
    Canvas.Polyline(Points);
  State.SetItemsProcessed(State.iterations() * std::int64_t(Points.size()));
}
BENCHMARK(BM_PolylineFarOut)->Unit(benchmark::kMillisecond);

// A filled and outlined ellipse covering most of the image.
void BM_EllipseLarge(benchmark::State& State) {
  QImage Image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  qt::TQtCanvas Canvas(&Image);
  Canvas.Brush().SetColor(clYellow);
  for (auto _ : State)
    Canvas.Ellipse(10, 10, Width - 10, Height - 10);
}
BENCHMARK(BM_EllipseLarge);

} // namespace
