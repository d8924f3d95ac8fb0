// Pens, brushes and pictures in stored descriptions.

#include "platform/core/Component.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Graphic.h"
#include "platform/core/GraphicsObjects.h"
#include "platform/core/Published.h"
#include "platform/core/Streaming.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vx {
namespace {

class TGraphicsHost : public TComponent {
  VX_CLASS_NAME(TGraphicsHost)
public:
  explicit TGraphicsHost(TComponent* Owner = nullptr) : TComponent(Owner) {}
  TPen& Pen() const { return *FPen; }
  TBrush& Brush() const { return *FBrush; }
  TPicture& Picture() const { return *FPicture; }
  TFont& Font() const { return *FFont; }

private:
  std::unique_ptr<TPen> FPen = std::make_unique<TPen>();
  std::unique_ptr<TBrush> FBrush = std::make_unique<TBrush>();
  std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
};

VX_PUBLISHED(TGraphicsHost, TComponent) {
  P.Object("Pen", &TGraphicsHost::Pen);
  P.Object("Brush", &TGraphicsHost::Brush);
  P.Object("Picture", &TGraphicsHost::Picture);
  P.Object("Font", &TGraphicsHost::Font);
}

// A stand-in "png" codec: the signature, then width, height and the pixels, one byte each
// (enough to see the bytes travel through the base64 text unchanged).
void RegisterToyPng() {
  TGraphicCodec Codec;
  Codec.Extension = "png";
  Codec.Write = [](const TGraphic& G) {
    const auto& B = dynamic_cast<const TBitmap&>(G);
    std::vector<std::uint8_t> D = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    D.push_back(static_cast<std::uint8_t>(B.Width()));
    D.push_back(static_cast<std::uint8_t>(B.Height()));
    for (int Y = 0; Y < B.Height(); ++Y)
      for (int X = 0; X < B.Width(); ++X)
        D.push_back(static_cast<std::uint8_t>(GetRValue(B.Pixel(X, Y))));
    return D;
  };
  Codec.Read = [](const std::vector<std::uint8_t>& D) -> std::unique_ptr<TGraphic> {
    if (D.size() < 10) return nullptr;
    auto B = std::make_unique<TBitmap>(D[8], D[9]);
    std::size_t I = 10;
    for (int Y = 0; Y < B->Height(); ++Y)
      for (int X = 0; X < B->Width(); ++X)
        B->SetPixel(X, Y, RGB(I < D.size() ? D[I++] : 0, 0, 0));
    return B;
  };
  RegisterGraphicCodec(Codec);
}

TEST(GraphicsStream, PenBrushAndPictureRoundTrip) {
  RegisterToyPng();
  TGraphicsHost Host;
  Host.Pen().SetColor(clBtnShadow);
  Host.Pen().SetStyle(psDashDot);
  Host.Pen().SetWidth(3);
  Host.Brush().SetStyle(bsClear);
  auto Bitmap = std::make_unique<TBitmap>(3, 2);
  for (int I = 0; I < 6; ++I)
    Bitmap->SetPixel(I % 3, I / 3, RGB(40 * I + 1, 0, 0));
  Host.Picture().SetGraphic(std::move(Bitmap));

  const std::string Text = WriteComponent(Host);
  EXPECT_NE(Text.find("\"psDashDot\""), std::string::npos) << Text;
  EXPECT_NE(Text.find("\"bsClear\""), std::string::npos) << Text;
  EXPECT_EQ(Text.find("\"Color\""), Text.rfind("\"Color\"")) << "only the pen's colour differs";
  std::unique_ptr<TComponent> Read = ReadComponent(Text);
  auto& Copy = dynamic_cast<TGraphicsHost&>(*Read);
  EXPECT_EQ(Copy.Pen().Color(), clBtnShadow);
  EXPECT_EQ(Copy.Pen().Style(), psDashDot);
  EXPECT_EQ(Copy.Pen().Width(), 3);
  EXPECT_EQ(Copy.Brush().Style(), bsClear);
  EXPECT_EQ(Copy.Brush().Color(), clWhite);
  ASSERT_NE(Copy.Picture().Graphic(), nullptr);
  const auto& B = dynamic_cast<const TBitmap&>(*Copy.Picture().Graphic());
  ASSERT_EQ(B.Width(), 3);
  ASSERT_EQ(B.Height(), 2);
  for (int I = 0; I < 6; ++I)
    EXPECT_EQ(GetRValue(B.Pixel(I % 3, I / 3)), 40 * I + 1) << I;
}

TEST(GraphicsStream, FontIsStoredByItsHeight) {
  TGraphicsHost Host;
  EXPECT_EQ(WriteComponent(Host).find("Font"), std::string::npos);
  Host.Font().SetName("DejaVu Sans");
  Host.Font().SetSize(12);
  Host.Font().SetStyle({fsBold, fsItalic});
  Host.Font().SetColor(clNavy);
  Host.Font().SetPitch(fpFixed);
  Host.Font().SetOrientation(900);
  Host.Font().SetCharset(0);
  const std::string Text = WriteComponent(Host);
  EXPECT_EQ(Text.find("Size"), std::string::npos) << Text;
  std::unique_ptr<TComponent> Read = ReadComponent(Text);
  const TFont& F = dynamic_cast<TGraphicsHost&>(*Read).Font();
  EXPECT_EQ(F.Name(), "DejaVu Sans");
  EXPECT_EQ(F.Height(), -16);
  EXPECT_EQ(F.Size(), 12);
  EXPECT_EQ(F.Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(F.Color(), clNavy);
  EXPECT_EQ(F.Pitch(), fpFixed);
  EXPECT_EQ(F.Orientation(), 900);
  EXPECT_EQ(F.Charset(), 0);
}

TEST(GraphicsStream, EmptyPictureIsNotWrittenAndBadDataIsRefused) {
  TGraphicsHost Host;
  EXPECT_EQ(WriteComponent(Host).find("Picture"), std::string::npos);
  for (const char* Data : {"not base64!", "QUJD=QUJD", "QUJDRA", "QUJD"}) {
    const std::string Text =
        std::string(R"({"Class": "TGraphicsHost", "Picture": {"Data": ")") + Data + "\"}}";
    EXPECT_THROW(ReadComponentInto(Host, Text), EReadError) << Data;
    EXPECT_EQ(Host.Picture().Graphic(), nullptr) << Data;
  }
}

} // namespace
} // namespace vx
