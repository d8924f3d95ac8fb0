#pragma once
// A small bit set over the ordinals of an enumeration: bit n stands for the value with
// ordinal n, so the stored integer is exactly the set's bit value.

#include <cstdint>
#include <initializer_list>

namespace vx {

template <typename E> class TSet {
public:
  using Bits = std::uint32_t;

  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Values) {
    for (E V : Values)
      FBits |= Bit(V);
  }
  static constexpr TSet FromBits(Bits B) {
    TSet S;
    S.FBits = B;
    return S;
  }

  constexpr Bits ToBits() const { return FBits; }
  constexpr bool Contains(E V) const { return (FBits & Bit(V)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSet& Include(E V) {
    FBits |= Bit(V);
    return *this;
  }
  constexpr TSet& Exclude(E V) {
    FBits &= ~Bit(V);
    return *this;
  }

  friend constexpr TSet operator+(TSet A, TSet B) { return FromBits(A.FBits | B.FBits); }
  friend constexpr TSet operator-(TSet A, TSet B) { return FromBits(A.FBits & ~B.FBits); }
  friend constexpr TSet operator*(TSet A, TSet B) { return FromBits(A.FBits & B.FBits); }
  friend constexpr TSet operator+(TSet A, E V) { return A.Include(V); }
  friend constexpr TSet operator-(TSet A, E V) { return A.Exclude(V); }
  friend constexpr bool operator==(TSet A, TSet B) = default;

private:
  static constexpr Bits Bit(E V) { return Bits{1} << static_cast<unsigned>(V); }
  Bits FBits = 0;
};

} // namespace vx
