#include "chart/ChartValue.h"

#include "chart/ChartValues.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatFloat.h"
#include "platform/core/Property.h"

#include <algorithm>

namespace vx {

#if defined(__x86_64__) && defined(__GNUC__)
// The memory budget of a two-dimensional value rests on this size (see bench/ValuesBench).
static_assert(sizeof(TVXChartValue) <= 56, "a chart value outgrew its 56 bytes");
#endif

namespace {
const std::string EmptyCaption;

// The colour is worth storing only where the chart paints values in their own colours.
bool IsColorStored(const TVXChartValue& Value) {
  const TVXChartValues* Values = Value.ChartValues();
  return Values && Values->Chart() && !Values->Chart()->Options().Contains(coColorEachPoint);
}
} // namespace

VX_PUBLISHED(TVXChartValue, TGCollectionItem) {
  P.String("Caption", &TVXChartValue::Caption, &TVXChartValue::SetCaption, "");
  P.Color("Color", &TVXChartValue::Color, &TVXChartValue::SetColor).Stored(&IsColorStored);
  P.Double("Value", &TVXChartValue::Value, &TVXChartValue::SetValue, 0.0);
  P.Bool("Visible", &TVXChartValue::Visible, &TVXChartValue::SetVisible); // always written
  P.Int("Tag", &TVXChartValue::Tag, &TVXChartValue::SetTag, 0);
}

TVXChartValue::TVXChartValue() = default;

TVXChartValue::TVXChartValue(TCollection* Collection) : TGCollectionItem(Collection) {
  // The collection that is adding a value says so, which spares the type test on the
  // hot path of appending.
  const TVXChartValues* Values = TVXChartValues::AddingTo == Collection
                                     ? TVXChartValues::AddingTo
                                     : dynamic_cast<const TVXChartValues*>(Collection);
  if (Values) SetDimensionCount(Values->DimensionCount());
}

TVXChartValue::~TVXChartValue() {
  ReleaseLinksAndCollection();
  FreeNumbers();
}

TVXChartValues* TVXChartValue::ChartValues() const {
  return (FState & InValuesBit) ? static_cast<TVXChartValues*>(Collection()) : nullptr;
}

int TVXChartValue::CheckDimension(int Dimension) const {
  if (Dimension < 0 || Dimension >= FDimensionCount) throw EListError::Index(Dimension);
  return Dimension;
}

void TVXChartValue::FreeNumbers() {
  if (FDimensionCount > InlineNumbers) delete[] FHeap;
}

void TVXChartValue::SetDimensionCount(int Count) {
  if (Count < 1 || Count > MaxDimensions)
    throw ERangeError("Dimension count out of range (" + std::to_string(Count) + ")");
  if (Count == FDimensionCount) return;
  const int Keep = std::min(Count, int(FDimensionCount));
  if (Count <= InlineNumbers && FDimensionCount <= InlineNumbers) {
    for (int D = Keep; D < InlineNumbers; ++D)
      FInline[D] = 0;
  } else if (Count <= InlineNumbers) {
    double Numbers[InlineNumbers] = {0, 0};
    std::copy_n(NumberData(), Keep, Numbers);
    FreeNumbers();
    FInline[0] = Numbers[0];
    FInline[1] = Numbers[1];
  } else {
    double* Numbers = new double[static_cast<std::size_t>(Count)]();
    std::copy_n(NumberData(), Keep, Numbers);
    FreeNumbers();
    FHeap = Numbers;
  }
  FDimensionCount = static_cast<std::uint8_t>(Count);
}

void TVXChartValue::SetNumbers(int Dimension, double Value) {
  if (SetField(NumberData()[CheckDimension(Dimension)], Value)) ValueChanged(Dimension);
}

double TVXChartValue::GetValue() const {
  return Numbers(0);
}

void TVXChartValue::SetValue(double Value) {
  SetNumbers(0, Value);
}

const std::string& TVXChartValue::Caption() const {
  return FCaption ? *FCaption : EmptyCaption;
}

void TVXChartValue::SetCaption(const std::string& Value) {
  if (Value == Caption()) return;
  if (Value.empty())
    FCaption.reset();
  else if (FCaption)
    *FCaption = Value;
  else
    FCaption = std::make_unique<std::string>(Value);
  if (!Value.empty())
    if (TVXChartValues* Values = ChartValues()) Values->FHasCaptions = true;
  Changed(false);
}

void TVXChartValue::SetColor(TColor Value) {
  if (SetField(FColor, Value)) Changed(false);
}

void TVXChartValue::SetVisible(bool Value) {
  TVXValueState S = State();
  SetState(Value ? S.Include(vfVisible) : S.Exclude(vfVisible));
}

void TVXChartValue::SetSelected(bool Value) {
  TVXValueState S = State();
  SetState(Value ? S.Include(vfSelected) : S.Exclude(vfSelected));
}

void TVXChartValue::SetState(TVXValueState Value) {
  const TVXValueState Old = State();
  const TVXValueState New = TVXValueState::FromBits(Value.ToBits() & StateBits);
  if (New == Old) return;
  FState = static_cast<std::uint8_t>((FState & ~StateBits) | New.ToBits());
  if (New.Contains(vfVisible) != Old.Contains(vfVisible)) VisibleChanged();
  if (New.Contains(vfSelected) != Old.Contains(vfSelected)) SelectionChanged();
  Changed(false);
}

void TVXChartValue::Assign(const TPersistent* Source) {
  if (const auto* Src = dynamic_cast<const TVXChartValue*>(Source)) {
    if (Src == this) return;
    // A value of a collection keeps a number per dimension of it: the statistics and the
    // sorted order read them.
    int Count = Src->FDimensionCount;
    if (const TVXChartValues* Values = ChartValues())
      Count = std::max(Count, Values->DimensionCount());
    SetDimensionCount(Count);
    double* Numbers = NumberData();
    std::fill_n(Numbers, Count, 0.0);
    std::copy_n(Src->NumberData(), Src->FDimensionCount, Numbers);
    if (Src->FCaption)
      FCaption = std::make_unique<std::string>(*Src->FCaption);
    else
      FCaption.reset();
    FColor = Src->FColor;
    const TVXValueState Old = State();
    FState = static_cast<std::uint8_t>((FState & ~StateBits) | (Src->FState & StateBits));
    FTag = Src->FTag;
    if (TVXChartValues* Values = ChartValues()) {
      // No notifications for the copied flags, but the counters follow them: otherwise a
      // hidden copy would stay counted as visible, even after Clear.
      Values->FHasCaptions = Values->FHasCaptions || FCaption;
      Values->FVisibleCount += int(Visible()) - int(Old.Contains(vfVisible));
      Values->FSelectedCount += int(Selected()) - int(Old.Contains(vfSelected));
    }
    Changed(false);
    return;
  }
  TGCollectionItem::Assign(Source);
}

std::string TVXChartValue::FormatValues(std::string_view Format, bool Brackets) const {
  std::string Text;
  const double* Numbers = NumberData();
  for (int D = 0; D < FDimensionCount; ++D) {
    if (D > 0) Text += ", ";
    Text += FormatFloat(Format, Numbers[D]);
  }
  return Brackets ? "(" + Text + ")" : Text;
}

std::string TVXChartValue::GetDisplayName() const {
  const std::string Numbers = FormatValues("0.00", true);
  return FCaption ? *FCaption + " " + Numbers : Numbers;
}

bool TVXChartValue::ApplyHitMode(bool Inside, int Mode) const {
  switch (Mode) {
  case 0:
    return Inside;
  case 2:
    return Inside && !Selected();
  default:
    return false;
  }
}

bool TVXChartValue::IsInRect(const TVXRealRect& R, int Mode) const {
  return ApplyHitMode(PtInRealRect(RealPoint(Value(), R.Top), R), Mode);
}

bool TVXChartValue::IntersectsRect(const TVXRealRect& R1, const TVXRealRect& R2, int Mode) const {
  TVXRealRect Overlap;
  return ApplyHitMode(IntersectRealRect(R1, R2, Overlap), Mode);
}

void TVXChartValue::ValueChanged(int Dimension) {
  if (TVXChartValues* Values = ChartValues()) Values->ValueChanged(this, Dimension);
}

void TVXChartValue::SelectionChanged() {
  if (TVXChartValues* Values = ChartValues()) Values->ValueSelectionChanged(this);
}

void TVXChartValue::VisibleChanged() {
  if (TVXChartValues* Values = ChartValues()) Values->ValueVisibleChanged(this);
}

} // namespace vx
