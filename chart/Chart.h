#pragma once
// TVXCustomChart: the base of every chart kind. A component that owns its value
// collection, brush, pen and font, binds itself to one horizontal and one vertical axis
// of the panel it is attached to, passes every change on to the panel and the axes,
// paints itself when the panel asks, formats value labels and takes part in selection.
// TVXChart publishes its properties; every chart kind derives from TVXChart.
//
// Construction in C++: the public constructor of the most derived class runs
// Construct() (InitDefaults, then HookGraphics) once the object is complete, so the
// virtual factories (CreateValues, CreatePen ...) and InitDefaults dispatch to the kind.
// A kind therefore has two constructors:
//
//   explicit TVXFooChart(TComponent* AOwner) : TVXFooChart(AOwner, DeferInit) { Construct(); }
//   protected: TVXFooChart(TComponent* AOwner, TDeferInit D) : TVXChart(AOwner, D) {}

#include "chart/ChartConsts.h"
#include "chart/ChartEvents.h"
#include "chart/ValuesOwner.h"
#include "graphics/Geometry.h"
#include "platform/core/Color.h"
#include "platform/core/Component.h"
#include "platform/core/Control.h"
#include "platform/core/GraphicsObjects.h"

#include <memory>
#include <string>

namespace vx {

class TCanvas;
class TVXChartAxis;
class TVXChartValue;
class TVXChartValues;
class TVXCustomChartPanel;

/// Tag of the constructors that leave Construct() to the most derived class.
enum TDeferInit : std::uint8_t { DeferInit };

class TVXCustomChart : public TComponent, public IVXValuesOwner {
  VX_CLASS_NAME(TVXCustomChart)
public:
  /// A chart of AOwner (which destroys it), or without owner one its creator destroys.
  /// With a chart panel as owner the chart attaches to it at once.
  explicit TVXCustomChart(TComponent* AOwner = nullptr);
  /// Stops all notifications, detaches from the panel, unbinds every axis still bound
  /// (axes are never owned by the chart) and frees brush, font, pen and values.
  ~TVXCustomChart() override;

  // ---- Attachment and axes

  /// The panel the chart is attached to, or nullptr.
  TVXCustomChartPanel* Parent() const { return FParent; }
  /// Detaches from the old panel (unbinding both axes) and attaches to Value: joins its
  /// chart list once, watches its destruction and binds the panel's axes (ParentChanged).
  void SetParent(TVXCustomChartPanel* Value);
  /// Which panel axis to bind horizontally; haCustomAxis binds none.
  THorizontalAxis HorizAxis() const { return FHorizAxis; }
  void SetHorizAxis(THorizontalAxis Value);
  /// Which panel axis to bind vertically; vaCustomAxis binds none.
  TVerticalAxis VertAxis() const { return FVertAxis; }
  void SetVertAxis(TVerticalAxis Value);
  /// The bound axes, or nullptr. The chart never owns them.
  TVXChartAxis* HorizAxisObject() const { return FHorizAxisObject; }
  TVXChartAxis* VertAxisObject() const { return FVertAxisObject; }
  /// Leaves the old axis's chart list and joins Axis's (once); with a panel, HorizAxis
  /// follows the object (bottom, top, or haCustomAxis for any other). Then AxisChanged.
  void SetHorizAxisObject(TVXChartAxis* Axis);
  void SetVertAxisObject(TVXChartAxis* Axis);

  // ---- Drawing objects and look

  /// The brush; Color is its colour. Setters copy with Assign.
  TBrush& Brush() { return *FBrush; }
  const TBrush& Brush() const { return *FBrush; }
  void SetBrush(const TBrush& Value);
  TPen& Pen() { return *FPen; }
  const TPen& Pen() const { return *FPen; }
  void SetPen(const TPen& Value);
  TFont& Font() { return *FFont; }
  const TFont& Font() const { return *FFont; }
  void SetFont(const TFont& Value);
  /// The brush colour (GetColor / SetColor).
  TColor Color() const { return GetColor(); }
  virtual TColor GetColor() const;
  /// Assigns only a different colour to the brush.
  virtual void SetColor(TColor Value);
  /// Take the panel's font when attached. Stored only.
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value) { FParentFont = Value; }
  /// The colour of selected values; setting it clears ParentSelectionColor (no repaint).
  TColor SelectionColor() const { return FSelectionColor; }
  void SetSelectionColor(TColor Value);
  /// Copy the panel's SelectionColor when attached; switching it on copies it now.
  bool ParentSelectionColor() const { return FParentSelectionColor; }
  void SetParentSelectionColor(bool Value);
  /// The cursor shown while the mouse is over a value (crSizeAll).
  TCursor ValueCursor() const { return FValueCursor; }
  void SetValueCursor(TCursor Value) { FValueCursor = Value; }

  // ---- Values and settings

  /// The owned value collection (each kind creates its own collection class).
  TVXChartValues& Values() { return *FValues; }
  const TVXChartValues& Values() const { return *FValues; }
  /// Copies Value into the owned collection with Assign.
  void SetValues(const TVXChartValues& Value);
  /// The chart name (legend).
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  TChartOptions Options() const override { return FOptions; }
  virtual void SetOptions(TChartOptions Value);
  /// Group number; negative numbers are stored as 0.
  int Group() const { return FGroup; }
  void SetGroup(int Value);
  /// gsStacked and gsStacked100 add coUseVerticalOffset, gsNone removes it; every chart of
  /// the panel with the same Group takes the same style.
  TVXGroupStyle GroupStyle() const override { return FGroupStyle; }
  void SetGroupStyle(TVXGroupStyle Value);
  /// Offset added to the values when coUseVerticalOffset is in Options (stacking).
  double OffsetVertical() const { return FOffsetVertical; }
  void SetOffsetVertical(double Value);
  /// Stored, copied and announced; label texts take their pattern from the vertical axis.
  const std::string& ValueLabelFormat() const { return FValueLabelFormat; }
  void SetValueLabelFormat(const std::string& Value);
  TVXLegendTextStyle ValueLabelStyle() const { return FValueLabelStyle; }
  void SetValueLabelStyle(TVXLegendTextStyle Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  /// Sample values for the designer; while on, the values are not stored. Switching it on
  /// with no values creates the sample values.
  bool Preview() const { return FPreview; }
  void SetPreview(bool Value);
  /// xyX: the chart stays out of the automatic axis ranges (set by kinds).
  TXYSet AxisExempt() const { return FAxisExempt; }

  /// Index range of the values inside the horizontal zoom window (one more on each side).
  int FirstVisible() const { return FFirstVisible; }
  int LastVisible() const { return FLastVisible; }
  int VisibleValueCount() const { return FVisibleValueCount; }
  /// Nesting depth of BeginUpdate.
  int UpdateCount() const { return FUpdateCount; }

  // ---- Events

  const TVXChartDrawingEvent& OnDrawing() const { return FOnDrawing; }
  void SetOnDrawing(TVXChartDrawingEvent Value) { FOnDrawing = std::move(Value); }
  const TVXChartDrawEvent& OnDraw() const { return FOnDraw; }
  void SetOnDraw(TVXChartDrawEvent Value) { FOnDraw = std::move(Value); }
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  const TVXChartValueEvent2& OnValueChange() const { return FOnValueChange; }
  void SetOnValueChange(TVXChartValueEvent2 Value) { FOnValueChange = std::move(Value); }
  const TVXChartValueEvent2& OnValueSelectionChange() const { return FOnValueSelectionChange; }
  void SetOnValueSelectionChange(TVXChartValueEvent2 Value) {
    FOnValueSelectionChange = std::move(Value);
  }
  const TVXChartValueEvent2& OnValueVisibleChange() const { return FOnValueVisibleChange; }
  void SetOnValueVisibleChange(TVXChartValueEvent2 Value) {
    FOnValueVisibleChange = std::move(Value);
  }

  // ---- Operations

  /// Holds back every notification until the matching EndUpdate.
  virtual void BeginUpdate();
  /// Closes a bracket; the outermost sends one Changed. An unmatched call does nothing.
  virtual void EndUpdate();
  /// OnDrawing (which may suppress the rest), Draw, OnDraw. Handlers get copies of Rect.
  virtual void Paint(TCanvas& Canvas, const TRect& Rect);
  /// Paints once against the given axes (UpdateRange of both first when Recalculate),
  /// with OnChange silenced; the former axes and OnChange come back afterwards, also
  /// when an exception passes.
  virtual void PaintWithAxes(TCanvas& Canvas, const TRect& Rect, TVXChartAxis* VertAxis,
                             TVXChartAxis* HorizAxis, bool Recalculate);
  /// Puts the chart's font, brush and pen on the canvas; kinds paint after calling it.
  virtual void Draw(TCanvas& Canvas, const TRect& Rect);
  /// The label of Value in Style; numbers in the vertical axis's Format, or fixed with
  /// four decimals; percentages of the collection's absolute sum ("25.00 %"), 0 when
  /// that sum is 0.
  virtual std::string GetValueLabel(const TVXChartValue& Value, TVXLegendTextStyle Style) const;
  /// Text centred on X, half a text line above Y, unclipped.
  virtual void DrawLabelText(TCanvas& Canvas, const std::string& Text, int X, int Y);
  /// Text wrapped into Rect with an ellipsis where it is cut.
  virtual void DrawWrappedText(TCanvas& Canvas, const std::string& Text, const TRect& Rect);
  /// GetValueLabel(Value, ValueLabelStyle), then DrawLabelText.
  virtual void DrawValueLabel(TCanvas& Canvas, const TVXChartValue& Value, int X, int Y);
  /// GetValueLabel(Value, ValueLabelStyle), then DrawWrappedText.
  virtual void DrawValueLabelInRect(TCanvas& Canvas, const TVXChartValue& Value, const TRect& Rect);
  /// SelectValuesInRect; kinds that do not select override it with nothing.
  virtual void SelectValues(const TRect& Rect, int Mode);
  /// Selected := IsInRect(R, Mode) for the visible values from FirstVisible to
  /// LastVisible, R being the pixel rectangle Rect of the plot area in values.
  virtual void SelectValuesInRect(const TRect& Rect, int Mode);
  /// Whether a visible value from FirstVisible to LastVisible lies inside Rect (pixels).
  virtual bool HasValueInRect(const TRect& Rect);
  /// The screen cursor becomes ValueCursor when a value lies inside Rect (pixels).
  virtual void UpdateCursor(const TRect& Rect);
  /// With Axis the horizontal axis: FirstVisible, LastVisible and VisibleValueCount for
  /// its zoom window (the values are taken as ordered along the axis's dimension).
  virtual void UpdateVisibleRange(TVXChartAxis* Axis);
  /// OffsetVertical with coUseVerticalOffset, else 0.
  virtual double GetVerticalOffset() const;
  /// Visible and bound to both axes.
  virtual bool CanPaint() const;
  /// Adds sample values; nothing here.
  virtual void CreatePreviewValues();
  /// The dimension the values are measured along: 1 here.
  virtual int GetValueDimension() const;
  /// Called by the panel when its SelectionColor changed; nothing here.
  virtual void ParentSelectionColorChanged();

  /// From another chart: caption, cursor, exemptions, ParentFont, Visible, brush, options,
  /// offset, both axis choices (through their setters), group, group style, font, pen,
  /// values, Preview and the label settings, with one Changed at the end. Other sources
  /// go to the toolkit's assignment.
  void Assign(const TPersistent* Source) override;

protected:
  /// For derived classes: builds the chart without initialising it (see the header).
  TVXCustomChart(TComponent* AOwner, TDeferInit);
  /// InitDefaults, then HookGraphics; run once by the most derived constructor.
  void Construct();
  /// Creates brush, font, pen and values and sets the defaults; kinds call it first.
  virtual void InitDefaults();
  /// Points the change events of brush, font and pen at GraphicChanged.
  virtual void HookGraphics();
  /// The panel's ChartChanged, then Changed.
  virtual void GraphicChanged(TObject* Sender);
  virtual std::unique_ptr<TBrush> CreateBrush();
  virtual std::unique_ptr<TFont> CreateFont();
  virtual std::unique_ptr<TPen> CreatePen();
  /// A TVXChartValues of TVXChartValue items; kinds return their own collection.
  virtual std::unique_ptr<TVXChartValues> CreateValues();
  virtual void DoDrawing(TCanvas& Canvas, const TRect& Rect, bool& DoDraw);
  virtual void DoDraw(TCanvas& Canvas, const TRect& Rect);
  /// Axis became bound (nullptr: unbound): takes the group style of its group on a new
  /// vertical axis, tells the axis DataChanged, then Changed.
  virtual void AxisChanged(TVXChartAxis* Axis);
  /// The panel's ChartChanged, the axes' DataChanged, UpdateVisibleRange, OnChange.
  virtual void Changed();
  /// Binds the panel's axes and takes over its font and selection colour as configured.
  virtual void ParentChanged();
  /// The panel's ChartVisibleChanged; both axes mark their automatic range stale.
  virtual void VisibleChanged();

  // Notifications of the value collection.
  void ValueChanged(TVXChartValue* Value) override;
  void ValueSelectionChanged(TVXChartValue* Value) override;
  void ValueVisibleChanged(TVXChartValue* Value) override;

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  /// For kinds' InitDefaults.
  void SetAxisExempt(TXYSet Value) { FAxisExempt = Value; }
  /// Stops notifications and detaches; a kind whose destructor could still send
  /// notifications calls it first. Idempotent.
  void BeginDestruction();
  /// Whether notifications go out: visible and outside an update bracket.
  bool Notifying() const { return FVisible && FUpdateCount == 0; }

private:
  /// The value-space rectangle of a pixel rectangle through the bound axes; false without
  /// panel or axes.
  bool ValueRectOf(const TRect& Rect, TVXRealRect& R) const;
  /// Calls F(Value) for each visible value from FirstVisible to LastVisible until it
  /// returns true.
  template <typename F> bool ForVisibleValues(F&& Fn);

  bool FParentFont = true;
  int FUpdateCount = 0;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TPen> FPen;
  TVXCustomChartPanel* FParent = nullptr;
  bool FVisible = true;
  TChartOptions FOptions;
  std::unique_ptr<TVXChartValues> FValues;
  THorizontalAxis FHorizAxis = haBottomAxis;
  TVXChartAxis* FVertAxisObject = nullptr;
  TVXChartAxis* FHorizAxisObject = nullptr;
  TVerticalAxis FVertAxis = vaLeftAxis;
  std::string FCaption;
  TXYSet FAxisExempt;
  int FGroup = 0;
  TVXGroupStyle FGroupStyle = gsNone;
  double FOffsetVertical = 0;
  bool FPreview = false;
  TVXChartDrawEvent FOnDraw;
  TVXChartDrawingEvent FOnDrawing;
  TNotifyEvent FOnChange;
  TVXChartValueEvent2 FOnValueChange;
  TVXChartValueEvent2 FOnValueVisibleChange;
  TVXChartValueEvent2 FOnValueSelectionChange;
  bool FParentSelectionColor = true;
  TColor FSelectionColor = clActiveBorder;
  TCursor FValueCursor = crSizeAll;
  TVXLegendTextStyle FValueLabelStyle = ltsCaption;
  std::string FValueLabelFormat;
  int FLastVisible = -1;
  int FFirstVisible = 0;
  int FVisibleValueCount = 0;
  bool FDestroying = false;
};

/// The chart with its properties published; the base of every chart kind.
class TVXChart : public TVXCustomChart {
  VX_CLASS_NAME(TVXChart)
public:
  explicit TVXChart(TComponent* AOwner = nullptr) : TVXChart(AOwner, DeferInit) { Construct(); }

protected:
  TVXChart(TComponent* AOwner, TDeferInit D) : TVXCustomChart(AOwner, D) {}
};

} // namespace vx
