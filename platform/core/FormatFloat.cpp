#include "platform/core/FormatFloat.h"

#include "platform/core/Convert.h"
#include "platform/core/FloatDecimal.h"

#include <algorithm>
#include <cmath>

namespace vx {

using detail::TFloatDecimal;

namespace {

constexpr int MaxSignificant = 18;
constexpr int MaxExponentDigits = 4;

bool IsQuote(char C) {
  return C == '\'' || C == '"';
}

// The text quoted from I on, up to the closing quote or, when there is none, the end.
std::string_view QuotedText(std::string_view F, std::size_t I) {
  const std::size_t Close = F.find(F[I], I + 1);
  return F.substr(I + 1, Close == std::string_view::npos ? std::string_view::npos : Close - I - 1);
}

// Index just past the quoted text that starts at I.
std::size_t SkipQuoted(std::string_view F, std::size_t I) {
  const std::size_t Close = F.find(F[I], I + 1);
  return Close == std::string_view::npos ? F.size() : Close + 1;
}

bool IsExponentAt(std::string_view F, std::size_t I) {
  return (F[I] == 'E' || F[I] == 'e') && I + 1 < F.size() && (F[I + 1] == '+' || F[I + 1] == '-');
}

struct TSections {
  std::string_view Part[3];
  int Count = 0;
};

TSections SplitSections(std::string_view F) {
  TSections S;
  std::size_t Start = 0;
  for (std::size_t I = 0; I < F.size();) {
    if (IsQuote(F[I])) {
      I = SkipQuoted(F, I);
    } else if (F[I] == ';') {
      if (S.Count < 3) S.Part[S.Count++] = F.substr(Start, I - Start);
      Start = ++I;
    } else {
      ++I;
    }
  }
  if (S.Count < 3) S.Part[S.Count++] = F.substr(Start);
  return S;
}

// What a section asks for, from one scan of its characters.
struct TLayout {
  int IntPlaces = 0;  // digit places before the decimal point
  int FracPlaces = 0; // digit places after it
  int MinInt = 0;     // integer digits always printed (from the first "0" on)
  int MinFrac = 0;    // decimals always printed (up to the last "0")
  int ExpDigits = 0;
  bool Thousands = false;
  bool Scientific = false;
};

TLayout ScanSection(std::string_view F) {
  TLayout L;
  bool Decimal = false;
  int FirstZero = -1;
  for (std::size_t I = 0; I < F.size();) {
    const char C = F[I];
    if (IsQuote(C)) {
      I = SkipQuoted(F, I);
      continue;
    }
    if (C == '#' || C == '0') {
      if (!Decimal) {
        if (C == '0' && FirstZero < 0) FirstZero = L.IntPlaces;
        ++L.IntPlaces;
      } else {
        ++L.FracPlaces;
        if (C == '0') L.MinFrac = L.FracPlaces;
      }
    } else if (C == '.') {
      Decimal = true;
    } else if (C == ',') {
      if (!Decimal) L.Thousands = true;
    } else if (!L.Scientific && IsExponentAt(F, I)) {
      L.Scientific = true;
      I += 2;
      int Zeros = 0;
      for (; I < F.size() && F[I] == '0'; ++I)
        ++Zeros;
      L.ExpDigits = std::min(Zeros, MaxExponentDigits);
      continue;
    }
    ++I;
  }
  L.MinInt = FirstZero < 0 ? 0 : L.IntPlaces - FirstZero;
  return L;
}

// The digits to print, split at the decimal point, with the exponent in scientific mode.
struct TDigits {
  std::string Int;  // without leading zeros, except those MinInt asks for
  std::string Frac; // exactly the decimals to print
  int Exponent = 0;
};

TDigits SplitDigits(const TFloatDecimal& D, const TLayout& L) {
  TDigits R;
  if (!D.IsZero()) {
    // In scientific mode the exponent puts exactly IntPlaces digits before the point.
    const int IntCount = L.Scientific ? L.IntPlaces : std::max(D.Exponent, 0);
    const int LeadingZeros = L.Scientific ? 0 : std::max(-D.Exponent, 0);
    for (int I = 0; I < IntCount; ++I)
      R.Int += D.Digit(I);
    R.Frac.assign(LeadingZeros, '0');
    for (int I = IntCount; I < D.Count; ++I)
      R.Frac += D.Digits[I];
    R.Exponent = L.Scientific ? D.Exponent - L.IntPlaces : 0;
  }
  if (static_cast<int>(R.Int.size()) < L.MinInt) R.Int.insert(0, L.MinInt - R.Int.size(), '0');
  // Digits were rounded to FracPlaces decimals; only "#" places can still be dropped.
  if (static_cast<int>(R.Frac.size()) > L.FracPlaces) R.Frac.resize(L.FracPlaces);
  while (static_cast<int>(R.Frac.size()) > L.MinFrac && R.Frac.back() == '0')
    R.Frac.pop_back();
  if (static_cast<int>(R.Frac.size()) < L.MinFrac) R.Frac.append(L.MinFrac - R.Frac.size(), '0');
  return R;
}

class TEmitter {
public:
  TEmitter(std::string& Out, const TLayout& L, const TDigits& D, const TFormatSettings& S)
      : FOut(Out), FL(L), FD(D), FS(S), FIntLeft(static_cast<int>(D.Int.size())) {}

  void Run(std::string_view F) {
    bool Decimal = false, ExponentDone = false;
    int IntIndex = 0, FracIndex = 0;
    for (std::size_t I = 0; I < F.size();) {
      const char C = F[I];
      if (IsQuote(C)) {
        FOut.append(QuotedText(F, I));
        I = SkipQuoted(F, I);
        continue;
      }
      if ((C == '#' || C == '0') && !Decimal) {
        // Place IntIndex stands for the digit FL.IntPlaces - IntIndex left of the point.
        const int Position = FL.IntPlaces - IntIndex++;
        while (FIntLeft > Position)
          PutIntDigit(); // digits beyond the places
        if (FIntLeft == Position && Position > 0) PutIntDigit();
      } else if (C == '#' || C == '0') {
        if (FracIndex < static_cast<int>(FD.Frac.size())) FOut += FD.Frac[FracIndex];
        ++FracIndex;
      } else if (C == '.') {
        if (!Decimal) {
          Decimal = true;
          while (FIntLeft > 0)
            PutIntDigit(); // a pattern without integer places
          if (!FD.Frac.empty()) FOut += FS.DecimalSeparator;
        }
      } else if (C == ',') {
        // Only switches grouping on.
      } else if (FL.Scientific && !ExponentDone && IsExponentAt(F, I)) {
        ExponentDone = true;
        FOut += C;
        detail::AppendExponent(FOut, FD.Exponent, F[I + 1] == '+', FL.ExpDigits);
        I += 2;
        while (I < F.size() && F[I] == '0')
          ++I;
        continue;
      } else {
        FOut += C;
      }
      ++I;
    }
  }

private:
  void PutIntDigit() {
    FOut += FD.Int[FD.Int.size() - FIntLeft];
    --FIntLeft;
    if (FL.Thousands && FIntLeft > 0 && FIntLeft % 3 == 0) FOut += FS.ThousandSeparator;
  }

  std::string& FOut;
  const TLayout& FL;
  const TDigits& FD;
  const TFormatSettings& FS;
  int FIntLeft; // integer digits not yet printed
};

// Rounds D as the layout asks: to its digit places in scientific mode, else to its
// decimals.
void RoundFor(TFloatDecimal& D, const TLayout& L) {
  if (L.Scientific)
    detail::RoundDigits(D, std::clamp(L.IntPlaces + L.FracPlaces, 1, MaxSignificant));
  else
    detail::RoundDigits(D, D.Exponent + L.FracPlaces);
}

} // namespace

std::string FormatFloat(std::string_view Format, double Value, const TFormatSettings& Settings) {
  if (!std::isfinite(Value) || Format.empty()) return FloatToStr(Value, Settings);
  const TSections Sections = SplitSections(Format);
  // A missing or empty negative or zero section falls back to the first.
  const auto SectionFor = [&](int Index) {
    return Index < Sections.Count && !Sections.Part[Index].empty() ? Index : 0;
  };
  TFloatDecimal D = detail::ToDecimal(Value);
  int Index = SectionFor(D.IsZero() ? 2 : D.Negative ? 1 : 0);
  TLayout Layout = ScanSection(Sections.Part[Index]);
  RoundFor(D, Layout);
  if (D.IsZero() && Value != 0) {
    // Rounded away: the value is printed as zero, with the zero section if there is one.
    Index = SectionFor(2);
    Layout = ScanSection(Sections.Part[Index]);
  }
  const std::string_view Section = Sections.Part[Index];
  if (Section.empty()) return FloatToStr(Value, Settings);
  std::string Out;
  Out.reserve(Section.size() + 32);
  // The first section prints the sign of negative values itself.
  if (D.Negative && Index == 0) Out += '-';
  const TDigits Digits = SplitDigits(D, Layout);
  TEmitter(Out, Layout, Digits, Settings).Run(Section);
  return Out;
}

std::string FormatFloat(std::string_view Format, double Value) {
  return FormatFloat(Format, Value, FormatSettings());
}

} // namespace vx
