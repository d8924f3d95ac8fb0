#include "platform/core/Graphic.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Property.h"

#include <algorithm>
#include <cctype>
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

} // namespace vx
