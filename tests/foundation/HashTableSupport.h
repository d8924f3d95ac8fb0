#pragma once
// Helpers shared by the hash table tests.

#include "foundation/HashTable.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vx::test {

/// The message of the exception of type E that F throws, or "no exception".
template <typename E, typename F> std::string ErrorOf(F&& Fn) {
  try {
    Fn();
  } catch (const E& Error) {
    return Error.what();
  }
  return "no exception";
}

/// Everything observable about a table, to show that a failed operation changed nothing.
struct TTableState {
  std::uint32_t Capacity = 0;
  std::int32_t Count = 0;
  std::int32_t Collisions = 0;
  TGHashType HashType = htDivision;
  float LoadFactor = 0;
  std::vector<std::pair<std::int32_t, std::int32_t>> Entries; // key, value in position order
  bool operator==(const TTableState&) const = default;
};

inline TTableState StateOf(const TGCustomHashtable& Table) {
  TTableState S{Table.Capacity(), Table.Count(),      Table.Collisions(),
                Table.HashType(), Table.LoadFactor(), {}};
  for (std::int32_t I = 0; I < Table.Count(); ++I) {
    const TGHashtableEntry& E = Table.EntryAt(I);
    S.Entries.emplace_back(E.GetKey(), E.Value);
  }
  return S;
}

} // namespace vx::test
