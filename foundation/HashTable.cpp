#include "foundation/HashTable.h"

#include "platform/core/Strings.h"
#include "platform/core/UpdateGuard.h"

#include "foundation/HashTableEnumerator.h"
#include "foundation/HashTableMessages.h"
#include "platform/core/Property.h"

#include <cmath>

namespace vx {

namespace msg = hashtable_messages;

namespace {

// Round(Capacity * LoadFactor) with halves to even, in double so that a load factor such as
// 0.1f keeps its exact single-precision value. Capacity and load factor are both bounded
// (32 bits, at most 1.0), so the result fits 64 bits.
std::int64_t ThresholdOf(std::uint64_t Capacity, float LoadFactor) {
  return static_cast<std::int64_t>(
      std::nearbyint(static_cast<double>(Capacity) * static_cast<double>(LoadFactor)));
}

// The largest capacity that can still grow to 2 * Capacity + 1 within 32 bits.
constexpr std::uint64_t MaxGrowableCapacity = 0x7FFFFFFFu;

} // namespace

TGHashtableEntry::~TGHashtableEntry() {
  // Unlink one successor at a time: each one dies with an empty Next.
  while (Next)
    Next = std::move(Next->Next);
}

TGHashtableUpdate::~TGHashtableUpdate() noexcept(false) {
  if (std::uncaught_exceptions() > FExceptions) {
    try {
      FTable.EndUpdate();
    } catch (...) {
      // The exception that is leaving the scope is the one to report.
    }
  } else {
    FTable.EndUpdate();
  }
}

TGCustomHashtable::TGCustomHashtable(std::uint32_t Capacity, float LoadFactor) {
  CheckLoadFactor(LoadFactor);
  FLoadFactor = LoadFactor;
  FKeys = std::make_unique<TGHashtableEnumerator>(*this, emKeys);
  SetCapacity(Capacity);
  UpdateThreshold();
}

TGCustomHashtable::~TGCustomHashtable() {
  // No notification while dying: neither OnChange nor the owner (which may be half
  // destroyed itself when it holds the table as a member).
  FOnChange = nullptr;
  FOwner = nullptr;
  for (TGHashtableEnumerator* E : FEnumerators) {
    E->FTable = nullptr;
    E->FNext = nullptr;
    E->FRemaining = 0;
    E->FStale = false;
  }
  FEnumerators.clear();
}

void TGCustomHashtable::CheckLoadFactor(float Value) {
  if (!(Value > 0.0f && Value <= 1.0f)) throw EGHashtableError(msg::LoadFactorRange);
}

void TGCustomHashtable::UpdateThreshold() {
  FThreshold = ThresholdOf(FCapacity, FLoadFactor);
}

bool TGCustomHashtable::CanGrowFor(std::int64_t Needed) const {
  std::uint64_t C = FCapacity;
  while (ThresholdOf(C, FLoadFactor) < Needed) {
    if (C > MaxGrowableCapacity) return false;
    C = 2 * C + 1;
  }
  return true;
}

std::uint32_t TGCustomHashtable::BucketIndex(std::int32_t Key, std::uint32_t Capacity) const {
  const std::int32_t I = Hash(Key, Capacity);
  if (I < 0 || static_cast<std::uint32_t>(I) >= Capacity) throw EGHashtableError(msg::BadHash);
  return static_cast<std::uint32_t>(I);
}

TGHashtableEntry* TGCustomHashtable::FindIn(std::uint32_t Bucket, std::int32_t Key) const {
  for (TGHashtableEntry* E = FBuckets[Bucket].get(); E; E = E->Next.get())
    if (static_cast<std::uint32_t>(E->Bucket) == Bucket && E->KeyEquals(Key)) return E;
  return nullptr;
}

std::unique_ptr<TGHashtableEntry> TGCustomHashtable::CreateEntry() {
  return std::make_unique<TGHashtableEntry>();
}

std::int32_t TGCustomHashtable::Get(std::int32_t Key) const {
  if (FCount == 0) throw EGHashtableError(msg::TableIsEmpty);
  if (Key == 0) throw EGHashtableError(msg::ArgumentIsNull);
  const TGHashtableEntry* E = FindIn(BucketIndex(Key, FCapacity), Key);
  if (!E) throw EGHashtableError(msg::NoSuchElement);
  return E->Value;
}

bool TGCustomHashtable::Find(std::int32_t Key, const TGHashtableEntry*& Entry) const {
  Entry = nullptr;
  if (FCount == 0) return false;
  if (Key == 0) throw EGHashtableError(msg::ArgumentIsNull);
  Entry = FindIn(BucketIndex(Key, FCapacity), Key);
  return Entry != nullptr;
}

const TGHashtableEntry* TGCustomHashtable::FindEntry(std::int32_t Key) const {
  const TGHashtableEntry* Entry = nullptr;
  Find(Key, Entry);
  return Entry;
}

std::int32_t TGCustomHashtable::Put(std::int32_t Key, std::int32_t Value) {
  if (Key == 0) throw EGHashtableError(msg::ArgumentIsNull);
  if (FOwner) FOwner->BeforePut(this, Key, Value);
  if (FCapacity == 0) throw EGHashtableError(msg::ZeroCapacity);
  const std::uint32_t I = BucketIndex(Key, FCapacity);
  if (TGHashtableEntry* E = FindIn(I, Key)) {
    const std::int32_t Old = E->Value;
    E->Value = Value;
    Changed();
    return Old;
  }
  if (FCount < FThreshold) {
    std::unique_ptr<TGHashtableEntry> E = CreateEntry();
    E->Bucket = static_cast<std::int32_t>(I);
    E->SetKey(Key);
    E->Value = Value;
    TBucket& Head = FBuckets[I];
    if (Head) ++FCollisions;
    E->Next = std::move(Head);
    Head = std::move(E);
    ++FCount;
    // The new head comes before every entry of its bucket and of the buckets above it.
    if (FCursorIndex >= 0 && FCursorBucket >= I) InvalidateCursor();
    EnumeratorsAfterPut(Head.get());
    Changed();
    return 0;
  }
  // Refuse before allocating when no capacity within 32 bits would make room.
  if (!CanGrowFor(static_cast<std::int64_t>(FCount) + 1)) throw EGHashtableError(msg::CannotGrow);
  Grow();
  const std::int32_t Result = Put(Key, Value);
  Changed();
  return Result;
}

void TGCustomHashtable::Grow() {
  if (FCapacity > MaxGrowableCapacity) throw EGHashtableError(msg::CannotGrow);
  SetCapacity(2 * FCapacity + 1);
}

std::int32_t TGCustomHashtable::Remove(std::int32_t Key) {
  if (FCount == 0) throw EGHashtableError(msg::TableIsEmpty);
  if (Key == 0) throw EGHashtableError(msg::ArgumentIsNull);
  if (FOwner) FOwner->BeforeRemove(this, Key);
  if (FCount == 0) // the owner may have emptied the table
    throw EGHashtableError(msg::NoSuchElement);
  const std::uint32_t I = BucketIndex(Key, FCapacity);
  TGHashtableEntry* Prev = nullptr;
  TGHashtableEntry* E = FBuckets[I].get();
  while (E && !(static_cast<std::uint32_t>(E->Bucket) == I && E->KeyEquals(Key))) {
    Prev = E;
    E = E->Next.get();
  }
  if (!E) throw EGHashtableError(msg::NoSuchElement);

  // A cursor on the removed entry steps back, so a backward walk that removes as it goes
  // stays sequential; any other cursor may now be off by one and is dropped.
  if (FCursorIndex > 0 && FCursorEntry == E && FCount > 1)
    CursorBack();
  else
    InvalidateCursor();
  EnumeratorsBeforeRemove(E);

  TBucket Removed;
  if (Prev) {
    Removed = std::move(Prev->Next);
    Prev->Next = std::move(Removed->Next);
    --FCollisions;
  } else {
    Removed = std::move(FBuckets[I]);
    FBuckets[I] = std::move(Removed->Next);
    if (FBuckets[I]) --FCollisions;
  }
  --FCount;
  const std::int32_t Value = Removed->Value;
  Removed.reset();
  Changed();
  return Value;
}

bool TGCustomHashtable::ContainsValue(std::int32_t Value) const {
  if (FCount == 0) return false;
  for (std::uint32_t B = FCapacity; B-- > 0;)
    for (const TGHashtableEntry* E = FBuckets[B].get(); E; E = E->Next.get())
      if (E->Value == Value) return true;
  return false;
}

void TGCustomHashtable::Clear() {
  if (FCount == 0) return;
  if (FOwner) FOwner->BeforeClear(this);
  InvalidateCursor();
  for (TBucket& B : FBuckets)
    B.reset();
  FCount = 0;
  FCollisions = 0;
  EnumeratorsAfterClear();
  Changed();
}

void TGCustomHashtable::BeginUpdate() {
  ++FUpdateCount;
}

void TGCustomHashtable::EndUpdate() {
  // An unmatched EndUpdate must not leave the count below zero, where it would turn the
  // next bracket into a no-op.
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) Changed();
}

void TGCustomHashtable::Changed() {
  if (FUpdateCount > 0) return;
  if (FOwner) FOwner->TableChanged(this);
  if (FOnChange) FOnChange(this);
}

TGHashtableEnumerator& TGCustomHashtable::Keys() {
  FKeys->Reset();
  return *FKeys;
}

std::int32_t TGCustomHashtable::NextKey() {
  return FKeys->NextElement();
}

void TGCustomHashtable::SetCapacity(std::uint32_t Value) {
  InvalidateCursor();
  if (Value == FCapacity) return;
  if (Value == 0) {
    std::vector<TBucket>().swap(FBuckets);
    FCapacity = 0;
    FCount = 0;
    FCollisions = 0;
    UpdateThreshold();
    EnumeratorsAfterRehash();
    return;
  }
  std::vector<TBucket> NewBuckets(Value);
  // Every new bucket index first, in the order of the move below: a Hash that fails (a
  // descendant's) then leaves the table as it was.
  std::vector<std::uint32_t> Targets;
  Targets.reserve(static_cast<std::size_t>(FCount));
  for (std::uint32_t B = FCapacity; B-- > 0;)
    for (const TGHashtableEntry* E = FBuckets[B].get(); E; E = E->Next.get())
      Targets.push_back(BucketIndex(E->GetKey(), Value));

  // Old buckets from the last to the first, each chain from head to tail; each entry
  // becomes the head of its new chain.
  std::int32_t Collisions = 0;
  std::size_t T = 0;
  for (std::uint32_t B = FCapacity; B-- > 0;) {
    TBucket E = std::move(FBuckets[B]);
    while (E) {
      TBucket Rest = std::move(E->Next);
      const std::uint32_t NB = Targets[T++];
      E->Bucket = static_cast<std::int32_t>(NB);
      if (NewBuckets[NB]) ++Collisions;
      E->Next = std::move(NewBuckets[NB]);
      NewBuckets[NB] = std::move(E);
      E = std::move(Rest);
    }
  }
  FBuckets.swap(NewBuckets);
  FCapacity = Value;
  FCollisions = Collisions;
  UpdateThreshold();
  EnumeratorsAfterRehash();
}

void TGCustomHashtable::SetHashType(TGHashType Value) {
  if (Value == FHashType) return;
  if (Value > htFolding) throw EGHashtableError(msg::BadHashType);
  if (FCount > 0) throw EGHashtableError(msg::NonEmptyTable);
  FHashType = Value;
}

void TGCustomHashtable::SetLoadFactor(float Value) {
  CheckLoadFactor(Value);
  if (SetField(FLoadFactor, Value)) UpdateThreshold();
}

void TGCustomHashtable::Assign(const TPersistent* Source) {
  const auto* Src = dynamic_cast<const TGCustomHashtable*>(Source);
  if (!Src) {
    TPersistent::Assign(Source);
    return;
  }
  if (Src == this) return;
  Clear();
  SetLoadFactor(Src->FLoadFactor);
  SetCapacity(Src->FCapacity);
  SetHashType(Src->FHashType);
  TGHashtableUpdate Update(*this);
  // A private enumerator leaves the source's own key enumerator where it was.
  TGHashtableEnumerator Keys(*Src, emKeys);
  while (Keys.HasMoreElements()) {
    const std::int32_t K = Keys.NextElement();
    Put(K, Src->Get(K));
  }
}

void TGCustomHashtable::AssignTo(TPersistent* Dest) const {
  if (auto* Table = dynamic_cast<TGCustomHashtable*>(Dest)) {
    Table->Assign(this);
    return;
  }
  if (auto* Lines = dynamic_cast<TStrings*>(Dest)) {
    TUpdateGuard Guard(*Lines);
    Lines->Clear();
    TGHashtableEnumerator Keys(*this, emKeys);
    while (Keys.HasMoreElements())
      Lines->Add(std::to_string(Keys.NextElement()));
    return;
  }
  TPersistent::AssignTo(Dest);
}

} // namespace vx
