#include "foundation/HashTableEnumerator.h"

#include "foundation/HashTableMessages.h"

#include <algorithm>

namespace vx {

namespace msg = hashtable_messages;

TGHashtableEnumerator::TGHashtableEnumerator(const TGCustomHashtable& Table,
                                             TGHashtableEnumMode Mode)
    : FTable(&Table), FMode(Mode) {
  Table.FEnumerators.push_back(this);
  Reset();
}

TGHashtableEnumerator::~TGHashtableEnumerator() {
  if (FTable) {
    auto& List = FTable->FEnumerators;
    List.erase(std::remove(List.begin(), List.end(), this), List.end());
  }
}

TGHashtableEnumerator& TGHashtableEnumerator::Reset() {
  FStale = false;
  FNext = nullptr;
  FBucket = FTable ? FTable->FCapacity : 0;
  FRemaining = FTable ? FTable->FCount : 0;
  return *this;
}

void TGHashtableEnumerator::CheckValid() const {
  if (FStale) throw EGHashtableError(msg::ChangedDuringEnumeration);
}

bool TGHashtableEnumerator::HasMoreElements() {
  CheckValid();
  if (FNext) return true;
  if (!FTable) return false;
  while (FBucket > 0) {
    --FBucket;
    FNext = FTable->FBuckets[FBucket].get();
    if (FNext) return true;
  }
  return false;
}

std::int32_t TGHashtableEnumerator::NextElement() {
  if (!HasMoreElements()) throw EGHashtableError(msg::NoSuchElement);
  const TGHashtableEntry* E = FNext;
  FNext = E->Next.get();
  FCurrent = FMode == emKeys ? E->GetKey() : E->Value;
  --FRemaining;
  return FCurrent;
}

// The table keeps its live enumerators consistent. An enumerator has returned every entry
// of the buckets above FBucket and the part of bucket FBucket before FNext; the rest is
// still to come.

void TGCustomHashtable::EnumeratorsAfterPut(const TGHashtableEntry* Entry) const {
  // A new head of bucket FBucket comes before FNext, so only lower buckets are still ahead.
  for (TGHashtableEnumerator* En : FEnumerators)
    if (!En->FStale && static_cast<std::uint32_t>(Entry->Bucket) < En->FBucket) ++En->FRemaining;
}

void TGCustomHashtable::EnumeratorsBeforeRemove(const TGHashtableEntry* Entry) const {
  const auto B = static_cast<std::uint32_t>(Entry->Bucket);
  for (TGHashtableEnumerator* En : FEnumerators) {
    if (En->FStale) continue;
    bool Ahead = B < En->FBucket;
    if (B == En->FBucket)
      for (const TGHashtableEntry* P = En->FNext; P && !Ahead; P = P->Next.get())
        Ahead = P == Entry;
    if (En->FNext == Entry) En->FNext = Entry->Next.get();
    if (Ahead) --En->FRemaining;
  }
}

void TGCustomHashtable::EnumeratorsAfterClear() const {
  for (TGHashtableEnumerator* En : FEnumerators) {
    En->FNext = nullptr;
    En->FRemaining = 0;
  }
}

void TGCustomHashtable::EnumeratorsAfterRehash() const {
  // An empty table has nothing an enumerator could have missed: it simply starts over.
  // With entries, the order has changed and the enumeration cannot continue.
  for (TGHashtableEnumerator* En : FEnumerators) {
    if (FCount == 0) {
      En->FStale = false;
      En->FNext = nullptr;
      En->FBucket = FCapacity;
      En->FRemaining = 0;
    } else {
      En->FStale = true;
    }
  }
}

} // namespace vx
