#pragma once
// TQtControlHost: the QWidget that shows a TCustomControl. It paints the control into a
// buffer on demand (Invalidate becomes a deferred, coalesced QWidget::update), forwards
// mouse events with the toolkit's shift state, shows drawing done outside painting and
// focus rectangles as an overlay, and maps the control's cursor and the screen cursor to
// Qt cursors. No exception from the control escapes into Qt's event loop: the host hands
// it to the application's host error handler.

#include "platform/core/Control.h"
#include "platform/qt/QtCanvas.h"

#include <QImage>
#include <QWidget>

#include <exception>
#include <functional>
#include <memory>
#include <vector>

namespace vx::qt {

/// Receives an exception thrown by a hosted control; Where says what the host was doing
/// ("painting", "mouse down", "mouse move", "mouse up").
using THostErrorHandler = std::function<void(std::exception_ptr Error, const char* Where)>;
/// Sets the program-wide handler; nullptr restores the default, which writes each distinct
/// message once to stderr ("vx: error while painting: ..."), so a control that fails on
/// every repaint cannot flood the log.
void SetHostErrorHandler(THostErrorHandler Handler);
/// Calls the handler with the current exception; a handler that throws is ignored.
void ReportHostError(const char* Where) noexcept;

/// The toolkit's shift state of Qt modifiers and held buttons.
TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons);
/// The Qt cursor shape of a toolkit cursor (unknown cursors give the arrow).
Qt::CursorShape CursorShapeOf(TCursor Cursor);
/// Makes Screen().SetCursor set and restore Qt's application override cursor. Called by
/// RegisterQtBackend.
void InstallScreenCursor();

class TQtControlHost : public QWidget, private TControlHost {
public:
  /// Shows Control, which is not owned: destroying it first leaves an empty host.
  explicit TQtControlHost(TCustomControl& Control, QWidget* Parent = nullptr);
  /// Shows and owns Control (a control without component owner).
  explicit TQtControlHost(std::unique_ptr<TCustomControl> Control, QWidget* Parent = nullptr);
  ~TQtControlHost() override;

  /// The hosted control, or nullptr once it was destroyed.
  TCustomControl* Control() const { return FControl; }
  /// The focus rectangles shown, in the order they were drawn.
  const std::vector<TRect>& FocusRects() const { return FFocusRects; }

  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void moveEvent(QMoveEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;

private:
  class TOverlayCanvas;
  friend class TOverlayCanvas;

  void Init();
  void InvalidateControl(TCustomControl& Control) override;
  TCanvas& ControlCanvas(TCustomControl& Control) override;
  void ControlCursorChanged(TCustomControl& Control) override;
  void ControlBoundsChanged(TCustomControl& Control) override;
  void ControlDestroyed(TCustomControl& Control) override;
  void ToggleFocusRect(const TRect& R);
  void ResizeOverlay();
  void MouseButtonEvent(QMouseEvent* Event, bool Down, bool Double);

  TCustomControl* FControl = nullptr;
  std::unique_ptr<TCustomControl> FOwnedControl;
  QImage FContent;            // the control's last painting
  bool FContentValid = false; // false: Paint runs at the next paint event
  QImage FOverlay;            // drawing outside painting, until the next repaint
  std::unique_ptr<TOverlayCanvas> FOverlayCanvas;
  bool FOverlayUsed = false;
  std::vector<TRect> FFocusRects; // inverted frames over everything
  bool FSyncingBounds = false;
  bool FPainting = false;
  bool FInvalidatedWhilePainting = false;
  bool FRepaintingAgain = false;
};

} // namespace vx::qt
