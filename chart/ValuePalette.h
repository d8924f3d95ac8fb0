#pragma once
// The value palette: one table of ten colours for the whole program, with one shared
// position. Every value that enters a collection, and every new chart, takes the entry at
// the position, and the position moves on, wrapping after the tenth entry.

#include "platform/core/Color.h"

#include <array>

namespace vx {

/// The palette in order: red, green, yellow, blue, purple, maroon, lime, teal, fuchsia, aqua.
inline constexpr std::array<TColor, 10> ValuePaletteColors{
    clRed, clGreen, clYellow, clBlue, clPurple, clMaroon, clLime, clTeal, clFuchsia, clAqua};

/// The colour at the shared position; the position advances to (position + 1) mod 10.
/// Used from the GUI thread only, like the rest of the library.
TColor NextValuePaletteColor();

/// The shared position, 0 to 9: the entry the next value or chart takes.
int ValuePalettePosition();

/// Moves the shared position (taken modulo 10). The palette is global by design, so tests
/// that count colours start from a known place with SetValuePalettePosition(0).
void SetValuePalettePosition(int Position);

} // namespace vx
