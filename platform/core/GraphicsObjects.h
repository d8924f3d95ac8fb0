#pragma once
// Pen, brush and font: small persistent objects that fire OnChange once per change.

#include "platform/core/Color.h"
#include "platform/core/Object.h"
#include "platform/core/Published.h"
#include "platform/core/Set.h"

#include <string>

namespace vx {

enum TPenStyle : std::uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame
};
VX_ENUM_NAMES(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
              "psInsideFrame")

enum TBrushStyle : std::uint8_t {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};
VX_ENUM_NAMES(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
              "bsBDiagonal", "bsCross", "bsDiagCross")

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
VX_ENUM_NAMES(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
using TFontStyles = TSet<TFontStyle>;

enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };
VX_ENUM_NAMES(TFontPitch, "fpDefault", "fpVariable", "fpFixed")

using TFontCharset = std::uint8_t;
constexpr TFontCharset DEFAULT_CHARSET = 1;

/// Base of pen, brush and font: OnChange fires once for every change of a property and
/// once for an Assign that changes anything; setting an equal value fires nothing.
class TGraphicsObject : public TPersistent {
  VX_CLASS_NAME(TGraphicsObject)
public:
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }

protected:
  /// Fires OnChange with this object as sender.
  virtual void Changed();

private:
  TNotifyEvent FOnChange;
};

class TPen : public TGraphicsObject {
  VX_CLASS_NAME(TPen)
public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  /// Width in pixels; values below 1 are stored as 1.
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);

  /// Copies colour, width and style from another pen (one OnChange, none when all are
  /// equal); other sources go to the inherited rules.
  void Assign(const TPersistent* Source) override;

private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
};

class TBrush : public TGraphicsObject {
  VX_CLASS_NAME(TBrush)
public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);

  /// Copies colour and style from another brush (one OnChange, none when both are equal).
  void Assign(const TPersistent* Source) override;

private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};

/// A font. Size is in points, Height in pixels at 96 dpi; only the height is stored:
/// Height = -MulDiv(Size, 96, 72) and Size = -MulDiv(Height, 72, 96), MulDiv rounding half
/// away from zero (8 points <-> -11 pixels). A negative height is the character height
/// without internal leading (a size in points); a positive one is the cell height with
/// leading and reads back as a negative size, so SetSize and Size round-trip for both
/// signs. Orientation turns the text counter-clockwise in tenths of a degree.
class TFont : public TGraphicsObject {
  VX_CLASS_NAME(TFont)
public:
  static constexpr int PixelsPerInch = 96;

  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value);
  /// Points; derived from Height (see the class comment).
  int Size() const;
  /// Sets Height to -MulDiv(Value, 96, 72); fires OnChange only when the height changes.
  void SetSize(int Value);
  /// Pixels; negative: character height (em), positive: cell height, 0: the default height.
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  /// Tenths of a degree, counter-clockwise.
  int Orientation() const { return FOrientation; }
  void SetOrientation(int Value);

  /// Copies every attribute from another font (one OnChange, none when all are equal);
  /// other sources go to the inherited rules.
  void Assign(const TPersistent* Source) override;

private:
  std::string FName = "MS Sans Serif";
  int FHeight = -11; // 8 points
  TFontStyles FStyle;
  TColor FColor = clWindowText;
  TFontCharset FCharset = DEFAULT_CHARSET;
  TFontPitch FPitch = fpDefault;
  int FOrientation = 0;
};

} // namespace vx
