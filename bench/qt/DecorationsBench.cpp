// Decorations that paint on every repaint of a panel, through the Qt backend: a full-panel
// gradient with coarseness 1, and a layer that stretches a world-map-sized picture
// (2500 x 1250) over an 800 x 600 plot, unzoomed and zoomed. One iteration is one paint;
// a frame at 60 Hz has 16.7 ms.

#include "chart/Axis.h"
#include "chart/Gradient.h"
#include "chart/Layer.h"
#include "graphics/GradientFill.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtCanvas.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace vx;

constexpr int PanelW = 800;
constexpr int PanelH = 600;

// A Qt application and the backend, set up once for all benchmarks.
void EnsureQt() {
  static int Argc = 1;
  static char Name[] = "vx_bench_qt";
  static char* Argv[] = {Name, nullptr};
  static std::unique_ptr<QGuiApplication> App;
  if (!QCoreApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    App = std::make_unique<QGuiApplication>(Argc, Argv);
  }
  qt::RegisterQtBackend();
}

// The surface a panel paints on: the widget backing store is premultiplied ARGB32.
struct TSurface {
  QImage Image{PanelW, PanelH, QImage::Format_ARGB32_Premultiplied};
  std::unique_ptr<qt::TQtCanvas> Canvas;
  TSurface() {
    EnsureQt();
    Image.fill(Qt::white);
    Canvas = std::make_unique<qt::TQtCanvas>(&Image);
  }
};

// A picture with detail everywhere, so no stage can take a shortcut on flat colour.
std::unique_ptr<TBitmap> WorldMapPicture() {
  EnsureQt();
  auto B = std::make_unique<TBitmap>(2500, 1250);
  for (int Y = 0; Y < B->Height(); ++Y) {
    std::uint32_t* Row = B->ScanLine(Y);
    for (int X = 0; X < B->Width(); ++X)
      Row[X] = 0xFF000000u | (std::uint32_t(X * 7 & 0xFF) << 16) |
               (std::uint32_t(Y * 5 & 0xFF) << 8) | std::uint32_t((X ^ Y) & 0xFF);
  }
  return B;
}

void BM_PanelGradient(benchmark::State& State) {
  TSurface S;
  TVXChartGradient G;
  G.SetDirection(static_cast<TGradientDirection>(State.range(0)));
  G.SetStartColor(clNavy);
  G.SetEndColor(clYellow);
  G.SetCoarseness(1);
  for (auto _ : State)
    G.Paint(*S.Canvas, Rect(0, 0, PanelW, PanelH));
  State.SetLabel(GradientDirectionName(G.Direction()));
}
BENCHMARK(BM_PanelGradient)
    ->Arg(gdRight)
    ->Arg(gdDown)
    ->Arg(gdDownRight)
    ->Unit(benchmark::kMillisecond);

// The canvas operations the layer ends in, alone.
void BM_CanvasStretchDraw(benchmark::State& State) {
  TSurface S;
  auto Picture = WorldMapPicture();
  Picture->SetTransparent(State.range(0) != 0);
  for (auto _ : State)
    S.Canvas->StretchDraw(Rect(0, 0, PanelW, PanelH), Picture.get());
  State.SetLabel(Picture->Transparent() ? "transparent" : "opaque");
}
BENCHMARK(BM_CanvasStretchDraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CanvasCopyRect(benchmark::State& State) {
  TSurface S;
  auto Picture = WorldMapPicture();
  // A quarter of the picture, as a zoom window of half the range in each direction shows.
  for (auto _ : State)
    S.Canvas->CopyRect(Rect(0, 0, PanelW, PanelH), Picture->Canvas(), Rect(625, 312, 1875, 937));
}
BENCHMARK(BM_CanvasCopyRect)->Unit(benchmark::kMillisecond);

void BM_LayerStretch(benchmark::State& State) {
  TSurface S;
  TVXChartLayer Layer;
  Layer.Image().SetGraphic(WorldMapPicture());
  Layer.SetImageMode(imStretch);
  Layer.SetTransparent(State.range(0) != 0);
  for (auto _ : State)
    Layer.Paint(*S.Canvas, Rect(0, 0, PanelW, PanelH));
  State.SetLabel(Layer.Transparent() ? "transparent layer" : "opaque layer");
}
BENCHMARK(BM_LayerStretch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The chart background of the Nestogram program: longitude and latitude axes zoomed to
// the middle half of each range, the picture following the zoom (imStretch: CopyRect of
// the zoom window's part; imTile: tiles four times the picture's area).
void BM_LayerZoomed(benchmark::State& State) {
  TSurface S;
  TVXChartAxis H, V;
  H.SetLocation(caBottom);
  V.SetLocation(caLeft);
  H.SetMinimum(-180);
  H.SetMaximum(180);
  V.SetMinimum(-90);
  V.SetMaximum(90);
  H.SetZoomMaximum(90);
  H.SetZoomMinimum(-90);
  V.SetZoomMaximum(45);
  V.SetZoomMinimum(-45);
  TVXChartLayer Layer;
  Layer.Image().SetGraphic(WorldMapPicture());
  Layer.SetImageMode(static_cast<TImageMode>(State.range(0)));
  Layer.SetTransparent(State.range(1) != 0);
  for (auto _ : State)
    Layer.PaintWithAxes(*S.Canvas, Rect(0, 0, PanelW, PanelH), &V, &H);
  State.SetLabel(std::string(Layer.ImageMode() == imStretch ? "imStretch" : "imTile") +
                 (Layer.Transparent() ? ", transparent layer" : ", opaque layer"));
}
BENCHMARK(BM_LayerZoomed)
    ->Args({imStretch, 0})
    ->Args({imStretch, 1})
    ->Args({imTile, 0})
    ->Args({imTile, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
