// The Qt host widget of a control: mouse events and shift states, deferred repaints, the
// focus rectangle overlay, cursors, bounds, and exceptions kept out of Qt's event loop.

#include "tests/qt/QtTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/qt/QtControlHost.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>

#include <gtest/gtest.h>

namespace vx::qt::test {
namespace {

// A panel that counts its paints and records its mouse events.
class TProbePanel : public TCustomPanel {
public:
  int Paints = 0;
  std::vector<std::string> Events;
  bool ThrowInPaint = false;
  bool ThrowInMouse = false;
  TProbePanel() {
    SetBevelOuter(bvNone);
    SetColor(clNavy);
    SetBounds(0, 0, 40, 30);
  }
  void MouseDown(TMouseButton B, TShiftState S, int X, int Y) override {
    TCustomPanel::MouseDown(B, S, X, Y);
    Events.push_back("down " + std::to_string(B) + " " + std::to_string(S.ToBits()) + " " +
                     std::to_string(X) + "," + std::to_string(Y));
    if (ThrowInMouse) throw Exception("mouse failed");
  }
  void MouseMove(TShiftState S, int X, int Y) override {
    Events.push_back("move " + std::to_string(S.ToBits()) + " " + std::to_string(X) + "," +
                     std::to_string(Y));
  }
  void MouseUp(TMouseButton B, TShiftState S, int X, int Y) override {
    Events.push_back("up " + std::to_string(B) + " " + std::to_string(S.ToBits()) + " " +
                     std::to_string(X) + "," + std::to_string(Y));
  }

protected:
  void Paint(TCanvas& C) override {
    ++Paints;
    TCustomPanel::Paint(C);
    if (ThrowInPaint) throw Exception("paint failed");
  }
};

void Send(QWidget& W, QEvent::Type Type, QPointF At, Qt::MouseButton Button,
          Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers) {
  QMouseEvent E(Type, At, W.mapToGlobal(At), Button, Buttons, Modifiers);
  QCoreApplication::sendEvent(&W, &E);
}

// Processes events until Done() or Milliseconds pass.
template <typename F> void Pump(F Done, int Milliseconds = 2000) {
  QElapsedTimer Timer;
  Timer.start();
  while (!Done() && Timer.elapsed() < Milliseconds)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Collects the errors the host reports while it lives; restores the default afterwards.
struct TErrorCollector {
  std::vector<std::string> Errors;
  TErrorCollector() {
    SetHostErrorHandler([this](std::exception_ptr E, const char* Where) {
      try {
        std::rethrow_exception(E);
      } catch (const std::exception& X) {
        Errors.push_back(std::string(Where) + ": " + X.what());
      }
    });
  }
  ~TErrorCollector() { SetHostErrorHandler(nullptr); }
};

TEST(QtControlHost, MouseEventsArriveWithTheToolkitsShiftState) {
  TProbePanel Panel;
  TQtControlHost Host(Panel);
  Send(Host, QEvent::MouseButtonPress, {5.7, 6.2}, Qt::LeftButton, Qt::LeftButton,
       Qt::ControlModifier);
  Send(Host, QEvent::MouseMove, {-3, 40}, Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
  Send(Host, QEvent::MouseButtonRelease, {7, 8}, Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
  Send(Host, QEvent::MouseButtonDblClick, {1, 2}, Qt::LeftButton, Qt::LeftButton, {});
  Send(Host, QEvent::MouseButtonPress, {3, 3}, Qt::RightButton, Qt::RightButton | Qt::MiddleButton,
       Qt::ShiftModifier | Qt::AltModifier);
  Send(Host, QEvent::MouseButtonPress, {3, 3}, Qt::BackButton, Qt::BackButton, {});
  const std::vector<std::string> Expected{
      "down 0 12 5,6", // [ssCtrl, ssLeft]
      "move 12 -3,40", "up 0 4 7,8",
      "down 0 72 1,2", // [ssLeft, ssDouble]
      "down 1 51 3,3", // [ssShift, ssAlt, ssRight, ssMiddle]
  };
  EXPECT_EQ(Panel.Events, Expected);
}

TEST(QtControlHost, InvalidateRepaintsOnceLater) {
  TProbePanel Panel;
  TQtControlHost Host(Panel);
  Host.show();
  Pump([&] { return Panel.Paints > 0; });
  ASSERT_GT(Panel.Paints, 0) << "the shown host paints";
  Pump([] { return false; }, 200); // settle
  Panel.Paints = 0;
  Panel.Invalidate();
  Panel.SetColor(clRed);
  Panel.Invalidate();
  EXPECT_EQ(Panel.Paints, 0) << "nothing paints at the moment of a change";
  Pump([&] { return Panel.Paints > 0; });
  QCoreApplication::processEvents();
  EXPECT_EQ(Panel.Paints, 1);
  EXPECT_EQ(Host.grab().toImage().pixel(10, 10), ToRgb(clRed));
}

TEST(QtControlHost, ExceptionsReachTheHandlerAndNotQt) {
  TErrorCollector Collector;
  TProbePanel Panel;
  Panel.ThrowInPaint = true;
  Panel.ThrowInMouse = true;
  TQtControlHost Host(Panel);
  const QImage Picture = Host.grab().toImage();
  Send(Host, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton, {});
  EXPECT_EQ(Collector.Errors,
            (std::vector<std::string>{"painting: paint failed", "mouse down: mouse failed"}));
  EXPECT_EQ(Picture.pixel(10, 10), ToRgb(clNavy)) << "what was painted before the error shows";
}

TEST(QtControlHost, DefaultErrorHandlerWritesEachMessageOnce) {
  SetHostErrorHandler(nullptr);
  ::testing::internal::CaptureStderr();
  for (int I = 0; I < 3; ++I) {
    try {
      throw Exception("same failure");
    } catch (...) {
      ReportHostError("painting");
    }
  }
  const std::string Out = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(Out, "vx: error while painting: same failure\n");
}

TEST(QtControlHost, FocusRectangleIsAnOverlayThatDrawingTwiceRemoves) {
  TProbePanel Panel;
  TQtControlHost Host(Panel);
  const QImage Before = Host.grab().toImage();
  Panel.Canvas().DrawFocusRect(Rect(5, 5, 30, 20));
  const QImage With = Host.grab().toImage();
  const TPixelSet Changed = PixelsNot(With, ToRgb(clNavy));
  EXPECT_EQ(Changed.size(), Outline(5, 5, 30, 20).size() / 2);
  EXPECT_TRUE(Minus(Changed, Outline(5, 5, 30, 20)).empty())
      << Picture(With, Outline(5, 5, 30, 20), ToRgb(clNavy));
  const int PaintsSoFar = Panel.Paints;
  Panel.Canvas().DrawFocusRect(Rect(5, 5, 30, 20));
  EXPECT_EQ(Host.grab().toImage(), Before);
  EXPECT_EQ(Panel.Paints, PaintsSoFar) << "the overlay needs no repaint of the control";
  EXPECT_TRUE(Host.FocusRects().empty());
}

TEST(QtControlHost, DrawingOutsidePaintShowsUntilTheNextRepaint) {
  TProbePanel Panel;
  TQtControlHost Host(Panel);
  Host.grab();
  Panel.Canvas().Brush().SetColor(clYellow);
  Panel.Canvas().FillRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(Host.grab().toImage().pixel(1, 1), ToRgb(clYellow));
  Panel.Invalidate();
  EXPECT_EQ(Host.grab().toImage().pixel(1, 1), ToRgb(clNavy));
}

TEST(QtControlHost, CursorsMapToQtCursors) {
  TProbePanel Panel;
  QWidget Window;
  TQtControlHost Host(Panel, &Window); // a child widget: no cursor of its own by default
  EXPECT_FALSE(Host.testAttribute(Qt::WA_SetCursor));
  Panel.SetCursor(crHandPoint);
  EXPECT_EQ(Host.cursor().shape(), Qt::PointingHandCursor);
  Panel.SetCursor(crCross);
  EXPECT_EQ(Host.cursor().shape(), Qt::CrossCursor);
  Panel.SetCursor(crDefault);
  EXPECT_FALSE(Host.testAttribute(Qt::WA_SetCursor));

  ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
  Screen().SetCursor(crHourGlass);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  Screen().SetCursor(crHandPoint);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
  Screen().SetCursor(crDefault);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtControlHost, BoundsFollowEachOther) {
  TProbePanel Panel;
  TQtControlHost Host(Panel);
  Host.show();
  EXPECT_EQ(Host.size(), QSize(40, 30));
  Panel.SetBounds(0, 0, 70, 50);
  EXPECT_EQ(Host.size(), QSize(70, 50));
  Host.resize(33, 44);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(Panel.ClientRect(), Rect(0, 0, 33, 44));
  EXPECT_EQ(Host.grab().toImage().size(), QSize(33, 44));
}

TEST(QtControlHost, ControlDestroyedFirstLeavesAnEmptyHost) {
  auto Panel = std::make_unique<TProbePanel>();
  TQtControlHost Host(*Panel);
  Host.grab();
  Panel.reset();
  EXPECT_EQ(Host.Control(), nullptr);
  Host.grab(); // paints the window background, no crash
  Send(Host, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton, {});

  // An owned control goes with its host.
  auto Owned = std::make_unique<TQtControlHost>(std::make_unique<TProbePanel>());
  EXPECT_NE(Owned->Control(), nullptr);
  Owned.reset();
}

TEST(QtControlHost, PanelPaintsBevelsInSystemColours) {
  TCustomPanel Panel;
  Panel.SetBounds(0, 0, 20, 10);
  TQtControlHost Host(Panel);
  const QImage I = Host.grab().toImage();
  EXPECT_EQ(I.pixel(0, 0), ToRgb(clBtnHighlight));
  EXPECT_EQ(I.pixel(0, 8), ToRgb(clBtnHighlight));
  EXPECT_EQ(I.pixel(19, 0), ToRgb(clBtnShadow));
  EXPECT_EQ(I.pixel(5, 9), ToRgb(clBtnShadow));
  EXPECT_EQ(I.pixel(5, 5), ToRgb(clBtnFace));
}

} // namespace
} // namespace vx::qt::test
