// Positional access through the cursor, and the key / value enumerator.

#include "foundation/HashTable.h"
#include "foundation/HashTableEnumerator.h"

#include "foundation/HashTableSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace vx {
namespace {

using test::ErrorOf;
using Keys = std::vector<std::int32_t>;

// Capacity 11 with division: chains in buckets 1 and 5, empty buckets between and around.
class HashTableWalk : public testing::Test {
protected:
  HashTableWalk() {
    for (std::int32_t K : {1, 12, 23, 5, 16, 10, 3})
      Table.Put(K, K * 100);
  }
  Keys Forward() {
    Keys Result;
    for (std::int32_t I = 0; I < Table.Count(); ++I)
      Result.push_back(Table.EntryAt(I).GetKey());
    return Result;
  }
  static Keys Drain(IHashTableEnumeration& E) {
    Keys Result;
    while (E.HasMoreElements())
      Result.push_back(E.NextElement());
    return Result;
  }

  TGHashtable Table{11, 1.0f};
  // Buckets upward, each chain from its head (the key put last) to its tail.
  const Keys PositionOrder = {23, 12, 1, 3, 16, 5, 10};
  // Buckets downward, each chain from head to tail.
  const Keys EnumerationOrder = {10, 16, 5, 3, 23, 12, 1};
};

TEST_F(HashTableWalk, ForwardAndBackwardVisitEveryEntryOnce) {
  EXPECT_EQ(Forward(), PositionOrder);
  Keys Backward;
  for (std::int32_t I = Table.Count() - 1; I >= 0; --I)
    Backward.push_back(Table.EntryAt(I).GetKey());
  EXPECT_EQ(Backward, Keys(PositionOrder.rbegin(), PositionOrder.rend()));
  EXPECT_EQ(Table.ValueAt(3), 300);
  EXPECT_THROW(Table.EntryAt(Table.Count()), EListError);
}

TEST_F(HashTableWalk, JumpsInAnyOrderFindTheSameEntries) {
  std::vector<std::int32_t> Order(Table.Count());
  std::iota(Order.begin(), Order.end(), 0);
  std::mt19937 Random(3);
  for (int Round = 0; Round < 20; ++Round) {
    std::shuffle(Order.begin(), Order.end(), Random);
    for (std::int32_t I : Order)
      ASSERT_EQ(Table.EntryAt(I).GetKey(), PositionOrder[I]) << I;
  }
}

TEST_F(HashTableWalk, CursorFollowsPutsAndRemoves) {
  EXPECT_EQ(Table.EntryAt(2).GetKey(), 1); // cursor in bucket 1
  Table.Put(7, 700);                       // bucket 7, after the cursor: positions before keep
  EXPECT_EQ(Table.EntryAt(3).GetKey(), 3);
  Table.Put(11, 1100); // bucket 0, before the cursor: every position shifts by one
  EXPECT_EQ(Table.EntryAt(3).GetKey(), 1);
  EXPECT_EQ(Forward(), (Keys{11, 23, 12, 1, 3, 16, 5, 7, 10}));

  // Walking backward and removing as we go keeps the remaining positions right.
  Keys Visited;
  for (std::int32_t I = Table.Count() - 1; I >= 0; --I) {
    const std::int32_t K = Table.EntryAt(I).GetKey();
    Visited.push_back(K);
    if (K % 2 == 1) Table.Remove(K);
  }
  EXPECT_EQ(Visited, (Keys{10, 7, 5, 16, 3, 1, 12, 23, 11}));
  EXPECT_EQ(Forward(), (Keys{12, 16, 10}));
}

TEST_F(HashTableWalk, LongWalkOverSparseAndCrowdedBuckets) {
  TGHashtable Big(1000, 1.0f);
  std::mt19937 Random(11);
  std::vector<std::int32_t> All;
  while (All.size() < 900) {
    const auto K = static_cast<std::int32_t>(Random() % 5000) + 1;
    if (!Big.FindEntry(K) && Big.Count() < 900) {
      Big.Put(K, K);
      All.push_back(K);
    }
  }
  Keys Forward, Backward;
  std::int32_t LastBucket = -1;
  for (std::int32_t I = 0; I < Big.Count(); ++I) {
    const TGHashtableEntry& E = Big.EntryAt(I);
    ASSERT_GE(E.Bucket, LastBucket);
    LastBucket = E.Bucket;
    Forward.push_back(E.GetKey());
  }
  for (std::int32_t I = Big.Count() - 1; I >= 0; --I)
    Backward.push_back(Big.EntryAt(I).GetKey());
  std::reverse(Backward.begin(), Backward.end());
  EXPECT_EQ(Forward, Backward);
  std::sort(Forward.begin(), Forward.end());
  std::sort(All.begin(), All.end());
  EXPECT_EQ(Forward, All);
}

TEST_F(HashTableWalk, KeysEnumerateBucketsDownwardThenRaise) {
  TGHashtableEnumerator& E = Table.Keys();
  EXPECT_EQ(E.Count(), 7);
  EXPECT_EQ(E.NextElement(), 10);
  EXPECT_EQ(E.Current(), 10);
  EXPECT_EQ(E.Remaining(), 6);
  EXPECT_EQ(Table.NextKey(), 16); // the table's own enumerator
  Keys Rest = Drain(E);
  EXPECT_EQ(Rest, Keys(EnumerationOrder.begin() + 2, EnumerationOrder.end()));
  EXPECT_EQ(E.Remaining(), 0);
  EXPECT_EQ(ErrorOf<EGHashtableError>([&] { E.NextElement(); }), "No such element");
  EXPECT_EQ(E.Current(), 1);
  EXPECT_EQ(Drain(Table.Keys()), EnumerationOrder); // Keys starts over

  TGHashtableEnumerator Values(Table, emValues);
  Keys Expected;
  for (std::int32_t K : EnumerationOrder)
    Expected.push_back(K * 100);
  EXPECT_EQ(Drain(Values), Expected);
  EXPECT_EQ(Drain(TGHashtable().Keys()), Keys{});
}

TEST_F(HashTableWalk, RemovingDuringEnumerationIsSafe) {
  TGHashtableEnumerator& E = Table.Keys();
  EXPECT_EQ(E.NextElement(), 10);
  EXPECT_EQ(E.NextElement(), 16); // 5, the tail of its chain, is pending
  Table.Remove(5);                // the pending entry
  Table.Remove(23);               // still ahead
  Table.Remove(10);               // already returned
  EXPECT_EQ(E.Remaining(), 3);
  Keys Rest;
  while (E.HasMoreElements()) {
    Rest.push_back(E.NextElement());
    Table.Remove(E.Current()); // the entry just returned
  }
  EXPECT_EQ(Rest, (Keys{3, 12, 1}));
  EXPECT_EQ(E.Remaining(), 0);
  EXPECT_EQ(Forward(), Keys{16});
}

TEST_F(HashTableWalk, PutsDuringEnumerationAreCountedWhenStillAhead) {
  TGHashtableEnumerator& E = Table.Keys();
  EXPECT_EQ(E.NextElement(), 10);
  EXPECT_EQ(E.NextElement(), 16); // now in bucket 5
  Table.Put(2, 200);              // bucket 2: still ahead
  Table.Put(9, 900);              // bucket 9: already passed
  EXPECT_EQ(E.Remaining(), 6);
  EXPECT_EQ(Drain(E), (Keys{5, 3, 2, 23, 12, 1}));
}

TEST_F(HashTableWalk, ClearEndsAndRehashInvalidatesEnumeration) {
  TGHashtableEnumerator& E = Table.Keys();
  E.NextElement();
  Table.SetCapacity(23);
  EXPECT_EQ(ErrorOf<EGHashtableError>([&] { E.HasMoreElements(); }),
            "Table changed during enumeration");
  EXPECT_EQ(ErrorOf<EGHashtableError>([&] { E.NextElement(); }),
            "Table changed during enumeration");
  EXPECT_EQ(Drain(E.Reset()).size(), 7u);

  E.Reset();
  E.NextElement();
  Table.Clear();
  EXPECT_FALSE(E.HasMoreElements());
  EXPECT_EQ(E.Remaining(), 0);
  Table.Put(4, 4);
  EXPECT_EQ(Drain(E.Reset()), Keys{4});
}

TEST(HashTableEnumerator, OutlivesItsTable) {
  auto Table = std::make_unique<TGHashtable>();
  Table->Put(1, 1);
  Table->Put(2, 2);
  TGHashtableEnumerator E(*Table, emKeys);
  EXPECT_EQ(E.NextElement(), 2);
  Table.reset();
  EXPECT_FALSE(E.HasMoreElements());
  EXPECT_EQ(E.Remaining(), 0);
  EXPECT_EQ(ErrorOf<EGHashtableError>([&] { E.NextElement(); }), "No such element");
}

} // namespace
} // namespace vx
