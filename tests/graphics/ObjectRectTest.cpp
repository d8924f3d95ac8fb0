#include "graphics/ObjectRect.h"
#include "platform/core/Component.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Published.h"
#include "platform/core/Streaming.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace vx {
namespace {

// A rectangle that counts its change notifications.
struct ObjectRectTest : ::testing::Test {
  TVXObjectRect R;
  int Changes = 0;
  TObject* LastSender = nullptr;

  void SetUp() override {
    R.SetOnChange([this](TObject* Sender) {
      ++Changes;
      LastSender = Sender;
    });
  }
  void Start(TRect Value) {
    R.SetRect(Value);
    Changes = 0;
  }
};

TEST_F(ObjectRectTest, StartsEmptyAndReadsByIndex) {
  TVXObjectRect Fresh;
  EXPECT_EQ(Fresh.Rect(), TRect{});
  Start(Rect(10, 20, 40, 70));
  EXPECT_EQ(R.GetValue(0), 10);
  EXPECT_EQ(R.GetValue(1), 20);
  EXPECT_EQ(R.GetValue(2), 40);
  EXPECT_EQ(R.GetValue(3), 70);
  EXPECT_EQ(R.GetValue(4), 50); // height
  EXPECT_EQ(R.GetValue(5), 30); // width
  EXPECT_EQ(R.GetValue(99), 30);
  EXPECT_THROW(R.GetValue(-1), EListError);
  EXPECT_STREQ(R.ClassName(), "TVXObjectRect");
}

TEST_F(ObjectRectTest, IndexedWriteChangesOnlyOnADifferentValue) {
  Start(Rect(10, 10, 20, 20));
  R.SetValue(5, 30);
  EXPECT_EQ(R.Rect(), Rect(10, 10, 40, 20));
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(LastSender, &R);
  R.SetWidth(30);
  EXPECT_EQ(Changes, 1);

  R.SetValue(4, 5);
  EXPECT_EQ(R.Rect(), Rect(10, 10, 40, 15));
  R.SetLeft(0);
  R.SetTop(1);
  R.SetRight(2);
  R.SetBottom(3);
  EXPECT_EQ(R.Rect(), Rect(0, 1, 2, 3));
  EXPECT_EQ(Changes, 6);
  R.SetBottom(3);
  EXPECT_EQ(Changes, 6);
}

TEST_F(ObjectRectTest, MoveOffsetAndInflate) {
  struct Case {
    const char* Name;
    TRect Start;
    void (*Op)(TVXCustomRect&);
    TRect Expected;
    int Changes;
  };
  const Case Cases[] = {
      {"MoveTo", Rect(10, 20, 30, 50), [](TVXCustomRect& X) { X.MoveTo(0, 0); }, Rect(0, 0, 20, 30),
       1},
      {"MoveTo same place", Rect(10, 20, 30, 50), [](TVXCustomRect& X) { X.MoveTo(10, 20); },
       Rect(10, 20, 30, 50), 0},
      {"Offset", Rect(10, 20, 30, 50), [](TVXCustomRect& X) { X.Offset(-5, 7); },
       Rect(5, 27, 25, 57), 1},
      {"Offset zero", Rect(10, 20, 30, 50), [](TVXCustomRect& X) { X.Offset(0, 0); },
       Rect(10, 20, 30, 50), 0},
      {"Inflate odd", Rect(10, 10, 20, 20), [](TVXCustomRect& X) { X.Inflate(5, -5); },
       Rect(8, 12, 22, 18), 1},
      {"Inflate zero", Rect(10, 10, 20, 20), [](TVXCustomRect& X) { X.Inflate(1, 0); },
       Rect(10, 10, 20, 20), 1},
      {"SetRect same", Rect(1, 2, 3, 4), [](TVXCustomRect& X) { X.SetRect(Rect(1, 2, 3, 4)); },
       Rect(1, 2, 3, 4), 1},
  };
  for (const Case& C : Cases) {
    Start(C.Start);
    C.Op(R);
    EXPECT_EQ(R.Rect(), C.Expected) << C.Name;
    EXPECT_EQ(Changes, C.Changes) << C.Name;
  }
}

TEST_F(ObjectRectTest, ArithmeticSaturatesAtThe32BitRange) {
  constexpr int Max = std::numeric_limits<int>::max();
  constexpr int Min = std::numeric_limits<int>::min();
  Start(Rect(Min, 0, Max, 10));
  EXPECT_EQ(R.Width(), Max);
  R.Offset(10, 0);
  EXPECT_EQ(R.Rect(), Rect(Min + 10, 0, Max, 10));
  R.Inflate(-Max, 0);
  EXPECT_EQ(R.Rect(), Rect(Min + 10 + Max / 2, 0, Max - Max / 2, 10));
  R.MoveTo(Max, Min);
  EXPECT_EQ(R.Left(), Max);
  EXPECT_EQ(R.Top(), Min);
  EXPECT_EQ(R.Bottom(), Min + 10);
  R.SetHeight(Max);
  EXPECT_EQ(R.Bottom(), -1);
}

TEST_F(ObjectRectTest, AssignCopiesFromAnyCustomRectAndAlwaysNotifies) {
  TVXCustomRect Source;
  Source.SetRect(Rect(1, 2, 3, 4));
  R.Assign(&Source);
  EXPECT_EQ(R.Rect(), Rect(1, 2, 3, 4));
  R.Assign(&Source);
  EXPECT_EQ(Changes, 2);

  TPersistent Other;
  EXPECT_THROW(R.Assign(&Other), EConvertError);
  EXPECT_THROW(R.Assign(nullptr), EConvertError);
  EXPECT_EQ(Changes, 2);
}

// A component with margins, as the chart panel and the legend have them.
class TMarginsHost : public TComponent {
  VX_CLASS_NAME(TMarginsHost)
public:
  explicit TMarginsHost(TComponent* Owner = nullptr) : TComponent(Owner) {
    FMargins->SetOnChange([this](TObject*) { ++Changes; });
  }
  TVXObjectRect* Margins() const { return FMargins.get(); }
  int Changes = 0;

private:
  std::unique_ptr<TVXObjectRect> FMargins = std::make_unique<TVXObjectRect>();
};

VX_PUBLISHED(TMarginsHost, TComponent) {
  P.Object("Margins", &TMarginsHost::Margins);
}

TEST(ObjectRectStreaming, WritesOnlyNonZeroSidesAndReadsThemBack) {
  TMarginsHost Host;
  EXPECT_EQ(WriteComponent(Host).find("\"Margins\""), std::string::npos) << WriteComponent(Host);

  Host.Margins()->SetRect(Rect(5, 0, -7, 0));
  const std::string Text = WriteComponent(Host);
  EXPECT_NE(Text.find("\"Left\""), std::string::npos) << Text;
  EXPECT_NE(Text.find("\"Right\""), std::string::npos) << Text;
  EXPECT_EQ(Text.find("\"Top\""), std::string::npos) << Text;
  EXPECT_EQ(Text.find("\"Bottom\""), std::string::npos) << Text;

  const std::unique_ptr<TComponent> Copy = ReadComponent(Text);
  auto* Read = dynamic_cast<TMarginsHost*>(Copy.get());
  ASSERT_NE(Read, nullptr);
  EXPECT_EQ(Read->Margins()->Rect(), Rect(5, 0, -7, 0));
  EXPECT_EQ(Read->Changes, 2); // the owner hears of every side read
}

} // namespace
} // namespace vx
