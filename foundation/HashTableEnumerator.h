#pragma once
// Enumeration of the keys or values of a hash table: buckets from the last to the first, each
// chain from head to tail.

#include "foundation/HashTable.h"

#include <cstdint>

namespace vx {

/// The enumeration contract of a hash table.
class IHashTableEnumeration {
public:
  /// The element returned last (0 before the first).
  virtual std::int32_t Current() const = 0;
  /// The number of elements not yet returned (Count and Remaining are the same).
  virtual std::int32_t Count() const = 0;
  virtual std::int32_t Remaining() const = 0;
  /// Whether NextElement has an element to return.
  virtual bool HasMoreElements() = 0;
  /// The next element; "No such element" past the end.
  virtual std::int32_t NextElement() = 0;
  /// Starts over at the last bucket; returns this enumeration.
  virtual IHashTableEnumeration& Reset() = 0;

protected:
  ~IHashTableEnumeration() = default;
};

/// What an enumerator returns.
enum TGHashtableEnumMode : std::uint8_t { emKeys, emValues };

/// Enumerates one table. The table need not outlive the enumerator: a destroyed table leaves
/// it empty. While it is alive, the enumerator follows the table's changes: removing any entry
/// (also the one returned last) and adding entries are safe, new entries in buckets not yet
/// visited are returned, Clear ends the enumeration, and a change of Capacity (which
/// reorders everything, as a growing Put does) makes the next HasMoreElements or NextElement
/// raise EGHashtableError "Table changed during enumeration" until Reset.
class TGHashtableEnumerator : public TObject, public IHashTableEnumeration {
  VX_CLASS_NAME(TGHashtableEnumerator)
public:
  /// An enumerator of Table's keys or values, already reset.
  TGHashtableEnumerator(const TGCustomHashtable& Table, TGHashtableEnumMode Mode);
  ~TGHashtableEnumerator() override;

  std::int32_t Current() const override { return FCurrent; }
  std::int32_t Count() const override { return FRemaining; }
  std::int32_t Remaining() const override { return FRemaining; }
  bool HasMoreElements() override;
  std::int32_t NextElement() override;
  TGHashtableEnumerator& Reset() override;

  TGHashtableEnumMode Mode() const { return FMode; }

private:
  friend class TGCustomHashtable;

  void CheckValid() const;

  const TGCustomHashtable* FTable;
  TGHashtableEnumMode FMode;
  // Buckets at and above FBucket have been visited except the chain rest from FNext on.
  std::uint32_t FBucket = 0;
  const TGHashtableEntry* FNext = nullptr;
  std::int32_t FCurrent = 0;
  std::int32_t FRemaining = 0;
  bool FStale = false;
};

} // namespace vx
