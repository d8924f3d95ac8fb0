#include "platform/core/Graphic.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Property.h"
#include "platform/core/Published.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vx {

namespace {

// The canvas of a bitmap when no backend registered a factory: it knows its bitmap (so
// CopyRect can read from it) and its size, and draws nothing.
class TNullBitmapCanvas : public TCanvas {
  VX_CLASS_NAME(TNullBitmapCanvas)
public:
  explicit TNullBitmapCanvas(TBitmap& Bitmap) : FBitmap(Bitmap) {}
  TRect Bounds() const override { return {0, 0, FBitmap.Width(), FBitmap.Height()}; }
  const TBitmap* Bitmap() const override { return &FBitmap; }

private:
  TBitmap& FBitmap;
};

TBitmap::TCanvasFactory& CanvasFactory() {
  static TBitmap::TCanvasFactory Factory;
  return Factory;
}

std::vector<TGraphicCodec>& Codecs() {
  static std::vector<TGraphicCodec> List;
  return List;
}

std::string Lower(std::string S) {
  for (char& C : S)
    C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
  if (!S.empty() && S.front() == '.') S.erase(0, 1);
  return S;
}

// A bitmap larger than this many pixels (1 GiB of pixel data) is refused.
constexpr std::int64_t MaxBitmapPixels = std::int64_t{1} << 28;

constexpr std::uint32_t OpaqueWhite = 0xFFFFFFFFu;

} // namespace

// ---- TGraphic ----

void TGraphic::SetTransparent(bool Value) {
  if (SetField(FTransparent, Value)) Changed();
}

bool TGraphic::StoreTransparent(bool Value) {
  return SetField(FTransparent, Value);
}

void TGraphic::Changed() {
  if (FOnChange) FOnChange(this);
}

// ---- TBitmap ----

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int Width, int Height) {
  SetSize(Width, Height);
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int Width, int Height) {
  Width = std::max(Width, 0);
  Height = std::max(Height, 0);
  if (Width == FWidth && Height == FHeight) return;
  if (std::int64_t{Width} * Height > MaxBitmapPixels)
    throw EInvalidOperation("Bitmap of " + std::to_string(Width) + " x " + std::to_string(Height) +
                            " pixels is too large");
  std::vector<std::uint32_t> Pixels(static_cast<std::size_t>(Width) * Height, OpaqueWhite);
  // The canvas may hold a view of the old pixels; it goes first.
  FCanvas.reset();
  FPixels = std::move(Pixels);
  FWidth = Width;
  FHeight = Height;
  Changed();
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) {
    if (const TCanvasFactory& Factory = CanvasFactory()) FCanvas = Factory(*this);
    if (!FCanvas) FCanvas = std::make_unique<TNullBitmapCanvas>(*this);
  }
  return *FCanvas;
}

std::uint32_t* TBitmap::ScanLine(int Row) {
  if (Row < 0 || Row >= FHeight)
    throw ERangeError("Scan line index out of range (" + std::to_string(Row) + ")");
  return FPixels.data() + static_cast<std::size_t>(Row) * FWidth;
}

const std::uint32_t* TBitmap::ScanLine(int Row) const {
  return const_cast<TBitmap*>(this)->ScanLine(Row);
}

TColor TBitmap::Pixel(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return clNone;
  const std::uint32_t P = FPixels[static_cast<std::size_t>(Y) * FWidth + X];
  return RGB((P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF);
}

void TBitmap::SetPixel(int X, int Y, TColor Color) {
  if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return;
  const TColor C = ColorToRGB(Color);
  FPixels[static_cast<std::size_t>(Y) * FWidth + X] =
      0xFF000000u | (std::uint32_t(GetRValue(C)) << 16) | (std::uint32_t(GetGValue(C)) << 8) |
      std::uint32_t(GetBValue(C));
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
  auto Copy = std::make_unique<TBitmap>();
  Copy->Assign(this);
  return Copy;
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentColor != clDefault) return FTransparentColor;
  return Empty() ? clNone : Pixel(0, FHeight - 1);
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (SetField(FTransparentColor, Value)) Changed();
}

void TBitmap::Assign(const TPersistent* Source) {
  if (!Source) {
    // As the toolkit does, assigning nothing empties the bitmap.
    if (!Empty()) {
      FCanvas.reset();
      FPixels.clear();
      FWidth = FHeight = 0;
      Changed();
    }
    return;
  }
  if (const auto* B = dynamic_cast<const TBitmap*>(Source)) {
    if (B == this) return;
    // Fields are copied directly; one notification for the whole copy, none when equal.
    bool Different = false;
    if (FWidth != B->FWidth || FHeight != B->FHeight || FPixels != B->FPixels) {
      FCanvas.reset(); // the canvas may hold a view of the old pixels
      FPixels = B->FPixels;
      FWidth = B->FWidth;
      FHeight = B->FHeight;
      Different = true;
    }
    Different |= SetField(FTransparentColor, B->FTransparentColor);
    Different |= StoreTransparent(B->Transparent());
    if (Different) Changed();
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::SetCanvasFactory(TCanvasFactory Factory) {
  CanvasFactory() = std::move(Factory);
}

// ---- codecs ----

void RegisterGraphicCodec(TGraphicCodec Codec) {
  Codec.Extension = Lower(Codec.Extension);
  for (TGraphicCodec& C : Codecs())
    if (C.Extension == Codec.Extension) {
      C = std::move(Codec);
      return;
    }
  Codecs().push_back(std::move(Codec));
}

const TGraphicCodec* FindGraphicCodec(const std::string& Extension) {
  const std::string Ext = Lower(Extension);
  for (const TGraphicCodec& C : Codecs())
    if (C.Extension == Ext) return &C;
  return nullptr;
}

// ---- TPicture ----

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::SetGraphic(std::unique_ptr<TGraphic> Graphic) {
  if (Graphic == FGraphic) return;
  FGraphic = std::move(Graphic);
  if (FGraphic) FGraphic->SetOnChange([this](TObject*) { Changed(); });
  Changed();
}

TBitmap& TPicture::Bitmap() {
  if (auto* B = dynamic_cast<TBitmap*>(FGraphic.get())) return *B;
  auto B = std::make_unique<TBitmap>();
  if (FGraphic) {
    // Another kind of graphic becomes a bitmap of its size, drawn through the backend.
    B->SetSize(FGraphic->Width(), FGraphic->Height());
    B->Canvas().Draw(0, 0, FGraphic.get());
    B->SetTransparent(FGraphic->Transparent());
  }
  TBitmap& Result = *B;
  SetGraphic(std::move(B));
  return Result;
}

namespace {

std::string ExtensionOf(const std::string& FileName) {
  const std::string Ext = std::filesystem::path(FileName).extension().string();
  return Lower(Ext);
}

std::string Quoted(const std::string& FileName) {
  return "\"" + FileName + "\"";
}

} // namespace

void TPicture::LoadFromFile(const std::string& FileName) {
  const std::string Prefix = "Cannot load picture " + Quoted(FileName) + ": ";
  std::error_code Error;
  if (!std::filesystem::exists(FileName, Error))
    throw Exception(Prefix + "the file does not exist");
  if (!std::filesystem::is_regular_file(FileName, Error))
    throw Exception(Prefix + "it is not a file");
  const std::string Ext = ExtensionOf(FileName);
  const TGraphicCodec* Codec = FindGraphicCodec(Ext);
  if (!Codec || !Codec->Read)
    throw Exception(Prefix + (Ext.empty()
                                  ? std::string("the file name has no extension")
                                  : "no image format is registered for \"." + Ext + "\" files"));
  std::ifstream In(FileName, std::ios::binary);
  if (!In) throw Exception(Prefix + "the file cannot be opened");
  std::vector<std::uint8_t> Data{std::istreambuf_iterator<char>(In),
                                 std::istreambuf_iterator<char>()};
  if (In.bad()) throw Exception(Prefix + "the file cannot be read");
  std::unique_ptr<TGraphic> Graphic;
  try {
    Graphic = Codec->Read(Data);
  } catch (const std::exception& E) {
    throw Exception(Prefix + E.what());
  }
  if (!Graphic) throw Exception(Prefix + "the file is not a valid ." + Ext + " image");
  SetGraphic(std::move(Graphic));
}

void TPicture::SaveToFile(const std::string& FileName) const {
  const std::string Prefix = "Cannot save picture " + Quoted(FileName) + ": ";
  if (!FGraphic) throw Exception(Prefix + "the picture is empty");
  const std::string Ext = ExtensionOf(FileName);
  const TGraphicCodec* Codec = FindGraphicCodec(Ext);
  if (!Codec || !Codec->Write)
    throw Exception(Prefix + (Ext.empty()
                                  ? std::string("the file name has no extension")
                                  : "no image format is registered for \"." + Ext + "\" files"));
  std::vector<std::uint8_t> Data;
  try {
    Data = Codec->Write(*FGraphic);
  } catch (const std::exception& E) {
    throw Exception(Prefix + E.what());
  }
  std::ofstream Out(FileName, std::ios::binary | std::ios::trunc);
  if (Out)
    Out.write(reinterpret_cast<const char*>(Data.data()),
              static_cast<std::streamsize>(Data.size()));
  Out.close();
  if (!Out) throw Exception(Prefix + "the file cannot be written");
}

void TPicture::Assign(const TPersistent* Source) {
  if (!Source) {
    SetGraphic(nullptr);
    return;
  }
  if (const auto* P = dynamic_cast<const TPicture*>(Source)) {
    if (P != this) SetGraphic(P->FGraphic ? P->FGraphic->Clone() : nullptr);
    return;
  }
  if (const auto* G = dynamic_cast<const TGraphic*>(Source)) {
    SetGraphic(G->Clone());
    return;
  }
  TPersistent::Assign(Source);
}

void TPicture::Changed() {
  if (FOnChange) FOnChange(this);
}

// ---- stored form of a picture ----

namespace {

constexpr char Base64Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string ToBase64(const std::vector<std::uint8_t>& Data) {
  std::string Out;
  Out.reserve((Data.size() + 2) / 3 * 4);
  for (std::size_t I = 0; I < Data.size(); I += 3) {
    const std::size_t N = std::min<std::size_t>(3, Data.size() - I);
    std::uint32_t V = std::uint32_t(Data[I]) << 16;
    if (N > 1) V |= std::uint32_t(Data[I + 1]) << 8;
    if (N > 2) V |= Data[I + 2];
    for (std::size_t K = 0; K < 4; ++K)
      Out += K <= N ? Base64Digits[(V >> (18 - 6 * K)) & 0x3F] : '=';
  }
  return Out;
}

std::vector<std::uint8_t> FromBase64(const std::string& Text) {
  std::vector<std::uint8_t> Out;
  std::uint32_t V = 0;
  int Bits = 0;
  std::size_t Padding = 0;
  for (char C : Text) {
    if (C == '=') {
      ++Padding;
      continue;
    }
    const char* P = std::strchr(Base64Digits, C);
    if (!P || C == '\0' || Padding > 0)
      throw EConvertError("the picture data is not valid base64 text");
    V = (V << 6) | std::uint32_t(P - Base64Digits);
    Bits += 6;
    if (Bits >= 8) {
      Bits -= 8;
      Out.push_back(static_cast<std::uint8_t>((V >> Bits) & 0xFF));
    }
  }
  if (Padding > 2 || (Text.size() % 4) != 0)
    throw EConvertError("the picture data is not valid base64 text");
  return Out;
}

// The codec of an image file's content, told by its signature.
const TGraphicCodec* CodecOfData(const std::vector<std::uint8_t>& Data) {
  static const std::uint8_t Png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (Data.size() >= sizeof Png && std::equal(std::begin(Png), std::end(Png), Data.begin()))
    return FindGraphicCodec("png");
  if (Data.size() >= 2 && Data[0] == 'B' && Data[1] == 'M') return FindGraphicCodec("bmp");
  return nullptr;
}

// A picture is stored as the base64 text of a PNG file (BMP when only that codec exists).
std::string PictureData(const TPicture& P) {
  if (!P.Graphic()) return "";
  const TGraphicCodec* Codec = FindGraphicCodec("png");
  if (!Codec || !Codec->Write) Codec = FindGraphicCodec("bmp");
  if (!Codec || !Codec->Write)
    throw Exception("no image format is registered to store the picture");
  return ToBase64(Codec->Write(*P.Graphic()));
}

void SetPictureData(TPicture& P, const std::string& Text) {
  if (Text.empty()) {
    P.SetGraphic(nullptr);
    return;
  }
  const std::vector<std::uint8_t> Data = FromBase64(Text);
  const TGraphicCodec* Codec = CodecOfData(Data);
  if (!Codec || !Codec->Read)
    throw EConvertError("the picture data is not an image of a registered format");
  std::unique_ptr<TGraphic> Graphic = Codec->Read(Data);
  if (!Graphic) throw EConvertError("the picture data is not a valid image");
  P.SetGraphic(std::move(Graphic));
}

} // namespace

VX_PUBLISHED(TPicture, TPersistent) {
  P.String("Data", &PictureData, &SetPictureData, "");
}

} // namespace vx
