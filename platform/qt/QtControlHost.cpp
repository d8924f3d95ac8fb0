#include "platform/qt/QtControlHost.h"

#include "platform/qt/QtBackend.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>

namespace vx::qt {

// ---- errors ----

namespace {

THostErrorHandler& HostErrorHandler() {
  static THostErrorHandler Handler;
  return Handler;
}

// Writes each distinct message once; the set of messages seen is bounded.
void DefaultHostErrorHandler(std::exception_ptr Error, const char* Where) {
  std::string Message;
  try {
    std::rethrow_exception(Error);
  } catch (const std::exception& E) {
    Message = E.what();
  } catch (...) {
    Message = "an exception that is not a std::exception";
  }
  const std::string Line = std::string("vx: error while ") + Where + ": " + Message;
  static std::set<std::string> Seen;
  if (Seen.count(Line)) return;
  if (Seen.size() < 256) Seen.insert(Line);
  std::fprintf(stderr, "%s\n", Line.c_str());
}

template <typename F> void Guarded(const char* Where, F&& Fn) noexcept {
  try {
    Fn();
  } catch (...) {
    ReportHostError(Where);
  }
}

int PixelOf(double V) {
  return detail::ClampToInt(std::floor(V));
}

} // namespace

void SetHostErrorHandler(THostErrorHandler Handler) {
  HostErrorHandler() = std::move(Handler);
}

void ReportHostError(const char* Where) noexcept {
  const std::exception_ptr Error = std::current_exception();
  try {
    if (const THostErrorHandler& Handler = HostErrorHandler())
      Handler(Error, Where);
    else
      DefaultHostErrorHandler(Error, Where);
  } catch (...) {
    std::fprintf(stderr, "vx: the host error handler failed while %s\n", Where);
  }
}

// ---- shift state and cursors ----

TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons) {
  TShiftState S;
  if (Modifiers & Qt::ShiftModifier) S.Include(ssShift);
  if (Modifiers & Qt::AltModifier) S.Include(ssAlt);
  if (Modifiers & Qt::ControlModifier) S.Include(ssCtrl);
  if (Buttons & Qt::LeftButton) S.Include(ssLeft);
  if (Buttons & Qt::RightButton) S.Include(ssRight);
  if (Buttons & Qt::MiddleButton) S.Include(ssMiddle);
  return S;
}

Qt::CursorShape CursorShapeOf(TCursor Cursor) {
  switch (Cursor) {
  case crNone:
    return Qt::BlankCursor;
  case crCross:
    return Qt::CrossCursor;
  case crIBeam:
    return Qt::IBeamCursor;
  case crSizeNESW:
    return Qt::SizeBDiagCursor;
  case crSizeNS:
    return Qt::SizeVerCursor;
  case crSizeNWSE:
    return Qt::SizeFDiagCursor;
  case crSizeWE:
    return Qt::SizeHorCursor;
  case crUpArrow:
    return Qt::UpArrowCursor;
  case crHourGlass:
  case crSQLWait:
    return Qt::WaitCursor;
  case crDrag:
  case crMultiDrag:
    return Qt::DragCopyCursor;
  case crNoDrop:
  case crNo:
    return Qt::ForbiddenCursor;
  case crHSplit:
    return Qt::SplitHCursor;
  case crVSplit:
    return Qt::SplitVCursor;
  case crAppStart:
    return Qt::BusyCursor;
  case crHelp:
    return Qt::WhatsThisCursor;
  case crHandPoint:
    return Qt::PointingHandCursor;
  case crSizeAll:
    return Qt::SizeAllCursor;
  default:
    return Qt::ArrowCursor;
  }
}

void InstallScreenCursor() {
  Screen().SetOnCursorChange([](TCursor Cursor) {
    // The screen cursor is Qt's application override cursor while it is not crDefault.
    static bool Overriding = false;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    if (Cursor == crDefault) {
      if (Overriding) QGuiApplication::restoreOverrideCursor();
      Overriding = false;
      return;
    }
    const QCursor Shape(CursorShapeOf(Cursor));
    if (Overriding) {
      QGuiApplication::changeOverrideCursor(Shape);
    } else {
      QGuiApplication::setOverrideCursor(Shape);
      Overriding = true;
    }
  });
}

// ---- the overlay canvas ----

// Drawing on the control outside painting lands on the host's overlay image; focus
// rectangles are kept as a list and inverted over the picture at every repaint, so that
// drawing one twice removes it, whatever was repainted in between.
class TQtControlHost::TOverlayCanvas : public TQtCanvas {
  VX_CLASS_NAME(TOverlayCanvas)
public:
  TOverlayCanvas(TQtControlHost& Host, QImage* Image) : TQtCanvas(Image), FHost(Host) {}

protected:
  void DoDrawFocusRect(const TRect& R) override { FHost.ToggleFocusRect(R); }

private:
  TQtControlHost& FHost;
};

// ---- TQtControlHost ----

TQtControlHost::TQtControlHost(TCustomControl& Control, QWidget* Parent)
    : QWidget(Parent), FControl(&Control) {
  Init();
}

TQtControlHost::TQtControlHost(std::unique_ptr<TCustomControl> Control, QWidget* Parent)
    : QWidget(Parent), FControl(Control.get()), FOwnedControl(std::move(Control)) {
  Init();
}

TQtControlHost::~TQtControlHost() {
  if (FControl) FControl->SetHost(nullptr);
  FControl = nullptr;
  FOwnedControl.reset();
  FOverlayCanvas.reset(); // ends painting on the overlay before the image goes
}

void TQtControlHost::Init() {
  RegisterQtBackend();
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (!FControl) return;
  FControl->SetHost(this);
  FSyncingBounds = true;
  if (FControl->Width() > 0 && FControl->Height() > 0)
    resize(FControl->Width(), FControl->Height());
  FSyncingBounds = false;
  ControlCursorChanged(*FControl);
}

QSize TQtControlHost::sizeHint() const {
  if (FControl && FControl->Width() > 0 && FControl->Height() > 0)
    return {FControl->Width(), FControl->Height()};
  return QWidget::sizeHint();
}

void TQtControlHost::paintEvent(QPaintEvent*) {
  QPainter Screen(this);
  if (!FControl || width() <= 0 || height() <= 0) {
    Screen.fillRect(rect(), palette().window());
    return;
  }
  if (FContent.size() != size()) {
    FContent = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    FContentValid = false;
  }
  if (!FContentValid) {
    // Valid from the start: a Paint that fails runs again only after the next Invalidate.
    FContentValid = true;
    FContent.fill(palette().window().color());
    FPainting = true;
    FInvalidatedWhilePainting = false;
    Guarded("painting", [&] {
      TQtCanvas Canvas(&FContent);
      FControl->PaintTo(Canvas);
    });
    FPainting = false;
    // A repaint asked for while painting gives one more repaint, never a loop.
    if (FInvalidatedWhilePainting && !FRepaintingAgain) {
      FRepaintingAgain = true;
      FContentValid = false;
      update();
    } else {
      FRepaintingAgain = false;
    }
  }
  if (!FOverlayUsed && FFocusRects.empty()) {
    Screen.drawImage(0, 0, FContent);
    return;
  }
  QImage Frame = FContent.copy();
  {
    TQtCanvas Canvas(&Frame);
    if (FOverlayUsed) Canvas.Painter().drawImage(0, 0, FOverlay);
    for (const TRect& R : FFocusRects)
      Canvas.DrawFocusRect(R);
  }
  Screen.drawImage(0, 0, Frame);
}

void TQtControlHost::resizeEvent(QResizeEvent*) {
  // The content follows the size at the next paint event (Qt also sends resize events
  // without a change of size, for hidden widgets on every grab).
  ResizeOverlay();
  if (!FControl || FSyncingBounds) return;
  FSyncingBounds = true;
  Guarded("resizing",
          [&] { FControl->SetBounds(FControl->Left(), FControl->Top(), width(), height()); });
  FSyncingBounds = false;
}

void TQtControlHost::moveEvent(QMoveEvent*) {
  // A window's position is on the screen, not in a parent: the control keeps its own.
  if (!FControl || FSyncingBounds || isWindow()) return;
  FSyncingBounds = true;
  Guarded("moving", [&] { FControl->SetBounds(x(), y(), FControl->Width(), FControl->Height()); });
  FSyncingBounds = false;
}

void TQtControlHost::MouseButtonEvent(QMouseEvent* Event, bool Down, bool Double) {
  TMouseButton Button;
  switch (Event->button()) {
  case Qt::LeftButton:
    Button = mbLeft;
    break;
  case Qt::RightButton:
    Button = mbRight;
    break;
  case Qt::MiddleButton:
    Button = mbMiddle;
    break;
  default:
    Event->ignore();
    return;
  }
  TShiftState Shift = ShiftStateOf(Event->modifiers(), Event->buttons());
  if (Double) Shift.Include(ssDouble);
  const int X = PixelOf(Event->position().x()), Y = PixelOf(Event->position().y());
  Guarded(Down ? "mouse down" : "mouse up", [&] {
    if (!FControl) return;
    if (Down)
      FControl->MouseDown(Button, Shift, X, Y);
    else
      FControl->MouseUp(Button, Shift, X, Y);
  });
  Event->accept();
}

void TQtControlHost::mousePressEvent(QMouseEvent* Event) {
  MouseButtonEvent(Event, true, false);
}

void TQtControlHost::mouseDoubleClickEvent(QMouseEvent* Event) {
  MouseButtonEvent(Event, true, true);
}

void TQtControlHost::mouseReleaseEvent(QMouseEvent* Event) {
  MouseButtonEvent(Event, false, false);
}

void TQtControlHost::mouseMoveEvent(QMouseEvent* Event) {
  const TShiftState Shift = ShiftStateOf(Event->modifiers(), Event->buttons());
  const int X = PixelOf(Event->position().x()), Y = PixelOf(Event->position().y());
  Guarded("mouse move", [&] {
    if (FControl) FControl->MouseMove(Shift, X, Y);
  });
  Event->accept();
}

// ---- what the control asks of the host ----

void TQtControlHost::InvalidateControl(TCustomControl&) {
  if (FPainting) {
    FInvalidatedWhilePainting = true;
    return;
  }
  FContentValid = false;
  // A repaint wipes what was drawn outside painting, as on the toolkit's screen.
  if (FOverlayUsed && FOverlayCanvas && FOverlayCanvas->IsActive()) {
    QPainter& P = FOverlayCanvas->Painter();
    P.save();
    P.setClipping(false);
    P.setCompositionMode(QPainter::CompositionMode_Clear);
    P.fillRect(QRect(QPoint(0, 0), FOverlay.size()), Qt::transparent);
    P.restore();
  }
  FOverlayUsed = false;
  update();
}

TCanvas& TQtControlHost::ControlCanvas(TCustomControl&) {
  if (!FOverlayCanvas) {
    ResizeOverlay();
    FOverlayCanvas = std::make_unique<TOverlayCanvas>(*this, &FOverlay);
  }
  // The drawing that follows shows at the next paint event.
  FOverlayUsed = true;
  update();
  return *FOverlayCanvas;
}

void TQtControlHost::ResizeOverlay() {
  const QSize Size = size().expandedTo(QSize(1, 1));
  if (FOverlay.size() == Size) return;
  if (FOverlayCanvas) FOverlayCanvas->SetDevice(nullptr);
  FOverlay = QImage(Size, QImage::Format_ARGB32_Premultiplied);
  FOverlay.fill(Qt::transparent);
  if (FOverlayCanvas) FOverlayCanvas->SetDevice(&FOverlay);
}

void TQtControlHost::ToggleFocusRect(const TRect& R) {
  const auto It = std::find(FFocusRects.begin(), FFocusRects.end(), R);
  if (It != FFocusRects.end())
    FFocusRects.erase(It);
  else
    FFocusRects.push_back(R);
  update();
}

void TQtControlHost::ControlCursorChanged(TCustomControl& Control) {
  if (Control.Cursor() == crDefault)
    unsetCursor();
  else
    setCursor(CursorShapeOf(Control.Cursor()));
}

void TQtControlHost::ControlBoundsChanged(TCustomControl& Control) {
  if (FSyncingBounds) return;
  FSyncingBounds = true;
  resize(Control.Width(), Control.Height());
  if (!isWindow()) move(Control.Left(), Control.Top());
  FSyncingBounds = false;
}

void TQtControlHost::ControlDestroyed(TCustomControl& Control) {
  if (&Control != FControl) return;
  FControl = nullptr;
  FContentValid = false;
  update();
}

} // namespace vx::qt
