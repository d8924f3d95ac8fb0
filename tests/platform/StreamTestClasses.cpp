#include "tests/platform/StreamTestClasses.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Streaming.h"

#include <stdexcept>

namespace vx::streamtest {

TCounters& Counters() {
  static TCounters C;
  return C;
}

TTestPanel::TTestPanel(TComponent* Owner) : TComponent(Owner) {
  LoadingInConstructor = ComponentState().Contains(csLoading);
  ++Counters().Live;
  ++Counters().Created;
}

TTestPanel::~TTestPanel() {
  --Counters().Live;
}

void TTestPanel::Loaded() {
  TComponent::Loaded();
  Counters().Loaded.push_back(Name());
}

TTestChart::TTestChart(TComponent* Owner) : TComponent(Owner) {
  ++Counters().Live;
  ++Counters().Created;
}

TTestChart::~TTestChart() {
  SetPanel(nullptr);
  --Counters().Live;
}

void TTestChart::SetPanel(TTestPanel* V) {
  if (V == FPanel) return;
  if (FPanel) FPanel->RemoveFreeNotification(this);
  FPanel = V;
  if (FPanel) FPanel->FreeNotification(this);
}

void TTestChart::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPanel) FPanel = nullptr;
}

void TTestChart::Loaded() {
  TComponent::Loaded();
  PanelAtLoaded = FPanel;
  Counters().Loaded.push_back(Name());
}

VX_PUBLISHED(TTestFont, TPersistent) {
  P.Int("Size", &TTestFont::Size, &TTestFont::SetSize, 8);
  P.String("Name", &TTestFont::Name, &TTestFont::SetName, "Arial");
  P.Color("Color", &TTestFont::Color, &TTestFont::SetColor, 0);
}

VX_PUBLISHED(TTestPoint, TCollectionItem) {
  P.Double("X", &TTestPoint::X, &TTestPoint::SetX);
  P.String("Caption", &TTestPoint::Caption, &TTestPoint::SetCaption, "");
  P.Enum("Mark", &TTestPoint::Mark, &TTestPoint::SetMark, mkCircle);
}

VX_PUBLISHED(TTestPoints, TOwnedCollection) {
  P.Int("Limit", &TTestPoints::Limit, &TTestPoints::SetLimit, 0);
}

VX_PUBLISHED(TTestPanel, TComponent) {
  P.Object("Font", &TTestPanel::Font);
  P.String("Caption", &TTestPanel::Caption, &TTestPanel::SetCaption, "");
  P.Int("Width", &TTestPanel::Width, &TTestPanel::SetWidth, 100);
  P.Int("Alpha", &TTestPanel::Alpha, &TTestPanel::SetAlpha, 255);
  P.Enum("Shade", &TTestPanel::Shade, &TTestPanel::SetShade, shMedium);
  P.Set("Marks", &TTestPanel::Marks, &TTestPanel::SetMarks, TMarks{mkCircle});
  P.Color("Color", &TTestPanel::Color, &TTestPanel::SetColor, 0xFFFFFF);
  P.Double("Ratio", &TTestPanel::Ratio, &TTestPanel::SetRatio, 1.0);
  P.Bool("Visible", &TTestPanel::Visible, &TTestPanel::SetVisible, true);
  P.Strings("Lines", &TTestPanel::Lines);
  P.Event("OnChange", &TTestPanel::OnChange, &TTestPanel::SetOnChange);
}

VX_PUBLISHED(TTestChart, TComponent) {
  P.Component("Panel", &TTestChart::Panel, &TTestChart::SetPanel);
  P.Bool("Preview", &TTestChart::Preview, &TTestChart::SetPreview, false);
  P.Collection("Points", &TTestChart::Points).Stored([](const TTestChart& C) {
    return !C.Preview();
  });
  P.Double("Value", &TTestChart::Value, &TTestChart::SetValue);
  P.Event("OnClick", &TTestChart::OnClick, &TTestChart::SetOnClick);
  // A custom stored property: no getter or setter of its own, written only when set.
  P.Int(
       "Secret", [](const TTestChart& C) { return C.Secret; },
       [](TTestChart& C, int V) { C.Secret = V; })
      .Stored([](const TTestChart& C) { return C.Secret >= 0; });
}

bool CheckDescription(std::string_view Text) {
  static const THandlerTable Handlers = [] {
    THandlerTable T;
    T.Add<TNotifyEvent>("Changed", [](TObject*) {});
    T.Add<TClickEvent>("Clicked", [](TObject*, int, int) {});
    return T;
  }();
  std::unique_ptr<TComponent> Root;
  try {
    Root = ReadComponent(Text, &Handlers);
  } catch (const EReadError&) {
    return false;
  }
  const std::string First = WriteComponent(*Root);
  const std::string Second = WriteComponent(*ReadComponent(First, &Handlers));
  if (First != Second)
    throw std::logic_error("a description read back writes differently:\n" + First + "\n" + Second);
  return true;
}

} // namespace vx::streamtest
