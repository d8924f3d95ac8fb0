// The chart base: construction and destruction, attachment to a panel and its axes,
// change notifications, property setters and the published properties. Painting, labels
// and hit tests are in ChartPaint.cpp.

#include "chart/Chart.h"

#include "chart/Axis.h"
#include "chart/ChartPanel.h"
#include "chart/ChartValues.h"
#include "chart/ValuePalette.h"
#include "platform/core/Property.h"
#include "platform/core/Published.h"
#include "platform/core/UpdateGuard.h"

#include <vector>

namespace vx {

TVXCustomChart::TVXCustomChart(TComponent* AOwner) : TVXCustomChart(AOwner, DeferInit) {
  Construct();
}

TVXCustomChart::TVXCustomChart(TComponent* AOwner, TDeferInit) : TComponent(AOwner) {}

void TVXCustomChart::Construct() {
  InitDefaults();
  HookGraphics();
}

TVXCustomChart::~TVXCustomChart() {
  BeginDestruction();
  FBrush.reset();
  FFont.reset();
  FPen.reset();
  FValues.reset();
}

void TVXCustomChart::BeginDestruction() {
  if (FDestroying) return;
  FDestroying = true;
  FUpdateCount = 1;
  SetParent(nullptr);
  // Axes bound without a panel belong to whoever created them: leave them.
  SetHorizAxisObject(nullptr);
  SetVertAxisObject(nullptr);
}

void TVXCustomChart::InitDefaults() {
  FParentFont = true;
  FVisible = true;
  FBrush = CreateBrush();
  FFont = CreateFont();
  FPen = CreatePen();
  FValues = CreateValues();
  // The chart takes over the font of a control that owns it and attaches to a panel that
  // owns it. (The brush copy of a windowed owner is left out: colour and style are set
  // just below.)
  if (auto* Control = dynamic_cast<TCustomControl*>(Owner())) FFont->Assign(&Control->Font());
  if (auto* Panel = dynamic_cast<TVXCustomChartPanel*>(Owner())) SetParent(Panel);
  FBrush->SetColor(NextValuePaletteColor());
  FBrush->SetStyle(bsSolid);
  FOptions = TChartOptions{coColorEachPoint, coShowInLegend, coAllowSingleValue, coLabelEachPoint};
  FSelectionColor = clActiveBorder;
  FParentSelectionColor = true;
  FValueCursor = crSizeAll;
  FValueLabelFormat = "#,##0.###";
  FValueLabelStyle = ltsCaption;
  SetPreview(ComponentState().Contains(csDesigning));
}

void TVXCustomChart::HookGraphics() {
  const TNotifyEvent Handler = [this](TObject* Sender) { GraphicChanged(Sender); };
  FBrush->SetOnChange(Handler);
  FFont->SetOnChange(Handler);
  FPen->SetOnChange(Handler);
}

std::unique_ptr<TBrush> TVXCustomChart::CreateBrush() {
  return std::make_unique<TBrush>();
}

std::unique_ptr<TFont> TVXCustomChart::CreateFont() {
  return std::make_unique<TFont>();
}

std::unique_ptr<TPen> TVXCustomChart::CreatePen() {
  return std::make_unique<TPen>();
}

std::unique_ptr<TVXChartValues> TVXCustomChart::CreateValues() {
  return std::make_unique<TVXChartValues>(this);
}

// ---------------------------------------------------------------- attachment

void TVXCustomChart::SetParent(TVXCustomChartPanel* Value) {
  if (Value == FParent) return;
  if (TVXCustomChartPanel* Old = FParent) {
    FParent = nullptr;
    SetHorizAxisObject(nullptr);
    SetVertAxisObject(nullptr);
    Old->Charts().Remove(this);
    RemoveFreeNotification(Old);
  }
  FParent = Value;
  if (Value && !FDestroying) {
    Value->Charts().AddUnique(this);
    FreeNotification(Value);
    ParentChanged();
  } else {
    FParent = nullptr;
  }
}

void TVXCustomChart::ParentChanged() {
  if (!FParent) return;
  SetHorizAxisObject(FParent->GetHorizAxis(FHorizAxis));
  SetVertAxisObject(FParent->GetVertAxis(FVertAxis));
  if (FParentFont) FFont->Assign(&FParent->Font());
  if (FParentSelectionColor) FSelectionColor = FParent->SelectionColor();
}

void TVXCustomChart::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove || AComponent != FParent || AComponent == nullptr) return;
  // The panel is going away and may be only partly alive: touch neither it nor its
  // axes, only the axes it does not own.
  TVXCustomChartPanel* Dying = FParent;
  FParent = nullptr;
  if (FHorizAxisObject && FHorizAxisObject->Panel() == Dying) FHorizAxisObject = nullptr;
  if (FVertAxisObject && FVertAxisObject->Panel() == Dying) FVertAxisObject = nullptr;
  SetHorizAxisObject(nullptr);
  SetVertAxisObject(nullptr);
}

void TVXCustomChart::SetHorizAxis(THorizontalAxis Value) {
  if (!SetField(FHorizAxis, Value)) return;
  if (FParent) SetHorizAxisObject(FParent->GetHorizAxis(Value));
  Changed();
}

void TVXCustomChart::SetVertAxis(TVerticalAxis Value) {
  if (!SetField(FVertAxis, Value)) return;
  if (FParent) SetVertAxisObject(FParent->GetVertAxis(Value));
  Changed();
}

void TVXCustomChart::SetHorizAxisObject(TVXChartAxis* Axis) {
  if (Axis == FHorizAxisObject) return;
  if (FHorizAxisObject) FHorizAxisObject->Charts().Remove(this);
  FHorizAxisObject = Axis;
  if (Axis) {
    Axis->Charts().AddUnique(this);
    if (FParent) {
      if (Axis == FParent->BottomAxis())
        FHorizAxis = haBottomAxis;
      else if (Axis == FParent->TopAxis())
        FHorizAxis = haTopAxis;
      else
        FHorizAxis = haCustomAxis;
    }
  }
  AxisChanged(Axis);
}

void TVXCustomChart::SetVertAxisObject(TVXChartAxis* Axis) {
  if (Axis == FVertAxisObject) return;
  if (FVertAxisObject) FVertAxisObject->Charts().Remove(this);
  FVertAxisObject = Axis;
  if (Axis) {
    Axis->Charts().AddUnique(this);
    if (FParent) {
      if (Axis == FParent->LeftAxis())
        FVertAxis = vaLeftAxis;
      else if (Axis == FParent->RightAxis())
        FVertAxis = vaRightAxis;
      else
        FVertAxis = vaCustomAxis;
    }
  }
  AxisChanged(Axis);
}

void TVXCustomChart::AxisChanged(TVXChartAxis* Axis) {
  if (Axis) {
    if (Axis == FVertAxisObject) {
      // Join the stacking of the group on this axis; the last chart of the group wins.
      std::vector<TVXCustomChart*> Others;
      for (int I = 0; I < Axis->Charts().Count(); ++I)
        Others.push_back(Axis->Charts().Items(I));
      for (TVXCustomChart* Other : Others)
        if (Other != this && Other->Group() == FGroup) SetGroupStyle(Other->GroupStyle());
    }
    Axis->DataChanged(this);
  }
  Changed();
}

// ---------------------------------------------------------------- notifications

void TVXCustomChart::BeginUpdate() {
  ++FUpdateCount;
}

void TVXCustomChart::EndUpdate() {
  if (FUpdateCount <= 0) return;
  if (--FUpdateCount == 0) Changed();
}

void TVXCustomChart::Changed() {
  if (!Notifying()) return;
  if (FParent) FParent->ChartChanged(this);
  if (FHorizAxisObject) FHorizAxisObject->DataChanged(this);
  if (FVertAxisObject) FVertAxisObject->DataChanged(this);
  UpdateVisibleRange(FHorizAxisObject);
  if (FOnChange) FOnChange(this);
}

void TVXCustomChart::ValueChanged(TVXChartValue* Value) {
  if (!Notifying()) return;
  FPreview = false;
  if (FParent) FParent->ChartValueChanged(this, Value);
  if (FHorizAxisObject) FHorizAxisObject->DataChanged(this);
  if (FVertAxisObject) FVertAxisObject->DataChanged(this);
  UpdateVisibleRange(FHorizAxisObject);
  if (FOnValueChange) FOnValueChange(this, Value);
}

void TVXCustomChart::ValueSelectionChanged(TVXChartValue* Value) {
  if (!Notifying()) return;
  if (FParent) FParent->ChartValueSelectionChanged(this, Value);
  if (FOnValueSelectionChange) FOnValueSelectionChange(this, Value);
}

void TVXCustomChart::ValueVisibleChanged(TVXChartValue* Value) {
  if (!Notifying()) return;
  if (FParent) FParent->ChartValueVisibleChanged(this, Value);
  if (FOnValueVisibleChange) FOnValueVisibleChange(this, Value);
}

void TVXCustomChart::GraphicChanged(TObject* Sender) {
  (void)Sender;
  if (!Notifying()) return;
  if (FParent) FParent->ChartChanged(this);
  Changed();
}

void TVXCustomChart::VisibleChanged() {
  if (FDestroying) return;
  if (FParent) FParent->ChartVisibleChanged(this);
  if (FHorizAxisObject) FHorizAxisObject->DataChanged(this);
  if (FVertAxisObject) FVertAxisObject->DataChanged(this);
}

void TVXCustomChart::ParentSelectionColorChanged() {}

// ---------------------------------------------------------------- setters

void TVXCustomChart::SetBrush(const TBrush& Value) {
  FBrush->Assign(&Value);
}

void TVXCustomChart::SetPen(const TPen& Value) {
  FPen->Assign(&Value);
}

void TVXCustomChart::SetFont(const TFont& Value) {
  FFont->Assign(&Value);
}

void TVXCustomChart::SetValues(const TVXChartValues& Value) {
  FValues->Assign(&Value);
}

TColor TVXCustomChart::GetColor() const {
  return FBrush->Color();
}

void TVXCustomChart::SetColor(TColor Value) {
  if (FBrush->Color() != Value) FBrush->SetColor(Value);
}

void TVXCustomChart::SetCaption(const std::string& Value) {
  if (!SetField(FCaption, Value)) return;
  if (FParent) FParent->InvalidateLegend(this);
  Changed();
}

void TVXCustomChart::SetOptions(TChartOptions Value) {
  if (!SetField(FOptions, Value)) return;
  if (FParent) FParent->InvalidateLegend(this);
  Changed();
}

void TVXCustomChart::SetGroup(int Value) {
  if (!SetField(FGroup, Value < 0 ? 0 : Value)) return;
  if (FVertAxisObject) FVertAxisObject->SetNeedsRangeUpdate(true);
  Changed();
}

void TVXCustomChart::SetGroupStyle(TVXGroupStyle Value) {
  if (!SetField(FGroupStyle, Value)) return;
  if (Value == gsNone)
    SetOptions(FOptions - coUseVerticalOffset);
  else
    SetOptions(FOptions + coUseVerticalOffset);
  if (FParent) {
    std::vector<TVXCustomChart*> Charts;
    for (int I = 0; I < FParent->Charts().Count(); ++I)
      Charts.push_back(FParent->Charts().Items(I));
    for (TVXCustomChart* Other : Charts)
      if (Other != this && Other->Group() == FGroup) Other->SetGroupStyle(Value);
  }
  if (FVertAxisObject) FVertAxisObject->SetNeedsRangeUpdate(true);
  Changed();
}

void TVXCustomChart::SetOffsetVertical(double Value) {
  if (SetField(FOffsetVertical, Value)) Changed();
}

void TVXCustomChart::SetValueLabelFormat(const std::string& Value) {
  if (SetField(FValueLabelFormat, Value)) Changed();
}

void TVXCustomChart::SetValueLabelStyle(TVXLegendTextStyle Value) {
  if (SetField(FValueLabelStyle, Value)) Changed();
}

void TVXCustomChart::SetVisible(bool Value) {
  if (SetField(FVisible, Value)) VisibleChanged();
}

void TVXCustomChart::SetPreview(bool Value) {
  if (!SetField(FPreview, Value)) return;
  if (Value && FValues->Count() == 0) {
    // Inside a bracket, so that the sample values do not end the preview at once.
    TUpdateGuard Guard(*this);
    CreatePreviewValues();
  }
}

void TVXCustomChart::SetSelectionColor(TColor Value) {
  if (!SetField(FSelectionColor, Value)) return;
  FParentSelectionColor = false;
}

void TVXCustomChart::SetParentSelectionColor(bool Value) {
  if (!SetField(FParentSelectionColor, Value)) return;
  if (Value && FParent) FSelectionColor = FParent->SelectionColor();
}

void TVXCustomChart::CreatePreviewValues() {}

int TVXCustomChart::GetValueDimension() const {
  return 1;
}

double TVXCustomChart::GetVerticalOffset() const {
  return FOptions.Contains(coUseVerticalOffset) ? FOffsetVertical : 0.0;
}

bool TVXCustomChart::CanPaint() const {
  return FVisible && FHorizAxisObject && FVertAxisObject;
}

// ---------------------------------------------------------------- copying and loading

void TVXCustomChart::Assign(const TPersistent* Source) {
  const auto* Src = dynamic_cast<const TVXCustomChart*>(Source);
  if (!Src) {
    TComponent::Assign(Source);
    return;
  }
  if (Src == this) return;
  TUpdateGuard Guard(*this);
  FCaption = Src->FCaption;
  FValueCursor = Src->FValueCursor;
  FAxisExempt = Src->FAxisExempt;
  FParentFont = Src->FParentFont;
  FVisible = Src->FVisible;
  FBrush->Assign(Src->FBrush.get());
  FOptions = Src->FOptions;
  FOffsetVertical = Src->FOffsetVertical;
  SetHorizAxis(Src->FHorizAxis);
  SetVertAxis(Src->FVertAxis);
  FGroup = Src->FGroup;
  FGroupStyle = Src->FGroupStyle;
  FFont->Assign(Src->FFont.get());
  FPen->Assign(Src->FPen.get());
  FValues->Assign(Src->FValues.get());
  FPreview = Src->FPreview;
  FValueLabelFormat = Src->FValueLabelFormat;
  FValueLabelStyle = Src->FValueLabelStyle;
}

void TVXCustomChart::Loaded() {
  TComponent::Loaded();
  FValues->Loaded();
}

// ---------------------------------------------------------------- published properties

VX_PUBLISHED(TVXCustomChart, TComponent) {}

VX_PUBLISHED(TVXChart, TVXCustomChart) {
  P.Event("OnDrawing", &TVXChart::OnDrawing, &TVXChart::SetOnDrawing);
  P.Event("OnDraw", &TVXChart::OnDraw, &TVXChart::SetOnDraw);
  P.Event("OnChange", &TVXChart::OnChange, &TVXChart::SetOnChange);
  P.Event("OnValueChange", &TVXChart::OnValueChange, &TVXChart::SetOnValueChange);
  P.Event("OnValueSelectionChange", &TVXChart::OnValueSelectionChange,
          &TVXChart::SetOnValueSelectionChange);
  P.Event("OnValueVisibleChange", &TVXChart::OnValueVisibleChange,
          &TVXChart::SetOnValueVisibleChange);
  P.String("Caption", &TVXChart::Caption, &TVXChart::SetCaption);
  P.Object("Brush", [](const TVXChart& C) -> const TBrush& { return C.Brush(); });
  P.Object("Pen", [](const TVXChart& C) -> const TPen& { return C.Pen(); });
  P.Object("Font", [](const TVXChart& C) -> const TFont& { return C.Font(); });
  P.Bool("ParentFont", &TVXChart::ParentFont, &TVXChart::SetParentFont, true);
  P.Color("Color", &TVXChart::GetColor, &TVXChart::SetColor);
  P.Int("Group", &TVXChart::Group, &TVXChart::SetGroup, 0);
  P.Enum("GroupStyle", &TVXChart::GroupStyle, &TVXChart::SetGroupStyle, gsNone);
  P.String("ValueLabelFormat", &TVXChart::ValueLabelFormat, &TVXChart::SetValueLabelFormat);
  P.Enum("ValueLabelStyle", &TVXChart::ValueLabelStyle, &TVXChart::SetValueLabelStyle, ltsCaption);
  P.Enum("HorizAxis", &TVXChart::HorizAxis, &TVXChart::SetHorizAxis, haBottomAxis);
  P.Set("Options", &TVXChart::Options, &TVXChart::SetOptions,
        TChartOptions{coColorEachPoint, coShowInLegend, coAllowSingleValue, coLabelEachPoint});
  P.Double("OffsetVertical", &TVXChart::OffsetVertical, &TVXChart::SetOffsetVertical);
  P.Component("Parent", &TVXChart::Parent, &TVXChart::SetParent);
  P.Enum("VertAxis", &TVXChart::VertAxis, &TVXChart::SetVertAxis, vaLeftAxis);
  // Sample values of the designer are not kept.
  P.Collection("Values", [](const TVXChart& C) -> const TVXChartValues& {
     return C.Values();
   }).Stored([](const TVXChart& C) { return !C.Preview(); });
  P.Bool("Preview", &TVXChart::Preview, &TVXChart::SetPreview, true);
  // A colour taken from the panel is not the chart's own: storing it would switch
  // ParentSelectionColor off when the description is read.
  P.Color("SelectionColor", &TVXChart::SelectionColor, &TVXChart::SetSelectionColor, clActiveBorder)
      .Stored([](const TVXChart& C) { return !C.ParentSelectionColor(); });
  P.Bool("ParentSelectionColor", &TVXChart::ParentSelectionColor,
         &TVXChart::SetParentSelectionColor, true);
  P.Bool("Visible", &TVXChart::Visible, &TVXChart::SetVisible, true);
}

} // namespace vx
