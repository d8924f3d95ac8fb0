#include "tests/qt/QtTestSupport.h"

#include "platform/qt/QtBackend.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace vx::qt::test {

namespace {

// The Qt tests need an application object (fonts, widgets) and the backend registered.
class TQtEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    static int Argc = 1;
    static char Name[] = "vx_qt_tests";
    static char* Argv[] = {Name, nullptr};
    if (!QCoreApplication::instance()) FApp = std::make_unique<QApplication>(Argc, Argv);
    RegisterQtBackend();
  }
  void TearDown() override { FApp.reset(); }

private:
  std::unique_ptr<QApplication> FApp;
};

[[maybe_unused]] ::testing::Environment* const Environment =
    ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

} // namespace

TPixelSet PixelsNot(const QImage& Image, QRgb Background) {
  TPixelSet S;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X)
      if (Image.pixel(X, Y) != Background) S.insert({X, Y});
  return S;
}

TPixelSet PixelsOf(const QImage& Image, QRgb Colour) {
  TPixelSet S;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X)
      if (Image.pixel(X, Y) == Colour) S.insert({X, Y});
  return S;
}

TPixelSet Area(int X0, int Y0, int X1, int Y1) {
  TPixelSet S;
  for (int Y = Y0; Y < Y1; ++Y)
    for (int X = X0; X < X1; ++X)
      S.insert({X, Y});
  return S;
}

TPixelSet Outline(int X0, int Y0, int X1, int Y1) {
  return Minus(Area(X0, Y0, X1, Y1), Area(X0 + 1, Y0 + 1, X1 - 1, Y1 - 1));
}

TPixelSet Minus(const TPixelSet& A, const TPixelSet& B) {
  TPixelSet S;
  for (const auto& P : A)
    if (!B.count(P)) S.insert(P);
  return S;
}

std::string Picture(const QImage& Image, const TPixelSet& Expected, QRgb Background) {
  std::string Out = "\n";
  for (int Y = 0; Y < Image.height(); ++Y) {
    for (int X = 0; X < Image.width(); ++X) {
      const bool Set = Image.pixel(X, Y) != Background;
      const bool Want = Expected.count({X, Y}) > 0;
      Out += Set == Want ? (Set ? '#' : '.') : (Want ? 'o' : 'x');
    }
    Out += '\n';
  }
  return Out;
}

QRgb ToRgb(TColor C) {
  const TColor V = ColorToRGB(C);
  return qRgb(GetRValue(V), GetGValue(V), GetBValue(V));
}

} // namespace vx::qt::test
