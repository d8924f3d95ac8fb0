#pragma once
// A separately chained hash table from non-zero 32-bit integer keys to 32-bit integer values,
// with four hash functions on decimal digits, growth at a load-factor threshold, change
// notification, constant-time sequential positional access and a key enumerator.

#include "platform/core/Exceptions.h"
#include "platform/core/Object.h"

#include <cstdint>
#include <exception>
#include <memory>
#include <vector>

namespace vx {

class TGCustomHashtable;
class TGHashtableEnumerator;

/// The hash function a table uses. Every function works on the decimal digits of the key with
/// its sign bit cleared and ends with a remainder modulo the capacity.
enum TGHashType : std::uint8_t { htTruncation, htDivision, htMidSquare, htFolding };

/// Every failure of a hash table except a bad position (that one is EListError).
class EGHashtableError : public Exception {
public:
  using Exception::Exception;
};

/// One chained entry. The table owns it; a chain owns its successors through Next.
class TGHashtableEntry : public TObject {
  VX_CLASS_NAME(TGHashtableEntry)
public:
  TGHashtableEntry() = default;
  /// Frees the rest of the chain iteratively, so a long chain cannot exhaust the stack.
  ~TGHashtableEntry() override;

  /// The key; descendants may store keys differently and override all three.
  virtual std::int32_t GetKey() const { return FKey; }
  virtual void SetKey(std::int32_t Key) { FKey = Key; }
  /// True when Key equals the stored key.
  virtual bool KeyEquals(std::int32_t Key) const { return FKey == Key; }

  /// Index of the bucket that holds the entry.
  std::int32_t Bucket = 0;
  std::int32_t Value = 0;
  /// Next entry of the same bucket; empty at the end of the chain.
  std::unique_ptr<TGHashtableEntry> Next;

private:
  std::int32_t FKey = 0;
};

/// A listener attached with SetOwner. The table does not own it: the listener must outlive the
/// table or detach itself with SetOwner(nullptr). Destroying a table does not call it.
class IHashTableOwner {
public:
  /// After every reported change (see TGCustomHashtable::Changed), before OnChange.
  virtual void TableChanged(TGCustomHashtable* Table) = 0;
  /// Before Put stores anything; called again by the retry of a Put that grows the table.
  virtual void BeforePut(TGCustomHashtable* Table, std::int32_t Key, std::int32_t Value) = 0;
  /// Before Remove looks for the key (also when the key then turns out to be absent).
  virtual void BeforeRemove(TGCustomHashtable* Table, std::int32_t Key) = 0;
  /// Before Clear destroys the entries of a non-empty table.
  virtual void BeforeClear(TGCustomHashtable* Table) = 0;

protected:
  ~IHashTableOwner() = default;
};

/// The table itself. Key 0 is refused by every keyed operation ("Argument is null").
///
/// Load factor: every table keeps 0.0 < LoadFactor <= 1.0. The constructor and
/// SetLoadFactor refuse anything else (also NaN) with "Load factor must be between 0.0 and
/// 1.0", so a table that could never take an entry cannot exist, and every table can be
/// copied with Assign. The growth threshold is Round(Capacity * LoadFactor), halves to even.
///
/// Capacity 0 is allowed (it empties the table) but Put, and Hash with capacity 0, raise
/// "Cannot perform this operation with zero capacity" instead of dividing by zero. A Put
/// whose growth could not reach a threshold above Count within 32-bit capacities (a tiny
/// load factor) raises "Table cannot grow any further" before allocating anything.
class TGCustomHashtable : public TPersistent {
  VX_CLASS_NAME(TGCustomHashtable)
public:
  /// An empty table with Capacity buckets, htDivision, no owner and no OnChange.
  TGCustomHashtable(std::uint32_t Capacity, float LoadFactor);
  /// Destroys the entries without calling OnChange or the owner.
  ~TGCustomHashtable() override;

  /// Copies another table: Clear; LoadFactor, Capacity and HashType of the source; then one
  /// Put per source key (in the source's key order) inside one update bracket. Assigning a
  /// table to itself changes nothing. Other sources raise the assignment error.
  void Assign(const TPersistent* Source) override;
  /// Copies into another table (Dest->Assign(this)), or into a string list: cleared inside
  /// its update bracket, then one line per key (decimal text, in key order, no object).
  /// Any other destination raises EConvertError "Cannot assign a <this> to a <Dest>".
  void AssignTo(TPersistent* Dest) const override;

  /// The value under Key. Raises "Table is empty", "Argument is null", "No such element".
  virtual std::int32_t Get(std::int32_t Key) const;
  /// Entry := the entry of Key or nullptr. False at once on an empty table; key 0 raises.
  virtual bool Find(std::int32_t Key, const TGHashtableEntry*& Entry) const;
  /// The entry of Key, or nullptr (same checks as Find).
  const TGHashtableEntry* FindEntry(std::int32_t Key) const;
  /// Stores Value under Key; returns the previous value, 0 for a new key. Notifies; a Put
  /// that grows the table calls BeforePut twice and notifies twice.
  virtual std::int32_t Put(std::int32_t Key, std::int32_t Value);
  /// Removes Key and returns its value. Raises "Table is empty", "Argument is null",
  /// "No such element" (the last after the owner's BeforeRemove). Notifies.
  virtual std::int32_t Remove(std::int32_t Key);
  /// Whether any entry holds Value.
  virtual bool ContainsValue(std::int32_t Value) const;
  /// Destroys all entries and notifies; an empty table does nothing and does not notify.
  virtual void Clear();

  /// Bucket index of Key in a table of Capacity buckets with the current HashType.
  virtual std::int32_t Hash(std::int32_t Key, std::uint32_t Capacity) const;
  /// The four hash functions (key 0 allowed here: its digits are "0"); Capacity 0 raises.
  virtual std::int32_t HashDivision(std::int32_t Key, std::uint32_t Capacity) const;
  virtual std::int32_t HashTruncation(std::int32_t Key, std::uint32_t Capacity) const;
  virtual std::int32_t HashMidSquare(std::int32_t Key, std::uint32_t Capacity) const;
  virtual std::int32_t HashFolding(std::int32_t Key, std::uint32_t Capacity) const;

  /// Update bracket: Changed is silent inside; the outermost EndUpdate notifies once. An
  /// EndUpdate without a matching BeginUpdate does nothing.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  /// The entry, or its value, at Index in positional order: buckets upward, each chain from
  /// head to tail. Stepping to the next or previous index costs constant time (a cached
  /// cursor). Index outside 0 .. Count-1 raises EListError "List index out of bounds (N)".
  const TGHashtableEntry& EntryAt(std::int32_t Index) const;
  std::int32_t ValueAt(std::int32_t Index) const { return EntryAt(Index).Value; }

  /// Resets the table's own key enumerator and returns it (owned by the table).
  virtual TGHashtableEnumerator& Keys();
  /// The next key of the table's own enumerator; "No such element" past the end.
  virtual std::int32_t NextKey();

  /// Number of buckets. Setting it rehashes every entry (no notification); 0 empties the
  /// table. Raises nothing but allocation failures, which leave the table unchanged.
  std::uint32_t Capacity() const { return FCapacity; }
  void SetCapacity(std::uint32_t Value);
  /// The hash function; changing it on a non-empty table raises
  /// "Cannot perform this operation with non-empty table".
  TGHashType HashType() const { return FHashType; }
  void SetHashType(TGHashType Value);
  /// Growth threshold factor, 0.0 < Value <= 1.0 (see the class comment).
  float LoadFactor() const { return FLoadFactor; }
  void SetLoadFactor(float Value);

  std::int32_t Count() const { return FCount; }
  /// Entries that are not the head of their bucket (Count minus non-empty buckets).
  std::int32_t Collisions() const { return FCollisions; }

  /// Fired by Changed with the table as Sender; never by the destructor.
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  /// The optional listener (not owned); nullptr detaches it.
  IHashTableOwner* Owner() const { return FOwner; }
  void SetOwner(IHashTableOwner* Value) { FOwner = Value; }

protected:
  /// A new plain entry; descendants return their own entry class.
  virtual std::unique_ptr<TGHashtableEntry> CreateEntry();
  /// Capacity := 2 * Capacity + 1.
  virtual void Grow();
  /// Reports a change: silent inside an update bracket, else the owner's TableChanged and
  /// then OnChange.
  virtual void Changed();

private:
  friend class TGHashtableEnumerator;
  using TBucket = std::unique_ptr<TGHashtableEntry>;

  static void CheckLoadFactor(float Value);
  void UpdateThreshold();
  bool CanGrowFor(std::int64_t Needed) const;
  std::uint32_t BucketIndex(std::int32_t Key, std::uint32_t Capacity) const;
  TGHashtableEntry* FindIn(std::uint32_t Bucket, std::int32_t Key) const;
  void InvalidateCursor() const { FCursorIndex = -1; }
  void CursorToFirst() const;
  void CursorForward() const;
  void CursorBack() const;
  void EnumeratorsAfterPut(const TGHashtableEntry* Entry) const;
  void EnumeratorsBeforeRemove(const TGHashtableEntry* Entry) const;
  void EnumeratorsAfterClear() const;
  void EnumeratorsAfterRehash() const;

  std::uint32_t FCapacity = 0;
  std::int32_t FCollisions = 0;
  std::int32_t FCount = 0;
  TGHashType FHashType = htDivision;
  float FLoadFactor = 0;
  std::int64_t FThreshold = 0;
  std::vector<TBucket> FBuckets;
  std::unique_ptr<TGHashtableEnumerator> FKeys;
  TNotifyEvent FOnChange;
  int FUpdateCount = 0;
  IHashTableOwner* FOwner = nullptr;
  // Cache of the last positional access; the entry is valid while the index is >= 0.
  mutable std::int32_t FCursorIndex = -1;
  mutable TGHashtableEntry* FCursorEntry = nullptr;
  mutable std::uint32_t FCursorBucket = 0;
  // Live enumerators of this table, kept so removals cannot leave them dangling.
  mutable std::vector<TGHashtableEnumerator*> FEnumerators;
};

/// The table with its stored properties: Capacity (default 101), HashType (default
/// htDivision), LoadFactor (always stored) and OnChange.
class TGHashtable : public TGCustomHashtable {
  VX_CLASS_NAME(TGHashtable)
public:
  static constexpr std::uint32_t DefaultCapacity = 101;
  static constexpr TGHashType DefaultHashType = htDivision;
  static constexpr float DefaultLoadFactor = 0.75f;

  explicit TGHashtable(std::uint32_t Capacity = DefaultCapacity,
                       float LoadFactor = DefaultLoadFactor)
      : TGCustomHashtable(Capacity, LoadFactor) {}

  /// Overridable forwarders to Get, Put and Remove, for descendants that type their values.
  virtual std::int32_t GetValue(std::int32_t Key) const { return Get(Key); }
  virtual std::int32_t PutValue(std::int32_t Key, std::int32_t Value) { return Put(Key, Value); }
  virtual std::int32_t RemoveValue(std::int32_t Key) { return Remove(Key); }
};

/// The integer table used by the graph chart's layout; Get and Put are the base operations.
class TGHashIntTable : public TGHashtable {
  VX_CLASS_NAME(TGHashIntTable)
public:
  using TGHashtable::TGHashtable;
};

/// Brackets a bulk edit: BeginUpdate now, EndUpdate when the scope ends, also when an
/// exception leaves it (an exception from the change handlers then gives way to that one).
class TGHashtableUpdate {
public:
  explicit TGHashtableUpdate(TGCustomHashtable& Table)
      : FTable(Table), FExceptions(std::uncaught_exceptions()) {
    FTable.BeginUpdate();
  }
  ~TGHashtableUpdate() noexcept(false);
  TGHashtableUpdate(const TGHashtableUpdate&) = delete;
  TGHashtableUpdate& operator=(const TGHashtableUpdate&) = delete;

private:
  TGCustomHashtable& FTable;
  int FExceptions;
};

} // namespace vx
