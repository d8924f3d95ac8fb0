#pragma once
// A small component family that uses every kind of published property; shared by the
// streaming tests and the reader's fuzz target.

#include "platform/core/Collection.h"
#include "platform/core/Component.h"
#include "platform/core/Published.h"
#include "platform/core/Strings.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace vx::streamtest {

enum TShade : std::uint8_t { shLight, shMedium, shDark };
VX_ENUM_NAMES(TShade, "shLight", "shMedium", "shDark")
enum TMark : std::uint8_t { mkCircle, mkSquare, mkCross };
VX_ENUM_NAMES(TMark, "mkCircle", "mkSquare", "mkCross")
using TMarks = TSet<TMark>;
using TColorValue = std::int32_t;

/// Counts live test components, so a test can see that a failed read left nothing.
struct TCounters {
  int Live = 0;
  int Created = 0;
  std::vector<std::string> Loaded;
};
TCounters& Counters();

class TTestFont : public TPersistent {
  VX_CLASS_NAME(TTestFont)
public:
  int Size() const { return FSize; }
  void SetSize(int V) { FSize = V; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& V) { FName = V; }
  TColorValue Color() const { return FColor; }
  void SetColor(TColorValue V) { FColor = V; }

private:
  int FSize = 8;
  std::string FName = "Arial";
  TColorValue FColor = 0;
};

class TTestPoint : public TCollectionItem {
  VX_CLASS_NAME(TTestPoint)
public:
  double X() const { return FX; }
  void SetX(double V) { FX = V; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& V) { FCaption = V; }
  TMark Mark() const { return FMark; }
  void SetMark(TMark V) { FMark = V; }

private:
  double FX = 0;
  std::string FCaption;
  TMark FMark = mkCircle;
};

class TTestPoints : public TOwnedCollection {
  VX_CLASS_NAME(TTestPoints)
public:
  explicit TTestPoints(TPersistent* Owner) : TOwnedCollection(Owner, ItemClassOf<TTestPoint>()) {}
  TTestPoint* Point(int I) const { return static_cast<TTestPoint*>(Items(I)); }
  TTestPoint* AddPoint(double X) {
    auto* P = static_cast<TTestPoint*>(Add());
    P->SetX(X);
    return P;
  }
  int Limit() const { return FLimit; }
  void SetLimit(int V) { FLimit = V; }

private:
  int FLimit = 0;
};

class TTestPanel : public TComponent {
  VX_CLASS_NAME(TTestPanel)
public:
  explicit TTestPanel(TComponent* Owner = nullptr);
  ~TTestPanel() override;

  TTestFont* Font() const { return FFont.get(); }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& V) { FCaption = V; }
  int Width() const { return FWidth; }
  void SetWidth(int V) { FWidth = V; }
  std::uint8_t Alpha() const { return FAlpha; }
  void SetAlpha(std::uint8_t V) { FAlpha = V; }
  TShade Shade() const { return FShade; }
  void SetShade(TShade V) { FShade = V; }
  TMarks Marks() const { return FMarks; }
  void SetMarks(TMarks V) { FMarks = V; }
  TColorValue Color() const { return FColor; }
  void SetColor(TColorValue V) { FColor = V; }
  double Ratio() const { return FRatio; }
  void SetRatio(double V) { FRatio = V; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool V) { FVisible = V; }
  TStringList* Lines() const { return FLines.get(); }
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent V) { FOnChange = std::move(V); }
  bool LoadingInConstructor = false;

protected:
  void Loaded() override;

private:
  std::unique_ptr<TTestFont> FFont = std::make_unique<TTestFont>();
  std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
  std::string FCaption;
  int FWidth = 100;
  std::uint8_t FAlpha = 255;
  TShade FShade = shMedium;
  TMarks FMarks{mkCircle};
  TColorValue FColor = 0xFFFFFF;
  double FRatio = 1.0;
  bool FVisible = true;
  TNotifyEvent FOnChange;
};

using TClickEvent = std::function<void(TObject* Sender, int X, int Y)>;

class TTestChart : public TComponent {
  VX_CLASS_NAME(TTestChart)
public:
  explicit TTestChart(TComponent* Owner = nullptr);
  ~TTestChart() override;

  TTestPanel* Panel() const { return FPanel; }
  void SetPanel(TTestPanel* V);
  TTestPoints* Points() const { return FPoints.get(); }
  bool Preview() const { return FPreview; }
  void SetPreview(bool V) { FPreview = V; }
  double Value() const { return FValue; }
  void SetValue(double V) { FValue = V; }
  const TClickEvent& OnClick() const { return FOnClick; }
  void SetOnClick(TClickEvent V) { FOnClick = std::move(V); }
  /// Not a property of its own: stored through a custom stored property "Secret".
  int Secret = -1;
  /// The panel reference as Loaded saw it.
  TTestPanel* PanelAtLoaded = nullptr;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

private:
  TTestPanel* FPanel = nullptr;
  std::unique_ptr<TTestPoints> FPoints = std::make_unique<TTestPoints>(this);
  bool FPreview = false;
  double FValue = 0;
  TClickEvent FOnClick;
};

/// Reads Text as a description with a small handler table. When it is accepted, writes
/// the result, reads that back and writes it again, and raises std::logic_error unless
/// both writes agree. Returns whether Text was accepted; refusals must be EReadError.
bool CheckDescription(std::string_view Text);

} // namespace vx::streamtest
