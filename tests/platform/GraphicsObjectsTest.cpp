#include "platform/core/GraphicsObjects.h"
#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace vx {
namespace {

struct TObjects {
  TPen Pen;
  TBrush Brush;
  TFont Font;
  int Changes = 0;
  TObjects() {
    Pen.SetOnChange([this](TObject* Sender) {
      EXPECT_EQ(Sender, &Pen);
      ++Changes;
    });
    Brush.SetOnChange([this](TObject* Sender) {
      EXPECT_EQ(Sender, &Brush);
      ++Changes;
    });
    Font.SetOnChange([this](TObject* Sender) {
      EXPECT_EQ(Sender, &Font);
      ++Changes;
    });
  }
};

TEST(GraphicsObjects, OnChangeFiresOncePerRealChange) {
  const struct {
    const char* Name;
    std::function<void(TObjects&)> Act;
    int Changes;
  } Cases[] = {
      {"pen colour", [](TObjects& O) { O.Pen.SetColor(clRed); }, 1},
      {"pen colour equal", [](TObjects& O) { O.Pen.SetColor(clBlack); }, 0},
      {"pen width", [](TObjects& O) { O.Pen.SetWidth(3); }, 1},
      {"pen width 0 is 1", [](TObjects& O) { O.Pen.SetWidth(0); }, 0},
      {"pen style twice", [](TObjects& O) { O.Pen.SetStyle(psDot), O.Pen.SetStyle(psDot); }, 1},
      {"brush colour", [](TObjects& O) { O.Brush.SetColor(clBtnFace); }, 1},
      {"brush style equal", [](TObjects& O) { O.Brush.SetStyle(bsSolid); }, 0},
      {"font name", [](TObjects& O) { O.Font.SetName("Arial"); }, 1},
      {"font size equal", [](TObjects& O) { O.Font.SetSize(8); }, 0},
      {"font size", [](TObjects& O) { O.Font.SetSize(12); }, 1},
      {"font height equal", [](TObjects& O) { O.Font.SetHeight(-11); }, 0},
      {"font style",
       [](TObjects& O) {
         O.Font.SetStyle({fsBold, fsUnderline});
       },
       1},
      {"font colour, charset, pitch, orientation",
       [](TObjects& O) {
         O.Font.SetColor(clRed);
         O.Font.SetCharset(0);
         O.Font.SetPitch(fpFixed);
         O.Font.SetOrientation(900);
       },
       4},
      {"pen assign of three changes",
       [](TObjects& O) {
         TPen P;
         P.SetColor(clRed);
         P.SetWidth(4);
         P.SetStyle(psClear);
         O.Pen.Assign(&P);
         EXPECT_EQ(O.Pen.Color(), clRed);
         EXPECT_EQ(O.Pen.Width(), 4);
         EXPECT_EQ(O.Pen.Style(), psClear);
       },
       1},
      {"pen assign of an equal pen",
       [](TObjects& O) {
         TPen P;
         O.Pen.Assign(&P);
       },
       0},
      {"brush assign",
       [](TObjects& O) {
         TBrush B;
         B.SetColor(clRed);
         B.SetStyle(bsClear);
         O.Brush.Assign(&B);
         EXPECT_EQ(O.Brush.Style(), bsClear);
       },
       1},
      {"font assign of every attribute",
       [](TObjects& O) {
         TFont F;
         F.SetName("Arial");
         F.SetSize(14);
         F.SetStyle({fsItalic});
         F.SetColor(clBlue);
         F.SetCharset(0);
         F.SetPitch(fpVariable);
         F.SetOrientation(450);
         O.Font.Assign(&F);
         EXPECT_EQ(O.Font.Name(), "Arial");
         EXPECT_EQ(O.Font.Size(), 14);
         EXPECT_EQ(O.Font.Style(), TFontStyles{fsItalic});
         EXPECT_EQ(O.Font.Color(), clBlue);
         EXPECT_EQ(O.Font.Charset(), 0);
         EXPECT_EQ(O.Font.Pitch(), fpVariable);
         EXPECT_EQ(O.Font.Orientation(), 450);
       },
       1},
      {"font assign to itself", [](TObjects& O) { O.Font.Assign(&O.Font); }, 0},
  };
  for (const auto& C : Cases) {
    TObjects O;
    C.Act(O);
    EXPECT_EQ(O.Changes, C.Changes) << C.Name;
  }
}

TEST(GraphicsObjects, AssignBetweenKindsIsRefused) {
  TPen Pen;
  TBrush Brush;
  TFont Font;
  try {
    Pen.Assign(&Brush);
    FAIL() << "no exception";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "Cannot assign a TBrush to a TPen");
  }
  EXPECT_THROW(Font.Assign(&Pen), EConvertError);
  EXPECT_THROW(Brush.Assign(nullptr), EConvertError);
}

TEST(Font, SizeAndHeightFollowTheNinetySixDpiRelation) {
  // Height = -MulDiv(Size, 96, 72), rounding half away from zero.
  const struct {
    int Size;
    int Height;
  } SizeToHeight[] = {{8, -11}, {9, -12}, {10, -13}, {11, -15}, {12, -16}, {7, -9},
                      {1, -1},  {0, 0},   {72, -96}, {-8, 11},  {-12, 16}};
  for (const auto& C : SizeToHeight) {
    TFont F;
    F.SetSize(C.Size);
    EXPECT_EQ(F.Height(), C.Height) << "size " << C.Size;
    EXPECT_EQ(F.Size(), C.Size) << "size " << C.Size;
  }
  // Size = -MulDiv(Height, 72, 96); a positive (cell) height reads as a negative size.
  const struct {
    int Height;
    int Size;
  } HeightToSize[] = {{-11, 8}, {-13, 10}, {-14, 11}, {-15, 11}, {-2, 2},
                      {-1, 1},  {0, 0},    {11, -8},  {14, -11}, {16, -12}};
  for (const auto& C : HeightToSize) {
    TFont F;
    F.SetHeight(C.Height);
    EXPECT_EQ(F.Size(), C.Size) << "height " << C.Height;
  }
}

TEST(Font, ExtremeSizesStayInRange) {
  TFont F;
  F.SetSize(INT_MAX);
  EXPECT_EQ(F.Height(), -INT_MAX);
  EXPECT_GT(F.Size(), 0);
  F.SetSize(INT_MIN);
  EXPECT_EQ(F.Height(), INT_MAX);
  F.SetHeight(INT_MIN);
  EXPECT_EQ(F.Height(), -INT_MAX);
  EXPECT_EQ(F.Size(), 1610612735); // MulDiv(INT_MAX, 72, 96)
}

TEST(GraphicsObjects, DefaultsMatchTheToolkit) {
  TPen P;
  TBrush B;
  TFont F;
  EXPECT_EQ(P.Color(), clBlack);
  EXPECT_EQ(P.Width(), 1);
  EXPECT_EQ(P.Style(), psSolid);
  EXPECT_EQ(B.Color(), clWhite);
  EXPECT_EQ(B.Style(), bsSolid);
  EXPECT_EQ(F.Name(), "MS Sans Serif");
  EXPECT_EQ(F.Size(), 8);
  EXPECT_EQ(F.Height(), -11);
  EXPECT_EQ(F.Color(), clWindowText);
  EXPECT_TRUE(F.Style().Empty());
}

} // namespace
} // namespace vx
