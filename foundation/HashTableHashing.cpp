// The four hash functions. Each reads the key's decimal digits (no leading zeros, zero being
// the single digit 0); the digit strings are taken apart with powers of ten rather than
// built as text, and all arithmetic is unsigned so that no key can overflow it.

#include "foundation/HashTable.h"
#include "foundation/HashTableMessages.h"

namespace vx {

namespace msg = hashtable_messages;

namespace {

constexpr std::uint64_t Pow10[] = {1ull,         10ull,         100ull,        1000ull,
                                   10000ull,     100000ull,     1000000ull,    10000000ull,
                                   100000000ull, 1000000000ull, 10000000000ull};

// Number of decimal digits of V (at most 10 for 32-bit numbers).
int DigitCount(std::uint64_t V) {
  int N = 1;
  while (N < 10 && V >= Pow10[N])
    ++N;
  return N;
}

// The key with its sign bit cleared.
std::uint32_t Magnitude(std::int32_t Key) {
  return static_cast<std::uint32_t>(Key) & 0x7FFFFFFFu;
}

// V mod Capacity; every hashed number is below 2^31, so the result fits a signed index.
std::int32_t Reduce(std::uint64_t V, std::uint32_t Capacity) {
  if (Capacity == 0) throw EGHashtableError(msg::ZeroCapacity);
  return static_cast<std::int32_t>(V % Capacity);
}

} // namespace

std::int32_t TGCustomHashtable::Hash(std::int32_t Key, std::uint32_t Capacity) const {
  if (Key == 0) throw EGHashtableError(msg::ArgumentIsNull);
  switch (FHashType) {
  case htTruncation:
    return HashTruncation(Key, Capacity);
  case htMidSquare:
    return HashMidSquare(Key, Capacity);
  case htFolding:
    return HashFolding(Key, Capacity);
  case htDivision:
  default:
    return HashDivision(Key, Capacity);
  }
}

std::int32_t TGCustomHashtable::HashDivision(std::int32_t Key, std::uint32_t Capacity) const {
  return Reduce(Magnitude(Key), Capacity);
}

std::int32_t TGCustomHashtable::HashTruncation(std::int32_t Key, std::uint32_t Capacity) const {
  // The last n digits of the key, n being the digit count of the capacity.
  const std::uint32_t K = Magnitude(Key);
  const int N = DigitCount(Capacity);
  const std::uint64_t T = N < DigitCount(K) ? K % Pow10[N] : K;
  return Reduce(T, Capacity);
}

std::int32_t TGCustomHashtable::HashMidSquare(std::int32_t Key, std::uint32_t Capacity) const {
  // The low 32 bits of the square, taken unsigned (the signed product could overflow).
  const std::uint32_t Square = static_cast<std::uint32_t>(Key) * static_cast<std::uint32_t>(Key);
  const std::uint32_t Q = Square & 0x7FFFFFFFu;
  const int N = DigitCount(Capacity);
  const int H = DigitCount(Q) / 2;
  // The first n of the last h digits.
  const std::uint64_t T = N < H ? (Q % Pow10[H]) / Pow10[H - N] : Q;
  return Reduce(T, Capacity);
}

std::int32_t TGCustomHashtable::HashFolding(std::int32_t Key, std::uint32_t Capacity) const {
  // The first digit, then the digits at positions (from 1) that are even or divisible by 3.
  const std::uint32_t K = Magnitude(Key);
  const int L = DigitCount(K);
  std::uint64_t T = 0;
  for (int P = 1; P <= L; ++P) {
    if (P == 1 || P % 2 == 0 || P % 3 == 0) T = T * 10 + (K / Pow10[L - P]) % 10;
  }
  return Reduce(T, Capacity);
}

} // namespace vx
