// The chart base: painting, value labels, the visible index range and the hit tests.

#include "chart/Axis.h"
#include "chart/Chart.h"
#include "chart/ChartPanel.h"
#include "chart/ChartValues.h"
#include "graphics/Text.h"
#include "platform/core/Canvas.h"
#include "platform/core/Runtime.h"

#include <algorithm>

namespace vx {

// ---------------------------------------------------------------- painting

void TVXCustomChart::Paint(TCanvas& Canvas, const TRect& Rect) {
  bool Draw = true;
  DoDrawing(Canvas, Rect, Draw);
  if (!Draw) return;
  this->Draw(Canvas, Rect);
  DoDraw(Canvas, Rect);
}

void TVXCustomChart::DoDrawing(TCanvas& Canvas, const TRect& Rect, bool& DoDraw) {
  if (FOnDrawing) FOnDrawing(this, &Canvas, Rect, DoDraw);
}

void TVXCustomChart::DoDraw(TCanvas& Canvas, const TRect& Rect) {
  if (FOnDraw) FOnDraw(this, &Canvas, Rect);
}

void TVXCustomChart::Draw(TCanvas& Canvas, const TRect& Rect) {
  (void)Rect;
  Canvas.Font().Assign(FFont.get());
  Canvas.Brush().Assign(FBrush.get());
  Canvas.Pen().Assign(FPen.get());
}

namespace {

// Puts the chart's own axes and OnChange back when PaintWithAxes ends.
class TAxisRestorer {
public:
  TAxisRestorer(TVXCustomChart& Chart, TNotifyEvent& OnChange)
      : FChart(Chart), FHoriz(Chart.HorizAxisObject()), FVert(Chart.VertAxisObject()),
        FOnChange(std::move(OnChange)), FSlot(OnChange) {
    OnChange = nullptr;
  }
  ~TAxisRestorer() {
    FChart.SetVertAxisObject(FVert);
    FChart.SetHorizAxisObject(FHoriz);
    FSlot = std::move(FOnChange);
  }
  TAxisRestorer(const TAxisRestorer&) = delete;
  TAxisRestorer& operator=(const TAxisRestorer&) = delete;

private:
  TVXCustomChart& FChart;
  TVXChartAxis* FHoriz;
  TVXChartAxis* FVert;
  TNotifyEvent FOnChange;
  TNotifyEvent& FSlot;
};

} // namespace

void TVXCustomChart::PaintWithAxes(TCanvas& Canvas, const TRect& Rect, TVXChartAxis* VertAxis,
                                   TVXChartAxis* HorizAxis, bool Recalculate) {
  TAxisRestorer Restore(*this, FOnChange);
  SetVertAxisObject(VertAxis);
  SetHorizAxisObject(HorizAxis);
  if (Recalculate) {
    if (VertAxis) VertAxis->UpdateRange();
    if (HorizAxis) HorizAxis->UpdateRange();
  }
  Paint(Canvas, Rect);
}

// ---------------------------------------------------------------- labels

std::string TVXCustomChart::GetValueLabel(const TVXChartValue& Value,
                                          TVXLegendTextStyle Style) const {
  const auto Number = [this](double V) {
    if (FVertAxisObject && !FVertAxisObject->Format().empty())
      return FormatFloat(FVertAxisObject->Format(), V);
    return FloatToStrF(V, ffFixed, 15, 4);
  };
  const auto Percent = [this, &Value] {
    // A collection whose numbers are all 0 has no shares: each value is 0 %.
    const double Sum = FValues->AbsoluteSum(0);
    const double P = Sum != 0 ? Value.Value() / Sum * 100 : 0.0;
    return vx::Format("%.2f %%", P);
  };
  switch (Style) {
  case ltsCaption:
    return Value.Caption();
  case ltsValue:
    return Number(Value.Value());
  case ltsValueNCaption:
    return Number(Value.Value()) + " " + Value.Caption();
  case ltsCaptionNValue:
    return Value.Caption() + " " + Number(Value.Value());
  case ltsPercent:
    return Percent();
  case ltsPercentNCaption:
    return Percent() + " " + Value.Caption();
  case ltsCaptionNPercent:
    return Value.Caption() + " " + Percent();
  }
  return Value.Caption();
}

void TVXCustomChart::DrawLabelText(TCanvas& Canvas, const std::string& Text, int X, int Y) {
  const int Up = static_cast<int>(Trunc(0.5 * Canvas.TextHeight("W")));
  const TRect R{X, ClampToInt(std::int64_t{Y} - Up), X, ClampToInt(std::int64_t{Y} - Up)};
  DrawAlignedText(Canvas, Text, DT_CENTER | DT_NOCLIP, R);
}

void TVXCustomChart::DrawWrappedText(TCanvas& Canvas, const std::string& Text, const TRect& Rect) {
  DrawAlignedText(Canvas, Text, DT_WORDBREAK | DT_END_ELLIPSIS, Rect);
}

void TVXCustomChart::DrawValueLabel(TCanvas& Canvas, const TVXChartValue& Value, int X, int Y) {
  DrawLabelText(Canvas, GetValueLabel(Value, FValueLabelStyle), X, Y);
}

void TVXCustomChart::DrawValueLabelInRect(TCanvas& Canvas, const TVXChartValue& Value,
                                          const TRect& Rect) {
  DrawWrappedText(Canvas, GetValueLabel(Value, FValueLabelStyle), Rect);
}

// ---------------------------------------------------------------- visible range

void TVXCustomChart::UpdateVisibleRange(TVXChartAxis* Axis) {
  if (!Axis || Axis != FHorizAxisObject) return;
  const int Count = FValues->Count();
  FFirstVisible = 0;
  FLastVisible = Count - 1;
  if (Axis->IsZoomed()) {
    const int D = Axis->Dimension();
    // Values without that dimension are placed by their index.
    const auto NumberOf = [this, D](int I) {
      const TVXChartValue& V = *FValues->Items(I);
      return D < V.DimensionCount() ? V.Numbers(D) : static_cast<double>(I);
    };
    for (int I = 0; I < Count; ++I)
      if (NumberOf(I) >= Axis->ZoomMinimum()) {
        FFirstVisible = std::max(0, I - 1);
        break;
      }
    for (int I = 0; I < Count; ++I)
      if (NumberOf(I) > Axis->ZoomMaximum()) {
        FLastVisible = I;
        break;
      }
  }
  FVisibleValueCount = FLastVisible - FFirstVisible + 1;
}

// ---------------------------------------------------------------- hit tests

bool TVXCustomChart::ValueRectOf(const TRect& Rect, TVXRealRect& R) const {
  if (!FParent || !FHorizAxisObject || !FVertAxisObject) return false;
  R = FParent->PixelRectToValueRect(Rect, FHorizAxisObject, FVertAxisObject);
  return true;
}

template <typename F> bool TVXCustomChart::ForVisibleValues(F&& Fn) {
  // The range may be stale (values removed since it was computed): stay inside the list.
  for (int I = std::max(0, FFirstVisible); I <= FLastVisible && I < FValues->Count(); ++I) {
    TVXChartValue& V = *FValues->Items(I);
    if (V.Visible() && Fn(V)) return true;
  }
  return false;
}

void TVXCustomChart::SelectValues(const TRect& Rect, int Mode) {
  SelectValuesInRect(Rect, Mode);
}

void TVXCustomChart::SelectValuesInRect(const TRect& Rect, int Mode) {
  TVXRealRect R;
  if (!ValueRectOf(Rect, R)) return;
  ForVisibleValues([&R, Mode](TVXChartValue& V) {
    V.SetSelected(V.IsInRect(R, Mode));
    return false;
  });
}

bool TVXCustomChart::HasValueInRect(const TRect& Rect) {
  TVXRealRect R;
  if (!ValueRectOf(Rect, R)) return false;
  return ForVisibleValues([&R](TVXChartValue& V) { return V.IsInRect(R, 0); });
}

void TVXCustomChart::UpdateCursor(const TRect& Rect) {
  if (HasValueInRect(Rect)) Screen().SetCursor(FValueCursor);
}

} // namespace vx
