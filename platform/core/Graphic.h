#pragma once
// Pictures: TGraphic (anything that can be drawn and stored), TBitmap (32-bit pixels with
// a canvas of its own), TPicture (holds one graphic, loads and saves through the codecs
// a backend registers).

#include "platform/core/Canvas.h"
#include "platform/core/Object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vx {

class TGraphic : public TPersistent {
  VX_CLASS_NAME(TGraphic)
public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
  /// A copy of this graphic of the same class.
  virtual std::unique_ptr<TGraphic> Clone() const = 0;
  /// Drawn with its transparent colour left out.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }

protected:
  /// Fires OnChange with this graphic as sender.
  virtual void Changed();
  /// Stores Transparent without notifying (for Assign); true when it changed.
  bool StoreTransparent(bool Value);

private:
  bool FTransparent = false;
  TNotifyEvent FOnChange;
};

/// Pixels are 0xAARRGGBB (not premultiplied), row by row from the top. Writing pixels
/// (SetPixel, ScanLine, the canvas) fires no OnChange; resizing and Assign do.
class TBitmap : public TGraphic {
  VX_CLASS_NAME(TBitmap)
public:
  TBitmap();
  TBitmap(int Width, int Height);
  ~TBitmap() override;

  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  /// Resizes to Width x Height (negative sizes count as 0), filled opaque white; the
  /// canvas is recreated. More than 2^28 pixels raise EInvalidOperation. Same size: no-op.
  void SetSize(int Width, int Height);
  void SetWidth(int Value) { SetSize(Value, FHeight); }
  void SetHeight(int Value) { SetSize(FWidth, Value); }

  /// The canvas that draws on the pixels (created on first use by the registered factory;
  /// without one, a canvas that knows the bitmap but draws nothing).
  TCanvas& Canvas();

  /// The pixels of one row; a row outside the bitmap raises ERangeError.
  std::uint32_t* ScanLine(int Row);
  const std::uint32_t* ScanLine(int Row) const;
  /// The colour at (X, Y) as TColor (alpha dropped); outside the bitmap clNone.
  TColor Pixel(int X, int Y) const;
  /// Sets an opaque pixel of Color (system colours through ColorToRGB); outside: ignored.
  void SetPixel(int X, int Y, TColor Color);
  std::unique_ptr<TGraphic> Clone() const override;

  /// The colour left out when Transparent: the colour set, or while it is clDefault the
  /// bottom-left pixel (clNone for an empty bitmap).
  TColor TransparentColor() const;
  void SetTransparentColor(TColor Value);

  /// Copies pixels, Transparent and TransparentColor of another bitmap (one OnChange, none
  /// when equal); nullptr empties the bitmap; other sources raise EConvertError.
  void Assign(const TPersistent* Source) override;

  /// Creates the canvas of a bitmap; a backend registers its own. The default draws nothing.
  using TCanvasFactory = std::function<std::unique_ptr<TCanvas>(TBitmap& Bitmap)>;
  static void SetCanvasFactory(TCanvasFactory Factory);

private:
  friend class TBitmapCanvasAccess; // lets a backend canvas reach the pixel buffer
  int FWidth = 0;
  int FHeight = 0;
  std::vector<std::uint32_t> FPixels;
  std::unique_ptr<TCanvas> FCanvas;
  TColor FTransparentColor = clDefault;
};

/// Reads and writes one image file format (by lower-case extension without the dot).
/// Read returns nullptr or throws for data it cannot decode; Write may be empty (read only).
struct TGraphicCodec {
  std::string Extension;
  std::function<std::unique_ptr<TGraphic>(const std::vector<std::uint8_t>& Data)> Read;
  std::function<std::vector<std::uint8_t>(const TGraphic& Graphic)> Write;
};
/// Registers a codec; a later codec for the same extension replaces the earlier one.
void RegisterGraphicCodec(TGraphicCodec Codec);
/// The codec of an extension ("png", ".PNG" alike), or nullptr.
const TGraphicCodec* FindGraphicCodec(const std::string& Extension);

class TPicture : public TPersistent {
  VX_CLASS_NAME(TPicture)
public:
  TPicture();
  ~TPicture() override;

  /// The graphic held, or nullptr.
  TGraphic* Graphic() const { return FGraphic.get(); }
  /// Takes ownership and fires OnChange; the picture also fires OnChange whenever the
  /// graphic does (it takes over the graphic's OnChange).
  void SetGraphic(std::unique_ptr<TGraphic> Graphic);
  /// The graphic as a bitmap; a picture that holds none (or another kind) gets a bitmap
  /// (converted) and keeps it.
  TBitmap& Bitmap();
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  /// Loads by the file's extension. A missing or unreadable file, an extension without a
  /// codec or data the codec refuses raise Exception naming the file and the reason; the
  /// picture is then unchanged.
  void LoadFromFile(const std::string& FileName);
  /// Saves through the codec of the extension; failures raise Exception like loading.
  void SaveToFile(const std::string& FileName) const;

  /// From a picture or a graphic: holds a copy of its graphic; nullptr clears.
  void Assign(const TPersistent* Source) override;

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }

private:
  void Changed();
  std::unique_ptr<TGraphic> FGraphic;
  TNotifyEvent FOnChange;
};

} // namespace vx
