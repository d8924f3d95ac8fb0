#include "platform/core/FormatDateTime.h"

#include "platform/core/DateTimeFields.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace vx {

namespace {

constexpr int MaxNesting = 2;

char Upper(char C) {
  return C >= 'a' && C <= 'z' ? static_cast<char>(C - 32) : C;
}
bool IsLetter(char C) {
  return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}

bool StartsWithNoCase(std::string_view S, std::size_t At, std::string_view Prefix) {
  if (S.size() - At < Prefix.size()) return false;
  for (std::size_t I = 0; I < Prefix.size(); ++I)
    if (Upper(S[At + I]) != Prefix[I]) return false;
  return true;
}

class TDateFormatter {
public:
  TDateFormatter(TDateTime DateTime, const TFormatSettings& S) : FValue(DateTime), FS(S) {}

  std::string Run(std::string_view Format) {
    Append(Format.empty() ? std::string_view("C") : Format);
    return std::move(FOut);
  }

private:
  // Decoded on first use, so that a pattern of literals never needs a valid date.
  const detail::TDateTimeFields& Fields() {
    if (!FFields) FFields = detail::SplitDateTime(FValue);
    return *FFields;
  }

  void Number(int Value, int MinDigits) {
    char Buf[12];
    const auto R = std::to_chars(Buf, Buf + sizeof Buf, Value);
    for (int N = static_cast<int>(R.ptr - Buf); N < MinDigits; ++N)
      FOut += '0';
    FOut.append(Buf, R.ptr);
  }

  // True when an am/pm specifier follows before the next hour specifier.
  static bool TwelveHour(std::string_view F, std::size_t From) {
    bool Quoted = false;
    for (std::size_t I = From; I < F.size(); ++I) {
      const char C = F[I];
      if (C == '\'' || C == '"') {
        Quoted = !Quoted;
      } else if (!Quoted && (C == 'a' || C == 'A')) {
        return StartsWithNoCase(F, I, "AM/PM") || StartsWithNoCase(F, I, "A/P") ||
               StartsWithNoCase(F, I, "AMPM");
      } else if (!Quoted && (C == 'h' || C == 'H')) {
        return false;
      }
    }
    return false;
  }

  void Append(std::string_view F) {
    if (FLevel >= MaxNesting) return;
    ++FLevel;
    char Last = ' '; // the previous specifier letter, upper case
    for (std::size_t I = 0; I < F.size();) {
      const char Start = F[I];
      if (Start == '\'' || Start == '"') {
        const std::size_t Close = F.find(Start, I + 1);
        FOut.append(F.substr(I + 1, Close == std::string_view::npos ? Close : Close - I - 1));
        I = Close == std::string_view::npos ? F.size() : Close + 1;
        continue;
      }
      std::size_t Count = 1;
      while (I + Count < F.size() && F[I + Count] == Start)
        ++Count;
      char Token = Upper(Start);
      if (IsLetter(Token)) {
        if (Token == 'M' && Last == 'H') Token = 'N';
        Last = Token;
      }
      const std::size_t Next = Specifier(F, I, Token, Count);
      I = Next;
    }
    --FLevel;
  }

  // Appends the specifier at I (Count repetitions of its character) and returns the
  // index after what it consumed.
  std::size_t Specifier(std::string_view F, std::size_t I, char Token, std::size_t Count) {
    const int N = static_cast<int>(std::min<std::size_t>(Count, 9));
    switch (Token) {
    case 'C':
      Append(FS.ShortDateFormat);
      if (Fields().Hour || Fields().Min || Fields().Sec || Fields().MSec) {
        FOut += ' ';
        Append(FS.LongTimeFormat);
      }
      return I + Count;
    case 'Y':
      if (N <= 2)
        Number(Fields().Year % 100, 2);
      else
        Number(Fields().Year, 4);
      return I + Count;
    case 'M':
      if (N <= 2)
        Number(Fields().Month, N);
      else
        FOut += (N == 3 ? FS.ShortMonthNames : FS.LongMonthNames)[Fields().Month - 1];
      return I + Count;
    case 'D':
      if (N <= 2)
        Number(Fields().Day, N);
      else if (N == 3)
        FOut += FS.ShortDayNames[Fields().DayOfWeek - 1];
      else if (N == 4)
        FOut += FS.LongDayNames[Fields().DayOfWeek - 1];
      else
        Append(N == 5 ? FS.ShortDateFormat : FS.LongDateFormat);
      return I + Count;
    case 'H': {
      int Hour = Fields().Hour;
      if (TwelveHour(F, I + Count)) Hour = Hour == 0 ? 12 : Hour > 12 ? Hour - 12 : Hour;
      Number(Hour, std::min(N, 2));
      return I + Count;
    }
    case 'N':
      Number(Fields().Min, std::min(N, 2));
      return I + Count;
    case 'S':
      Number(Fields().Sec, std::min(N, 2));
      return I + Count;
    case 'Z':
      Number(Fields().MSec, std::min(N, 3));
      return I + Count;
    case 'T':
      Append(N == 1 ? FS.ShortTimeFormat : FS.LongTimeFormat);
      return I + Count;
    case 'A':
      return AmPm(F, I);
    case '/':
      FOut += FS.DateSeparator;
      return I + 1;
    case ':':
      FOut += FS.TimeSeparator;
      return I + 1;
    default:
      FOut.append(F.substr(I, Count));
      return I + Count;
    }
  }

  std::size_t AmPm(std::string_view F, std::size_t I) {
    if (StartsWithNoCase(F, I, "AM/PM")) {
      FOut.append(F.substr(Fields().Hour >= 12 ? I + 3 : I, 2));
      return I + 5;
    }
    if (StartsWithNoCase(F, I, "A/P")) {
      FOut += F[Fields().Hour >= 12 ? I + 2 : I];
      return I + 3;
    }
    if (StartsWithNoCase(F, I, "AMPM")) {
      FOut += Fields().Hour >= 12 ? FS.TimePMString : FS.TimeAMString;
      return I + 4;
    }
    if (StartsWithNoCase(F, I, "AAA")) {
      const bool Long = StartsWithNoCase(F, I, "AAAA");
      FOut += (Long ? FS.LongDayNames : FS.ShortDayNames)[Fields().DayOfWeek - 1];
      return I + (Long ? 4 : 3);
    }
    FOut += F[I];
    return I + 1;
  }

  TDateTime FValue;
  const TFormatSettings& FS;
  std::optional<detail::TDateTimeFields> FFields;
  std::string FOut;
  int FLevel = 0;
};

} // namespace

std::string FormatDateTime(std::string_view Format, TDateTime DateTime,
                           const TFormatSettings& Settings) {
  return TDateFormatter(DateTime, Settings).Run(Format);
}

std::string FormatDateTime(std::string_view Format, TDateTime DateTime) {
  return FormatDateTime(Format, DateTime, FormatSettings());
}

} // namespace vx
