// The Qt backend's set-up: bitmap canvases, the BMP and PNG codecs, export, fonts.

#include "tests/qt/QtTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtExport.h"
#include "platform/qt/QtFonts.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vx::qt::test {
namespace {

class QtBackendFiles : public ::testing::Test {
protected:
  QTemporaryDir Dir;
  std::string Path(const char* Name) const { return Dir.filePath(Name).toStdString(); }
  static std::uintmax_t Size(const std::string& P) {
    std::error_code E;
    const auto S = std::filesystem::file_size(P, E);
    return E ? 0 : S;
  }
};

TEST(QtBitmapCanvas, DrawsOnTheBitmapPixels) {
  RegisterQtBackend();
  RegisterQtBackend(); // idempotent
  TBitmap B(10, 6);
  TCanvas& C = B.Canvas();
  EXPECT_EQ(C.Bounds(), Rect(0, 0, 10, 6));
  EXPECT_EQ(C.Bitmap(), &B);
  C.Brush().SetColor(clRed);
  C.FillRect(Rect(2, 1, 5, 3));
  EXPECT_EQ(B.Pixel(2, 1), clRed);
  EXPECT_EQ(B.Pixel(4, 2), clRed);
  EXPECT_EQ(B.Pixel(5, 2), clWhite);
  EXPECT_EQ(B.ScanLine(1)[3], 0xFFFF0000u) << "0xAARRGGBB, opaque";
  // Resizing gives a new canvas on the new pixels.
  B.SetSize(20, 20);
  B.Canvas().Brush().SetColor(clBlue);
  B.Canvas().FillRect(Rect(15, 15, 20, 20));
  EXPECT_EQ(B.Pixel(19, 19), clBlue);
}

TEST(QtBitmapCanvas, CopyRectFromItselfAndTransparentDraw) {
  TBitmap B(8, 4);
  B.Canvas().Brush().SetColor(clLime);
  B.Canvas().FillRect(Rect(0, 0, 4, 4));
  B.Canvas().CopyRect(Rect(4, 0, 8, 4), B.Canvas(), Rect(0, 0, 4, 4));
  EXPECT_EQ(B.Pixel(6, 2), clLime);

  TBitmap Sprite(2, 1);
  Sprite.SetPixel(0, 0, clFuchsia);
  Sprite.SetPixel(1, 0, clNavy);
  Sprite.SetTransparent(true);
  Sprite.SetTransparentColor(clFuchsia);
  TImageCanvas S(4, 1);
  S.Canvas->Draw(1, 0, &Sprite);
  const QImage& I = S.Done();
  EXPECT_EQ(I.pixel(1, 0), White) << "the transparent colour is left out";
  EXPECT_EQ(I.pixel(2, 0), ToRgb(clNavy));
}

// A transparent bitmap samples only the pixels it covers; the result must be the picture
// Qt draws for the same bitmap with its transparent colour already painted white.
TEST(QtBitmapCanvas, TransparentStretchMatchesKeyingTheWholeBitmapFirst) {
  TBitmap Sprite(37, 23);
  for (int Y = 0; Y < 23; ++Y)
    for (int X = 0; X < 37; ++X)
      Sprite.SetPixel(X, Y, (X * 7 + Y * 3) % 5 == 0 ? clFuchsia : RGB(X * 6, Y * 11, 90));
  TBitmap Keyed(37, 23);
  for (int Y = 0; Y < 23; ++Y)
    for (int X = 0; X < 37; ++X)
      Keyed.SetPixel(X, Y, Sprite.Pixel(X, Y) == clFuchsia ? clWhite : Sprite.Pixel(X, Y));
  Sprite.SetTransparent(true);
  Sprite.SetTransparentColor(clFuchsia);
  const TRect Targets[] = {Rect(5, 7, 105, 68), Rect(3, 2, 23, 15), Rect(-40, -9, 80, 50),
                           Rect(60, 30, 160, 130)};
  for (const TRect& R : Targets) {
    TImageCanvas Fast(120, 80);
    Fast.Canvas->StretchDraw(R, &Sprite);
    TImageCanvas Reference(120, 80);
    Reference.Canvas->StretchDraw(R, &Keyed);
    EXPECT_EQ(Fast.Done(), Reference.Done()) << R.Left << "," << R.Top << "," << R.Right << ","
                                            << R.Bottom;
  }
}

TEST(QtConversion, QImageAndBitmapRoundTrip) {
  QImage Image(3, 2, QImage::Format_RGB888);
  Image.fill(QColor(10, 20, 30));
  Image.setPixelColor(2, 1, QColor(200, 100, 50));
  const std::unique_ptr<TBitmap> B = ToBitmap(Image);
  ASSERT_EQ(B->Width(), 3);
  EXPECT_EQ(B->Pixel(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(B->Pixel(2, 1), RGB(200, 100, 50));
  const QImage Back = ToQImage(*B);
  EXPECT_EQ(Back.pixel(2, 1), qRgb(200, 100, 50));
  EXPECT_TRUE(ToQImage(TBitmap()).isNull());
}

TEST_F(QtBackendFiles, PngRoundTripThroughPicture) {
  TPicture P;
  TBitmap& B = P.Bitmap();
  B.SetSize(5, 4);
  B.SetPixel(1, 2, clTeal);
  B.ScanLine(3)[4] = 0x80102030u; // half transparent
  const std::string File = Path("round.png");
  P.SaveToFile(File);
  TPicture Q;
  Q.LoadFromFile(File);
  ASSERT_EQ(Q.Width(), 5);
  ASSERT_EQ(Q.Height(), 4);
  EXPECT_EQ(Q.Bitmap().Pixel(1, 2), clTeal);
  EXPECT_EQ(Q.Bitmap().ScanLine(3)[4], 0x80102030u);
}

TEST_F(QtBackendFiles, EightBitPaletteBmpLoadsAsColours) {
  QImage Indexed(4, 3, QImage::Format_Indexed8);
  Indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(1, 2, 3)});
  Indexed.fill(2);
  Indexed.setPixel(1, 1, 0);
  Indexed.setPixel(3, 2, 1);
  const QString File = Dir.filePath("palette.bmp");
  ASSERT_TRUE(Indexed.save(File, "BMP"));
  ASSERT_EQ(QImage(File).format(), QImage::Format_Indexed8) << "really an 8-bit file";
  TPicture P;
  P.LoadFromFile(File.toStdString());
  TBitmap& B = P.Bitmap();
  EXPECT_EQ(B.Pixel(1, 1), clRed);
  EXPECT_EQ(B.Pixel(3, 2), clBlue);
  EXPECT_EQ(B.Pixel(0, 0), RGB(1, 2, 3));
  // Written back as BMP and read again: the same colours.
  const std::string Out = Path("again.bmp");
  P.SaveToFile(Out);
  TPicture Q;
  Q.LoadFromFile(Out);
  EXPECT_EQ(Q.Bitmap().Pixel(3, 2), clBlue);
}

TEST_F(QtBackendFiles, LoadErrorsNameTheFileAndTheReason) {
  const std::string Missing = Path("missing.png");
  const std::string Text = Path("not-an-image.bmp");
  std::ofstream(Text) << "This is not a bitmap.";
  const std::string Truncated = Path("truncated.png");
  {
    QImage I(8, 8, QImage::Format_ARGB32);
    I.fill(Qt::red);
    ASSERT_TRUE(I.save(QString::fromStdString(Truncated), "PNG"));
    std::filesystem::resize_file(Truncated, 20);
  }
  for (const std::string& File : {Missing, Text, Truncated}) {
    SCOPED_TRACE(File);
    TPicture P;
    try {
      P.LoadFromFile(File);
      FAIL() << "no exception";
    } catch (const Exception& E) {
      EXPECT_NE(std::string(E.what()).find(File), std::string::npos) << E.what();
    }
    EXPECT_EQ(P.Graphic(), nullptr) << "the picture is unchanged";
  }
}

TEST_F(QtBackendFiles, ExportWritesPngSvgAndPdf) {
  int Calls = 0;
  const TDrawFunction Draw = [&](TCanvas& C) {
    ++Calls;
    EXPECT_EQ(C.Bounds().Right, 120);
    C.Brush().SetColor(clYellow);
    C.Ellipse(10, 10, 110, 70);
    C.TextOut(20, 30, "Export");
  };
  ExportPng(Path("a.png"), 120, 80, Draw);
  ExportSvg(Path("a.svg"), 120, 80, Draw);
  ExportPdf(Path("a.pdf"), 120, 80, Draw);
  EXPECT_EQ(Calls, 3);
  const QImage Png(QString::fromStdString(Path("a.png")));
  ASSERT_EQ(Png.size(), QSize(120, 80));
  EXPECT_EQ(Png.pixel(60, 15), ToRgb(clYellow));
  EXPECT_EQ(Png.pixel(2, 2), White);
  EXPECT_GT(Size(Path("a.svg")), 200u);
  EXPECT_GT(Size(Path("a.pdf")), 200u);
  std::ifstream Svg(Path("a.svg"));
  const std::string SvgText{std::istreambuf_iterator<char>(Svg), {}};
  EXPECT_NE(SvgText.find("<svg"), std::string::npos);
  std::ifstream Pdf(Path("a.pdf"));
  std::string Head(4, ' ');
  Pdf.read(Head.data(), 4);
  EXPECT_EQ(Head, "%PDF");
}

TEST_F(QtBackendFiles, ExportFailuresNameTheFile) {
  const TDrawFunction Nothing = [](TCanvas&) {};
  const std::string NoDir = Path("no/such/dir/x");
  for (auto Export : {&ExportPng, &ExportSvg, &ExportPdf}) {
    try {
      Export(NoDir, 10, 10, Nothing, false);
      ADD_FAILURE() << "no exception";
    } catch (const Exception& E) {
      EXPECT_NE(std::string(E.what()).find(NoDir), std::string::npos) << E.what();
    }
    EXPECT_THROW(Export(Path("size.png"), 0, 10, Nothing, false), ERangeError);
    EXPECT_THROW(Export(Path("size.png"), 10, 40000, Nothing, false), ERangeError);
  }
  // A drawing that fails leaves no file behind.
  const TDrawFunction Failing = [](TCanvas&) { throw Exception("drawing failed"); };
  EXPECT_THROW(ExportSvg(Path("failed.svg"), 10, 10, Failing), Exception);
  EXPECT_THROW(ExportPng(Path("failed.png"), 10, 10, Failing), Exception);
  EXPECT_FALSE(std::filesystem::exists(Path("failed.svg")));
  EXPECT_FALSE(std::filesystem::exists(Path("failed.png")));
}

TEST(QtFonts, FaceNamesMapToInstalledFonts) {
  struct TCase {
    const char* Name;
    const char* Face;
  };
  const TCase Cases[] = {{"MS Sans Serif", "DejaVu Sans"},
                         {"Default", "DejaVu Sans"},
                         {"", "DejaVu Sans"},
                         {"default", "DejaVu Sans"},
                         {"Arial", "Liberation Sans"},
                         {"ARIAL", "Liberation Sans"},
                         {"Courier New", "Liberation Mono"},
                         {"DejaVu Serif", "DejaVu Serif"},
                         {"No Such Face 123", "DejaVu Sans"}};
  for (const TCase& K : Cases)
    EXPECT_EQ(ResolveFontFace(K.Name).toStdString(), K.Face) << K.Name;
}

TEST(QtFonts, HeightsAndTrueTypeAnswers) {
  TImageCanvas S(10, 10);
  TCanvas& C = *S.Canvas;
  C.Font().SetName("Arial");
  C.Font().SetHeight(-20); // character height: the cell is taller
  const int Cell = C.TextHeight("Hg");
  EXPECT_GT(Cell, 20);
  EXPECT_LT(Cell, 26);
  C.Font().SetHeight(Cell); // a positive height is the cell height
  EXPECT_NEAR(C.TextHeight("Hg"), Cell, 1);
  // Widths add up (whole-pixel advances, no kerning), so text measured in pieces fits.
  for (const char* Face : {"Default", "Arial"})
    for (int H = -8; H >= -30; H -= 3) {
      C.Font().SetName(Face);
      C.Font().SetHeight(H);
      EXPECT_EQ(C.TextWidth("AVAWaybe 1.5%") + C.TextWidth("To Wolf"),
                C.TextWidth("AVAWaybe 1.5%To Wolf"))
          << Face << " " << H;
    }
  EXPECT_EQ(C.TextExtent("").cx, 0);
  EXPECT_GT(C.TextExtent("").cy, 0);

  TFont F;
  F.SetName("MS Sans Serif");
  EXPECT_FALSE(C.IsTrueTypeFont(F)) << "a bitmap face of the platform";
  F.SetName("Arial");
  EXPECT_TRUE(C.IsTrueTypeFont(F));
  F.SetName("Default");
  EXPECT_TRUE(C.IsTrueTypeFont(F));
}

} // namespace
} // namespace vx::qt::test
