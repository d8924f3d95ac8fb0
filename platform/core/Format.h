#pragma once
// Format: the toolkit's printf-like formatting, type-checked at run time against the
// actual C++ arguments.

#include "platform/core/FormatSettings.h"

#include <array>
#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vx {

/// One argument of Format, remembering its kind. Only integers, floating-point numbers,
/// strings and characters convert; anything else (bool, pointers, enumerations) does not
/// compile.
class TFormatArg {
public:
  enum TKind : std::uint8_t { fkSigned, fkUnsigned, fkFloat, fkString };

  template <std::signed_integral T>
  requires(!std::same_as<T, char>) TFormatArg(T V)
      : FKind(fkSigned), FBits(sizeof(T) * 8), FSigned(V) {}
  template <std::unsigned_integral T>
  requires(!std::same_as<T, bool> && !std::same_as<T, char>) TFormatArg(T V)
      : FKind(fkUnsigned), FBits(sizeof(T) * 8), FUnsigned(V) {}
  template <std::floating_point T>
  TFormatArg(T V) : FKind(fkFloat), FFloat(static_cast<double>(V)) {}
  TFormatArg(bool) = delete;
  /// A character is a string of one character.
  TFormatArg(const char& C) : FKind(fkString), FString(&C, 1) {}
  TFormatArg(std::string_view S) : FKind(fkString), FString(S) {}
  TFormatArg(const std::string& S) : FKind(fkString), FString(S) {}
  /// A null pointer is an empty string.
  TFormatArg(const char* S)
      : FKind(fkString), FString(S ? std::string_view(S) : std::string_view()) {}

  TKind Kind() const { return FKind; }
  /// Width of the original integer type in bits (for %x and %u of negative values).
  int Bits() const { return FBits; }
  std::int64_t Signed() const { return FSigned; }
  std::uint64_t Unsigned() const { return FUnsigned; }
  double Float() const { return FFloat; }
  std::string_view String() const { return FString; }

private:
  TKind FKind;
  std::uint8_t FBits = 64;
  std::int64_t FSigned = 0;
  std::uint64_t FUnsigned = 0;
  double FFloat = 0;
  std::string_view FString;
};

/// Formats Args into Fmt. Each specifier is "%" [index ":"] ["-"] [width] ["." prec]
/// type, where index, width and prec are numbers or "*" (taken from the next argument,
/// which must be an integer); "-" left-justifies within the width; the type letter may
/// be upper or lower case:
///  - d: integer; prec is the minimum digit count (zero padded);
///  - u: integer as unsigned (negative values in two's complement of their type);
///  - x: integer in upper-case hexadecimal, likewise; prec is the minimum digit count;
///  - f: floating point, fixed with prec decimals (default 2, at most 18);
///  - n: as f with thousands separators;
///  - e: floating point, scientific with prec significant digits (default 15) and an
///    exponent of at least three digits ("1.23E+003");
///  - g: floating point, FloatToStr's general format with prec significant digits
///    (default 15);
///  - s: string or character; prec is the maximum count of characters;
///  - "%%" is a percent sign.
/// Floating point has 15 significant digits, rounds half away from zero and prints a
/// value that rounds to zero without a minus sign. An index sets the argument used by
/// this specifier and the following ones. A bad specifier, or one whose argument is of
/// another kind, raises EConvertError "Format '<Fmt>' invalid or incompatible with
/// argument"; a missing argument raises EConvertError "No argument for format '<Fmt>'".
/// Unused arguments are ignored. Widths and precisions above 65536 count as bad.
std::string FormatArgs(std::string_view Fmt, std::span<const TFormatArg> Args,
                       const TFormatSettings& Settings);

template <class... TArgs>
std::string Format(const TFormatSettings& Settings, std::string_view Fmt, const TArgs&... Args) {
  const std::array<TFormatArg, sizeof...(TArgs)> List{TFormatArg(Args)...};
  return FormatArgs(Fmt, List, Settings);
}

/// Format with the program-wide settings: Format("%.2f %%", 12.5) is "12.50 %".
template <class... TArgs> std::string Format(std::string_view Fmt, const TArgs&... Args) {
  return Format(FormatSettings(), Fmt, Args...);
}

} // namespace vx
