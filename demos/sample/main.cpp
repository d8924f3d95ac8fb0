// The sample-picture program: draws a page of every canvas operation into a PNG file and
// prints its path; with a display (and without --screenshot) it also shows the page in a
// window, in a panel hosted by the Qt control host (drag with the mouse to see the focus
// rectangle overlay).
//
//   sample [--screenshot FILE] [--quit-after MILLISECONDS [--grab FILE]]
//
// --quit-after closes the window after that time (for automated runs); --grab then saves
// what the window shows, as painted through the control host.

#include "SamplePage.h"

#include "platform/core/Control.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtControlHost.h"
#include "platform/qt/QtExport.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace vx;

// The page in a panel; a left drag shows a focus rectangle, as the chart panel's zoom does.
class TSamplePanel : public TCustomPanel {
public:
  TSamplePanel() {
    SetBevelOuter(bvNone);
    SetBounds(0, 0, sample::PageWidth, sample::PageHeight);
    SetCursor(crCross);
  }

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    TCustomPanel::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FDragging = true;
    FDrag = {X, Y, X, Y};
    Canvas().DrawFocusRect(Normalized());
  }
  void MouseMove(TShiftState Shift, int X, int Y) override {
    TCustomPanel::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    Canvas().DrawFocusRect(Normalized());
    FDrag.Right = X;
    FDrag.Bottom = Y;
    Canvas().DrawFocusRect(Normalized());
  }
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    TCustomPanel::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != mbLeft) return;
    Canvas().DrawFocusRect(Normalized());
    FDragging = false;
  }

protected:
  void Paint(TCanvas& Canvas) override {
    TCustomPanel::Paint(Canvas);
    sample::DrawSamplePage(Canvas);
  }

private:
  TRect Normalized() const {
    return {std::min(FDrag.Left, FDrag.Right), std::min(FDrag.Top, FDrag.Bottom),
            std::max(FDrag.Left, FDrag.Right), std::max(FDrag.Top, FDrag.Bottom)};
  }
  bool FDragging = false;
  TRect FDrag;
};

bool HasDisplay() {
  for (const char* Name : {"DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* V = std::getenv(Name); V && *V) return true;
  return false;
}

int Usage() {
  std::fprintf(stderr,
               "usage: sample [--screenshot FILE] [--quit-after MILLISECONDS [--grab FILE]]\n");
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  std::string Screenshot, Grab;
  int QuitAfter = -1;
  for (int I = 1; I < argc; ++I) {
    const std::string Arg = argv[I];
    if (Arg == "--screenshot" && I + 1 < argc)
      Screenshot = argv[++I];
    else if (Arg == "--quit-after" && I + 1 < argc)
      QuitAfter = std::atoi(argv[++I]);
    else if (Arg == "--grab" && I + 1 < argc)
      Grab = argv[++I];
    else
      return Usage();
  }
  // Without a display, or when only a picture is wanted, Qt renders offscreen.
  const bool Window = Screenshot.empty() && HasDisplay();
  if (!Window && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  qt::RegisterQtBackend();

  const std::string Path = Screenshot.empty() ? "sample.png" : Screenshot;
  try {
    qt::ExportPng(Path, sample::PageWidth, sample::PageHeight,
                  [](TCanvas& Canvas) { sample::DrawSamplePage(Canvas); });
  } catch (const std::exception& E) {
    std::fprintf(stderr, "sample: %s\n", E.what());
    return 1;
  }
  std::error_code Error;
  const std::filesystem::path Absolute = std::filesystem::absolute(Path, Error);
  std::printf("%s\n", (Error ? Path : Absolute.string()).c_str());
  std::fflush(stdout);
  if (!Window) return 0;

  qt::TQtControlHost Host(std::make_unique<TSamplePanel>());
  Host.setWindowTitle("VXChart sample");
  Host.show();
  int Result = 0;
  if (QuitAfter >= 0)
    QTimer::singleShot(QuitAfter, &App, [&] {
      if (!Grab.empty() && !Host.grab().save(QString::fromStdString(Grab))) {
        std::fprintf(stderr, "sample: cannot write %s\n", Grab.c_str());
        Result = 1;
      }
      App.quit();
    });
  const int Code = App.exec();
  return Code ? Code : Result;
}
