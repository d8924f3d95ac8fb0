// Value collections in stored descriptions: which properties are written, and that a
// written collection reads back the same.

#include "ValuesTestSupport.h"

#include "platform/core/Component.h"
#include "platform/core/Streaming.h"

#include <cmath>
#include <memory>

namespace vx::test {
namespace {

// A component standing in for a chart: it owns values and answers as their chart.
class TValuesHost : public TComponent, public IVXValuesOwner {
  VX_CLASS_NAME(TValuesHost)
public:
  explicit TValuesHost(TComponent* Owner = nullptr)
      : TComponent(Owner), FValues(std::make_unique<TVXChartValues>(this)) {}
  TVXChartValues* Values() const { return FValues.get(); }
  TChartOptions HostOptions{coColorEachPoint};

  void ValueChanged(TVXChartValue*) override {}
  void ValueSelectionChanged(TVXChartValue*) override {}
  void ValueVisibleChanged(TVXChartValue*) override {}
  TVXGroupStyle GroupStyle() const override { return gsNone; }
  TChartOptions Options() const override { return HostOptions; }

private:
  std::unique_ptr<TVXChartValues> FValues;
};

VX_PUBLISHED(TValuesHost, TComponent) {
  P.Collection("Values", &TValuesHost::Values);
}

TEST(ChartValuesStream, DefaultsAreLeftOutAndVisibleIsAlwaysWritten) {
  SetValuePalettePosition(0);
  TValuesHost Host;
  Host.SetName("Host");
  Host.Values()->Add();
  const std::string Text = WriteComponent(Host);
  EXPECT_EQ(Text.find("Limit"), std::string::npos) << Text;
  EXPECT_EQ(Text.find("Sorted"), std::string::npos) << Text;
  EXPECT_EQ(Text.find("SortOrder"), std::string::npos) << Text;
  EXPECT_EQ(Text.find("Caption"), std::string::npos) << Text;
  EXPECT_EQ(Text.find("\"Value\""), std::string::npos) << Text; // 0
  EXPECT_EQ(Text.find("Tag"), std::string::npos) << Text;
  EXPECT_EQ(Text.find("AsDateTime"), std::string::npos) << Text;
  EXPECT_NE(Text.find("\"Visible\""), std::string::npos) << Text;
  auto Copy = ReadComponent(Text);
  EXPECT_TRUE(static_cast<TValuesHost*>(Copy.get())->Values()->Items(0)->Visible());
}

TEST(ChartValuesStream, ColorIsStoredOnlyWhereValuesShowTheirOwnColours) {
  TValuesHost Host;
  Host.SetName("Host");
  Host.Values()->AddValues({1}, clNavy);
  EXPECT_EQ(WriteComponent(Host).find("Color"), std::string::npos); // coColorEachPoint
  Host.HostOptions = {coShowInLegend};
  EXPECT_NE(WriteComponent(Host).find("Color"), std::string::npos);
  TVXChartValues Orphans(nullptr); // no chart at all
  Orphans.AddValues({1}, clNavy);
  Host.Values()->Assign(&Orphans);
  EXPECT_NE(WriteComponent(Host).find("Color"), std::string::npos); // the host's values
}

TEST(ChartValuesStream, AWrittenCollectionReadsBackTheSame) {
  TValuesHost Host;
  Host.SetName("Host");
  Host.HostOptions = {coShowInLegend};
  TVXChartValues& V = *Host.Values();
  V.SetLimit(10);
  V.SetSorted(true);
  V.SetSortOrder(soDescending);
  V.AddValues({7.25}, clNavy, "seven");
  V.AddValues({std::nan("")}, clTeal);
  V.AddValues({-std::numeric_limits<double>::infinity()}, -1, "low")->SetTag(-3);
  V.Items(0)->SetVisible(false);
  const std::string Text = WriteComponent(Host);

  auto Copy = ReadComponent(Text);
  auto* Read = dynamic_cast<TValuesHost*>(Copy.get());
  ASSERT_NE(Read, nullptr);
  Read->HostOptions = Host.HostOptions;
  const TVXChartValues& R = *Read->Values();
  EXPECT_EQ(R.Limit(), 10);
  EXPECT_TRUE(R.Sorted());
  EXPECT_EQ(R.SortOrder(), soDescending);
  ASSERT_EQ(R.Count(), 3);
  for (int I = 0; I < 3; ++I) {
    const TVXChartValue* A = V.Items(I);
    const TVXChartValue* B = R.Items(I);
    EXPECT_EQ(B->Caption(), A->Caption()) << I;
    EXPECT_EQ(B->Color(), A->Color()) << I;
    EXPECT_EQ(B->Tag(), A->Tag()) << I;
    EXPECT_EQ(B->Visible(), A->Visible()) << I;
    EXPECT_TRUE(B->Value() == A->Value() || (std::isnan(B->Value()) && std::isnan(A->Value())))
        << I;
  }
  EXPECT_EQ(R.VisibleCount(), 2);
  EXPECT_TRUE(R.HasCaptions());
  EXPECT_EQ(WriteComponent(*Read), Text);
}

} // namespace
} // namespace vx::test
