#include "ChartTestSupport.h"

#include "platform/core/Published.h"

#include <gtest/gtest.h>

#include <memory>

namespace vx::test {
namespace {

const TPropInfo& Prop(const TClassInfo& Info, const char* Name) {
  const TPropInfo* P = Info.FindProp(Name);
  if (!P) throw std::runtime_error(std::string("no property ") + Name);
  return *P;
}

TEST(ChartPublished, PropertiesInOrderWithTheirKinds) {
  const TClassInfo* Info = FindClassInfo("TVXChart");
  ASSERT_NE(Info, nullptr);
  EXPECT_EQ(Info->ParentName, "TVXCustomChart");
  std::vector<std::string> Names;
  for (const TPropInfo* P : Info->Props)
    Names.push_back(P->Name);
  const std::vector<std::string> Expected{"Name",
                                          "Tag",
                                          "OnDrawing",
                                          "OnDraw",
                                          "OnChange",
                                          "OnValueChange",
                                          "OnValueSelectionChange",
                                          "OnValueVisibleChange",
                                          "Caption",
                                          "Brush",
                                          "Pen",
                                          "Font",
                                          "ParentFont",
                                          "Color",
                                          "Group",
                                          "GroupStyle",
                                          "ValueLabelFormat",
                                          "ValueLabelStyle",
                                          "HorizAxis",
                                          "Options",
                                          "OffsetVertical",
                                          "Parent",
                                          "VertAxis",
                                          "Values",
                                          "Preview",
                                          "SelectionColor",
                                          "ParentSelectionColor",
                                          "Visible"};
  EXPECT_EQ(Names, Expected);
  EXPECT_EQ(Prop(*Info, "Brush").Kind, TPropKind::Object);
  EXPECT_EQ(Prop(*Info, "Values").Kind, TPropKind::Collection);
  EXPECT_EQ(Prop(*Info, "Parent").Kind, TPropKind::Component);
  EXPECT_EQ(Prop(*Info, "OnDrawing").Kind, TPropKind::Event);
}

TEST(ChartPublished, DefaultsAreTheValuesOfANewChart) {
  const TClassInfo* Info = FindClassInfo("TVXChart");
  ASSERT_NE(Info, nullptr);
  std::unique_ptr<TComponent> Created(Info->CreateComponent(nullptr));
  auto* Chart = dynamic_cast<TVXChart*>(Created.get());
  ASSERT_NE(Chart, nullptr);
  const struct {
    const char* Name;
    std::int64_t Default;
  } Cases[] = {{"ParentFont", 1},           {"Group", 0},
               {"GroupStyle", gsNone},      {"ValueLabelStyle", ltsCaption},
               {"HorizAxis", haBottomAxis}, {"Options", 23},
               {"VertAxis", vaLeftAxis},    {"SelectionColor", clActiveBorder},
               {"ParentSelectionColor", 1}, {"Visible", 1}};
  for (const auto& C : Cases) {
    const TPropInfo& P = Prop(*Info, C.Name);
    EXPECT_TRUE(P.HasDefault) << C.Name;
    EXPECT_EQ(P.DefaultInt, C.Default) << C.Name;
    EXPECT_EQ(P.GetInt(*Chart), C.Default) << C.Name;
  }
  // Preview is declared true (the designer's state); a chart made at run time is not in
  // preview, so the description says so.
  EXPECT_TRUE(Prop(*Info, "Preview").HasDefault);
  EXPECT_EQ(Prop(*Info, "Preview").DefaultInt, 1);
  EXPECT_FALSE(Chart->Preview());
  for (const char* AlwaysStored : {"Caption", "Color", "ValueLabelFormat", "OffsetVertical"})
    EXPECT_FALSE(Prop(*Info, AlwaysStored).HasDefault) << AlwaysStored;
}

TEST(ChartPublished, StoringRules) {
  const TClassInfo* Info = FindClassInfo("TVXChart");
  ASSERT_NE(Info, nullptr);
  TProbeChart Chart;
  const TPropInfo& Values = Prop(*Info, "Values");
  ASSERT_TRUE(Values.Stored);
  EXPECT_TRUE(Values.Stored(Chart));
  Chart.SetPreview(true);
  EXPECT_FALSE(Values.Stored(Chart));

  const TPropInfo& Selection = Prop(*Info, "SelectionColor");
  ASSERT_TRUE(Selection.Stored);
  EXPECT_FALSE(Selection.Stored(Chart));
  Chart.SetSelectionColor(clLime);
  EXPECT_TRUE(Selection.Stored(Chart));
}

} // namespace
} // namespace vx::test
