#pragma once
// Text forms of the values in stored descriptions that JSON has no form for: colours and
// non-finite numbers. Shared by the description writer and reader.

#include <cstdint>
#include <optional>
#include <string>

namespace vx::detail {

/// A colour's text: its name (through the installed converter) or "#RRGGBB" for an RGB
/// value; nothing for other values, which are written as integers.
std::optional<std::string> ColorToText(std::int32_t Color);
/// The colour of a name or "#RRGGBB" text.
std::optional<std::int32_t> TextToColor(const std::string& Text);

/// "NaN", "Infinity" or "-Infinity" for a non-finite number, nullptr for a finite one.
const char* NonFiniteToken(double X);
/// The number of such a token.
std::optional<double> TokenToNonFinite(const std::string& Text);

} // namespace vx::detail
