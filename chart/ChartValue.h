#pragma once
// TVXChartValue: one data point of a chart: one number per dimension, a caption, a
// colour, a tag and the visible and selected flags. Every change reaches the value
// collection holding it, and through it the owning chart.

#include "chart/ChartConsts.h"
#include "foundation/Collection.h"
#include "graphics/Geometry.h"
#include "platform/core/Color.h"
#include "platform/core/DateTime.h"
#include "platform/core/Set.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vx {

class TVXChartValues;

/// The two state flags of a value; as a set, bit 0 is visible and bit 1 selected.
enum TVXValueFlag : std::uint8_t { vfVisible, vfSelected };
VX_ENUM_NAMES(TVXValueFlag, "vfVisible", "vfSelected")
using TVXValueState = TSet<TVXValueFlag>;

class TVXChartValue : public TGCollectionItem {
  VX_CLASS_NAME(TVXChartValue)
public:
  /// A value outside any collection: visible, one number 0, colour black.
  TVXChartValue();
  /// A value built for Collection, which it joins once constructed (the collection's Add
  /// does that, and its insert bookkeeping gives the palette colour). It gets the
  /// collection's DimensionCount numbers, all 0, or one number when Collection is not a
  /// value collection.
  explicit TVXChartValue(TCollection* Collection);
  /// Tells linked items, then leaves the collection while the value is still complete.
  ~TVXChartValue() override;

  /// The value collection holding this value, or nullptr.
  TVXChartValues* ChartValues() const;

  /// The largest DimensionCount a value can have.
  static constexpr int MaxDimensions = 255;
  /// Numbers per value; 2-D values have X (0) and Y (1).
  int DimensionCount() const { return FDimensionCount; }
  /// The number of Dimension; EListError outside 0..DimensionCount - 1.
  double Numbers(int Dimension) const { return NumberData()[CheckDimension(Dimension)]; }
  /// Stores a different number (compared exactly; NaN and infinities are stored as
  /// given) and reports ValueChanged(Dimension); an equal number does nothing. EListError
  /// outside 0..DimensionCount - 1.
  void SetNumbers(int Dimension, double Value);

  /// The value's main number: Numbers[0] here, Y for 2-D values (GetValue / SetValue).
  double Value() const { return GetValue(); }
  virtual double GetValue() const;
  /// Writes the main number like SetNumbers.
  virtual void SetValue(double Value);
  /// Numbers[0] read and written as a date and time.
  TDateTime AsDateTime() const { return Numbers(0); }
  void SetAsDateTime(TDateTime Value) { SetNumbers(0, Value); }

  /// The caption; empty by default (an empty caption costs no memory).
  const std::string& Caption() const;
  /// Stores a different caption and reports the change; a non-empty caption marks the
  /// collection's HasCaptions.
  void SetCaption(const std::string& Value);
  /// The colour; a value entering a collection takes the next palette colour.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  /// Free for the application; setting it reports nothing.
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

  bool Visible() const { return State().Contains(vfVisible); }
  void SetVisible(bool Value);
  bool Selected() const { return State().Contains(vfSelected); }
  void SetSelected(bool Value);
  TVXValueState State() const { return TVXValueState::FromBits(FState & StateBits); }
  /// Stores a different state: VisibleChanged when the visible flag flipped, then
  /// SelectionChanged when the selected flag flipped, then one item change.
  void SetState(TVXValueState Value);

  /// From another chart value: caption, colour, numbers, state and tag, without the
  /// individual notifications, then one item change. A value inside a value collection
  /// keeps at least the collection's DimensionCount numbers (missing ones become 0);
  /// elsewhere it takes the source's count. The collection's visible and selected
  /// counters follow the copied flags. Other sources go to the toolkit's assignment.
  void Assign(const TPersistent* Source) override;

  /// Every number formatted with FormatFloat(Format, Number), joined by ", ", and with
  /// Brackets enclosed in "(" and ")".
  virtual std::string FormatValues(std::string_view Format, bool Brackets) const;
  /// Whether the point (Value, R.Top) lies inside the value-space rectangle R (Left and
  /// Top inclusive, Right and Bottom exclusive), filtered by Mode: 0 gives that result,
  /// 2 gives it only for an unselected value, every other mode gives false.
  virtual bool IsInRect(const TVXRealRect& R, int Mode) const;
  /// Whether R1 and R2 overlap (touching counts), filtered by Mode as in IsInRect.
  virtual bool IntersectsRect(const TVXRealRect& R1, const TVXRealRect& R2, int Mode) const;

  /// Called by the collection when its chart has finished loading; nothing here.
  virtual void Loaded() {}

protected:
  /// The caption and the bracketed numbers in "0.00": "Point3 (42.00)", "(12.00, 55.00)".
  std::string GetDisplayName() const override;
  /// Pass the change on to the collection (ValueChanged(this, Dimension),
  /// ValueSelectionChanged(this), ValueVisibleChanged(this)); nothing outside one.
  virtual void ValueChanged(int Dimension);
  virtual void SelectionChanged();
  virtual void VisibleChanged();
  /// Resizes the number array without notification, keeping the leading numbers and
  /// filling new ones with 0; for constructors of derived values. ERangeError outside
  /// 1..MaxDimensions.
  void SetDimensionCount(int Count);
  /// The Mode filter of IsInRect and IntersectsRect applied to a geometric result.
  bool ApplyHitMode(bool Inside, int Mode) const;

private:
  friend class TVXChartValues;

  // Up to two numbers live inside the value, so a 2-D value is one allocation.
  static constexpr int InlineNumbers = 2;
  static constexpr std::uint8_t StateBits = 0x03;
  static constexpr std::uint8_t InValuesBit = 0x80;

  const double* NumberData() const { return FDimensionCount <= InlineNumbers ? FInline : FHeap; }
  double* NumberData() { return FDimensionCount <= InlineNumbers ? FInline : FHeap; }
  int CheckDimension(int Dimension) const;
  void FreeNumbers();

  // Ordered for size: the flag bytes share the base's tail padding, the rest packs into
  // 56 bytes on 64-bit targets (vtable, collection, ID, flags, colour, tag, caption,
  // numbers).
  std::uint8_t FState = 1;          // bit 0 visible, bit 1 selected, InValuesBit
  std::uint8_t FDimensionCount = 1; // numbers in use
  TColor FColor = clBlack;
  std::int32_t FTag = 0;
  std::unique_ptr<std::string> FCaption; // nullptr for the empty caption
  union {
    double FInline[InlineNumbers] = {0, 0};
    double* FHeap;
  };
};

} // namespace vx
