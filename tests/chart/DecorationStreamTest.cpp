// The decorations in stored descriptions: what is written for defaults and changes, and
// that a description rebuilds the same settings.

#include "chart/Gradient.h"
#include "chart/Layer.h"
#include "chart/Shadow.h"
#include "platform/core/Component.h"
#include "platform/core/Published.h"
#include "platform/core/Streaming.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vx {
namespace {

// A component that owns one decoration of each kind, as the panel does.
class TDecorationHost : public TComponent {
  VX_CLASS_NAME(TDecorationHost)
public:
  explicit TDecorationHost(TComponent* Owner = nullptr) : TComponent(Owner) {}
  TVXChartShadow& Shadow() const { return *FShadow; }
  TVXChartGradient& Gradient() const { return *FGradient; }
  TVXChartLayer& Layer() const { return *FLayer; }

private:
  std::unique_ptr<TVXChartShadow> FShadow = std::make_unique<TVXChartShadow>();
  std::unique_ptr<TVXChartGradient> FGradient = std::make_unique<TVXChartGradient>();
  std::unique_ptr<TVXChartLayer> FLayer = std::make_unique<TVXChartLayer>();
};

VX_PUBLISHED(TDecorationHost, TComponent) {
  P.Object("Shadow", &TDecorationHost::Shadow);
  P.Object("Gradient", &TDecorationHost::Gradient);
  P.Object("Layer", &TDecorationHost::Layer);
}

std::string Compact(std::string S) {
  std::string Out;
  for (char C : S)
    if (C != ' ' && C != '\n') Out += C;
  return Out;
}

TEST(DecorationStream, DefaultsWriteOnlyTheAlwaysStoredProperties) {
  TDecorationHost Host;
  const std::string Text = Compact(WriteComponent(Host));
  // Visible is always stored, and so is the shadow's brush (it differs from a plain brush).
  EXPECT_NE(Text.find("\"Shadow\":{\"Brush\":{\"Color\":"), std::string::npos) << Text;
  EXPECT_NE(Text.find("\"Gradient\":{\"Visible\":true}"), std::string::npos) << Text;
  // ImageMode has no declared default: always stored.
  EXPECT_NE(Text.find("\"Layer\":{\"ImageMode\":\"imCenter\",\"Visible\":true}"), std::string::npos)
      << Text;
  for (const char* Absent : {"Direction", "Size", "Coarseness", "StartColor", "EndColor",
                             "Transparent", "Zoomable", "Image\"", "Pen"})
    EXPECT_EQ(Text.find(Absent), std::string::npos) << Absent << " in " << Text;
}

TEST(DecorationStream, ChangedSettingsRoundTrip) {
  TDecorationHost Host;
  Host.Shadow().SetDirection(sdTopLeft);
  Host.Shadow().SetSize(2);
  Host.Shadow().Brush().SetColor(clGray);
  Host.Shadow().SetVisible(false);
  Host.Gradient().SetDirection(gdUpLeft);
  Host.Gradient().SetCoarseness(4);
  Host.Gradient().SetStartColor(clBtnFace);
  Host.Gradient().SetEndColor(RGB(1, 2, 3));
  Host.Layer().Brush().SetColor(clBtnFace);
  Host.Layer().Pen().SetWidth(2);
  Host.Layer().SetImageMode(imProportionalCenter);
  Host.Layer().SetTransparent(true);
  Host.Layer().SetZoomable(false);
  const std::string Text = WriteComponent(Host);
  EXPECT_NE(Compact(Text).find("\"Direction\":\"gdUpLeft\""), std::string::npos) << Text;
  EXPECT_NE(Compact(Text).find("\"Direction\":\"sdTopLeft\""), std::string::npos) << Text;

  std::unique_ptr<TComponent> Read = ReadComponent(Text);
  auto* Copy = dynamic_cast<TDecorationHost*>(Read.get());
  ASSERT_NE(Copy, nullptr);
  EXPECT_EQ(Copy->Shadow().Direction(), sdTopLeft);
  EXPECT_EQ(Copy->Shadow().Size(), 2);
  EXPECT_EQ(Copy->Shadow().Brush().Color(), clGray);
  EXPECT_FALSE(Copy->Shadow().Visible());
  EXPECT_EQ(Copy->Gradient().Direction(), gdUpLeft);
  EXPECT_EQ(Copy->Gradient().Coarseness(), 4);
  EXPECT_EQ(Copy->Gradient().StartColor(), clBtnFace);
  EXPECT_EQ(Copy->Gradient().EndColor(), RGB(1, 2, 3));
  EXPECT_EQ(Copy->Layer().Brush().Color(), clBtnFace);
  EXPECT_EQ(Copy->Layer().Pen().Width(), 2);
  EXPECT_EQ(Copy->Layer().ImageMode(), imProportionalCenter);
  EXPECT_TRUE(Copy->Layer().Transparent());
  EXPECT_FALSE(Copy->Layer().Zoomable());
  EXPECT_EQ(WriteComponent(*Copy), Text);
}

TEST(DecorationStream, ReadingACoarsenessBelowOneStoresOne) {
  TDecorationHost Host;
  ReadComponentInto(Host, R"({"Class": "TDecorationHost", "Gradient": {"Coarseness": -5}})");
  EXPECT_EQ(Host.Gradient().Coarseness(), 1);
}

} // namespace
} // namespace vx
