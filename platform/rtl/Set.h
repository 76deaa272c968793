#pragma once
// A set over a scoped enumeration of at most 64 values, as the class library's
// documented sets (TFontStyles, TGridOptions...) are.
#include <cstdint>
#include <initializer_list>

namespace plat {

template <typename E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E member : members) FBits |= Bit(member);
  }

  constexpr bool Contains(E member) const { return (FBits & Bit(member)) != 0; }
  constexpr TSet& Include(E member) {
    FBits |= Bit(member);
    return *this;
  }
  constexpr TSet& Exclude(E member) {
    FBits &= ~Bit(member);
    return *this;
  }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr std::uint64_t Bits() const { return FBits; }

  friend constexpr bool operator==(TSet, TSet) = default;
  // Union, difference and intersection, as the class library writes them.
  friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.FBits | b.FBits); }
  friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.FBits & ~b.FBits); }
  friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.FBits & b.FBits); }

 private:
  static constexpr std::uint64_t Bit(E member) { return std::uint64_t{1} << static_cast<unsigned>(member); }
  static constexpr TSet FromBits(std::uint64_t bits) {
    TSet s;
    s.FBits = bits;
    return s;
  }

  std::uint64_t FBits = 0;
};

}  // namespace plat
