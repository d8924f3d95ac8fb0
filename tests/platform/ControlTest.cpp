// The control stand-in without a GUI: shift states, events, invalidation through a host,
// the canvas outside painting and the panel's own painting (recorded).

#include "platform/core/Control.h"
#include "platform/core/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

// A host that counts what the control asks of it.
class TCountingHost : public TControlHost {
public:
  int Invalidations = 0;
  int CursorChanges = 0;
  int BoundsChanges = 0;
  TCustomControl* Destroyed = nullptr;
  TRecordingCanvas Overlay;
  void InvalidateControl(TCustomControl&) override { ++Invalidations; }
  TCanvas& ControlCanvas(TCustomControl&) override { return Overlay; }
  void ControlCursorChanged(TCustomControl&) override { ++CursorChanges; }
  void ControlBoundsChanged(TCustomControl&) override { ++BoundsChanges; }
  void ControlDestroyed(TCustomControl& C) override { Destroyed = &C; }
};

TEST(ShiftState, BitValuesFollowTheOrdinals) {
  EXPECT_EQ(TShiftState{ssLeft}.ToBits(), 8u);
  EXPECT_EQ((TShiftState{ssAlt, ssLeft}).ToBits(), 10u);
  EXPECT_EQ((TShiftState{ssCtrl, ssLeft}).ToBits(), 12u);
  EXPECT_EQ((TShiftState{ssShift, ssRight, ssMiddle, ssDouble}).ToBits(), 1u + 16 + 32 + 64);
}

TEST(Control, MouseHandlersFireTheirEvents) {
  TCustomPanel P;
  std::string Log;
  P.SetOnMouseDown([&](TObject* S, TMouseButton B, TShiftState Sh, int X, int Y) {
    EXPECT_EQ(S, &P);
    Log += "down " + std::to_string(B) + " " + std::to_string(Sh.ToBits()) + " " +
           std::to_string(X) + "," + std::to_string(Y) + ";";
  });
  P.SetOnMouseMove([&](TObject*, TShiftState Sh, int X, int Y) {
    Log += "move " + std::to_string(Sh.ToBits()) + " " + std::to_string(X) + "," +
           std::to_string(Y) + ";";
  });
  P.SetOnMouseUp([&](TObject*, TMouseButton B, TShiftState Sh, int, int) {
    Log += "up " + std::to_string(B) + " " + std::to_string(Sh.ToBits()) + ";";
  });
  P.MouseDown(mbRight, {ssCtrl, ssRight}, 3, 4);
  P.MouseMove({ssRight}, -5, 7);
  P.MouseUp(mbRight, {}, 9, 9);
  EXPECT_EQ(Log, "down 1 20 3,4;move 16 -5,7;up 1 0;");
}

TEST(Control, ChangesInvalidateThroughTheHostOnlyWhenSomethingChanged) {
  TCountingHost Host;
  TCustomPanel P;
  P.SetHost(&Host);
  P.SetColor(clRed);
  P.SetColor(clRed);
  P.SetCaption("x");
  P.Font().SetSize(20);
  P.SetBevelInner(bvLowered);
  P.SetBevelWidth(0);   // stored as 1: no change
  P.SetBorderWidth(-3); // stored as 0: no change
  P.SetBounds(1, 2, 30, 40);
  EXPECT_EQ(Host.Invalidations, 5);
  EXPECT_EQ(Host.BoundsChanges, 1);
  EXPECT_EQ(P.BevelWidth(), 1);
  EXPECT_EQ(P.BoundsRect(), Rect(1, 2, 31, 42));
  EXPECT_EQ(P.ClientRect(), Rect(0, 0, 30, 40));
  P.SetCursor(crHandPoint);
  P.SetCursor(crHandPoint);
  EXPECT_EQ(Host.CursorChanges, 1);
  P.SetHost(nullptr);
  P.Invalidate(); // no host: nothing happens
  EXPECT_EQ(Host.Invalidations, 5);
}

TEST(Control, NegativeSizesCountAsZeroAndResizeFires) {
  TCustomPanel P;
  EXPECT_EQ(P.Width(), 185);
  EXPECT_EQ(P.Height(), 41);
  int Resizes = 0;
  P.SetOnResize([&](TObject*) { ++Resizes; });
  P.SetBounds(INT_MAX, INT_MAX, -5, INT_MAX);
  EXPECT_EQ(P.Width(), 0);
  EXPECT_EQ(P.BoundsRect(), Rect(INT_MAX, INT_MAX, INT_MAX, INT_MAX));
  P.SetLeft(0); // a move is no resize
  EXPECT_EQ(Resizes, 1);
}

TEST(Control, CanvasIsThePaintedCanvasWhilePaintingAndTheHostsOtherwise) {
  class TProbe : public TCustomControl {
  public:
    TCanvas* Seen = nullptr;

  protected:
    void Paint(TCanvas& C) override {
      Seen = &Canvas();
      TCustomControl::Paint(C);
    }
  } Probe;
  TRecordingCanvas Paint;
  Probe.PaintTo(Paint);
  EXPECT_EQ(Probe.Seen, &Paint);
  // Without a host: a canvas that accepts drawing and shows nothing.
  Probe.Canvas().DrawFocusRect(Rect(0, 0, 10, 10));
  TCountingHost Host;
  Probe.SetHost(&Host);
  EXPECT_EQ(&Probe.Canvas(), &Host.Overlay);
  Probe.Canvas().DrawFocusRect(Rect(1, 2, 3, 4));
  EXPECT_EQ(Host.Overlay.Count(copFocusRect), 1u);
  Probe.SetHost(nullptr);
}

TEST(Control, TheHostHearsOfTheControlsDestruction) {
  TCountingHost Host;
  TComponent Owner;
  auto* P = new TCustomPanel(&Owner);
  P->SetHost(&Host);
  TCustomControl* Address = P;
  Owner.DestroyComponents();
  EXPECT_EQ(Host.Destroyed, Address);
}

TEST(Screen, CursorChangesReachTheHook) {
  std::vector<TCursor> Seen;
  Screen().SetOnCursorChange([&](TCursor C) { Seen.push_back(C); });
  Screen().SetCursor(crHandPoint);
  Screen().SetCursor(crHandPoint);
  Screen().SetCursor(crDefault);
  Screen().SetOnCursorChange(nullptr);
  EXPECT_EQ(Seen, (std::vector<TCursor>{crHandPoint, crDefault}));
}

TEST(Panel, PaintsRaisedBevelBackgroundAndCentredCaption) {
  TCustomPanel P;
  P.SetBounds(0, 0, 100, 40);
  P.SetCaption("Hi");
  TRecordingCanvas C;
  C.Brush().SetColor(clAqua);
  P.PaintTo(C);
  const auto Fills = C.CommandsOf(copFillRect);
  ASSERT_EQ(Fills.size(), 5u) << C.Dump();
  // Top and left light, right and bottom dark, then the background inside the bevel.
  EXPECT_EQ(Fills[0]->Rect, Rect(0, 0, 99, 1));
  EXPECT_EQ(Fills[0]->Brush.Color, clBtnHighlight);
  EXPECT_EQ(Fills[1]->Rect, Rect(0, 1, 1, 39));
  EXPECT_EQ(Fills[1]->Brush.Color, clBtnHighlight);
  EXPECT_EQ(Fills[2]->Rect, Rect(99, 0, 100, 40));
  EXPECT_EQ(Fills[2]->Brush.Color, clBtnShadow);
  EXPECT_EQ(Fills[3]->Rect, Rect(0, 39, 99, 40));
  EXPECT_EQ(Fills[3]->Brush.Color, clBtnShadow);
  EXPECT_EQ(Fills[4]->Rect, Rect(1, 1, 99, 39));
  EXPECT_EQ(Fills[4]->Brush.Color, clBtnFace);
  const auto Texts = C.CommandsOf(copTextOut);
  ASSERT_EQ(Texts.size(), 1u);
  EXPECT_EQ(Texts[0]->Text, "Hi");
  const TSize E = FixedTextExtent(P.Font(), "Hi");
  EXPECT_EQ(Texts[0]->Points[0], Point(1 + (98 - E.cx) / 2, 1 + (38 - E.cy) / 2)) << C.Dump();
  EXPECT_EQ(C.Brush().Color(), clAqua) << "the canvas state is restored";
}

TEST(Panel, BevelsBorderAndInsetsFromOutsideIn) {
  TCustomPanel P;
  P.SetBounds(0, 0, 50, 30);
  P.SetBorderStyle(bsSingle);
  P.SetBevelOuter(bvLowered);
  P.SetBevelInner(bvRaised);
  P.SetBevelWidth(2);
  P.SetBorderWidth(3);
  TRecordingCanvas C;
  P.PaintTo(C);
  const auto Fills = C.CommandsOf(copFillRect);
  // 1 border + 2 outer + 3 border width + 2 inner frames of 4 strips, then the inside.
  ASSERT_EQ(Fills.size(), (1u + 2 + 3 + 2) * 4 + 1) << C.Dump();
  EXPECT_EQ(Fills[0]->Brush.Color, clWindowFrame);
  EXPECT_EQ(Fills[4]->Brush.Color, clBtnShadow) << "lowered: dark at the top";
  EXPECT_EQ(Fills[4 * 6]->Brush.Color, clBtnHighlight) << "raised inner bevel";
  EXPECT_EQ(Fills.back()->Rect, Rect(8, 8, 42, 22));
  // A bevel wider than the panel stops when the panel is used up.
  P.SetBevelWidth(INT_MAX);
  TRecordingCanvas D;
  P.PaintTo(D);
  EXPECT_LT(D.Count(copFillRect), 200u);
}

} // namespace
} // namespace vx
