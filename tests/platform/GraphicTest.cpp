#include "platform/core/Graphic.h"
#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>

namespace vx {
namespace {

namespace fs = std::filesystem;

// A tiny image format for the tests: width, height, then one byte of grey per pixel.
void RegisterGreyCodec(const std::string& Extension) {
  TGraphicCodec Codec;
  Codec.Extension = Extension;
  Codec.Read = [](const std::vector<std::uint8_t>& Data) -> std::unique_ptr<TGraphic> {
    if (Data.size() < 2) return nullptr;
    if (Data.size() != 2u + Data[0] * Data[1]) throw Exception("the pixel data is truncated");
    auto B = std::make_unique<TBitmap>(Data[0], Data[1]);
    for (int Y = 0; Y < Data[1]; ++Y)
      for (int X = 0; X < Data[0]; ++X) {
        const std::uint8_t V = Data[2 + Y * Data[0] + X];
        B->SetPixel(X, Y, RGB(V, V, V));
      }
    return B;
  };
  Codec.Write = [](const TGraphic& G) {
    const auto& B = dynamic_cast<const TBitmap&>(G);
    std::vector<std::uint8_t> Data{std::uint8_t(B.Width()), std::uint8_t(B.Height())};
    for (int Y = 0; Y < B.Height(); ++Y)
      for (int X = 0; X < B.Width(); ++X)
        Data.push_back(std::uint8_t(GetRValue(B.Pixel(X, Y))));
    return Data;
  };
  RegisterGraphicCodec(std::move(Codec));
}

class PictureFiles : public ::testing::Test {
protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() /
          ("vx_picture_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(Dir);
    RegisterGreyCodec("grey");
  }
  void TearDown() override { fs::remove_all(Dir); }

  std::string Write(const std::string& Name, const std::vector<std::uint8_t>& Data) {
    const fs::path P = Dir / Name;
    std::ofstream(P, std::ios::binary)
        .write(reinterpret_cast<const char*>(Data.data()), std::streamsize(Data.size()));
    return P.string();
  }

  fs::path Dir;
};

TEST_F(PictureFiles, LoadFailuresNameTheFileAndTheReason) {
  const struct {
    const char* Name;
    std::string File;
    const char* Reason;
  } Cases[] = {
      {"missing file", (Dir / "missing.grey").string(), "the file does not exist"},
      {"a folder", Dir.string(), "it is not a file"},
      {"no codec", Write("map.xyz", {1, 2, 3}), "no image format is registered for \".xyz\""},
      {"no extension", Write("map", {1, 2, 3}), "the file name has no extension"},
      {"refused data", Write("empty.grey", {}), "the file is not a valid .grey image"},
      {"codec error", Write("short.GREY", {2, 2, 0}), "the pixel data is truncated"},
  };
  for (const auto& C : Cases) {
    TPicture P;
    P.SetGraphic(std::make_unique<TBitmap>(3, 3));
    int Changes = 0;
    P.SetOnChange([&](TObject*) { ++Changes; });
    try {
      P.LoadFromFile(C.File);
      ADD_FAILURE() << C.Name << ": no exception";
    } catch (const Exception& E) {
      const std::string Message = E.what();
      EXPECT_NE(Message.find("\"" + C.File + "\""), std::string::npos) << Message;
      EXPECT_NE(Message.find(C.Reason), std::string::npos) << Message;
    }
    EXPECT_EQ(Changes, 0) << C.Name;
    EXPECT_EQ(P.Width(), 3) << C.Name << ": the picture keeps its graphic";
  }
}

TEST_F(PictureFiles, SavesAndLoadsThroughTheRegisteredCodec) {
  TPicture Saved;
  Saved.Bitmap().SetSize(2, 1);
  Saved.Bitmap().SetPixel(0, 0, RGB(10, 10, 10));
  Saved.Bitmap().SetPixel(1, 0, RGB(200, 200, 200));
  const std::string File = (Dir / "two.grey").string();
  Saved.SaveToFile(File);

  TPicture Loaded;
  int Changes = 0;
  Loaded.SetOnChange([&](TObject*) { ++Changes; });
  Loaded.LoadFromFile(File);
  EXPECT_EQ(Changes, 1);
  ASSERT_EQ(Loaded.Width(), 2);
  EXPECT_EQ(Loaded.Bitmap().Pixel(1, 0), RGB(200, 200, 200));

  EXPECT_THROW(TPicture().SaveToFile(File), Exception); // nothing to save
  EXPECT_THROW(Saved.SaveToFile((Dir / "no" / "folder.grey").string()), Exception);
  EXPECT_THROW(Saved.SaveToFile((Dir / "two.xyz").string()), Exception);
}

TEST(Picture, FollowsItsGraphicAndCopies) {
  TPicture P;
  int Changes = 0;
  P.SetOnChange([&](TObject*) { ++Changes; });
  TBitmap& B = P.Bitmap(); // an empty picture gets a bitmap
  EXPECT_EQ(Changes, 1);
  B.SetSize(4, 2);
  EXPECT_EQ(Changes, 2);
  B.SetTransparent(true);
  EXPECT_EQ(Changes, 3);

  TPicture Copy;
  Copy.Assign(&P);
  ASSERT_NE(Copy.Graphic(), nullptr);
  EXPECT_NE(Copy.Graphic(), P.Graphic());
  EXPECT_EQ(Copy.Width(), 4);
  EXPECT_TRUE(Copy.Graphic()->Transparent());
  Copy.Assign(nullptr);
  EXPECT_EQ(Copy.Graphic(), nullptr);
  TPen Pen;
  EXPECT_THROW(Copy.Assign(&Pen), EConvertError);
}

TEST(Bitmap, PixelsOutsideAreNoneAndIgnored) {
  TBitmap B(3, 2);
  EXPECT_EQ(B.Pixel(0, 0), clWhite);
  EXPECT_EQ(B.ScanLine(1)[2], 0xFFFFFFFFu);
  B.SetPixel(2, 1, clBtnFace);
  EXPECT_EQ(B.Pixel(2, 1), RGB(240, 240, 240));
  B.SetPixel(1, 0, RGB(1, 2, 3));
  EXPECT_EQ(B.ScanLine(0)[1], 0xFF010203u); // 0xAARRGGBB
  for (const TPoint P : {Point(-1, 0), Point(0, -1), Point(3, 0), Point(0, 2),
                         Point(INT_MIN, INT_MIN), Point(INT_MAX, INT_MAX)}) {
    EXPECT_EQ(B.Pixel(P.X, P.Y), clNone) << P.X << "," << P.Y;
    B.SetPixel(P.X, P.Y, clRed);
  }
  int Red = 0;
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 3; ++X)
      Red += B.Pixel(X, Y) == clRed;
  EXPECT_EQ(Red, 0);
  EXPECT_THROW(B.ScanLine(2), ERangeError);
  EXPECT_THROW(B.ScanLine(-1), ERangeError);
}

TEST(Bitmap, SizeTransparencyAndAssign) {
  TBitmap B;
  int Changes = 0;
  B.SetOnChange([&](TObject*) { ++Changes; });
  EXPECT_TRUE(B.Empty());
  EXPECT_EQ(B.TransparentColor(), clNone);
  B.SetSize(-5, 4);
  EXPECT_EQ(B.Width(), 0);
  EXPECT_EQ(B.Height(), 4);
  B.SetSize(3, 4);
  EXPECT_EQ(Changes, 2);
  B.SetSize(3, 4);
  EXPECT_EQ(Changes, 2);
  EXPECT_THROW(B.SetSize(INT_MAX, INT_MAX), EInvalidOperation);
  EXPECT_EQ(B.Width(), 3);

  B.SetPixel(0, 3, clLime);
  EXPECT_EQ(B.TransparentColor(), clLime); // the bottom-left pixel by default
  B.SetTransparentColor(clRed);
  EXPECT_EQ(B.TransparentColor(), clRed);

  TBitmap Copy;
  int CopyChanges = 0;
  Copy.SetOnChange([&](TObject*) { ++CopyChanges; });
  Copy.Assign(&B);
  EXPECT_EQ(CopyChanges, 1);
  EXPECT_EQ(Copy.Pixel(0, 3), clLime);
  EXPECT_EQ(Copy.TransparentColor(), clRed);
  Copy.Assign(&B);
  EXPECT_EQ(CopyChanges, 1); // equal: no notification
  Copy.Assign(nullptr);
  EXPECT_TRUE(Copy.Empty());

  // The canvas of a bitmap knows its bitmap, also without a backend.
  EXPECT_EQ(B.Canvas().Bitmap(), &B);
  EXPECT_EQ(B.Canvas().Bounds(), Rect(0, 0, 3, 4));
}

} // namespace
} // namespace vx
