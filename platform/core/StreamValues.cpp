#include "platform/core/StreamValues.h"

#include "platform/core/Color.h"
#include "platform/core/Streaming.h"

#include <cmath>
#include <limits>

namespace vx {

namespace {
int HexDigit(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return -1;
}
} // namespace

namespace detail {

std::optional<std::string> ColorToText(std::int32_t Color) {
  if (auto Name = ColorToIdent(Color)) return *Name;
  const auto U = static_cast<std::uint32_t>(Color);
  if ((U & 0xFF000000u) != 0) return std::nullopt;
  static const char Digits[] = "0123456789ABCDEF";
  // TColor keeps red in the lowest byte; the text is red, green, blue.
  const std::uint32_t Channels[3] = {U & 0xFF, (U >> 8) & 0xFF, (U >> 16) & 0xFF};
  std::string Text = "#";
  for (std::uint32_t C : Channels) {
    Text += Digits[C >> 4];
    Text += Digits[C & 0xF];
  }
  return Text;
}

std::optional<std::int32_t> TextToColor(const std::string& Text) {
  if (!Text.empty() && Text[0] == '#') {
    if (Text.size() != 7) return std::nullopt;
    std::uint32_t Channels[3];
    for (int I = 0; I < 3; ++I) {
      const int Hi = HexDigit(Text[1 + 2 * I]);
      const int Lo = HexDigit(Text[2 + 2 * I]);
      if (Hi < 0 || Lo < 0) return std::nullopt;
      Channels[I] = static_cast<std::uint32_t>(Hi * 16 + Lo);
    }
    return static_cast<std::int32_t>(Channels[0] | (Channels[1] << 8) | (Channels[2] << 16));
  }
  return IdentToColor(Text);
}

const char* NonFiniteToken(double X) {
  if (std::isnan(X)) return "NaN";
  if (std::isinf(X)) return X > 0 ? "Infinity" : "-Infinity";
  return nullptr;
}

std::optional<double> TokenToNonFinite(const std::string& Text) {
  if (Text == "NaN") return std::numeric_limits<double>::quiet_NaN();
  if (Text == "Infinity") return std::numeric_limits<double>::infinity();
  if (Text == "-Infinity") return -std::numeric_limits<double>::infinity();
  return std::nullopt;
}

} // namespace detail
} // namespace vx
