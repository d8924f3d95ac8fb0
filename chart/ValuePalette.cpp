#include "chart/ValuePalette.h"

namespace vx {

namespace {
int PalettePosition = 0;
constexpr int PaletteSize = static_cast<int>(ValuePaletteColors.size());
} // namespace

TColor NextValuePaletteColor() {
  const TColor Result = ValuePaletteColors[static_cast<std::size_t>(PalettePosition)];
  PalettePosition = (PalettePosition + 1) % PaletteSize;
  return Result;
}

int ValuePalettePosition() {
  return PalettePosition;
}

void SetValuePalettePosition(int Position) {
  PalettePosition = ((Position % PaletteSize) + PaletteSize) % PaletteSize;
}

} // namespace vx
