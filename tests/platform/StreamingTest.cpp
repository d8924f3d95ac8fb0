#include "platform/core/Streaming.h"
#include "platform/core/Color.h"
#include "platform/core/Exceptions.h"
#include "tests/platform/StreamTestClasses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace vx::streamtest {
namespace {

// Form1 (a panel) owns Panel1 and Chart1; Chart1 refers to Panel1 and has two points.
struct TTree {
  std::unique_ptr<TTestPanel> Form = std::make_unique<TTestPanel>();
  TTestPanel* Panel = new TTestPanel(Form.get());
  TTestChart* Chart = new TTestChart(Form.get());
  TTree() {
    Form->SetName("Form1");
    Panel->SetName("Panel1");
    Chart->SetName("Chart1");
  }
};

class Streaming : public ::testing::Test {
protected:
  THandlerTable Handlers;
  std::vector<std::string> Fired;
  void SetUp() override {
    Handlers.Add<TNotifyEvent>("PanelChange", [this](TObject*) { Fired.push_back("change"); });
    Handlers.Add<TClickEvent>(
        "ChartClick", [this](TObject*, int X, int Y) { Fired.push_back(std::to_string(X + Y)); });
    Counters() = TCounters{};
  }
};

TEST_F(Streaming, RoundTripKeepsEveryKindAndRewritesTheSameText) {
  TTree T;
  T.Panel->Font()->SetSize(12);
  T.Panel->SetCaption("Sales \xE2\x82\xAC");
  T.Panel->SetShade(shDark);
  T.Panel->SetMarks(TMarks{mkSquare, mkCross});
  T.Panel->SetColor(0x00FF00);
  T.Panel->SetRatio(std::numeric_limits<double>::quiet_NaN());
  T.Panel->SetVisible(false);
  T.Panel->SetAlpha(0);
  T.Panel->Lines()->Add("first");
  T.Panel->Lines()->Add("");
  T.Panel->SetOnChange(Handlers.Bind<TNotifyEvent>("PanelChange"));
  T.Panel->SetTag(-7);
  T.Chart->SetPanel(T.Panel);
  T.Chart->SetValue(-std::numeric_limits<double>::infinity());
  T.Chart->Points()->AddPoint(std::numeric_limits<double>::infinity())->SetMark(mkCross);
  T.Chart->Points()->AddPoint(0.1)->SetCaption("tenth");
  T.Chart->Points()->SetLimit(5);
  T.Chart->SetOnClick(Handlers.Bind<TClickEvent>("ChartClick"));
  T.Chart->Secret = 42;

  const std::string Text = WriteComponent(*T.Form);
  std::unique_ptr<TComponent> Read = ReadComponent(Text, &Handlers);
  auto* Form = dynamic_cast<TTestPanel*>(Read.get());
  ASSERT_NE(Form, nullptr);
  auto* Panel = dynamic_cast<TTestPanel*>(Form->FindComponent("Panel1"));
  auto* Chart = dynamic_cast<TTestChart*>(Form->FindComponent("Chart1"));
  ASSERT_TRUE(Panel && Chart);
  EXPECT_EQ(Panel->Font()->Size(), 12);
  EXPECT_EQ(Panel->Caption(), "Sales \xE2\x82\xAC");
  EXPECT_EQ(Panel->Shade(), shDark);
  EXPECT_EQ(Panel->Marks(), (TMarks{mkSquare, mkCross}));
  EXPECT_EQ(Panel->Color(), 0x00FF00);
  EXPECT_TRUE(std::isnan(Panel->Ratio()));
  EXPECT_FALSE(Panel->Visible());
  EXPECT_EQ(Panel->Alpha(), 0);
  EXPECT_EQ(Panel->Lines()->Text(), "first\n\n");
  EXPECT_EQ(Panel->Tag(), -7);
  EXPECT_EQ(Chart->Panel(), Panel);
  EXPECT_EQ(Chart->Value(), -std::numeric_limits<double>::infinity());
  ASSERT_EQ(Chart->Points()->Count(), 2);
  EXPECT_EQ(Chart->Points()->Point(0)->X(), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Chart->Points()->Point(0)->Mark(), mkCross);
  EXPECT_EQ(Chart->Points()->Point(1)->X(), 0.1);
  EXPECT_EQ(Chart->Points()->Point(1)->Caption(), "tenth");
  EXPECT_EQ(Chart->Points()->Limit(), 5);
  EXPECT_EQ(Chart->Secret, 42);
  Panel->OnChange()(Panel);
  Chart->OnClick()(Chart, 2, 3);
  EXPECT_EQ(Fired, (std::vector<std::string>{"change", "5"}));

  EXPECT_EQ(WriteComponent(*Form), Text);
  EXPECT_NE(Text.find("\"Ratio\": \"NaN\""), std::string::npos) << Text;
  EXPECT_NE(Text.find("\"Marks\": [\n"), std::string::npos) << Text;
  EXPECT_NE(Text.find("\"Shade\": \"shDark\""), std::string::npos) << Text;
  EXPECT_NE(Text.find("\"Color\": \"clLime\""), std::string::npos) << Text;
  EXPECT_NE(Text.find("\"Panel\": \"Panel1\""), std::string::npos) << Text;
  EXPECT_NE(Text.find("\"OnClick\": \"ChartClick\""), std::string::npos) << Text;
}

TEST_F(Streaming, PropertiesAtTheirDefaultsAreAbsent) {
  TTestPanel Panel;
  Panel.SetName("P");
  EXPECT_EQ(WriteComponent(Panel), "{\n  \"Class\": \"TTestPanel\",\n  \"Name\": \"P\"\n}\n");
  TTestChart Chart;
  Chart.SetOnClick([](TObject*, int, int) {}); // a handler without name is not written
  Chart.Points()->AddPoint(1);
  Chart.SetPreview(true); // the storing rule leaves the points out
  const std::string Text = WriteComponent(Chart);
  EXPECT_EQ(Text.find("Points"), std::string::npos) << Text;
  EXPECT_EQ(Text.find("OnClick"), std::string::npos) << Text;
  EXPECT_NE(Text.find("\"Value\": 0.0"), std::string::npos) << "no default: always written";
}

TEST_F(Streaming, DoublesRoundTripBitForBit) {
  const double Cases[] = {0.1,
                          -0.0,
                          1e-310,
                          std::numeric_limits<double>::max(),
                          -std::numeric_limits<double>::min(),
                          1.0 / 3.0,
                          123456789.125,
                          std::numeric_limits<double>::infinity()};
  for (double X : Cases) {
    TTestChart Chart;
    Chart.SetValue(X);
    auto Read = ReadComponent(WriteComponent(Chart));
    const double Y = static_cast<TTestChart*>(Read.get())->Value();
    EXPECT_EQ(std::memcmp(&X, &Y, sizeof X), 0) << X;
  }
}

TEST_F(Streaming, ReaderMarksLoadingResolvesReferencesThenCallsLoaded) {
  TTree T;
  T.Chart->SetPanel(T.Panel);
  const std::string Text = WriteComponent(*T.Form);
  Counters().Loaded.clear();
  auto Read = ReadComponent(Text);
  auto* Panel = static_cast<TTestPanel*>(Read->FindComponent("Panel1"));
  auto* Chart = static_cast<TTestChart*>(Read->FindComponent("Chart1"));
  EXPECT_TRUE(Panel->LoadingInConstructor);
  EXPECT_FALSE(Panel->ComponentState().Contains(csLoading));
  EXPECT_EQ(Chart->PanelAtLoaded, Panel) << "references are resolved before Loaded";
  EXPECT_EQ(Counters().Loaded, (std::vector<std::string>{"Form1", "Panel1", "Chart1"}));
  delete Panel;
  EXPECT_EQ(Chart->Panel(), nullptr);
}

TEST_F(Streaming, ColoursAreWrittenByNameThenAsHexThenAsNumbers) {
  TTestPanel Panel;
  const std::pair<std::int32_t, std::string> Cases[] = {
      {clRed, "\"clRed\""},
      {clBtnFace, "\"clBtnFace\""},
      {0x123456, "\"#563412\""},
      {static_cast<std::int32_t>(0xFE00000F), "-33554417"}};
  for (const auto& [Color, Written] : Cases) {
    Panel.SetColor(Color);
    const std::string Text = WriteComponent(Panel);
    EXPECT_NE(Text.find("\"Color\": " + Written), std::string::npos) << Text;
    auto Read = ReadComponent(Text);
    EXPECT_EQ(static_cast<TTestPanel*>(Read.get())->Color(), Color);
  }
  EXPECT_THROW(ReadComponent(R"({"Class":"TTestPanel","Color":"clNoSuchColour"})"), EReadError);
}

TEST_F(Streaming, ReadingWithAnOwnerResolvesReferencesInTheOwnersTree) {
  TTree T;
  const std::string Text = R"({"Class":"TTestChart","Name":"Chart2","Panel":"Form1.Panel1"})";
  TComponent* Chart = ReadComponent(Text, *T.Form);
  EXPECT_EQ(Chart->Owner(), T.Form.get());
  EXPECT_EQ(static_cast<TTestChart*>(Chart)->Panel(), T.Panel);
  // A name already used among the owner's components is refused.
  EXPECT_THROW(ReadComponent(Text, *T.Form), EReadError);
  EXPECT_EQ(T.Form->ComponentCount(), 3);
}

TEST_F(Streaming, ReadIntoAnExistingRootIsAllOrNothingForRefusedDescriptions) {
  TTestPanel Root;
  Root.SetCaption("before");
  const std::string Bad = R"({"Class":"TTestPanel","Caption":"after","Font":{"Size":9},
    "Components":[{"Class":"TTestChart","Name":"C1","Panel":"Missing"}]})";
  EXPECT_THROW(ReadComponentInto(Root, Bad), EReadError);
  EXPECT_EQ(Root.Caption(), "before");
  EXPECT_EQ(Root.Font()->Size(), 8);
  EXPECT_EQ(Root.ComponentCount(), 0);
  EXPECT_FALSE(Root.ComponentState().Contains(csLoading));

  const std::string Good = R"({"Class":"TTestPanel","Caption":"after","Font":{"Size":9},
    "Components":[{"Class":"TTestChart","Name":"C1","Panel":"P1"},{"Class":"TTestPanel","Name":"P1"}]})";
  ReadComponentInto(Root, Good);
  EXPECT_EQ(Root.Caption(), "after");
  EXPECT_EQ(Root.Font()->Size(), 9);
  ASSERT_EQ(Root.ComponentCount(), 2);
  EXPECT_EQ(static_cast<TTestChart*>(Root.Components(0))->Panel(), Root.Components(1));
  EXPECT_THROW(ReadComponentInto(Root, R"({"Class":"TTestChart"})"), EReadError);
}

struct TBadCase {
  const char* Text;
  const char* Message; // the start of the message: the path, then the reason
  bool RefusedBeforeCreating = true;
};

const TBadCase BadCases[] = {
    {"{\"Class\": \"TTestPanel\",", "description: not valid JSON"},
    {"[1, 2]", "description: expected an object, found array"},
    {R"({"Name":"Form1"})", "Form1: \"Class\" (a class name) is missing"},
    {R"({"Class":"TNope"})", "TNope: unknown class TNope"},
    {R"({"Class":"TTestFont"})", "TTestFont: TTestFont is not a component class"},
    {R"({"Class":"TTestPanel","Name":"Form1","Bogus":1})",
     "Form1.Bogus: unknown property of TTestPanel"},
    {R"({"Class":"TTestPanel","Name":"Form1","Width":"wide"})",
     "Form1.Width: expected an integer, found string"},
    {R"({"Class":"TTestPanel","Name":"Form1","Width":1.5})",
     "Form1.Width: expected an integer, found the number 1.5"},
    {R"({"Class":"TTestPanel","Name":"Form1","Width":4294967296})",
     "Form1.Width: value 4294967296 is out of range"},
    {R"({"Class":"TTestPanel","Name":"Form1","Alpha":256})",
     "Form1.Alpha: value 256 is out of range (0..255)"},
    {R"({"Class":"TTestPanel","Name":"Form1","Alpha":-1})",
     "Form1.Alpha: value -1 is out of range"},
    {R"({"Class":"TTestPanel","Name":"Form1","Visible":1})",
     "Form1.Visible: expected true or false"},
    {R"({"Class":"TTestPanel","Name":"Form1","Shade":"shPurple"})",
     "Form1.Shade: 'shPurple' is not a value of TShade"},
    {R"({"Class":"TTestPanel","Name":"Form1","Marks":["mkCircle","mkStar"]})",
     "Form1.Marks: 'mkStar' is not a value of TMark"},
    {R"({"Class":"TTestPanel","Name":"Form1","Marks":"mkCircle"})",
     "Form1.Marks: expected an array of value names"},
    {R"({"Class":"TTestPanel","Name":"Form1","Color":"#12345"})",
     "Form1.Color: '#12345' is not a colour name or #RRGGBB"},
    {R"({"Class":"TTestPanel","Name":"Form1","Color":4294967295})",
     "Form1.Color: value 4294967295 is out of range"},
    {R"({"Class":"TTestPanel","Name":"Form1","Ratio":"nan"})",
     "Form1.Ratio: expected a number, found the string \"nan\""},
    {R"({"Class":"TTestPanel","Name":"Form1","Ratio":null})",
     "Form1.Ratio: expected a number, found null"},
    {R"({"Class":"TTestPanel","Name":"Form1","Lines":["a",2]})",
     "Form1.Lines: expected a line (string), found number"},
    {R"({"Class":"TTestPanel","Name":"Form1","Font":7})",
     "Form1.Font: expected an object, found number"},
    {R"({"Class":"TTestPanel","Name":"Form1","OnChange":"Nobody"})",
     "Form1.OnChange: no handler named Nobody"},
    {R"({"Class":"TTestPanel","Name":"Form1","OnChange":"ChartClick"})",
     "Form1.OnChange: handler ChartClick does not fit this event"},
    {R"({"Class":"TTestPanel","Name":"1Form"})",
     "1Form.Name: '1Form' is not a valid component name"},
    {R"({"Class":"TTestPanel","Name":"Form1","Name":"Form2"})",
     "description: duplicate key \"Name\""},
    {R"({"Class":"TTestPanel","Name":"Form1","Components":{}})",
     "Form1.Components: expected an array of components"},
    {R"({"Class":"TTestPanel","Name":"Form1","Components":[{"Class":"TTestPanel","Name":"Panel1","Font":{"Size":"big"}}]})",
     "Form1.Panel1.Font.Size: expected an integer, found string"},
    {R"({"Class":"TTestPanel","Name":"Form1","Components":[{"Class":"TTestPanel","Name":"A"},{"Class":"TTestPanel","Name":"a"}]})",
     "Form1.a: a component named a already exists"},
    {R"({"Class":"TTestPanel","Name":"Form1","Components":[{"Class":"TTestChart","Name":"Chart1","Panel":"Nowhere"}]})",
     "Form1.Chart1.Panel: no component named Nowhere"},
    {R"({"Class":"TTestPanel","Name":"Form1","Components":[{"Class":"TTestChart","Name":"Chart1","Panel":"Chart1"}]})",
     "Form1.Chart1.Panel: Chart1 is not a TTestPanel"},
    {R"({"Class":"TTestPanel","Name":"Form1","Components":[{"Class":"TTestChart","Name":"Chart1","Points":[{"X":"a"}]}]})",
     "Form1.Chart1.Points[0].X: expected a number, found the string \"a\"", false},
    {R"({"Class":"TTestPanel","Name":"Form1","Components":[{"Class":"TTestChart","Name":"Chart1","Points":{"Limit":1,"Items":[{"Caption":"x","Bogus":0}]}}]})",
     "Form1.Chart1.Points[0].Bogus: unknown property of TTestPoint", false},
    {R"({"Class":"TTestChart","Name":"C","Points":[3]})",
     "C.Points[0]: expected an item object, found number"},
};

TEST_F(Streaming, BadDescriptionsAreRefusedWithThePlaceAndNothingIsLeft) {
  for (const TBadCase& Case : BadCases) {
    Counters() = TCounters{};
    try {
      ReadComponent(Case.Text, &Handlers);
      ADD_FAILURE() << "accepted: " << Case.Text;
    } catch (const EReadError& E) {
      EXPECT_EQ(std::string(E.what()).rfind(Case.Message, 0), 0u)
          << "message: " << E.what() << "\nexpected start: " << Case.Message;
    }
    EXPECT_EQ(Counters().Live, 0) << Case.Text;
    if (Case.RefusedBeforeCreating) {
      EXPECT_EQ(Counters().Created, 0) << "created before refusing: " << Case.Text;
    }
  }
}

TEST_F(Streaming, DeepNestingIsRefused) {
  std::string Deep = R"({"Class":"TTestPanel","Font":)";
  for (int I = 0; I < 10000; ++I)
    Deep += "[";
  try {
    ReadComponent(Deep);
    FAIL();
  } catch (const EReadError& E) {
    EXPECT_NE(std::string(E.what()).find("nests deeper than 64 levels"), std::string::npos)
        << E.what();
  }
}

TEST_F(Streaming, FileHelpersRoundTripAndReportMissingFiles) {
  TTree T;
  T.Panel->SetCaption("saved");
  const std::string Path = ::testing::TempDir() + "vx_stream_test.json";
  WriteComponentFile(*T.Form, Path);
  auto Read = ReadComponentFile(Path);
  EXPECT_EQ(static_cast<TTestPanel*>(Read->FindComponent("Panel1"))->Caption(), "saved");
  std::remove(Path.c_str());
  EXPECT_THROW(ReadComponentFile(Path), EReadError);
  EXPECT_THROW(WriteComponentFile(*T.Form, "/nonexistent-dir/x.json"), EWriteError);
}

TEST_F(Streaming, WriterRefusesWhatCannotBeReadBack) {
  TTree T;
  T.Panel->SetName("");
  T.Chart->SetPanel(T.Panel);
  EXPECT_THROW(WriteComponent(*T.Form), EWriteError);
  TComponent Unregistered; // TComponent is registered, a class without VX_PUBLISHED is not
  class TLocal : public TComponent{VX_CLASS_NAME(TLocal)} Local;
  EXPECT_THROW(WriteComponent(Local), EWriteError);
  EXPECT_NO_THROW(WriteComponent(Unregistered));
}

} // namespace
} // namespace vx::streamtest
