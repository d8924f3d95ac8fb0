// Positional access. The cursor caches the last position reached (index, entry, bucket), so
// that walking positions one by one in either direction costs constant time per step on
// average: forward follows the chain or skips empty buckets upward, backward finds the
// predecessor in the (short) chain or the tail of the previous non-empty bucket.

#include "foundation/HashTable.h"

namespace vx {

const TGHashtableEntry& TGCustomHashtable::EntryAt(std::int32_t Index) const {
  if (Index < 0 || Index >= FCount) throw EListError::Index(Index);
  if (FCursorIndex < 0) CursorToFirst();
  const std::int32_t C = FCursorIndex;
  if (Index == C + 1) {
    CursorForward();
  } else if (Index == C - 1) {
    CursorBack();
  } else if (Index != C) {
    if (Index < C) CursorToFirst();
    while (FCursorIndex < Index)
      CursorForward();
  }
  return *FCursorEntry;
}

// The callers guarantee that the position exists (0 <= position < Count).
void TGCustomHashtable::CursorToFirst() const {
  std::uint32_t B = 0;
  while (!FBuckets[B])
    ++B;
  FCursorIndex = 0;
  FCursorBucket = B;
  FCursorEntry = FBuckets[B].get();
}

void TGCustomHashtable::CursorForward() const {
  if (FCursorEntry->Next) {
    FCursorEntry = FCursorEntry->Next.get();
  } else {
    std::uint32_t B = FCursorBucket + 1;
    while (!FBuckets[B])
      ++B;
    FCursorBucket = B;
    FCursorEntry = FBuckets[B].get();
  }
  ++FCursorIndex;
}

void TGCustomHashtable::CursorBack() const {
  TGHashtableEntry* Head = FBuckets[FCursorBucket].get();
  if (Head != FCursorEntry) {
    TGHashtableEntry* P = Head;
    while (P->Next.get() != FCursorEntry)
      P = P->Next.get();
    FCursorEntry = P;
  } else {
    std::uint32_t B = FCursorBucket;
    do
      --B;
    while (!FBuckets[B]);
    TGHashtableEntry* P = FBuckets[B].get();
    while (P->Next)
      P = P->Next.get();
    FCursorBucket = B;
    FCursorEntry = P;
  }
  --FCursorIndex;
}

} // namespace vx
