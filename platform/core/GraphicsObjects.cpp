#include "platform/core/GraphicsObjects.h"

#include "platform/core/Property.h"

#include <climits>
#include <cstdint>

namespace vx {

namespace {

// A * B / C rounded half away from zero, computed in 64 bits and limited to the int range
// (C > 0), the rounding the platform's font arithmetic uses.
int MulDivRound(int A, int B, int C) {
  const std::int64_t N = std::int64_t{A} * B;
  const std::int64_t Magnitude = ((N < 0 ? -N : N) + C / 2) / C;
  std::int64_t R = N < 0 ? -Magnitude : Magnitude;
  if (R > INT_MAX) R = INT_MAX;
  if (R < -INT_MAX) R = -INT_MAX;
  return static_cast<int>(R);
}

} // namespace

void TGraphicsObject::Changed() {
  if (FOnChange) FOnChange(this);
}

// ---- TPen ----

void TPen::SetColor(TColor Value) {
  if (SetField(FColor, Value)) Changed();
}

void TPen::SetWidth(int Value) {
  if (SetField(FWidth, Value < 1 ? 1 : Value)) Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (SetField(FStyle, Value)) Changed();
}

void TPen::Assign(const TPersistent* Source) {
  if (const auto* P = dynamic_cast<const TPen*>(Source)) {
    // Bitwise | so that every field is copied; one notification for the whole copy.
    if (SetField(FColor, P->FColor) | SetField(FWidth, P->FWidth) | SetField(FStyle, P->FStyle))
      Changed();
    return;
  }
  TGraphicsObject::Assign(Source);
}

// ---- TBrush ----

void TBrush::SetColor(TColor Value) {
  if (SetField(FColor, Value)) Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (SetField(FStyle, Value)) Changed();
}

void TBrush::Assign(const TPersistent* Source) {
  if (const auto* B = dynamic_cast<const TBrush*>(Source)) {
    if (SetField(FColor, B->FColor) | SetField(FStyle, B->FStyle)) Changed();
    return;
  }
  TGraphicsObject::Assign(Source);
}

// ---- TFont ----

int TFont::Size() const {
  return -MulDivRound(FHeight, 72, PixelsPerInch);
}

void TFont::SetSize(int Value) {
  SetHeight(-MulDivRound(Value, PixelsPerInch, 72));
}

void TFont::SetName(const std::string& Value) {
  if (SetField(FName, Value)) Changed();
}

void TFont::SetHeight(int Value) {
  // -INT_MAX keeps the negation in Size() defined.
  if (SetField(FHeight, Value < -INT_MAX ? -INT_MAX : Value)) Changed();
}

void TFont::SetStyle(TFontStyles Value) {
  if (SetField(FStyle, Value)) Changed();
}

void TFont::SetColor(TColor Value) {
  if (SetField(FColor, Value)) Changed();
}

void TFont::SetCharset(TFontCharset Value) {
  if (SetField(FCharset, Value)) Changed();
}

void TFont::SetPitch(TFontPitch Value) {
  if (SetField(FPitch, Value)) Changed();
}

void TFont::SetOrientation(int Value) {
  if (SetField(FOrientation, Value)) Changed();
}

void TFont::Assign(const TPersistent* Source) {
  if (const auto* F = dynamic_cast<const TFont*>(Source)) {
    if (F == this) return;
    if (SetField(FName, F->FName) | SetField(FHeight, F->FHeight) | SetField(FStyle, F->FStyle) |
        SetField(FColor, F->FColor) | SetField(FCharset, F->FCharset) |
        SetField(FPitch, F->FPitch) | SetField(FOrientation, F->FOrientation))
      Changed();
    return;
  }
  TGraphicsObject::Assign(Source);
}

VX_PUBLISHED(TGraphicsObject, TPersistent) {}

VX_PUBLISHED(TPen, TGraphicsObject) {
  P.Color("Color", &TPen::Color, &TPen::SetColor, clBlack);
  P.Enum("Style", &TPen::Style, &TPen::SetStyle, psSolid);
  P.Int("Width", &TPen::Width, &TPen::SetWidth, 1);
}

// The font is stored by its height in pixels; Size follows from it and is not stored.
VX_PUBLISHED(TFont, TGraphicsObject) {
  P.Int("Charset", &TFont::Charset, &TFont::SetCharset, DEFAULT_CHARSET);
  P.Color("Color", &TFont::Color, &TFont::SetColor, clWindowText);
  P.Int("Height", &TFont::Height, &TFont::SetHeight, -11);
  P.String("Name", &TFont::Name, &TFont::SetName, "MS Sans Serif");
  P.Int("Orientation", &TFont::Orientation, &TFont::SetOrientation, 0);
  P.Enum("Pitch", &TFont::Pitch, &TFont::SetPitch, fpDefault);
  P.Set("Style", &TFont::Style, &TFont::SetStyle, TFontStyles{});
}

VX_PUBLISHED(TBrush, TGraphicsObject) {
  P.Color("Color", &TBrush::Color, &TBrush::SetColor, clWhite);
  P.Enum("Style", &TBrush::Style, &TBrush::SetStyle, bsSolid);
}

} // namespace vx
