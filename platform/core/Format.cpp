#include "platform/core/Format.h"

#include "platform/core/Convert.h"
#include "platform/core/Exceptions.h"

#include <charconv>
#include <optional>

namespace vx {

namespace {

constexpr int MaxWidth = 65536;
constexpr int FloatPrecision = 15;

class TFormatter {
public:
  TFormatter(std::string_view Fmt, std::span<const TFormatArg> Args, const TFormatSettings& S)
      : FFmt(Fmt), FArgs(Args), FS(S) {}

  std::string Run() {
    std::string Out;
    Out.reserve(FFmt.size() + 16);
    while (FPos < FFmt.size()) {
      const std::size_t Percent = FFmt.find('%', FPos);
      Out.append(FFmt.substr(FPos, Percent - FPos));
      if (Percent == std::string_view::npos) break;
      FPos = Percent + 1;
      if (Peek() == '%') {
        Out += '%';
        ++FPos;
        continue;
      }
      Specifier(Out);
    }
    return Out;
  }

private:
  [[noreturn]] void Invalid() const {
    throw EConvertError("Format '" + std::string(FFmt) + "' invalid or incompatible with argument");
  }
  [[noreturn]] void Missing() const {
    throw EConvertError("No argument for format '" + std::string(FFmt) + "'");
  }

  char Peek() const { return FPos < FFmt.size() ? FFmt[FPos] : '\0'; }

  const TFormatArg& NextArg() {
    if (FArg >= FArgs.size()) Missing();
    return FArgs[FArg++];
  }

  // A number or "*" (the next argument, an integer); nothing when there is neither.
  std::optional<int> Number() {
    if (Peek() == '*') {
      ++FPos;
      const TFormatArg& A = NextArg();
      if (A.Kind() == TFormatArg::fkSigned && A.Signed() >= -MaxWidth && A.Signed() <= MaxWidth)
        return static_cast<int>(A.Signed());
      if (A.Kind() == TFormatArg::fkUnsigned && A.Unsigned() <= MaxWidth)
        return static_cast<int>(A.Unsigned());
      Invalid();
    }
    const std::size_t Start = FPos;
    while (Peek() >= '0' && Peek() <= '9')
      ++FPos;
    if (FPos == Start) return std::nullopt;
    int N = 0;
    const auto R = std::from_chars(FFmt.data() + Start, FFmt.data() + FPos, N);
    if (R.ec != std::errc() || N > MaxWidth) Invalid();
    return N;
  }

  void Specifier(std::string& Out) {
    std::optional<int> Width = Number();
    if (Peek() == ':') {
      // What was read is the index of the argument for this and the following specifiers.
      ++FPos;
      if (!Width || *Width < 0) Invalid();
      FArg = static_cast<std::size_t>(*Width);
      Width.reset();
    }
    bool Left = false;
    if (Peek() == '-') {
      Left = true;
      ++FPos;
    }
    if (!Width) Width = Number();
    if (Width && *Width < 0) {
      // A negative "*" width left-justifies, as in C.
      Left = true;
      Width = -*Width;
    }
    int Prec = -1; // none; a negative "*" precision also means none
    if (Peek() == '.') {
      ++FPos;
      Prec = Number().value_or(0);
      if (Prec < 0) Prec = -1;
    }
    const char Type = Peek();
    if (Type == '\0') Invalid();
    ++FPos;
    const std::string Text = Convert(Type, NextArg(), Prec);
    Pad(Out, Text, Width.value_or(0), Left);
  }

  std::string Convert(char Type, const TFormatArg& A, int Prec) const {
    switch (Type) {
    case 'd':
    case 'D':
      if (A.Kind() == TFormatArg::fkSigned) return Integer(A.Signed(), Prec);
      if (A.Kind() == TFormatArg::fkUnsigned) return Digits(A.Unsigned(), 10, Prec);
      Invalid();
    case 'u':
    case 'U':
    case 'x':
    case 'X': {
      const int Base = Type == 'x' || Type == 'X' ? 16 : 10;
      if (A.Kind() == TFormatArg::fkUnsigned) return Digits(A.Unsigned(), Base, Prec);
      if (A.Kind() != TFormatArg::fkSigned) Invalid();
      // Two's complement in the width of the argument's own type.
      std::uint64_t U = static_cast<std::uint64_t>(A.Signed());
      if (A.Bits() < 64) U &= (std::uint64_t{1} << A.Bits()) - 1;
      return Digits(U, Base, Prec);
    }
    case 'f':
    case 'F':
    case 'n':
    case 'N':
      return FloatToStrF(FloatOf(A), Type == 'n' || Type == 'N' ? ffNumber : ffFixed,
                         FloatPrecision, Prec < 0 ? 2 : Prec, FS);
    case 'e':
    case 'E':
      return FloatToStrF(FloatOf(A), ffExponent, Prec < 0 ? FloatPrecision : Prec, 3, FS);
    case 'g':
    case 'G':
      return FloatToStrF(FloatOf(A), ffGeneral, Prec < 0 ? FloatPrecision : Prec, 0, FS);
    case 's':
    case 'S':
      if (A.Kind() != TFormatArg::fkString) Invalid();
      return std::string(Prec < 0 ? A.String()
                                  : A.String().substr(0, PrefixBytes(A.String(), Prec)));
    default:
      Invalid();
    }
  }

  double FloatOf(const TFormatArg& A) const {
    if (A.Kind() != TFormatArg::fkFloat) Invalid();
    return A.Float();
  }

  static std::string Digits(std::uint64_t V, int Base, int MinDigits) {
    char Buf[24];
    const auto R = std::to_chars(Buf, Buf + sizeof Buf, V, Base);
    std::string S;
    for (int N = static_cast<int>(R.ptr - Buf); N < MinDigits; ++N)
      S += '0';
    for (const char* P = Buf; P < R.ptr; ++P)
      S += *P >= 'a' ? static_cast<char>(*P - 32) : *P;
    return S;
  }

  static std::string Integer(std::int64_t V, int MinDigits) {
    const std::uint64_t Magnitude =
        V < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(V) : static_cast<std::uint64_t>(V);
    return (V < 0 ? "-" : "") + Digits(Magnitude, 10, MinDigits);
  }

  // Bytes of the first Count characters of a UTF-8 text (never splitting a character).
  static std::size_t PrefixBytes(std::string_view S, int Count) {
    std::size_t I = 0;
    for (int N = 0; I < S.size(); ++N) {
      if (N == Count) break;
      ++I;
      while (I < S.size() && (static_cast<unsigned char>(S[I]) & 0xC0) == 0x80)
        ++I;
    }
    return I;
  }

  static int Characters(std::string_view S) {
    int N = 0;
    for (const char C : S)
      N += (static_cast<unsigned char>(C) & 0xC0) != 0x80;
    return N;
  }

  static void Pad(std::string& Out, const std::string& Text, int Width, bool Left) {
    const int Fill = Width - Characters(Text);
    if (Fill > 0 && !Left) Out.append(Fill, ' ');
    Out += Text;
    if (Fill > 0 && Left) Out.append(Fill, ' ');
  }

  std::string_view FFmt;
  std::span<const TFormatArg> FArgs;
  const TFormatSettings& FS;
  std::size_t FPos = 0;
  std::size_t FArg = 0;
};

} // namespace

std::string FormatArgs(std::string_view Fmt, std::span<const TFormatArg> Args,
                       const TFormatSettings& Settings) {
  return TFormatter(Fmt, Args, Settings).Run();
}

} // namespace vx
