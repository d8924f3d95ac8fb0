#include "ChartTestSupport.h"

#include "platform/core/Published.h"
#include "platform/core/Streaming.h"

#include <gtest/gtest.h>

#include <memory>

namespace vx::test {
namespace {

/// A component holding charts, as a form does.
class TChartForm : public TComponent {
  VX_CLASS_NAME(TChartForm)
public:
  using TComponent::TComponent;
};

/// A chart whose values report Loaded.
class TLoadProbeChart : public TVXChart {
  VX_CLASS_NAME(TLoadProbeChart)
public:
  explicit TLoadProbeChart(TComponent* AOwner = nullptr) : TLoadProbeChart(AOwner, DeferInit) {
    Construct();
  }
  int LoadedCalls = 0;
  int ValuesAtLoaded = -1;

protected:
  TLoadProbeChart(TComponent* AOwner, TDeferInit D) : TVXChart(AOwner, D) {}
  void Loaded() override {
    TVXChart::Loaded();
    ++LoadedCalls;
    ValuesAtLoaded = Values().Count();
  }
};

VX_PUBLISHED(TChartForm, TComponent) {}
VX_PUBLISHED(TLoadProbeChart, TVXChart) {}
VX_PUBLISHED(TProbeChart, TVXChart) {}
VX_PUBLISHED(TProbePanel, TVXCustomChartPanel) {}

// Brush, pen and font are written as nested objects, so their classes must be published.
bool GraphicsObjectsPublished() {
  return FindClassInfo("TBrush") && FindClassInfo("TPen") && FindClassInfo("TFont");
}

TEST(ChartStream, RoundTripKeepsSettingsAndValues) {
  if (!GraphicsObjectsPublished()) GTEST_SKIP() << "TBrush, TPen or TFont is not published yet";
  SetValuePalettePosition(0);
  TChartForm Form;
  Form.SetName("Form1");
  auto* Panel = new TProbePanel(&Form);
  Panel->SetName("Panel1");
  auto* Chart = new TLoadProbeChart(&Form);
  Chart->SetParent(Panel);
  Chart->SetName("Sales");
  Chart->SetCaption("Sales 2024");
  Chart->SetColor(clTeal);
  Chart->Pen().SetWidth(2);
  Chart->SetGroup(2);
  Chart->SetGroupStyle(gsStacked);
  Chart->SetValueLabelStyle(ltsCaptionNPercent);
  Chart->SetHorizAxis(haTopAxis);
  Chart->SetOffsetVertical(1.25);
  Chart->SetSelectionColor(clLime);
  Chart->Values().AddValues({3}, -1, "three");
  Chart->Values().AddValues({4});

  const std::string Text = WriteComponent(Form);
  SCOPED_TRACE(Text);
  std::unique_ptr<TComponent> Read = ReadComponent(Text);
  ASSERT_EQ(Read->ComponentCount(), 2);
  auto* ReadPanel = dynamic_cast<TProbePanel*>(Read->Components(0));
  auto* Copy = dynamic_cast<TLoadProbeChart*>(Read->Components(1));
  ASSERT_NE(ReadPanel, nullptr);
  ASSERT_NE(Copy, nullptr);
  // The reference to the panel is resolved: the chart is attached and bound.
  EXPECT_EQ(Copy->Parent(), ReadPanel);
  EXPECT_EQ(Copy->HorizAxisObject(), ReadPanel->TopAxis());
  EXPECT_EQ(Copy->VertAxisObject(), ReadPanel->LeftAxis());
  EXPECT_EQ(Copy->Caption(), "Sales 2024");
  EXPECT_EQ(Copy->Color(), clTeal);
  EXPECT_EQ(Copy->Pen().Width(), 2);
  EXPECT_EQ(Copy->Group(), 2);
  EXPECT_EQ(Copy->GroupStyle(), gsStacked);
  EXPECT_EQ(Copy->Options(), Chart->Options());
  EXPECT_EQ(Copy->ValueLabelStyle(), ltsCaptionNPercent);
  EXPECT_EQ(Copy->HorizAxis(), haTopAxis);
  EXPECT_EQ(Copy->OffsetVertical(), 1.25);
  EXPECT_EQ(Copy->SelectionColor(), clLime);
  EXPECT_FALSE(Copy->ParentSelectionColor());
  ASSERT_EQ(Copy->Values().Count(), 2);
  EXPECT_EQ(Copy->Values().Items(0)->Caption(), "three");
  EXPECT_EQ(Copy->Values().Items(1)->Value(), 4);
  EXPECT_EQ(Copy->LoadedCalls, 1);
  EXPECT_EQ(Copy->ValuesAtLoaded, 2);
  EXPECT_EQ(WriteComponent(*Read), Text);
}

TEST(ChartStream, PreviewValuesAreNotStored) {
  if (!GraphicsObjectsPublished()) GTEST_SKIP() << "TBrush, TPen or TFont is not published yet";
  TChartForm Form;
  auto* Chart = new TProbeChart(&Form);
  Chart->SetName("Designed");
  Chart->SetPreview(true);
  ASSERT_EQ(Chart->Values().Count(), 2);
  const std::string Text = WriteComponent(Form);
  EXPECT_EQ(Text.find("\"Values\""), std::string::npos) << Text;
  Chart->SetPreview(false);
  EXPECT_NE(WriteComponent(Form).find("\"Values\""), std::string::npos);
}

} // namespace
} // namespace vx::test
